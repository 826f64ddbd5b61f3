#include "toolkit/Form.h"

#include "toolkit/Application.h"

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    // Every component the subclass creates from here on belongs to its description.
    SetLoading(true);
    visible_ = false;
    SetControlStyle(ControlStyle() | csAcceptsControls);
    SetBounds(0, 0, 320, 240);
}

TForm::~TForm() {
    SetDestroying();
    if (Application)
        Application->FormDestroying(this);
    DestroyHandle();
}

void TForm::AfterConstruction() {
    if (created_)
        return;
    created_ = true;
    LoadedAll();
    try {
        DoCreate();
    } catch (...) {
        if (!Application)
            throw;
        Application->HandleException(this, std::current_exception());
    }
}

void TForm::DoCreate() {
    OnCreate(this);
}

void TForm::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    params.ExStyle = 0;
    switch (borderStyle_) {
    case bsNone:
        // No caption and no frame: the client area is the whole window.
        params.Style |= WS_POPUP;
        break;
    case bsSingle:
        params.Style |= WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_BORDER;
        break;
    case bsSizeable:
        params.Style |= WS_OVERLAPPEDWINDOW;
        break;
    case bsDialog:
        params.Style |= WS_POPUP | WS_CAPTION | WS_SYSMENU;
        params.ExStyle |= WS_EX_DLGMODALFRAME;
        break;
    case bsToolWindow:
        params.Style |= WS_CAPTION | WS_SYSMENU;
        params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    case bsSizeToolWin:
        params.Style |= WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
        params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (!Enabled())
        params.Style |= WS_DISABLED;
    if (alphaBlend_ || transparentColor_)
        params.ExStyle |= WS_EX_LAYERED;
    // Owned by the application's window: no taskbar buttons of their own, hidden with it.
    params.WndParent = Application ? Application->Handle() : nullptr;
    params.WindowClass.style = CS_DBLCLKS;
    if (OnTaskBar()) {
        // The desktop's taskbar lists it as the application, and its window manager may minimise it.
        params.WndParent = nullptr;
        params.ExStyle |= WS_EX_APPWINDOW;
        params.Style |= WS_MINIMIZEBOX;
    }
}

bool TForm::OnTaskBar() const {
    return Application && Application->UnderWine() && Application->MainForm() == this;
}

void TForm::CreateWnd() {
    AfterConstruction();
    TWinControl::CreateWnd();
    ApplyLayered();
    if (OnTaskBar()) {
        // What the application's window shows in the taskbar: the title and the icon.
        HWND hwnd = Handle();
        HWND app = Application->Handle();
        SetWindowTextA(hwnd, Application->Title().c_str());
        auto icon = static_cast<LPARAM>(GetClassLongPtrA(app, GCLP_HICON));
        SendMessageA(hwnd, WM_SETICON, ICON_BIG, icon);
        SendMessageA(hwnd, WM_SETICON, ICON_SMALL, icon);
    }
}

void TForm::SetBorderStyle(TBorderStyle style) {
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    RecreateWnd();
}

void TForm::ApplyLayered() {
    if (!HandleAllocated())
        return;
    HWND hwnd = Handle();
    LONG exStyle = GetWindowLongA(hwnd, GWL_EXSTYLE);
    if (alphaBlend_ || transparentColor_) {
        if (!(exStyle & WS_EX_LAYERED))
            SetWindowLongA(hwnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
        DWORD flags = (alphaBlend_ ? LWA_ALPHA : 0) | (transparentColor_ ? LWA_COLORKEY : 0);
        SetLayeredWindowAttributes(hwnd, ColorToRGB(transparentColorValue_),
                                   static_cast<BYTE>(alphaBlendValue_), flags);
    } else if (exStyle & WS_EX_LAYERED) {
        SetWindowLongA(hwnd, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
        RedrawWindow(hwnd, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    }
}

void TForm::SetAlphaBlend(bool value) {
    alphaBlend_ = value;
    ApplyLayered();
}

void TForm::SetAlphaBlendValue(int value) {
    alphaBlendValue_ = value < 0 ? 0 : value > 255 ? 255 : value;
    ApplyLayered();
}

void TForm::SetTransparentColor(bool value) {
    transparentColor_ = value;
    ApplyLayered();
}

void TForm::SetTransparentColorValue(TColor value) {
    transparentColorValue_ = value;
    ApplyLayered();
}

void TForm::SetWindowState(TWindowState state) {
    windowState_ = state;
    if (!HandleAllocated() || !Visible())
        return;
    ShowWindow(Handle(), state == wsMinimized   ? SW_MINIMIZE
                         : state == wsMaximized ? SW_MAXIMIZE
                                                : SW_RESTORE);
}

void TForm::SetVisible(bool visible) {
    if (visible)
        ShowForm();
    else
        HideForm();
}

bool TForm::Showing() const {
    return Visible() && HandleAllocated() && IsWindowVisible(const_cast<TForm*>(this)->Handle());
}

bool TForm::CanFocus() const {
    return Visible() && Enabled();
}

void TForm::PlaceAtFirstShow() {
    if (position_ != poScreenCenter)
        return;
    int screenW = GetSystemMetrics(SM_CXSCREEN);
    int screenH = GetSystemMetrics(SM_CYSCREEN);
    SetBounds((screenW - Width()) / 2, (screenH - Height()) / 2, Width(), Height());
}

void TForm::ShowForm() {
    AfterConstruction();
    visible_ = true;
    HWND hwnd = Handle();
    if (!shownOnce_) {
        shownOnce_ = true;
        PlaceAtFirstShow();
    }
    OnShow(this);
    ShowWindow(hwnd, windowState_ == wsMaximized   ? SW_SHOWMAXIMIZED
                     : windowState_ == wsMinimized ? SW_SHOWMINIMIZED
                                                   : SW_SHOWNORMAL);
}

void TForm::HideForm() {
    if (!visible_)
        return;
    visible_ = false;
    if (HandleAllocated())
        ShowWindow(Handle(), SW_HIDE);
    OnHide(this);
}

void TForm::DoClose(TCloseAction& action) {
    OnClose(this, action);
}

void TForm::Close() {
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone)
        return;
    // The main form's close ends the application; its window goes when the application does.
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case caHide:
        HideForm();
        break;
    case caMinimize:
        SetWindowState(wsMinimized);
        break;
    case caFree:
        Release();
        break;
    default:
        break;
    }
}

void TForm::Release() {
    PostMessageA(Handle(), CM_RELEASE, 0, 0);
}

void TForm::SetActiveControl(TWinControl* control) {
    activeControl_ = control;
    if (control && HandleAllocated() && GetActiveWindow() == Handle() && control->CanFocus())
        control->SetFocus();
}

void TForm::FocusChanged(TWinControl* control) {
    if (control != this)
        activeControl_ = control;
}

void TForm::ControlRemoved(TControl* control) {
    for (TControl* c = activeControl_; c; c = c->Parent())
        if (c == control) {
            activeControl_ = nullptr;
            return;
        }
}

void TForm::RestoreFocus() {
    if (activeControl_ && activeControl_->CanFocus()) {
        activeControl_->SetFocus();
        return;
    }
    if (TWinControl* first = FindNextControl(nullptr, true, true)) {
        first->SetFocus();
        return;
    }
    ::SetFocus(Handle());
}

void TForm::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_CLOSE:
        Close();
        message.Result = 0;
        return;
    case CM_RELEASE:
        delete this;
        return;
    case WM_WINDOWPOSCHANGED:
        // Before the bounds: whoever reads them next also finds the state current.
        windowState_ = IsIconic(Handle()) ? wsMinimized : IsZoomed(Handle()) ? wsMaximized : wsNormal;
        break;
    case WM_ACTIVATE:
        // The focus goes back to the control that had it, not to the form.
        if (LOWORD(message.WParam) != WA_INACTIVE && !HIWORD(message.WParam)) {
            RestoreFocus();
            message.Result = 0;
            return;
        }
        break;
    case WM_SYSCOMMAND:
        if ((message.WParam & 0xFFF0) == SC_MINIMIZE && Application && Application->MainForm() == this) {
            Application->Minimize();
            message.Result = 0;
            return;
        }
        break;
    default:
        break;
    }
    TWinControl::WndProc(message);
}
