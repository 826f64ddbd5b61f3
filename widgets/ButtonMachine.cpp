#include "widgets/ButtonMachine.h"

namespace {

constexpr unsigned kEnter = 13;
constexpr unsigned kSpace = 32;

} // namespace

TButtonPolicy PolicyOf(TButtonKind kind) {
    switch (kind) {
    case bkCaption:
        return {true, false, false, TButtonPolicy::Caption, false, TButtonPolicy::AnyPress};
    case bkTool:
        return {false, true, true, TButtonPolicy::None, false, TButtonPolicy::NoPress};
    case bkPush:
    default:
        return {true, true, false, TButtonPolicy::Push, true, TButtonPolicy::LeftPress};
    }
}

TButtonStep TButtonMachine::SetState(TButtonState state) {
    TButtonStep step;
    step.Repaint = state != state_;
    state_ = state;
    return step;
}

TButtonStep TButtonMachine::EndTracking(bool click) {
    tracking_ = btNone;
    state_ = bsUp;
    TButtonStep step;
    step.Repaint = true;
    step.Click = click;
    return step;
}

bool TButtonMachine::PressTakesFocus(TMouseButton button, bool enabled) const {
    if (!enabled)
        return false;
    return policy_.PressFocuses == TButtonPolicy::AnyPress ||
           (policy_.PressFocuses == TButtonPolicy::LeftPress && button == mbLeft);
}

TButtonStep TButtonMachine::Press(TMouseButton button, bool enabled, bool focused) {
    if (button != mbLeft || !enabled || (policy_.PressNeedsFocus && !focused))
        return {};
    tracking_ = btMouse;
    return SetState(bsPressed);
}

TButtonStep TButtonMachine::Move(bool inside) {
    if (!Tracking())
        return {};
    return SetState(inside ? bsPressed : bsUp);
}

TButtonStep TButtonMachine::Release(TMouseButton button, bool inside) {
    if (!Tracking() || (!policy_.AnyButtonReleases && button != mbLeft))
        return {};
    if (policy_.ReleaseClearsHot)
        hot_ = false;
    return EndTracking(inside);
}

TButtonStep TButtonMachine::KeyDown(unsigned key, TShiftState shift, bool enabled) {
    TButtonStep step;
    switch (policy_.Keys) {
    case TButtonPolicy::Caption:
        if (key == kEnter) {
            step.Click = true;
        } else if (key == kSpace && enabled) {
            if (tracking_ == btNone)
                tracking_ = btKey;
            SetState(bsPressed);
            step.Repaint = true;
        }
        break;
    case TButtonPolicy::Push:
        if (key == kSpace && !(shift & ssAlt)) {
            keyFlag_ = true;
            SetState(bsPressed);
            step.Repaint = true;
        } else if (key == kEnter && !(shift & (ssShift | ssCtrl | ssAlt))) {
            step.Click = true;
        }
        break;
    case TButtonPolicy::None:
        break;
    }
    return step;
}

TButtonStep TButtonMachine::KeyUp(unsigned key) {
    switch (policy_.Keys) {
    case TButtonPolicy::Caption:
        // Any key: also the release of a key pressed while the mouse holds the button.
        if (Tracking())
            return EndTracking(true);
        break;
    case TButtonPolicy::Push:
        if (key == kSpace) {
            if (state_ == bsPressed)
                state_ = bsUp;
            TButtonStep step;
            step.Repaint = true;
            // The key flag stays until the focus goes.
            step.Click = keyFlag_;
            return step;
        }
        break;
    case TButtonPolicy::None:
        break;
    }
    return {};
}

TButtonStep TButtonMachine::FocusLost() {
    if (!policy_.FocusLossLifts)
        return {};
    keyFlag_ = false;
    return state_ == bsPressed ? SetState(bsUp) : TButtonStep{};
}

TButtonStep TButtonMachine::CaptureLost() {
    if (tracking_ != btMouse)
        return {};
    tracking_ = btNone;
    return state_ == bsPressed ? SetState(bsUp) : TButtonStep{};
}

TButtonStep TButtonMachine::Enter() {
    TButtonStep step;
    step.Repaint = !hot_;
    hot_ = true;
    return step;
}

TButtonStep TButtonMachine::Leave() {
    TButtonStep step;
    step.Repaint = hot_;
    hot_ = false;
    return step;
}

void TButtonMachine::Sync(bool enabled) {
    if (!enabled) {
        state_ = bsDisabled;
        tracking_ = btNone;
    } else if (state_ == bsDisabled) {
        state_ = bsUp;
    }
}
