#include "widgets/UiToolButton.h"

#include "widgets/UiGradient.h"

TUiToolButton::TUiToolButton(TComponent* owner) : TButtonInput(owner, bkTool) {
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
