#include "toolkit/WinControl.h"

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/WindowClass.h"

#include <windowsx.h>

#include <algorithm>
#include <stdexcept>
#include <typeinfo>

namespace {

// The C++ class name as the window class name: "TMemo" rather than the mangled "5TMemo".
std::string ClassNameOf(const TWinControl& control) {
    std::string name = typeid(control).name();
    size_t i = 0;
    while (i < name.size() && name[i] >= '0' && name[i] <= '9')
        ++i;
    return "Sinoshift." + name.substr(i);
}

} // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    SetDestroying();
    // The windows go first, while every object behind them is still whole; then the owned
    // components, then the children that someone else owns (they go with their parent).
    DestroyHandle();
    DestroyComponents();
    while (!controls_.empty())
        delete controls_.back();
}

// --- the window ---

LRESULT CALLBACK TWinControl::StdWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinControl* self;
    if (msg == WM_NCCREATE) {
        self = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (self) {
            self->hwnd_ = hwnd;
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    } else {
        self = reinterpret_cast<TWinControl*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    if (!self)
        return CallWindowProcA(TWindowClass::DefaultProcOf(hwnd), hwnd, msg, wParam, lParam);

    TMessage message{msg, wParam, lParam, 0};
    // No C++ exception may unwind through the system's frames: it ends here, at the
    // application's handler, and the message loop goes on.
    try {
        self->windowProc_(message);
    } catch (...) {
        message.Result = 0;
        try {
            if (Application)
                Application->HandleException(self, std::current_exception());
        } catch (...) {
            // Not even a failing exception handler may unwind into the system.
        }
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        if (self->hwnd_ == hwnd) {
            self->hwnd_ = nullptr;
            self->mouseTracking_ = false;
            self->captureControl_ = nullptr;
            self->hoverControl_ = nullptr;
        }
    }
    return message.Result;
}

TWinControl* TWinControl::FindControl(HWND window) {
    if (!window || !IsWindow(window))
        return nullptr;
    // Only this thread's windows hold our objects: another running copy of the program has
    // the same window procedure address, but its pointers mean nothing here.
    if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId())
        return nullptr;
    if (reinterpret_cast<WNDPROC>(GetClassLongPtrA(window, GCLP_WNDPROC)) != &StdWndProc)
        return nullptr;
    return reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

HWND TWinControl::Handle() {
    CreateHandle();
    return hwnd_;
}

void TWinControl::CreateHandle() {
    if (hwnd_)
        return;
    // Creating the parent's window creates this one with it.
    if (parent_)
        parent_->CreateHandle();
    if (!hwnd_)
        CreateWnd();
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.Caption = text_;
    if (parent_) {
        params.Style = WS_CHILD | WS_CLIPSIBLINGS;
        params.WndParent = parent_->hwnd_;
    }
    if (ControlStyle() & csAcceptsControls)
        params.Style |= WS_CLIPCHILDREN;
    if (visible_)
        params.Style |= WS_VISIBLE;
    if (!enabled_)
        params.Style |= WS_DISABLED;
    if (tabStop_)
        params.Style |= WS_TABSTOP;
    params.X = bounds_.Left;
    params.Y = bounds_.Top;
    params.Width = bounds_.Width;
    params.Height = WindowHeight(bounds_.Height);
    params.WindowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    params.WinClassName = ClassNameOf(*this);
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    if ((params.Style & WS_CHILD) && !params.WndParent)
        throw std::runtime_error("Control '" + Name() + "' has no parent window");
    defProc_ =
        TWindowClass::Register(params.WinClassName, params.SysClassName, params.WindowClass, &StdWndProc);
    HWND hwnd = CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(),
                                params.Style, params.X, params.Y, params.Width, params.Height,
                                params.WndParent, nullptr, TWindowClass::Instance(), this);
    if (!hwnd || hwnd_ != hwnd)
        throw std::runtime_error("Cannot create the window of '" + Name() + "' (error " +
                                 std::to_string(GetLastError()) + ")");
    if (IsSystemControl())
        SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c))
            w->CreateHandle();
}

void TWinControl::DestroyWnd() {
    HWND hwnd = hwnd_;
    if (!DestroyWindow(hwnd) && hwnd_ == hwnd) {
        // Not destroyable from here (another thread's window): forget it at least.
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
    }
}

void TWinControl::DestroyHandle() {
    if (!hwnd_)
        return;
    // The text lives in the window; keep it for the next window.
    text_ = GetText();
    DestroyWnd();
}

void TWinControl::RecreateWnd() {
    if (!hwnd_)
        return;
    // A shown top-level window is shown again (child windows carry WS_VISIBLE themselves).
    bool shown = !parent_ && IsWindowVisible(hwnd_);
    DestroyHandle();
    CreateHandle();
    if (shown && !IsWindowVisible(hwnd_))
        ShowWindow(hwnd_, SW_SHOWNA);
}

std::string TWinControl::GetText() const {
    if (!hwnd_)
        return text_;
    int length = GetWindowTextLengthA(hwnd_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int got = GetWindowTextA(hwnd_, &text[0], length + 1);
    text.resize(static_cast<size_t>(got < 0 ? 0 : got));
    return text;
}

void TWinControl::StoreText(const std::string& text) {
    text_ = text;
    if (hwnd_)
        SetWindowTextA(hwnd_, text.c_str());
}

void TWinControl::DefaultHandler(TMessage& message) {
    if (!hwnd_)
        return;
    message.Result = CallWindowProcA(defProc_, hwnd_, message.Msg, message.WParam, message.LParam);
}

// --- children ---

void TWinControl::InsertControl(TControl* control) {
    controls_.push_back(control);
    control->parent_ = this;
    auto* w = dynamic_cast<TWinControl*>(control);
    if (!w)
        return;
    tabList_.push_back(w);
    if (!hwnd_)
        return;
    if (w->hwnd_) {
        ::SetParent(w->hwnd_, hwnd_);
        SetWindowPos(w->hwnd_, nullptr, w->Left(), w->Top(), w->Width(), w->WindowHeight(w->Height()),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        w->CreateHandle();
    }
}

void TWinControl::RemoveControl(TControl* control) {
    if (captureControl_ == control)
        SetCaptureControl(nullptr);
    if (hoverControl_ == control)
        hoverControl_ = nullptr;
    if (TForm* form = GetParentForm(this))
        form->ControlRemoved(control);
    // Not control->Invalidate(): from the control's destructor that no longer reaches a
    // windowless control's own version. What lay beneath it is painted again.
    if (hwnd_ && control->visible_) {
        RECT r = control->BoundsRect();
        InvalidateRect(hwnd_, &r, TRUE);
    }
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), control), tabList_.end());
    control->parent_ = nullptr;
}

void TWinControl::SetParent(TWinControl* parent) {
    if (parent == parent_)
        return;
    // A child window cannot live without a parent window: it is made again under the new one.
    if (hwnd_ && !(parent && parent->hwnd_))
        DestroyHandle();
    TControl::SetParent(parent);
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this)
            return true;
    return false;
}

TControl* TWinControl::ControlAtPos(POINT point, bool allowDisabled, bool allowWinControls) const {
    auto hit = [&](TControl* c) {
        return c->visible_ && (allowDisabled || c->enabled_) && point.x >= c->Left() &&
               point.x < c->bounds_.Right() && point.y >= c->Top() && point.y < c->bounds_.Bottom();
    };
    // Windows lie above all windowless controls; among each kind the newest is on top.
    if (allowWinControls)
        for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
            if (dynamic_cast<TWinControl*>(*it) && hit(*it))
                return *it;
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if (!dynamic_cast<TWinControl*>(*it) && hit(*it))
            return *it;
    return nullptr;
}

// --- bounds and layout ---

RECT TWinControl::ClientRect() const {
    RECT r{0, 0, 0, 0};
    if (hwnd_) {
        GetClientRect(hwnd_, &r);
        return r;
    }
    // No window yet: the frame that the window will have, from its styles.
    TCreateParams params;
    const_cast<TWinControl*>(this)->CreateParams(params);
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
    int w = bounds_.Width - (frame.right - frame.left);
    int h = bounds_.Height - (frame.bottom - frame.top);
    if (params.Style & WS_VSCROLL)
        w -= GetSystemMetrics(SM_CXVSCROLL);
    if (params.Style & WS_HSCROLL)
        h -= GetSystemMetrics(SM_CYHSCROLL);
    return RECT{0, 0, std::max(0, w), std::max(0, h)};
}

void TWinControl::SetClientSize(int width, int height) {
    RECT client = ClientRect();
    int frameW = bounds_.Width - (client.right - client.left);
    int frameH = bounds_.Height - (client.bottom - client.top);
    SetBounds(bounds_.Left, bounds_.Top, width + frameW, height + frameH);
}

POINT TWinControl::ClientOrigin() const {
    if (hwnd_) {
        POINT p{0, 0};
        ::ClientToScreen(hwnd_, &p);
        return p;
    }
    POINT p = TControl::ClientOrigin();
    TCreateParams params;
    const_cast<TWinControl*>(this)->CreateParams(params);
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
    return POINT{p.x - frame.left, p.y - frame.top};
}

void TWinControl::ApplyBounds(const TBounds& bounds, bool fromLayout) {
    TBounds old = bounds_;
    bool sized = bounds.Width != old.Width || bounds.Height != old.Height;
    bounds_ = bounds;
    if (hwnd_ && bounds != old)
        SetWindowPos(hwnd_, nullptr, bounds.Left, bounds.Top, bounds.Width, WindowHeight(bounds.Height),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    if (!fromLayout) {
        UpdateAnchorBase();
        RequestParentAlign();
    }
    if (sized) {
        Realign();
        Resize();
    }
}

void TWinControl::UpdateBoundsFrom(const WINDOWPOS&) {
    RECT r;
    if (!parent_ && IsIconic(hwnd_)) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof(placement);
        GetWindowPlacement(hwnd_, &placement);
        r = placement.rcNormalPosition;
    } else {
        GetWindowRect(hwnd_, &r);
        if (parent_ && parent_->hwnd_)
            MapWindowPoints(HWND_DESKTOP, parent_->hwnd_, reinterpret_cast<POINT*>(&r), 2);
    }
    TBounds now{r.left, r.top, r.right - r.left, r.bottom - r.top};
    if (now == bounds_)
        return;
    bool sized = now.Width != bounds_.Width || now.Height != bounds_.Height;
    bounds_ = now;
    if (sized) {
        Realign();
        Resize();
    }
}

void TWinControl::DisableAlign() {
    ++alignDisabled_;
}

void TWinControl::EnableAlign() {
    if (alignDisabled_ > 0 && --alignDisabled_ == 0 && alignPending_)
        Realign();
}

void TWinControl::Realign() {
    if (alignDisabled_ > 0) {
        alignPending_ = true;
        return;
    }
    alignPending_ = false;
    if (controls_.empty())
        return;
    RECT client = ClientRect();
    int width = client.right - client.left;
    int height = client.bottom - client.top;
    // While the description is read the parent may not have its size yet: anchoring waits.
    if (!Loading()) {
        for (TControl* c : std::vector<TControl*>(controls_))
            if (c->align_ == alNone && c->anchors_ != akDefault)
                c->SetBoundsByLayout(AnchoredBounds(c->anchorBase_, c->anchors_, width, height));
    }
    RECT alignArea = client;
    AdjustClientRect(alignArea);
    std::vector<TControl*> aligned;
    std::vector<TAlignItem> items;
    for (TControl* c : controls_)
        if (c->align_ != alNone) {
            aligned.push_back(c);
            items.push_back(TAlignItem{c->align_, c->visible_, c->bounds_});
        }
    if (items.empty())
        return;
    AlignItems(TBounds{alignArea.left, alignArea.top, alignArea.right - alignArea.left,
                       alignArea.bottom - alignArea.top},
               items);
    for (size_t i = 0; i < aligned.size(); ++i)
        if (items[i].Visible)
            aligned[i]->SetBoundsByLayout(items[i].Bounds);
}

void TWinControl::Loaded() {
    TControl::Loaded();
    if (tabOrderWanted_ >= 0) {
        int wanted = tabOrderWanted_;
        tabOrderWanted_ = -1;
        SetTabOrder(wanted);
    }
    Realign();
}

// --- visibility, enabling, focus ---

void TWinControl::SetVisible(bool visible) {
    if (visible == visible_)
        return;
    TControl::SetVisible(visible);
    if (hwnd_)
        SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                         (visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TWinControl::SetEnabled(bool enabled) {
    TControl::SetEnabled(enabled);
}

bool TWinControl::Showing() const {
    if (!visible_)
        return false;
    if (parent_)
        return parent_->Showing();
    return hwnd_ && IsWindowVisible(hwnd_);
}

TForm* GetParentForm(const TControl* control) {
    const TControl* top = control;
    while (top && top->Parent())
        top = top->Parent();
    return dynamic_cast<TForm*>(const_cast<TControl*>(top));
}
