#include "widgets/UiEdit.h"

#include "toolkit/GdiObject.h"
#include "toolkit/ThemeServices.h"
#include "widgets/WheelScroll.h"

#include <windowsx.h>

TUiMemo::TUiMemo(TComponent* owner) : TMemo(owner) {}

// --- settings ---

void TUiMemo::SetFrameVisible(bool value) {
    if (value == frame_.Visible)
        return;
    frame_.Visible = value;
    if (value)
        ctl3D_ = true;
    RecreateWnd();
}

void TUiMemo::SetCtl3D(bool value) {
    if (value == ctl3D_)
        return;
    ctl3D_ = value;
    RecreateWnd();
}

void TUiMemo::SetFrameStyle(TFrameStyleEx value) {
    frame_.Style = value;
    RepaintFrame();
}

void TUiMemo::SetFrameColor(TColor value) {
    frame_.Color = value;
    RepaintFrame();
}

void TUiMemo::SetFrameSides(TSides value) {
    frame_.Sides = value & sdAll;
    RepaintFrame();
}

void TUiMemo::SetFrameHotTrack(bool value) {
    frame_.HotTrack = value;
    RepaintFrame();
}

void TUiMemo::SetFrameHotStyle(TFrameStyleEx value) {
    frame_.HotStyle = value;
    RepaintFrame();
}

void TUiMemo::SetFrameHotColor(TColor value) {
    frame_.HotColor = value;
    RepaintFrame();
}

void TUiMemo::SetFramingPreference(TFramingPreference value) {
    if (value == frame_.Preference)
        return;
    frame_.Preference = value;
    // The system's border or ours: either way the whole frame is drawn again.
    if (HandleAllocated())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

bool TUiMemo::DrawsOwnFrame() const {
    return ::DrawsOwnFrame(frame_, StyleServicesEnabled());
}

void TUiMemo::CreateParams(TCreateParams& params) {
    TMemo::CreateParams(params);
    if (!ctl3D_) {
        params.ExStyle &= ~WS_EX_CLIENTEDGE;
        params.Style |= WS_BORDER;
    }
}

// --- the flat frame ---

void TUiMemo::PaintFrame() {
    HWND hwnd = Handle();
    RECT window;
    GetWindowRect(hwnd, &window);
    const bool hot = Focused() || MouseInControl();
    const std::vector<TFrameStrip> strips =
        EditFrameStrips(frame_, window.right - window.left, window.bottom - window.top, Color(), hot);
    TWindowDC dc(hwnd);
    frameCanvas_.SetHandle(dc.Handle());
    try {
        for (const TFrameStrip& s : strips)
            frameCanvas_.FillRect(RECT{s.Left, s.Top, s.Right, s.Bottom}, s.Color);
    } catch (...) {
        frameCanvas_.SetHandle(nullptr);
        throw;
    }
    frameCanvas_.SetHandle(nullptr);
}

void TUiMemo::RepaintFrame() {
    if (!HandleAllocated() || !DrawsOwnFrame())
        return;
    HWND hwnd = Handle();
    RECT visible;
    int kind;
    {
        TClientDC dc(hwnd);
        kind = GetClipBox(dc.Handle(), &visible);
    }
    if (kind == NULLREGION || kind == ERROR || IsRectEmpty(&visible))
        return;
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void TUiMemo::HotStateChanged() {
    if (frame_.HotTrack)
        RepaintFrame();
}

void TUiMemo::MouseEnter() {
    TMemo::MouseEnter();
    HotStateChanged();
}

void TUiMemo::MouseLeave() {
    TMemo::MouseLeave();
    HotStateChanged();
}

void TUiMemo::DoEnter() {
    TMemo::DoEnter();
    HotStateChanged();
}

void TUiMemo::DoExit() {
    TMemo::DoExit();
    HotStateChanged();
}

void TUiMemo::Resize() {
    TMemo::Resize();
    RepaintFrame();
}

// --- the wheel ---

bool TUiMemo::DoMouseWheel(TShiftState shift, int delta, POINT pos) {
    if (OnMouseWheel) {
        bool handled = false;
        OnMouseWheel(this, shift, delta, pos, handled);
        if (handled)
            return true;
    }
    ScrollByWheel(delta);
    return true;
}

void TUiMemo::ScrollByWheel(int delta) {
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const TWheelScroll scroll = WheelScroll(delta, lines);
    HWND hwnd = Handle();
    for (int i = 0; i < scroll.Count; ++i) {
        LRESULT result = SendMessageA(hwnd, EM_SCROLL, static_cast<WPARAM>(scroll.Step), 0);
        if (HIWORD(result) == 0)
            break;
    }
}

// --- the clipboard-state moments ---

bool TUiMemo::HasSelection() {
    if (!HandleAllocated())
        return false;
    DWORD start = 0, end = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return end != start;
}

bool TUiMemo::ClipboardHasText() {
    return IsClipboardFormatAvailable(CF_TEXT) != FALSE;
}

void TUiMemo::ReportClipboard() {
    if (!OnClipboardChange || Destroying())
        return;
    OnClipboardChange(this, HasSelection(), ClipboardHasText());
}

void TUiMemo::ReportCaretAndClipboard() {
    if (OnLineColChange && HandleAllocated() && !Destroying()) {
        HWND hwnd = Handle();
        DWORD start = 0, end = 0;
        SendMessageA(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        int line = static_cast<int>(SendMessageA(hwnd, EM_LINEFROMCHAR, end, 0));
        int lineStart = static_cast<int>(SendMessageA(hwnd, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
        OnLineColChange(this, line + 1, static_cast<int>(end) - lineStart + 1);
    }
    ReportClipboard();
}

void TUiMemo::CreateWnd() {
    TMemo::CreateWnd();
    // Twice, as the owner's buttons expect from a new window: an empty pane reports no selection.
    ReportCaretAndClipboard();
    ReportClipboard();
}

void TUiMemo::Change() {
    if (storingText_)
        return;
    TMemo::Change();
    ReportCaretAndClipboard();
}

void TUiMemo::StoreText(const std::string& text) {
    storingText_ = true;
    try {
        TMemo::StoreText(text);
    } catch (...) {
        storingText_ = false;
        throw;
    }
    storingText_ = false;
}

void TUiMemo::KeyDown(WORD& key, TShiftState shift) {
    // After the owner's handler, before the edit acts on the key.
    TMemo::KeyDown(key, shift);
    ReportCaretAndClipboard();
}

void TUiMemo::KeyUp(WORD& key, TShiftState shift) {
    TMemo::KeyUp(key, shift);
    ReportCaretAndClipboard();
}

void TUiMemo::Click() {
    TMemo::Click();
    ReportCaretAndClipboard();
}

void TUiMemo::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TMemo::MouseUp(button, shift, x, y);
    ReportClipboard();
}

// --- messages ---

void TUiMemo::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_NCPAINT:
        // The edit's own border and scroll bars first; ours over the border.
        TMemo::WndProc(message);
        if (DrawsOwnFrame()) {
            PaintFrame();
            message.Result = 0;
        }
        return;
    case WM_MOUSEWHEEL: {
        POINT pos{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
        TShiftState shift = MouseShiftState(GET_KEYSTATE_WPARAM(message.WParam));
        if (DoMouseWheel(shift, GET_WHEEL_DELTA_WPARAM(message.WParam), pos)) {
            message.Result = 0;
            return;
        }
        break;
    }
    case CM_COLORCHANGED:
    case CM_PARENTCOLORCHANGED:
        TMemo::WndProc(message);
        RepaintFrame();
        return;
    case CM_TEXTCHANGED:
        // A new text from the owner (an equal one never gets here): reported as a change.
        TMemo::WndProc(message);
        Change();
        return;
    default:
        break;
    }
    TMemo::WndProc(message);
}
