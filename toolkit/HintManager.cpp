#include "toolkit/HintManager.h"

#include "toolkit/Application.h"

#include <commctrl.h>
#include <windowsx.h>

THintManager::~THintManager() {
    if (tooltip_)
        DestroyWindow(tooltip_);
}

TControl* THintManager::HintSource(TControl* control) {
    for (TControl* c = control; c; c = c->Parent())
        if (!c->Hint().empty())
            return c->ShowHint() ? c : nullptr;
    return nullptr;
}

void THintManager::MouseMessage(const MSG& msg) {
    switch (msg.message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        Cancel();
        return;
    case WM_MOUSEMOVE: {
        POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
        ClientToScreen(msg.hwnd, &p);
        PointerAt(p);
        return;
    }
    case WM_NCMOUSEMOVE:
        PointerAt(POINT{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)});
        return;
    case WM_MOUSELEAVE: {
        // Leaving one window may mean entering another of ours: ask where the pointer is.
        POINT p;
        GetCursorPos(&p);
        PointerAt(p);
        return;
    }
    default:
        return;
    }
}

void THintManager::PointerAt(POINT screen) {
    TControl* control = TApplication::FindControlAt(screen, true);
    if (control == mouseControl_)
        return;
    bool wasVisible = visible_;
    Hide();
    KillTimer(owner_, ShowTimer);
    mouseControl_ = control;
    cancelled_ = false;
    if (HintSource(control))
        SetTimer(owner_, ShowTimer, static_cast<UINT>(wasVisible ? ShortPause : Pause), nullptr);
}

void THintManager::Cancel() {
    KillTimer(owner_, ShowTimer);
    Hide();
    cancelled_ = true;
}

void THintManager::ControlDestroying(TControl* control) {
    if (control == mouseControl_) {
        KillTimer(owner_, ShowTimer);
        Hide();
        mouseControl_ = nullptr;
    }
}

void THintManager::TimerFired(UINT_PTR id) {
    KillTimer(owner_, id);
    if (id == HideTimer) {
        Hide();
        return;
    }
    if (id != ShowTimer || cancelled_ || !mouseControl_)
        return;
    // The pointer may have left our windows without a message to tell.
    POINT p;
    GetCursorPos(&p);
    if (TApplication::FindControlAt(p, true) != mouseControl_) {
        mouseControl_ = nullptr;
        return;
    }
    Show();
}

void THintManager::EnsureToolTip() {
    if (tooltip_)
        return;
    tooltip_ = CreateWindowExA(
        WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!tooltip_)
        return;
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = owner_;
    tool.uId = 1;
    tool.lpszText = const_cast<char*>("");
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);
}

void THintManager::Show() {
    TControl* source = HintSource(mouseControl_);
    if (!source)
        return;
    EnsureToolTip();
    if (!tooltip_)
        return;
    text_ = source->Hint();
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = owner_;
    tool.uId = 1;
    tool.lpszText = const_cast<char*>(text_.c_str());
    SendMessageA(tooltip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    POINT p;
    GetCursorPos(&p);
    // Below the pointer's arrow, as hints usually stand.
    SendMessageA(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(p.x, p.y + 20));
    SendMessageA(tooltip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    visible_ = true;
    SetTimer(owner_, HideTimer, static_cast<UINT>(HidePause), nullptr);
}

void THintManager::Hide() {
    KillTimer(owner_, HideTimer);
    if (!visible_)
        return;
    visible_ = false;
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = owner_;
    tool.uId = 1;
    SendMessageA(tooltip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}
