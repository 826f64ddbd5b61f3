#include "widgets/UiBitBtn.h"

#include "toolkit/Form.h"

TUiCustomButton::TUiCustomButton(TComponent* owner) : TCustomControl(owner) {
    // The press and the click are tracked here; a double click's second press is a plain press.
    SetControlStyle(csCaptureMouse);
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

void TUiCustomButton::SetHotTrack(bool value) {
    hotTrack_ = value;
    Invalidate();
}

void TUiCustomButton::SetHotTrackColor(TColor color) {
    hotTrackColor_ = color;
    Invalidate();
}

void TUiCustomButton::SetShowFocusRect(bool value) {
    showFocusRect_ = value;
    Invalidate();
}

void TUiCustomButton::SetPressedLook(bool value) {
    if (value == pressedLook_)
        return;
    pressedLook_ = value;
    Repaint();
}

void TUiCustomButton::EraseBackground(HDC) {
    // The paint covers the whole button.
}

void TUiCustomButton::Paint() {
    TCanvas& canvas = Canvas();
    RECT r = ClientRect();
    UINT state = DFCS_BUTTONPUSH | (pressedLook_ ? DFCS_PUSHED : 0) | (Enabled() ? 0 : DFCS_INACTIVE);
    RECT face = r;
    DrawFrameControl(canvas.Handle(), &face, DFC_BUTTON, state);
    if (hotTrack_ && hot_ && Enabled() && !pressedLook_) {
        for (int ring = 2; ring < 4; ++ring)
            canvas.FrameRect(RECT{r.left + ring, r.top + ring, r.right - ring, r.bottom - ring},
                             hotTrackColor_);
    }
    std::string caption = Caption();
    if (!caption.empty()) {
        RECT text = r;
        UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS;
        if (Enabled()) {
            canvas.DrawText(caption, text, format);
        } else {
            TColor colour = canvas.Font.Color();
            RECT shifted{text.left + 1, text.top + 1, text.right + 1, text.bottom + 1};
            canvas.Font.SetColor(clBtnHighlight);
            canvas.DrawText(caption, shifted, format);
            canvas.Font.SetColor(clBtnShadow);
            canvas.DrawText(caption, text, format);
            canvas.Font.SetColor(colour);
        }
    }
    if (Focused() && showFocusRect_) {
        int inset = hotTrack_ ? 3 : 4;
        RECT focus{r.left + inset, r.top + inset, r.right - inset, r.bottom - inset};
        DrawFocusRect(canvas.Handle(), &focus);
    }
}

void TUiCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && Enabled()) {
        SetFocus();
        if (Focused()) {
            tracking_ = true;
            SetPressedLook(true);
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TUiCustomButton::MouseMove(TShiftState shift, int x, int y) {
    if (tracking_)
        SetPressedLook(Inside(x, y));
    TCustomControl::MouseMove(shift, x, y);
}

void TUiCustomButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    bool click = false;
    if (tracking_) {
        tracking_ = false;
        // The toolkit lets go of the mouse on the left release only.
        if (button != mbLeft)
            SetMouseCapture(false);
        click = Inside(x, y);
        SetPressedLook(false);
    }
    TCustomControl::MouseUp(button, shift, x, y);
    if (click)
        Click();
}

void TUiCustomButton::MouseEnter() {
    hot_ = true;
    if (hotTrack_)
        Invalidate();
    TCustomControl::MouseEnter();
}

void TUiCustomButton::MouseLeave() {
    hot_ = false;
    if (hotTrack_)
        Invalidate();
    TCustomControl::MouseLeave();
}

void TUiCustomButton::KeyDown(WORD& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == VK_SPACE && !(shift & ssAlt)) {
        keyFlag_ = true;
        SetPressedLook(true);
    } else if (key == VK_RETURN && !(shift & (ssShift | ssCtrl | ssAlt))) {
        key = 0;
        Click();
    }
}

void TUiCustomButton::KeyUp(WORD& key, TShiftState shift) {
    TCustomControl::KeyUp(key, shift);
    if (key == VK_SPACE) {
        SetPressedLook(false);
        if (keyFlag_)
            Click();
    }
}

void TUiCustomButton::DoEnter() {
    Invalidate();
    TCustomControl::DoEnter();
}

void TUiCustomButton::DoExit() {
    keyFlag_ = false;
    pressedLook_ = false;
    Invalidate();
    TCustomControl::DoExit();
}

void TUiCustomButton::Click() {
    Repaint();
    if (TForm* form = GetParentForm(this))
        form->SetModalResult(modalResult_);
    TCustomControl::Click();
}
