#include "widgets/UiToolButton.h"

TUiToolButton::TUiToolButton(TComponent* owner) : TGraphicControl(owner) {
    // The press and the click are tracked here; a double click's second press is a plain press.
    SetControlStyle(csCaptureMouse);
    SetBounds(0, 0, 25, 25);
}

void TUiToolButton::SetImages(TImageList* images) {
    images_ = images;
    Invalidate();
}

void TUiToolButton::SetImageIndex(int index) {
    imageIndex_ = index;
    Invalidate();
}

void TUiToolButton::SetDisabledIndex(int index) {
    disabledIndex_ = index;
    Invalidate();
}

void TUiToolButton::SetHotIndex(int index) {
    hotIndex_ = index;
    Invalidate();
}

void TUiToolButton::SetDownIndex(int index) {
    downIndex_ = index;
    Invalidate();
}

void TUiToolButton::SetVisualStyle(TVisualStyle style) {
    visualStyle_ = style;
    Invalidate();
}

void TUiToolButton::UpdateState() {
    if (!Enabled()) {
        state_ = bsDisabled;
        tracking_ = false;
    } else if (state_ == bsDisabled) {
        state_ = bsUp;
    }
}

void TUiToolButton::SetState(TState state) {
    if (state == state_)
        return;
    state_ = state;
    Invalidate();
}

int TUiToolButton::CurrentImage() {
    UpdateState();
    if (!images_ || imageIndex_ < 0)
        return -1;
    if (state_ == bsPressed && downIndex_ >= 0)
        return downIndex_;
    if (state_ == bsDisabled && disabledIndex_ >= 0)
        return disabledIndex_;
    return hot_ && hotIndex_ >= 0 && state_ != bsDisabled ? hotIndex_ : imageIndex_;
}

void TUiToolButton::Paint() {
    int index = CurrentImage();
    RECT r = ClientRect();
    if (ShowsFace()) {
        Canvas().FrameRect(r, cl3DDkShadow);
        RECT inside{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        Canvas().FillRect(inside, state_ == bsPressed ? clBtnShadow : clBtnFace);
    }
    if (index < 0)
        return;
    // Centred in the button less two pixels on each side; it does not move when pressed.
    int x = (Width() - images_->Width()) / 2;
    int y = (Height() - images_->Height()) / 2;
    // A separate disabled picture is drawn as it is; without one the list greys the normal one.
    images_->Draw(Canvas(), x, y, index, state_ != bsDisabled || disabledIndex_ >= 0);
}

void TUiToolButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && Enabled()) {
        tracking_ = true;
        SetState(bsPressed);
    }
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TUiToolButton::MouseMove(TShiftState shift, int x, int y) {
    if (tracking_)
        SetState(Inside(x, y) ? bsPressed : bsUp);
    TGraphicControl::MouseMove(shift, x, y);
}

void TUiToolButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    bool click = false;
    if (tracking_) {
        tracking_ = false;
        click = Inside(x, y);
        state_ = bsUp;
        hot_ = false;
        Invalidate();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
    if (click)
        Click();
    // Still under the pointer after the click: the hot face comes back.
    if (MouseInControl() && !hot_) {
        hot_ = true;
        Invalidate();
    }
}

void TUiToolButton::MouseEnter() {
    hot_ = true;
    Invalidate();
    TGraphicControl::MouseEnter();
}

void TUiToolButton::MouseLeave() {
    hot_ = false;
    Invalidate();
    TGraphicControl::MouseLeave();
}
