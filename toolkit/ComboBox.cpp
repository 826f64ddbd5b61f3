#include "toolkit/ComboBox.h"

#include <commctrl.h>

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
    // The system list opens on a press and holds the mouse itself.
    SetControlStyle(csDoubleClicks);
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 145, 21);
}

void TComboBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SysClassName = "COMBOBOX";
    params.Style |=
        WS_VSCROLL | CBS_AUTOHSCROLL | (style_ == csDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN);
}

int TComboBox::WindowHeight(int height) const {
    // The window's height includes the dropped-down list; the system sizes the field itself.
    int item = itemHeight_ > 0 ? itemHeight_ : height;
    return height + item * dropDownCount_ + 2;
}

void TComboBox::CreateWnd() {
    TWinControl::CreateWnd();
    HWND hwnd = Handle();
    for (const std::string& item : items_)
        SendMessageA(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageA(hwnd, CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
    // Version 6 of the common controls sizes the open list by its visible-entry count instead.
    SendMessageA(hwnd, CB_SETMINVISIBLE, static_cast<WPARAM>(dropDownCount_), 0);
    int item = static_cast<int>(SendMessageA(hwnd, CB_GETITEMHEIGHT, 0, 0));
    if (item > 0 && item != itemHeight_) {
        itemHeight_ = item;
        SetWindowPos(hwnd, nullptr, 0, 0, Width(), WindowHeight(Height()),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TComboBox::SetStyle(TComboBoxStyle style) {
    if (style == style_)
        return;
    itemIndex_ = HandleAllocated() ? ItemIndex() : itemIndex_;
    style_ = style;
    RecreateWnd();
}

void TComboBox::SetItems(const std::vector<std::string>& items) {
    ClearItems();
    for (const std::string& item : items)
        AddItem(item);
}

int TComboBox::AddItem(const std::string& item) {
    items_.push_back(item);
    if (HandleAllocated())
        SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    return static_cast<int>(items_.size()) - 1;
}

void TComboBox::ClearItems() {
    items_.clear();
    itemIndex_ = -1;
    if (HandleAllocated())
        SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
}

int TComboBox::ItemIndex() {
    if (HandleAllocated())
        itemIndex_ = static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
    return itemIndex_;
}

void TComboBox::SetItemIndex(int index) {
    itemIndex_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
    if (HandleAllocated())
        SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void TComboBox::SetDropDownCount(int count) {
    dropDownCount_ = count < 1 ? 1 : count;
    if (HandleAllocated())
        SendMessageA(Handle(), CB_SETMINVISIBLE, static_cast<WPARAM>(dropDownCount_), 0);
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, 0, 0, Width(), WindowHeight(Height()),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TComboBox::DroppedDown() {
    return HandleAllocated() && SendMessageA(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TComboBox::SetDroppedDown(bool value) {
    SendMessageA(Handle(), CB_SHOWDROPDOWN, value, 0);
}

void TComboBox::Change() {
    if (!Destroying())
        OnChange(this);
}

void TComboBox::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND) {
        if (HIWORD(message.WParam) == CBN_SELCHANGE) {
            itemIndex_ = static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
            Click();
            Change();
        } else if (HIWORD(message.WParam) == CBN_EDITCHANGE) {
            Change();
        }
        return;
    }
    TWinControl::WndProc(message);
}
