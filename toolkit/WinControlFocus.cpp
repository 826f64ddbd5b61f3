// TWinControl's keyboard side: focus, tab order and Tab navigation, key events.
#include "toolkit/WinControl.h"

#include <algorithm>

bool TWinControl::CanFocus() const {
    for (const TWinControl* c = this; c; c = c->parent_)
        if (!c->visible_ || !c->enabled_)
            return false;
    return true;
}

bool TWinControl::Focused() const {
    return hwnd_ && GetFocus() == hwnd_;
}

void TWinControl::SetFocus() {
    if (!CanFocus())
        return;
    ::SetFocus(Handle());
}

int TWinControl::TabOrder() const {
    if (!parent_)
        return -1;
    const auto& list = parent_->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    // Within a description the order is settled at its end, when all siblings exist.
    if (Loading()) {
        tabOrderWanted_ = order;
        return;
    }
    if (!parent_)
        return;
    auto& list = parent_->tabList_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    int at = std::max(0, std::min(order, static_cast<int>(list.size())));
    list.insert(list.begin() + at, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* c : tabList_) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    int n = static_cast<int>(list.size());
    if (n == 0)
        return nullptr;
    auto found = std::find(list.begin(), list.end(), current);
    int i = found == list.end() ? (forward ? -1 : n) : static_cast<int>(found - list.begin());
    for (int step = 0; step < n; ++step) {
        i = forward ? (i + 1) % n : (i - 1 + n) % n;
        TWinControl* c = list[static_cast<size_t>(i)];
        if (c == current)
            break;
        if ((!checkTabStop || c->tabStop_) && c->CanFocus())
            return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, forward, checkTabStop))
        next->SetFocus();
}

bool TWinControl::WantsTabKey() {
    if (!hwnd_)
        return false;
    return (SendMessageA(hwnd_, WM_GETDLGCODE, VK_TAB, 0) & DLGC_WANTTAB) != 0;
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
    if (!Destroying())
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift) {
    if (!Destroying())
        OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char& key) {
    if (!Destroying())
        OnKeyPress(this, key);
}

void TWinControl::DoEnter() {
    if (!Destroying())
        OnEnter(this);
}

void TWinControl::DoExit() {
    if (!Destroying())
        OnExit(this);
}
