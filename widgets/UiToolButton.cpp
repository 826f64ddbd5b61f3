#include "widgets/UiToolButton.h"

#include "widgets/UiGradient.h"

TUiToolButton::TUiToolButton(TComponent* owner) : TGraphicControl(owner) {
    // The press and the click are tracked here; a double click's second press is a plain press.
    SetControlStyle(csCaptureMouse);
    SetBounds(0, 0, 25, 25);
}

void TUiToolButton::Changed() {
    Invalidate();
}

void TUiToolButton::SetImages(TImageList* images) {
    images_ = images;
    Changed();
}

void TUiToolButton::SetImageIndex(int index) {
    imageIndex_ = index;
    Changed();
}

void TUiToolButton::SetDisabledIndex(int index) {
    disabledIndex_ = index;
    Changed();
}

void TUiToolButton::SetHotIndex(int index) {
    hotIndex_ = index;
    Changed();
}

void TUiToolButton::SetDownIndex(int index) {
    downIndex_ = index;
    Changed();
}

void TUiToolButton::SetVisualStyle(TVisualStyle style) {
    visualStyle_ = style;
    Changed();
}

void TUiToolButton::SetGradientColorStyle(TGradientColorStyle style) {
    gradientColorStyle_ = style;
    Changed();
}

void TUiToolButton::SetSelectionColorStart(TColor color) {
    selectionColorStart_ = color;
    Changed();
}

void TUiToolButton::SetSelectionColorStop(TColor color) {
    selectionColorStop_ = color;
    Changed();
}

void TUiToolButton::SetSelectionFrameColor(TColor color) {
    selectionFrameColor_ = color;
    Changed();
}

int TUiToolButton::CurrentImage(bool* greyed) {
    machine_.Sync(Enabled());
    if (greyed)
        *greyed = false;
    if (!images_ || imageIndex_ < 0)
        return -1;
    const bool enabled = State() != bsDisabled;
    if (machine_.Pressed() && downIndex_ >= 0)
        return downIndex_;
    // A ready-made disabled picture: every picture is drawn as it is.
    if (disabledIndex_ >= 0) {
        if (!enabled)
            return disabledIndex_;
        return hotIndex_ >= 0 && Hot() ? hotIndex_ : imageIndex_;
    }
    if (hotIndex_ >= 0 && Hot() && enabled)
        return hotIndex_;
    if (greyed)
        *greyed = !enabled;
    return imageIndex_;
}

void TUiToolButton::Paint() {
    bool greyed = false;
    const int index = CurrentImage(&greyed);
    const int w = Width(), h = Height();
    if (ShowsFace()) {
        Canvas().FrameRect(RECT{0, 0, w, h}, selectionFrameColor_);
        // Light to dark when hot, dark to light when held down.
        const bool pressed = machine_.Pressed();
        FillVerticalGradient(Canvas(), RECT{1, 1, w - 1, h - 1},
                             pressed ? selectionColorStop_ : selectionColorStart_,
                             pressed ? selectionColorStart_ : selectionColorStop_);
    }
    if (index < 0)
        return;
    // Centred in the button less two pixels on each side; it does not move when pressed.
    images_->Draw(Canvas(), (w - images_->Width()) / 2, (h - images_->Height()) / 2, index, !greyed);
}

void TUiToolButton::SetHot(bool hot) {
    if ((hot ? machine_.Enter() : machine_.Leave()).Repaint)
        Repaint();
}

void TUiToolButton::TestHot(int x, int y) {
    const bool over = Parent() && Parent()->ControlAtPos(POINT{Left() + x, Top() + y}, true) == this;
    if (over == Hot())
        return;
    SetHot(over);
    if (over)
        TGraphicControl::MouseEnter();
    else
        TGraphicControl::MouseLeave();
}

void TUiToolButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (machine_.Press(button, Enabled(), false).Repaint)
        Repaint();
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TUiToolButton::MouseMove(TShiftState shift, int x, int y) {
    if (Tracking()) {
        if (machine_.Move(Inside(x, y)).Repaint)
            Repaint();
    } else if (!Hot() && Enabled()) {
        TestHot(x, y);
    }
    TGraphicControl::MouseMove(shift, x, y);
}

void TUiToolButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    const TButtonStep step = machine_.Release(button, Inside(x, y));
    if (step.Repaint) {
        // The toolkit lets go of the mouse on the left release only.
        if (button != mbLeft)
            SetMouseCapture(false);
        Repaint();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
    if (step.Click)
        Click();
    // Still under the pointer after the click: the hot face comes back.
    if (step.Repaint)
        TestHot(x, y);
}

void TUiToolButton::MouseEnter() {
    SetHot(true);
    TGraphicControl::MouseEnter();
}

void TUiToolButton::MouseLeave() {
    SetHot(false);
    TGraphicControl::MouseLeave();
}

void TUiToolButton::MouseCaptureLost() {
    if (machine_.CaptureLost().Repaint)
        Repaint();
}
