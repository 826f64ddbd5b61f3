#include "toolkit/Control.h"

#include "toolkit/Application.h"

#include <windowsx.h>

#include <stdexcept>

TControl::TControl(TComponent* owner) : TComponent(owner) {
    windowProc_ = TWndMethod::Bind<&TControl::WndProc>(static_cast<TControl*>(this));
    font_.OnChange = [this] { FontChangedInternal(); };
}

TControl::~TControl() {
    SetDestroying();
    font_.OnChange = nullptr;
    if (Application)
        Application->ControlDestroying(this);
    if (parent_)
        parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_)
        return;
    for (TWinControl* p = parent; p; p = p->Parent())
        if (p == this)
            throw std::invalid_argument("A control cannot be its own parent");
    if (parent_)
        parent_->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
    if (parent_) {
        ParentFontChanged();
        ParentColorChanged();
        UpdateAnchorBase();
        RequestParentAlign();
        Invalidate();
    }
}

RECT TControl::BoundsRect() const {
    return RECT{bounds_.Left, bounds_.Top, bounds_.Right(), bounds_.Bottom()};
}

void TControl::SetBoundsRect(const RECT& rect) {
    SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    ApplyBounds(TBounds{left, top, width < 0 ? 0 : width, height < 0 ? 0 : height}, false);
}

void TControl::ApplyBounds(const TBounds& bounds, bool fromLayout) {
    bool sized = bounds.Width != bounds_.Width || bounds.Height != bounds_.Height;
    if (bounds != bounds_) {
        Invalidate();
        bounds_ = bounds;
        Invalidate();
    }
    if (!fromLayout) {
        UpdateAnchorBase();
        RequestParentAlign();
    }
    if (sized)
        Resize();
}

void TControl::SetBoundsByLayout(const TBounds& bounds) {
    ApplyBounds(bounds, true);
}

void TControl::RequestParentAlign() {
    if (parent_ && align_ != alNone)
        parent_->Realign();
}

RECT TControl::ClientRect() const {
    return RECT{0, 0, bounds_.Width, bounds_.Height};
}

int TControl::ClientWidth() const {
    RECT r = ClientRect();
    return r.right - r.left;
}

int TControl::ClientHeight() const {
    RECT r = ClientRect();
    return r.bottom - r.top;
}

void TControl::SetClientSize(int width, int height) {
    SetBounds(bounds_.Left, bounds_.Top, width, height);
}

POINT TControl::ClientOrigin() const {
    if (!parent_)
        return POINT{bounds_.Left, bounds_.Top};
    POINT p = parent_->ClientOrigin();
    return POINT{p.x + bounds_.Left, p.y + bounds_.Top};
}

POINT TControl::ClientToScreen(POINT point) const {
    POINT origin = ClientOrigin();
    return POINT{point.x + origin.x, point.y + origin.y};
}

POINT TControl::ScreenToClient(POINT point) const {
    POINT origin = ClientOrigin();
    return POINT{point.x - origin.x, point.y - origin.y};
}

void TControl::SetAlign(TAlign align) {
    if (align == align_)
        return;
    align_ = align;
    if (parent_)
        parent_->Realign();
}

void TControl::SetAnchors(TAnchors anchors) {
    anchors_ = anchors;
    UpdateAnchorBase();
}

void TControl::UpdateAnchorBase() {
    anchorBase_.Bounds = bounds_;
    if (parent_) {
        anchorBase_.ParentWidth = parent_->ClientWidth();
        anchorBase_.ParentHeight = parent_->ClientHeight();
    }
}

void TControl::Loaded() {
    TComponent::Loaded();
    // The description may have sized the parent after placing this control.
    UpdateAnchorBase();
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_)
        return;
    if (!visible)
        Invalidate();
    visible_ = visible;
    if (visible)
        Invalidate();
    Perform(CM_VISIBLECHANGED, visible);
    if (parent_ && align_ != alNone)
        parent_->Realign();
}

bool TControl::Showing() const {
    return visible_ && parent_ && parent_->Showing();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Perform(CM_ENABLEDCHANGED, enabled);
}

void TControl::SetText(const std::string& text) {
    if (text == GetText())
        return;
    StoreText(text);
    Perform(CM_TEXTCHANGED);
}

bool TControl::ShowHint() const {
    if (parentShowHint_ && parent_)
        return parent_->ShowHint();
    return showHint_;
}

void TControl::SetShowHint(bool show) {
    showHint_ = show;
    parentShowHint_ = false;
}

void TControl::FontChangedInternal() {
    if (!inheritingFont_)
        parentFont_ = false;
    if (!Destroying())
        Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool value) {
    parentFont_ = value;
    if (value)
        ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!parentFont_ || !parent_)
        return;
    inheritingFont_ = true;
    try {
        font_.Assign(parent_->Font());
    } catch (...) {
        inheritingFont_ = false;
        throw;
    }
    inheritingFont_ = false;
}

void TControl::SetColor(TColor color) {
    parentColor_ = false;
    if (color == color_)
        return;
    color_ = color;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
    parentColor_ = value;
    if (value)
        ParentColorChanged();
}

void TControl::ParentColorChanged() {
    if (!parentColor_ || !parent_ || parent_->Color() == color_)
        return;
    color_ = parent_->Color();
    Perform(CM_COLORCHANGED);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    windowProc_(message);
    return message.Result;
}

TShiftState TControl::MouseShiftState(WPARAM keys) {
    TShiftState s = 0;
    if (keys & MK_SHIFT)
        s |= ssShift;
    if (keys & MK_CONTROL)
        s |= ssCtrl;
    if (keys & MK_LBUTTON)
        s |= ssLeft;
    if (keys & MK_RBUTTON)
        s |= ssRight;
    if (keys & MK_MBUTTON)
        s |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0)
        s |= ssAlt;
    return s;
}

TShiftState TControl::KeyboardShiftState() {
    TShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        s |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        s |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0)
        s |= ssAlt;
    return s;
}

void TControl::WndProc(TMessage& message) {
    UINT msg = message.Msg;
    // Without csDoubleClicks the second press of a double click is an ordinary press.
    if (!(controlStyle_ & csDoubleClicks) &&
        (msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK)) {
        msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
        message.Msg = msg;
    }
    switch (msg) {
    case WM_LBUTTONDOWN:
        return HandleMouseButton(message, mbLeft, true, false);
    case WM_LBUTTONDBLCLK:
        return HandleMouseButton(message, mbLeft, true, true);
    case WM_LBUTTONUP:
        return HandleMouseButton(message, mbLeft, false, false);
    case WM_RBUTTONDOWN:
        return HandleMouseButton(message, mbRight, true, false);
    case WM_RBUTTONDBLCLK:
        return HandleMouseButton(message, mbRight, true, true);
    case WM_RBUTTONUP:
        return HandleMouseButton(message, mbRight, false, false);
    case WM_MBUTTONDOWN:
        return HandleMouseButton(message, mbMiddle, true, false);
    case WM_MBUTTONDBLCLK:
        return HandleMouseButton(message, mbMiddle, true, true);
    case WM_MBUTTONUP:
        return HandleMouseButton(message, mbMiddle, false, false);
    case WM_MOUSEMOVE:
        DefaultHandler(message);
        MouseMove(MouseShiftState(message.WParam), GET_X_LPARAM(message.LParam),
                  GET_Y_LPARAM(message.LParam));
        return;
    case CM_MOUSEENTER:
        if (!mouseInControl_) {
            mouseInControl_ = true;
            MouseEnter();
        }
        return;
    case CM_MOUSELEAVE:
        if (mouseInControl_) {
            mouseInControl_ = false;
            MouseLeave();
        }
        return;
    case CM_PARENTCOLORCHANGED:
        ParentColorChanged();
        return;
    case CM_ENABLEDCHANGED:
    case CM_VISIBLECHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
        Invalidate();
        return;
    default:
        DefaultHandler(message);
    }
}

void TControl::HandleMouseButton(TMessage& message, TMouseButton button, bool down, bool dblclk) {
    // The system control acts first (an edit places its caret), then the events.
    DefaultHandler(message);
    int x = GET_X_LPARAM(message.LParam);
    int y = GET_Y_LPARAM(message.LParam);
    TShiftState shift = MouseShiftState(message.WParam);
    if (down) {
        if (button == mbLeft) {
            if (controlStyle_ & csCaptureMouse)
                SetMouseCapture(true);
            if (controlStyle_ & csClickEvents)
                clicked_ = true;
        }
        if (dblclk) {
            shift |= ssDouble;
            if (controlStyle_ & csClickEvents)
                DblClick();
        }
        MouseDown(button, shift, x, y);
        return;
    }
    if (button == mbLeft) {
        if (controlStyle_ & csCaptureMouse)
            SetMouseCapture(false);
        if (clicked_) {
            clicked_ = false;
            RECT r = ClientRect();
            if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
                Click();
        }
    }
    MouseUp(button, shift, x, y);
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (!Destroying())
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (!Destroying())
        OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (!Destroying())
        OnMouseMove(this, shift, x, y);
}

void TControl::Click() {
    if (!Destroying())
        OnClick(this);
}

void TControl::DblClick() {
    if (!Destroying())
        OnDblClick(this);
}

void TControl::MouseEnter() {
    if (!Destroying())
        OnMouseEnter(this);
}

void TControl::MouseLeave() {
    if (!Destroying())
        OnMouseLeave(this);
}

void TControl::Resize() {
    if (!Destroying())
        OnResize(this);
}

void TControl::SetMouseCapture(bool) {}

bool TControl::MouseCaptured() const {
    return false;
}

void TControl::Invalidate() {}

void TControl::Update() {}
