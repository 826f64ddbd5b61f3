#pragma once
// TApplication: the one application object (global Application). It owns the forms made by
// CreateForm, runs the message loop (hints, Tab navigation, the wheel to the focused control),
// keeps the hidden top-level window that carries the taskbar button and owns every form,
// minimises and restores the whole application, and is where exceptions that leave a handler
// end up.
#include "toolkit/Form.h"

#include <exception>
#include <memory>
#include <string>

class TApplicationWindow;
class THintManager;

using TExceptionEvent = TEvent<TObject*, std::exception_ptr>;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    // Loads the common controls and creates the application's window.
    void Initialize();

    // Creates a form owned by the application and ends its description (Loaded, OnCreate).
    // The first form created is the main form. reference is set before OnCreate runs.
    template <typename T> T* CreateForm(T*& reference) {
        T* form = new T(this);
        reference = form;
        if (!mainForm_)
            mainForm_ = form;
        form->AfterConstruction();
        return form;
    }
    template <typename T> T* CreateForm() {
        T* reference = nullptr;
        return CreateForm(reference);
    }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form and handles messages until Terminate (or WM_QUIT).
    void Run();
    // Handles every message waiting in the queue, then returns.
    void ProcessMessages();
    // Waits for one message and handles it.
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // The text of the taskbar button.
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    // The hidden application window: owner of all forms, holder of the taskbar button.
    HWND Handle();

    // Whether the windows are X windows of a Linux desktop (the program runs under Wine); the
    // program sets it from RunningUnderWine at start, before the main form's window exists.
    // There the hidden window lies off the screen and is no X window of the desktop unless
    // minimised, so the main form stands for the application itself: unowned, with the title
    // as its text, the application's icon and a minimise box. And pop-ups that the window
    // manager does not stack stay above every other window (see TFormShadow).
    bool UnderWine() const { return underWine_; }
    void SetUnderWine(bool value) { underWine_ = value; }
    static bool RunningUnderWine();

    // Hides every visible form and minimises the application window (its taskbar button
    // stays); Restore shows them again.
    void Minimize();
    void Restore();
    bool Minimized() const { return minimized_; }

    // Where an exception that left a handler goes: OnException when set, otherwise a message
    // box with its message. Returns; the loop goes on.
    void HandleException(TObject* sender, std::exception_ptr error = std::current_exception());
    void ShowException(const std::string& message);
    static std::string ExceptionMessage(std::exception_ptr error);

    // --- hints ---
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value);
    // Milliseconds before a hint shows, before the next one shows while one is up, and before
    // it hides by itself.
    int HintPause() const;
    void SetHintPause(int ms);
    int HintShortPause() const;
    int HintHidePause() const;
    void SetHintHidePause(int ms);
    void CancelHint();
    // The system tooltip that shows hints (null until the first hint) and what it shows.
    HWND HintWindow() const;
    bool HintVisible() const;
    std::string HintText() const;

    // The deepest control under a screen point, windowless ones included, disabled ones too
    // when allowDisabled; null when the point is over no window of the toolkit.
    static TControl* FindControlAt(POINT screen, bool allowDisabled = true);

    TExceptionEvent OnException;
    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;

    // Internal notifications.
    void FormDestroying(TForm* form);
    void ControlDestroying(TControl* control);
    void ApplicationWndProc(TMessage& message);

private:
    bool ProcessMessage(bool wait);
    bool PreprocessMessage(MSG& msg);
    // Gives a wheel message to the focused control of the form it arrived in.
    static void RouteMouseWheel(MSG& msg);
    bool HandleTabKey(const MSG& msg);

    TForm* mainForm_ = nullptr;
    std::unique_ptr<TApplicationWindow> window_;
    std::unique_ptr<THintManager> hints_;
    std::string title_;
    bool terminated_ = false;
    bool minimized_ = false;
    bool showHint_ = true;
    bool underWine_ = false;
};

extern TApplication* Application;
