#include "app/TitleDrag.h"

#include <windowsx.h>

namespace {

WPARAM HeldFlag(TMouseButton button) {
    return button == mbRight ? MK_RBUTTON : button == mbMiddle ? MK_MBUTTON : MK_LBUTTON;
}

UINT UpMessage(TMouseButton button) {
    return button == mbRight ? WM_RBUTTONUP : button == mbMiddle ? WM_MBUTTONUP : WM_LBUTTONUP;
}

bool IsButtonMessage(UINT msg) {
    return msg >= WM_LBUTTONDOWN && msg <= WM_MBUTTONDBLCLK;
}

} // namespace

void TTitleDrag::Begin(TMouseButton button, POINT pointer) {
    HWND window = window_->Handle();
    RECT r;
    GetWindowRect(window, &r);
    offset_ = POINT{r.left - pointer.x, r.top - pointer.y};
    button_ = button;
    dragging_ = true;
    SetCapture(window);
}

void TTitleDrag::End() {
    dragging_ = false;
    if (GetCapture() == window_->Handle())
        ReleaseCapture();
}

bool TTitleDrag::Filter(const TMessage& message) {
    if (!dragging_)
        return false;
    if (message.Msg == WM_CAPTURECHANGED) {
        // Taken by another window: the drag ends where the window is; the window still learns of it.
        dragging_ = false;
        return false;
    }
    if (message.Msg == WM_MOUSEMOVE) {
        // The release went elsewhere: never follow a pointer with no button held.
        if (!(message.WParam & HeldFlag(button_))) {
            End();
            return true;
        }
        // The point is in the window's coordinates as they are now, so the screen position is exact
        // however far the window has moved since the message was queued.
        POINT pointer =
            window_->ClientToScreen(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
        SetWindowPos(window_->Handle(), nullptr, pointer.x + offset_.x, pointer.y + offset_.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return true;
    }
    if (!IsButtonMessage(message.Msg))
        return false;
    // Other buttons do nothing while the drag holds the mouse, as in the system's move loop.
    if (message.Msg == UpMessage(button_))
        End();
    return true;
}
