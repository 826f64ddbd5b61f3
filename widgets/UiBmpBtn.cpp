#include "widgets/UiBmpBtn.h"

#include "toolkit/Form.h"

TUiBmpButton::TUiBmpButton(TComponent* owner) : TCustomControl(owner) {
    // A double click is a second press; the click is decided here, not by the toolkit.
    SetControlStyle(csCaptureMouse);
    SetTabStop(false);
    SetBounds(0, 0, 75, 25);
}

void TUiBmpButton::BitmapsChanged() {
    SetBounds(Left(), Top(), Width(), Height());
    Invalidate();
}

void TUiBmpButton::ApplyBounds(const TBounds& bounds, bool fromLayout) {
    TBounds fitted = bounds;
    // Whatever size is asked for, the button is its Up picture's size.
    if (!bitmaps_.Up.Empty()) {
        fitted.Width = bitmaps_.Up.Width();
        fitted.Height = bitmaps_.Up.Height();
    }
    TCustomControl::ApplyBounds(fitted, fromLayout);
}

void TUiBmpButton::SetState(TState state) {
    if (state == state_)
        return;
    state_ = state;
    Repaint();
}

TBitmap* TUiBmpButton::CurrentPicture() {
    if (!Enabled()) {
        state_ = bsDisabled;
        tracking_ = false;
    } else if (state_ == bsDisabled) {
        state_ = bsUp;
    }
    auto present = [](TBitmap& picture) { return !picture.Empty(); };
    switch (state_) {
    case bsDisabled:
        return present(bitmaps_.Disabled) ? &bitmaps_.Disabled
               : present(bitmaps_.Up)     ? &bitmaps_.Up
                                          : nullptr;
    case bsPressed:
        return present(bitmaps_.Down) ? &bitmaps_.Down : present(bitmaps_.Up) ? &bitmaps_.Up : nullptr;
    default:
        if (!present(bitmaps_.Up))
            return nullptr;
        if (hot_ && present(bitmaps_.Hot))
            return &bitmaps_.Hot;
        if (Focused() && present(bitmaps_.UpAndFocused))
            return &bitmaps_.UpAndFocused;
        return &bitmaps_.Up;
    }
}

void TUiBmpButton::EraseBackground(HDC) {
    // The paint composes the whole face off-screen.
}

void TUiBmpButton::Paint() {
    int w = Width(), h = Height();
    if (w <= 0 || h <= 0)
        return;
    TBitmap face(w, h, pfDevice);
    // The window beneath (its skin and windowless controls) shows where the picture is see-through.
    DrawParentImage(this, face.Canvas().Handle());
    if (TBitmap* picture = CurrentPicture())
        face.Canvas().DrawTransparent(0, 0, *picture, bitmaps_.TransparentColor);
    Canvas().Draw(0, 0, face);
}

void TUiBmpButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (Enabled() && Visible() && !Focused())
        SetFocus();
    if (button == mbLeft && Enabled() && Focused()) {
        tracking_ = true;
        SetState(bsPressed);
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TUiBmpButton::MouseMove(TShiftState shift, int x, int y) {
    if (tracking_)
        SetState(Inside(x, y) ? bsPressed : bsUp);
    TCustomControl::MouseMove(shift, x, y);
}

void TUiBmpButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    bool click = false;
    if (button == mbLeft && tracking_) {
        tracking_ = false;
        SetState(bsUp);
        click = Inside(x, y);
    }
    TCustomControl::MouseUp(button, shift, x, y);
    if (click)
        Click();
}

void TUiBmpButton::MouseEnter() {
    hot_ = true;
    if (!bitmaps_.Hot.Empty())
        Invalidate();
    TCustomControl::MouseEnter();
}

void TUiBmpButton::MouseLeave() {
    hot_ = false;
    if (!bitmaps_.Hot.Empty())
        Invalidate();
    TCustomControl::MouseLeave();
}

void TUiBmpButton::KeyDown(WORD& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == VK_RETURN) {
        Click();
    } else if (key == VK_SPACE && Enabled()) {
        tracking_ = true;
        SetState(bsPressed);
    }
}

void TUiBmpButton::KeyUp(WORD& key, TShiftState shift) {
    TCustomControl::KeyUp(key, shift);
    if (tracking_) {
        tracking_ = false;
        SetState(bsUp);
        Click();
    }
}

void TUiBmpButton::DoEnter() {
    Invalidate();
    TCustomControl::DoEnter();
}

void TUiBmpButton::DoExit() {
    Invalidate();
    TCustomControl::DoExit();
}

void TUiBmpButton::Click() {
    if (TForm* form = GetParentForm(this))
        form->SetModalResult(modalResult_);
    TCustomControl::Click();
}
