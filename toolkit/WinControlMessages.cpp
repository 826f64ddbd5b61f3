// TWinControl's message handling: mouse routing to windowless children, pointer entry and
// exit, the paint messages, keys, focus and reflected notifications.
#include "toolkit/WinControl.h"

#include "toolkit/Form.h"

#include <windowsx.h>

namespace {

bool IsMouseMessage(UINT msg) {
    return msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK;
}

LPCSTR CursorResource(TCursor cursor) {
    switch (cursor) {
    case crArrow:
        return IDC_ARROW;
    case crCross:
        return IDC_CROSS;
    case crIBeam:
        return IDC_IBEAM;
    case crSizeNESW:
        return IDC_SIZENESW;
    case crSizeNS:
        return IDC_SIZENS;
    case crSizeNWSE:
        return IDC_SIZENWSE;
    case crSizeWE:
        return IDC_SIZEWE;
    case crUpArrow:
        return IDC_UPARROW;
    case crHourGlass:
        return IDC_WAIT;
    case crNo:
        return IDC_NO;
    case crHandPoint:
        return IDC_HAND;
    case crSizeAll:
        return IDC_SIZEALL;
    default:
        return nullptr;
    }
}

} // namespace

void TWinControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_MOUSELEAVE:
        MouseLeftWindow();
        break;
    case WM_CAPTURECHANGED:
        // Taken away, not given back by a release: the pending press is no click any more.
        if (!releasingCapture_) {
            TControl* holder = captureControl_;
            captureControl_ = nullptr;
            if (holder) {
                holder->CancelClick();
                holder->MouseCaptureLost();
            }
            if (!IsSystemControl()) {
                CancelClick();
                MouseCaptureLost();
            }
        }
        captureControl_ = nullptr;
        break;
    case WM_PAINT:
        if (!IsSystemControl()) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            try {
                PaintHandler(dc, &ps.rcPaint, false);
            } catch (...) {
                EndPaint(hwnd_, &ps);
                throw;
            }
            EndPaint(hwnd_, &ps);
            return;
        }
        break;
    case WM_PRINTCLIENT:
        if (!IsSystemControl()) {
            PaintHandler(reinterpret_cast<HDC>(message.WParam), nullptr,
                         (message.LParam & PRF_ERASEBKGND) != 0);
            return;
        }
        break;
    case WM_ERASEBKGND:
        if (!IsSystemControl()) {
            // Double-buffered: the paint fills the background in the buffer, without flicker.
            if (!doubleBuffered_)
                EraseBackground(reinterpret_cast<HDC>(message.WParam));
            message.Result = 1;
            return;
        }
        break;
    case WM_WINDOWPOSCHANGED:
        UpdateBoundsFrom(*reinterpret_cast<const WINDOWPOS*>(message.LParam));
        break;
    case WM_SETFOCUS:
        DefaultHandler(message);
        if (TForm* form = GetParentForm(this))
            form->FocusChanged(this);
        DoEnter();
        return;
    case WM_KILLFOCUS:
        DefaultHandler(message);
        DoExit();
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        WORD key = static_cast<WORD>(message.WParam);
        if (message.Msg == WM_KEYDOWN || message.Msg == WM_SYSKEYDOWN)
            KeyDown(key, KeyboardShiftState());
        else
            KeyUp(key, KeyboardShiftState());
        // A handler that sets the key to 0 consumes it.
        if (key == 0)
            return;
        message.WParam = key;
        DefaultHandler(message);
        return;
    }
    case WM_CHAR: {
        char key = static_cast<char>(message.WParam);
        KeyPress(key);
        if (key == 0)
            return;
        message.WParam = static_cast<unsigned char>(key);
        DefaultHandler(message);
        return;
    }
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        if (ReflectNotification(message))
            return;
        break;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
        // Nobody chose colours: what the parent's default procedure would have answered.
        message.Result = DefWindowProcA(parent_ ? parent_->hwnd_ : nullptr, message.Msg - CN_BASE,
                                        message.WParam, message.LParam);
        return;
    case WM_SETCURSOR:
        if (HandleSetCursor(message))
            return;
        break;
    case CM_FONTCHANGED:
        if (hwnd_ && IsSystemControl())
            SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
        for (TControl* c : controls_)
            c->ParentFontChanged();
        Invalidate();
        return;
    case CM_COLORCHANGED:
        for (TControl* c : controls_)
            c->Perform(CM_PARENTCOLORCHANGED);
        Invalidate();
        return;
    case CM_ENABLEDCHANGED:
        if (hwnd_)
            EnableWindow(hwnd_, Enabled());
        Invalidate();
        return;
    case CM_VISIBLECHANGED:
        return;
    default:
        if (IsMouseMessage(message.Msg) && HandleMouseMessage(message))
            return;
        break;
    }
    TControl::WndProc(message);
}

// --- mouse ---

bool TWinControl::HandleMouseMessage(TMessage& message) {
    POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
    if (message.Msg == WM_MOUSEMOVE)
        TrackMouse(point);
    // A windowless control that holds the mouse gets everything until it lets go; otherwise
    // the topmost enabled one under the pointer. Disabled ones leave presses to the parent.
    TControl* target = captureControl_ ? captureControl_ : ControlAtPos(point, false);
    if (!target)
        return false;
    TMessage routed = message;
    routed.LParam = MAKELPARAM(point.x - target->Left(), point.y - target->Top());
    target->windowProc_(routed);
    message.Result = routed.Result;
    return true;
}

void TWinControl::TrackMouse(POINT point) {
    RECT client = ClientRect();
    if (!PtInRect(&client, point)) {
        // Only seen while the mouse is held: the pointer has left the window.
        MouseLeftWindow();
        return;
    }
    if (!mouseTracking_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd_, 0};
        TrackMouseEvent(&track);
        mouseTracking_ = true;
        Perform(CM_MOUSEENTER);
    }
    SetHoverControl(ControlAtPos(point, true));
}

void TWinControl::MouseLeftWindow() {
    SetHoverControl(nullptr);
    if (mouseTracking_) {
        mouseTracking_ = false;
        Perform(CM_MOUSELEAVE);
    }
}

void TWinControl::SetHoverControl(TControl* control) {
    if (control == hoverControl_)
        return;
    TControl* old = hoverControl_;
    hoverControl_ = control;
    if (old)
        old->Perform(CM_MOUSELEAVE);
    if (control && hoverControl_ == control)
        control->Perform(CM_MOUSEENTER);
}

void TWinControl::SetCaptureControl(TControl* control) {
    if (control) {
        if (hwnd_ && GetCapture() != hwnd_)
            SetCapture(hwnd_);
        captureControl_ = control;
        return;
    }
    captureControl_ = nullptr;
    if (hwnd_ && GetCapture() == hwnd_) {
        releasingCapture_ = true;
        ReleaseCapture();
        releasingCapture_ = false;
    }
}

void TWinControl::SetMouseCapture(bool capture) {
    if (!hwnd_)
        return;
    if (capture) {
        SetCapture(hwnd_);
    } else if (GetCapture() == hwnd_) {
        releasingCapture_ = true;
        ReleaseCapture();
        releasingCapture_ = false;
    }
}

bool TWinControl::MouseCaptured() const {
    return hwnd_ && GetCapture() == hwnd_;
}

bool TWinControl::HandleSetCursor(TMessage& message) {
    if (reinterpret_cast<HWND>(message.WParam) != hwnd_ || LOWORD(message.LParam) != HTCLIENT)
        return false;
    POINT point;
    GetCursorPos(&point);
    ::ScreenToClient(hwnd_, &point);
    TControl* control = ControlAtPos(point, true);
    TCursor cursor = (control ? control : this)->Cursor();
    LPCSTR resource = CursorResource(cursor);
    if (!resource)
        return false;
    ::SetCursor(LoadCursorA(nullptr, resource));
    message.Result = TRUE;
    return true;
}

bool TWinControl::ReflectNotification(TMessage& message) {
    HWND child = nullptr;
    if (message.Msg == WM_NOTIFY)
        child = reinterpret_cast<NMHDR*>(message.LParam)->hwndFrom;
    else
        child = reinterpret_cast<HWND>(message.LParam);
    if (!child || child == hwnd_)
        return false;
    TWinControl* control = FindControl(child);
    if (!control)
        return false;
    message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
    return true;
}
