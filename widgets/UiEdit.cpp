#include "widgets/UiEdit.h"

TUiMemo::TUiMemo(TComponent* owner) : TMemo(owner) {}

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

void TUiMemo::WndProc(TMessage& message) {
    TMemo::WndProc(message);
    // A new text from the owner (an equal one never gets here): reported as a change.
    if (message.Msg == CM_TEXTCHANGED)
        Change();
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
