#pragma once
// The application's hidden top-level window: visible at zero size off the screen, so that its
// taskbar button stands for the whole application; it owns all forms. Its messages (system
// commands from the taskbar, hint timers) go to the application object.
#include "toolkit/WinControl.h"

class TApplication;

class TApplicationWindow : public TWinControl {
public:
    explicit TApplicationWindow(TApplication& application);

    void WndProc(TMessage& message) override;
    // The window's own handling, for the application object's fall-through.
    void InheritedWndProc(TMessage& message) { TWinControl::WndProc(message); }

protected:
    void CreateParams(TCreateParams& params) override;

private:
    TApplication& application_;
};
