#include "toolkit/CustomEdit.h"

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    // The system edit handles its own presses and capture; clicks are still reported.
    SetControlStyle(csClickEvents | csDoubleClicks);
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SysClassName = "EDIT";
    // The text follows once the limit is lifted: the system makes no edit with a caption longer
    // than its default limit.
    params.Caption.clear();
    params.ExStyle |= WS_EX_CLIENTEDGE;
    if (readOnly_)
        params.Style |= ES_READONLY;
    if (!hideSelection_)
        params.Style |= ES_NOHIDESEL;
}

void TCustomEdit::CreateWnd() {
    const std::string text = GetText();
    settingUp_ = true;
    try {
        TWinControl::CreateWnd();
        // Always: 0 lifts the system's default limit (30,000 characters in a multi-line edit),
        // which would cut a pasted or typed text short without a word.
        SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
        if (!text.empty())
            SetWindowTextA(Handle(), text.c_str());
    } catch (...) {
        settingUp_ = false;
        throw;
    }
    settingUp_ = false;
}

void TCustomEdit::GetSelection(DWORD& start, DWORD& end) {
    start = end = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
}

int TCustomEdit::SelStart() {
    DWORD start, end;
    GetSelection(start, end);
    return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int start) {
    SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(start), start);
}

int TCustomEdit::SelLength() {
    DWORD start, end;
    GetSelection(start, end);
    return static_cast<int>(end - start);
}

void TCustomEdit::SetSelLength(int length) {
    int start = SelStart();
    SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(start), start + length);
}

std::string TCustomEdit::SelText() {
    DWORD start, end;
    GetSelection(start, end);
    std::string text = Text();
    if (start >= text.size() || end <= start)
        return std::string();
    return text.substr(start, end - start);
}

void TCustomEdit::SelectAll() {
    SendMessageA(Handle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::ClearSelection() {
    SendMessageA(Handle(), WM_CLEAR, 0, 0);
}

void TCustomEdit::CopyToClipboard() {
    SendMessageA(Handle(), WM_COPY, 0, 0);
}

void TCustomEdit::CutToClipboard() {
    SendMessageA(Handle(), WM_CUT, 0, 0);
}

void TCustomEdit::PasteFromClipboard() {
    SendMessageA(Handle(), WM_PASTE, 0, 0);
}

void TCustomEdit::Undo() {
    SendMessageA(Handle(), WM_UNDO, 0, 0);
}

void TCustomEdit::SetReadOnly(bool value) {
    readOnly_ = value;
    if (HandleAllocated())
        SendMessageA(Handle(), EM_SETREADONLY, value, 0);
}

void TCustomEdit::SetMaxLength(int length) {
    maxLength_ = length;
    if (HandleAllocated())
        SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(length > 0 ? length : 0), 0);
}

void TCustomEdit::SetHideSelection(bool value) {
    if (value == hideSelection_)
        return;
    hideSelection_ = value;
    RecreateWnd();
}

void TCustomEdit::Change() {
    if (!Destroying())
        OnChange(this);
}

void TCustomEdit::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_COMMAND:
        // The text a new window starts with is no change.
        if (HIWORD(message.WParam) == EN_CHANGE && !settingUp_)
            Change();
        return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC: {
        // Our colours, resolved at each paint (system colours may change).
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        COLORREF back = ColorToRGB(Color());
        SetTextColor(dc, ColorToRGB(Font().Color()));
        SetBkColor(dc, back);
        if (!background_ || backgroundColor_ != back) {
            background_ = GdiBrush::Solid(back);
            backgroundColor_ = back;
        }
        message.Result = reinterpret_cast<LRESULT>(background_.Handle());
        return;
    }
    default:
        TWinControl::WndProc(message);
    }
}
