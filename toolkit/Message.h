#pragma once
// A window message as the controls see it, the replaceable message callback (an object and a
// member function), and the toolkit's own control messages.
#include <windows.h>

struct TMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
};

// The callback every message of a control passes through first. Another object may save it,
// install its own and call the saved one for the messages it does not handle.
class TWndMethod {
public:
    TWndMethod() = default;

    // TWndMethod::Bind<&TShadow::OwnerWndProc>(shadow)
    template <auto Method, typename T> static TWndMethod Bind(T* object) {
        TWndMethod m;
        m.object_ = object;
        m.call_ = [](void* o, TMessage& message) { (static_cast<T*>(o)->*Method)(message); };
        return m;
    }

    void operator()(TMessage& message) const {
        if (call_)
            call_(object_, message);
    }
    explicit operator bool() const { return call_ != nullptr; }
    void* Object() const { return object_; }

    friend bool operator==(const TWndMethod& a, const TWndMethod& b) {
        return a.object_ == b.object_ && a.call_ == b.call_;
    }
    friend bool operator!=(const TWndMethod& a, const TWndMethod& b) { return !(a == b); }

private:
    void* object_ = nullptr;
    void (*call_)(void*, TMessage&) = nullptr;
};

// Control messages: sent by the toolkit to a control (windowed or not) through its WindowProc.
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_MOUSEENTER = CM_BASE + 1; // the pointer came over the control
constexpr UINT CM_MOUSELEAVE = CM_BASE + 2; // the pointer left it
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 3;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 4;
constexpr UINT CM_FONTCHANGED = CM_BASE + 5;
constexpr UINT CM_COLORCHANGED = CM_BASE + 6;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 7;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 8; // sent to every child when a parent's colour changes
// Notifications reflected from the parent to the system control they concern: the same
// WParam/LParam as WM_COMMAND, WM_NOTIFY and WM_CTLCOLOR*.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
