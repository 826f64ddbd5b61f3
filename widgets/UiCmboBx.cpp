#include "widgets/UiCmboBx.h"

#include "toolkit/Canvas.h"
#include "toolkit/ThemeServices.h"

#include <algorithm>
#include <climits>

namespace {

// The search timer's id on the list's own window (the system list sets none there).
constexpr UINT_PTR kSearchTimer = 0x5EA1;

bool IsSide(TSides sides, TSideKind side) {
    return (sides & side) != 0;
}

// A one-pixel line on each named side of r, depth rings deep.
void FlatFrame(TCanvas& canvas, RECT r, TSides sides, TColor color, int depth) {
    for (int ring = 0; ring < depth; ++ring) {
        if (IsSide(sides, sdLeft))
            canvas.FillRect(RECT{r.left, r.top, r.left + 1, r.bottom}, color);
        if (IsSide(sides, sdTop))
            canvas.FillRect(RECT{r.left, r.top, r.right, r.top + 1}, color);
        if (IsSide(sides, sdRight))
            canvas.FillRect(RECT{r.right - 1, r.top, r.right, r.bottom}, color);
        if (IsSide(sides, sdBottom))
            canvas.FillRect(RECT{r.left, r.bottom - 1, r.right, r.bottom}, color);
        InflateRect(&r, -1, -1);
    }
}

} // namespace

TUiCustomComboBox::TUiCustomComboBox(TComponent* owner) : TComboBox(owner) {}

bool TUiCustomComboBox::FrameYieldsToTheme() const {
    return framingPreference_ == fpXPThemes && StyleServicesEnabled();
}

// --- colours ---

void TUiCustomComboBox::SetCurrentColor(TColor color) {
    settingColor_ = true;
    SetColor(color);
    settingColor_ = false;
}

void TUiCustomComboBox::UpdateColors() {
    if (!Enabled())
        SetCurrentColor(disabledColor_);
    else if (HandleAllocated() && Focused())
        SetCurrentColor(readOnly_ ? readOnlyColor_ : focusColor_);
    else if (readOnly_)
        SetCurrentColor(readOnlyColor_);
    else
        SetCurrentColor(normalColor_);
}

void TUiCustomComboBox::SetFocusColor(TColor value) {
    focusColor_ = value;
    UpdateColors();
}

void TUiCustomComboBox::SetDisabledColor(TColor value) {
    disabledColor_ = value;
    UpdateColors();
}

void TUiCustomComboBox::SetReadOnly(bool value) {
    readOnly_ = value;
    UpdateColors();
}

void TUiCustomComboBox::SetReadOnlyColor(TColor value) {
    readOnlyColor_ = value;
    UpdateColors();
}

LRESULT TUiCustomComboBox::ColorMessage(HDC dc) {
    TColor color = Color();
    if (!brush_ || brushColor_ != color) {
        brush_ = GdiBrush::Solid(ColorToRGB(color));
        brushColor_ = color;
    }
    SetBkColor(dc, ColorToRGB(color));
    SetTextColor(dc, ColorToRGB(Font().Color()));
    return reinterpret_cast<LRESULT>(brush_.Handle());
}

// --- focus and pointer ---

void TUiCustomComboBox::DoEnter() {
    UpdateColors();
    if (frameHotTrack_)
        Invalidate();
    TComboBox::DoEnter();
}

void TUiCustomComboBox::DoExit() {
    typeAhead_.FocusLost();
    if (HandleAllocated())
        KillTimer(Handle(), kSearchTimer);
    UpdateColors();
    if (frameHotTrack_)
        Invalidate();
    TComboBox::DoExit();
}

void TUiCustomComboBox::MouseEnter() {
    UpdateColors();
    if (frameHotTrack_)
        Invalidate();
    TComboBox::MouseEnter();
}

void TUiCustomComboBox::MouseLeave() {
    UpdateColors();
    if (frameHotTrack_)
        Invalidate();
    TComboBox::MouseLeave();
}

// --- type-ahead search ---

int TUiCustomComboBox::FindPrefix(const std::string& prefix) {
    return static_cast<int>(SendMessageA(Handle(), CB_FINDSTRING, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(prefix.c_str())));
}

void TUiCustomComboBox::SelectAndNotify(int index) {
    // The position goes to the system list as it is: it decides what an unknown one means.
    SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ItemIndex();
    Click();
    Change();
}

void TUiCustomComboBox::Beep() {
    MessageBeep(0);
}

void TUiCustomComboBox::RestartTimer() {
    SetTimer(Handle(), kSearchTimer, TComboTypeAhead::ResetMilliseconds, nullptr);
}

bool TUiCustomComboBox::IsLeadByte(unsigned char byte) {
    return IsDBCSLeadByte(byte) != FALSE;
}

void TUiCustomComboBox::HandleChar(TMessage& message) {
    char key = static_cast<char>(message.WParam);
    switch (typeAhead_.Char(static_cast<unsigned char>(key))) {
    case TComboTypeAhead::TAfter::KeyPress:
        KeyPress(key);
        return;
    case TComboTypeAhead::TAfter::Consumed:
        return;
    case TComboTypeAhead::TAfter::System:
        TComboBox::WndProc(message);
        return;
    }
}

// --- wheel ---

void TUiCustomComboBox::HandleWheel(TMessage& message) {
    int steps = wheel_.Add(static_cast<short>(HIWORD(message.WParam)));
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    // A page-wise wheel setting scrolls the open list by what it shows.
    int step = lines == WHEEL_PAGESCROLL ? DropDownCount() : static_cast<int>(std::min<UINT>(lines, INT_MAX));
    for (; steps != 0; steps += steps < 0 ? 1 : -1) {
        bool towardUser = steps < 0;
        HWND hwnd = Handle();
        if (DroppedDown()) {
            int top = static_cast<int>(SendMessageA(hwnd, CB_GETTOPINDEX, 0, 0));
            SetTopIndex(WheelStepTopIndex(top, step, towardUser));
            continue;
        }
        TWheelSelection s = WheelStepSelection(ItemIndex(), towardUser);
        if (s.Notify) {
            SelectAndNotify(s.Index);
        } else {
            SendMessageA(hwnd, CB_SETCURSEL, static_cast<WPARAM>(s.Index), 0);
            ItemIndex();
        }
    }
    message.Result = 0;
}

void TUiCustomComboBox::SetTopIndex(int index) {
    HWND hwnd = Handle();
    SendMessageA(hwnd, CB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    // Wine's list answers success but leaves the open list where it was: ask the list itself.
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (SendMessageA(hwnd, CB_GETTOPINDEX, 0, 0) != index && GetComboBoxInfo(hwnd, &info) && info.hwndList)
        SendMessageA(info.hwndList, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}

// --- messages ---

bool TUiCustomComboBox::BlockedByReadOnly(const TMessage& message) const {
    // A read-only list neither opens nor changes its selection.
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_CHAR:
    case WM_MOUSEWHEEL:
        return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return (message.WParam >= VK_PRIOR && message.WParam <= VK_DOWN) || message.WParam == VK_F4;
    default:
        return false;
    }
}

void TUiCustomComboBox::WndProc(TMessage& message) {
    if (readOnly_ && BlockedByReadOnly(message)) {
        if (message.Msg == WM_LBUTTONDOWN && CanFocus())
            SetFocus();
        return;
    }
    switch (message.Msg) {
    case WM_CHAR:
        if (autoComplete_ && Style() == csDropDownList) {
            HandleChar(message);
            return;
        }
        break;
    case WM_KEYDOWN:
        // Before the system closes an open list on Esc.
        typeAhead_.KeyDown(static_cast<unsigned>(message.WParam), DroppedDown());
        break;
    case WM_TIMER:
        if (message.WParam == kSearchTimer) {
            KillTimer(Handle(), kSearchTimer);
            typeAhead_.TimerExpired();
            return;
        }
        break;
    case WM_MOUSEWHEEL:
        HandleWheel(message);
        return;
    case WM_PAINT: {
        TComboBox::WndProc(message);
        if (message.WParam) {
            PaintFrame(reinterpret_cast<HDC>(message.WParam));
        } else {
            TClientDC dc(Handle());
            PaintFrame(dc.Handle());
        }
        return;
    }
    case WM_PRINTCLIENT:
        TComboBox::WndProc(message);
        PaintFrame(reinterpret_cast<HDC>(message.WParam));
        return;
    case WM_SIZE:
        TComboBox::WndProc(message);
        if (!FrameYieldsToTheme())
            InvalidateRect(Handle(), nullptr, TRUE);
        return;
    case CN_COMMAND:
        if (HIWORD(message.WParam) == CBN_CLOSEUP)
            InvalidateRect(Handle(), nullptr, TRUE);
        break;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORLISTBOX:
        message.Result = ColorMessage(reinterpret_cast<HDC>(message.WParam));
        return;
    case CM_COLORCHANGED:
        // Set from outside: the focus colour follows when it was the normal colour.
        if (!settingColor_) {
            if (focusColor_ == normalColor_)
                focusColor_ = Color();
            normalColor_ = Color();
            UpdateColors();
        }
        break;
    case CM_ENABLEDCHANGED:
        TComboBox::WndProc(message);
        UpdateColors();
        return;
    default:
        break;
    }
    TComboBox::WndProc(message);
}

// --- painting ---

void TUiCustomComboBox::PaintFrame(HDC dc) {
    if (!frameVisible_ || !HandleAllocated())
        return;
    RECT client;
    GetClientRect(Handle(), &client);
    const int w = client.right, h = client.bottom;
    const int cx = GetSystemMetrics(SM_CXVSCROLL);
    TCanvas canvas(dc);
    TColor color = Color();
    if (StyleServicesEnabled()) {
        if (framingPreference_ == fpXPThemes) {
            // The themed list stays; only the field's edge and the gap before the button take
            // the list's colour.
            RECT field{1, 1, w - cx - 2, h - 1};
            if (ColorToRGB(color) != 0xFFFFFF)
                FlatFrame(canvas, field, sdAll, color, 2);
            canvas.FillRect(RECT{w - cx - 4, 1, w - cx - 1, h - 1}, color);
            return;
        }
    }
    // The system's two-pixel sunken border disappears under the list's colour.
    FlatFrame(canvas, client, sdAll, color, 2);
    bool hot = frameHotTrack_ && (Focused() || MouseInControl());
    TFrameStyleEx style = hot ? frameHotStyle_ : frameStyle_;
    TColor frame = hot ? frameHotColor_ : frameColor_;
    if (style != fsNone)
        FlatFrame(canvas, client, frameSides_, frame, style == fsFlatBold ? 2 : 1);
    if (flatButtons_) {
        const int b = StyleServicesEnabled() ? 1 : 2;
        PaintFlatButton(dc, RECT{w - cx - b, b, w - b, h - b});
    }
}

void TUiCustomComboBox::PaintFlatButton(HDC dc, const RECT& button) {
    TCanvas canvas(dc);
    canvas.FillRect(button, flatButtonColor_);
    // A small downward arrow in the text colour, centred.
    const int cx = (button.left + button.right) / 2, cy = (button.top + button.bottom) / 2;
    TColor arrow = Enabled() ? clWindowText : clBtnShadow;
    for (int row = 0; row < 3; ++row)
        canvas.FillRect(RECT{cx - 3 + row, cy - 1 + row, cx + 2 - row, cy + row}, arrow);
}
