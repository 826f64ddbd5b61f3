#include "toolkit/Application.h"

#include "toolkit/ApplicationWindow.h"
#include "toolkit/HintManager.h"

#include <commctrl.h>

#include <stdexcept>

TApplication* Application = nullptr;

namespace {
constexpr UINT CM_PARKAPPLICATIONWINDOW = CM_BASE + 40;
// The application object lives as long as the program; forms it still owns at exit go with it.
TApplication theApplication;
} // namespace

TApplication::TApplication() : TComponent(nullptr) {
    Application = this;
}

TApplication::~TApplication() {
    SetDestroying();
    hints_.reset();
    DestroyComponents();
    window_.reset();
    if (Application == this)
        Application = nullptr;
}

void TApplication::Initialize() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    Handle();
}

HWND TApplication::Handle() {
    if (!window_)
        window_ = std::make_unique<TApplicationWindow>(*this);
    HWND hwnd = window_->Handle();
    if (!hints_)
        hints_ = std::make_unique<THintManager>(hwnd);
    return hwnd;
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    if (window_ && window_->HandleAllocated())
        SetWindowTextA(window_->Handle(), title.c_str());
    if (underWine_ && mainForm_ && mainForm_->HandleAllocated())
        SetWindowTextA(mainForm_->Handle(), title.c_str());
}

bool TApplication::RunningUnderWine() {
    // Wine's ntdll exports its version; Windows' does not.
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// --- the message loop ---

void TApplication::Run() {
    if (mainForm_ && !terminated_) {
        try {
            mainForm_->Show();
        } catch (...) {
            HandleException(this);
        }
    }
    while (!terminated_)
        HandleMessage();
}

void TApplication::HandleMessage() {
    ProcessMessage(true);
}

void TApplication::ProcessMessages() {
    while (ProcessMessage(false)) {
    }
}

bool TApplication::ProcessMessage(bool wait) {
    MSG msg;
    if (wait) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            terminated_ = true;
            return false;
        }
    } else if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        return false;
    }
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    try {
        if (!PreprocessMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    } catch (...) {
        HandleException(this);
    }
    return true;
}

void TApplication::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

void TApplication::RouteMouseWheel(MSG& msg) {
    if (msg.message != WM_MOUSEWHEEL && msg.message != WM_MOUSEHWHEEL)
        return;
    // Within a form the wheel is for the control that has the focus, wherever the pointer is: the
    // system may have sent it to the window under the pointer instead (Wine does). Another form,
    // or a window that is not ours, keeps it.
    HWND focus = GetFocus();
    if (!focus || focus == msg.hwnd || !msg.hwnd)
        return;
    HWND form = GetAncestor(msg.hwnd, GA_ROOT);
    if (!form || GetAncestor(focus, GA_ROOT) != form || !TWinControl::FindControl(form))
        return;
    msg.hwnd = focus;
}

bool TApplication::PreprocessMessage(MSG& msg) {
    RouteMouseWheel(msg);
    if (hints_ && showHint_ &&
        ((msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) || msg.message == WM_MOUSELEAVE ||
         msg.message == WM_NCMOUSEMOVE || msg.message == WM_NCLBUTTONDOWN ||
         msg.message == WM_NCRBUTTONDOWN || msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN))
        hints_->MouseMessage(msg);
    return HandleTabKey(msg);
}

bool TApplication::HandleTabKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || GetKeyState(VK_CONTROL) < 0 ||
        GetKeyState(VK_MENU) < 0)
        return false;
    // The toolkit control that the key is for (the message may be for a system control's own
    // inner window).
    TWinControl* control = nullptr;
    for (HWND h = msg.hwnd; h && !control; h = GetAncestor(h, GA_PARENT))
        control = TWinControl::FindControl(h);
    if (!control || control->WantsTabKey())
        return false;
    TForm* form = GetParentForm(control);
    if (!form)
        return false;
    form->SelectNext(control == form ? nullptr : control, GetKeyState(VK_SHIFT) >= 0, true);
    return true;
}

// --- minimise and restore ---

void TApplication::Minimize() {
    if (minimized_)
        return;
    minimized_ = true;
    CancelHint();
    for (int i = 0; i < ComponentCount(); ++i) {
        auto* form = dynamic_cast<TForm*>(Components(i));
        if (form && form->HandleAllocated() && IsWindowVisible(form->Handle())) {
            form->SetHiddenByMinimize(true);
            ShowWindow(form->Handle(), SW_HIDE);
        }
    }
    ShowWindow(Handle(), SW_MINIMIZE);
    OnMinimize(this);
}

void TApplication::Restore() {
    if (!minimized_)
        return;
    minimized_ = false;
    ShowWindow(Handle(), SW_RESTORE);
    // Under Wine a window manager may have placed the window on the screen while it stood for the
    // minimised application, and there it would stay as a second taskbar entry. Once the restore request
    // has been handled (Wine keeps the window mapped while it is handled), it is hidden, which withdraws
    // its X window, and shown again off the screen, where it has none.
    if (underWine_)
        PostMessageA(Handle(), CM_PARKAPPLICATIONWINDOW, 0, 0);
    for (int i = 0; i < ComponentCount(); ++i) {
        auto* form = dynamic_cast<TForm*>(Components(i));
        if (form && form->HiddenByMinimize()) {
            form->SetHiddenByMinimize(false);
            if (form->HandleAllocated() && form->Visible())
                ShowWindow(form->Handle(), form == mainForm_ ? SW_SHOW : SW_SHOWNA);
        }
    }
    if (mainForm_ && mainForm_->HandleAllocated() && mainForm_->Visible())
        SetActiveWindow(mainForm_->Handle());
    OnRestore(this);
}

void TApplication::ApplicationWndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_SYSCOMMAND:
        switch (message.WParam & 0xFFF0) {
        case SC_MINIMIZE:
            Minimize();
            message.Result = 0;
            return;
        case SC_RESTORE:
            Restore();
            message.Result = 0;
            return;
        case SC_CLOSE:
            if (mainForm_)
                mainForm_->Close();
            message.Result = 0;
            return;
        default:
            break;
        }
        break;
    case CM_PARKAPPLICATIONWINDOW:
        if (!minimized_) {
            const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
            SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, flags | SWP_NOMOVE | SWP_NOSIZE | SWP_HIDEWINDOW);
            SetWindowPos(Handle(), nullptr, -100, -100, 0, 0, flags | SWP_SHOWWINDOW);
        }
        return;
    case WM_CLOSE:
        if (mainForm_)
            mainForm_->Close();
        message.Result = 0;
        return;
    case WM_TIMER:
        if (hints_ &&
            (message.WParam == THintManager::ShowTimer || message.WParam == THintManager::HideTimer)) {
            hints_->TimerFired(message.WParam);
            return;
        }
        break;
    case WM_SETFOCUS:
        // Activating the taskbar button's window means the main form.
        if (!minimized_ && mainForm_ && mainForm_->HandleAllocated() && mainForm_->Showing() &&
            mainForm_->Enabled()) {
            SetFocus(mainForm_->Handle());
            return;
        }
        break;
    default:
        break;
    }
    window_->InheritedWndProc(message);
}

// --- exceptions ---

std::string TApplication::ExceptionMessage(std::exception_ptr error) {
    try {
        if (error)
            std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
    }
    return "Unknown exception";
}

void TApplication::HandleException(TObject* sender, std::exception_ptr error) {
    if (OnException) {
        OnException(sender, error);
        return;
    }
    ShowException(ExceptionMessage(error));
}

void TApplication::ShowException(const std::string& message) {
    HWND owner = mainForm_ && mainForm_->HandleAllocated() ? mainForm_->Handle() : nullptr;
    MessageBoxA(owner, message.c_str(), title_.c_str(), MB_OK | MB_ICONSTOP);
}

// --- hints and controls under the pointer ---

void TApplication::SetShowHint(bool value) {
    showHint_ = value;
    if (!value)
        CancelHint();
}

int TApplication::HintPause() const {
    return hints_ ? hints_->Pause : 500;
}

void TApplication::SetHintPause(int ms) {
    Handle();
    hints_->Pause = ms;
}

int TApplication::HintShortPause() const {
    return hints_ ? hints_->ShortPause : 50;
}

int TApplication::HintHidePause() const {
    return hints_ ? hints_->HidePause : 2500;
}

void TApplication::SetHintHidePause(int ms) {
    Handle();
    hints_->HidePause = ms;
}

void TApplication::CancelHint() {
    if (hints_)
        hints_->Cancel();
}

HWND TApplication::HintWindow() const {
    return hints_ ? hints_->ToolTip() : nullptr;
}

bool TApplication::HintVisible() const {
    return hints_ && hints_->Visible();
}

std::string TApplication::HintText() const {
    return hints_ && hints_->Visible() ? hints_->Text() : std::string();
}

TControl* TApplication::FindControlAt(POINT screen, bool allowDisabled) {
    // The system finds the deepest enabled window; disabled windows and windowless controls
    // below it are ours to find.
    TWinControl* window = nullptr;
    for (HWND h = WindowFromPoint(screen); h && !window; h = GetAncestor(h, GA_PARENT))
        window = TWinControl::FindControl(h);
    if (!window)
        return nullptr;
    TControl* found = window;
    for (;;) {
        TControl* child = window->ControlAtPos(window->ScreenToClient(screen), allowDisabled, true);
        if (!child)
            return found;
        found = child;
        auto* childWindow = dynamic_cast<TWinControl*>(child);
        if (!childWindow)
            return found;
        window = childWindow;
    }
}

void TApplication::FormDestroying(TForm* form) {
    if (mainForm_ == form)
        mainForm_ = nullptr;
    if (hints_)
        hints_->ControlDestroying(form);
}

void TApplication::ControlDestroying(TControl* control) {
    if (hints_)
        hints_->ControlDestroying(control);
}
