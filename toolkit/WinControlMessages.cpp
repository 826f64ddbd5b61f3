// TWinControl's message handling: mouse routing to windowless children, pointer entry and
// exit, painting (double-buffered or direct), keys, focus and reflected notifications.
#include "toolkit/WinControl.h"

#include "toolkit/Canvas.h"
#include "toolkit/Form.h"
#include "toolkit/GdiObject.h"

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
            if (captureControl_)
                captureControl_->CancelClick();
            if (!IsSystemControl())
                CancelClick();
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
            c->ParentColorChanged();
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

// --- painting ---

void TWinControl::Invalidate() {
    if (hwnd_)
        InvalidateRect(hwnd_, nullptr, TRUE);
}

void TWinControl::Update() {
    if (hwnd_)
        UpdateWindow(hwnd_);
}

void TWinControl::SetDoubleBuffered(bool value) {
    if (value == doubleBuffered_)
        return;
    doubleBuffered_ = value;
    Invalidate();
}

void TWinControl::EraseBackground(HDC dc) {
    TCanvas canvas(dc);
    canvas.FillRect(ClientRect(), Color());
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintHandler(HDC dc, const RECT* update, bool erase) {
    if (!doubleBuffered_) {
        if (erase)
            EraseBackground(dc);
        PaintWindow(dc);
        PaintControls(dc);
        return;
    }
    RECT client = ClientRect();
    int width = client.right - client.left;
    int height = client.bottom - client.top;
    if (width <= 0 || height <= 0)
        return;
    TMemoryDC memory(dc);
    GdiBitmap buffer = GdiBitmap::Compatible(dc, width, height);
    TSelectGuard select(memory.Handle(), buffer.Handle());
    EraseBackground(memory.Handle());
    PaintWindow(memory.Handle());
    PaintControls(memory.Handle());
    RECT r = update ? *update : client;
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, memory.Handle(), r.left, r.top, SRCCOPY);
}

void TWinControl::PaintControls(HDC dc) {
    RECT clip;
    bool clipped = GetClipBox(dc, &clip) != NULLREGION;
    for (TControl* c : std::vector<TControl*>(controls_)) {
        auto* graphic = dynamic_cast<TGraphicControl*>(c);
        if (!graphic || !c->visible_)
            continue;
        RECT r = c->BoundsRect();
        RECT common;
        if (clipped && !IntersectRect(&common, &r, &clip))
            continue;
        int saved = SaveDC(dc);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
        try {
            graphic->PaintControl(dc);
        } catch (...) {
            RestoreDC(dc, saved);
            throw;
        }
        RestoreDC(dc, saved);
    }
}

void TWinControl::PaintTo(HDC dc, int x, int y) {
    HandleNeeded();
    RECT client = ClientRect();
    int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, x, y, nullptr);
    IntersectClipRect(dc, 0, 0, client.right, client.bottom);
    if (IsSystemControl())
        Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
    Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    // Child windows from the bottom of the z-order up, each with its frame.
    for (HWND child = GetWindow(GetWindow(hwnd_, GW_CHILD), GW_HWNDLAST); child;
         child = GetWindow(child, GW_HWNDPREV)) {
        TWinControl* control = FindControl(child);
        if (control && IsWindowVisible(child))
            control->PaintWindowTo(dc, control->Left(), control->Top());
    }
    RestoreDC(dc, saved);
}

void TWinControl::PaintWindowTo(HDC dc, int x, int y) {
    RECT window;
    GetWindowRect(hwnd_, &window);
    POINT origin = ClientOrigin();
    int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, x, y, nullptr);
    IntersectClipRect(dc, 0, 0, window.right - window.left, window.bottom - window.top);
    // The frames the system draws: a sunken client edge or a plain border (scroll bars are
    // not drawn).
    RECT frame{0, 0, window.right - window.left, window.bottom - window.top};
    LONG style = GetWindowLongA(hwnd_, GWL_STYLE);
    LONG exStyle = GetWindowLongA(hwnd_, GWL_EXSTYLE);
    if (exStyle & WS_EX_CLIENTEDGE)
        DrawEdge(dc, &frame, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    else if (style & WS_BORDER)
        TCanvas(dc).FrameRect(frame, clBlack);
    PaintTo(dc, origin.x - window.left, origin.y - window.top);
    RestoreDC(dc, saved);
}

void DrawParentImage(TControl* control, HDC dc) {
    TWinControl* parent = control->Parent();
    if (!parent)
        return;
    RECT client = parent->ClientRect();
    int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, -control->Left(), -control->Top(), nullptr);
    IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    try {
        parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
        parent->Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    } catch (...) {
        RestoreDC(dc, saved);
        throw;
    }
    RestoreDC(dc, saved);
}
