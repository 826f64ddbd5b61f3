#include "toolkit/ApplicationWindow.h"

#include "toolkit/Application.h"
#include "toolkit/WindowClass.h"

TApplicationWindow::TApplicationWindow(TApplication& application)
    : TWinControl(nullptr), application_(application) {}

void TApplicationWindow::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Caption = application_.Title();
    params.Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE | WS_CLIPSIBLINGS;
    params.ExStyle = 0;
    params.X = -100;
    params.Y = -100;
    params.Width = 0;
    params.Height = 0;
    params.WndParent = nullptr;
    params.WindowClass.style = 0;
    // The taskbar shows the program's icon when it has one.
    params.WindowClass.hIcon = LoadIconA(TWindowClass::Instance(), "MAINICON");
    params.WindowClass.hIconSm = params.WindowClass.hIcon;
    params.WinClassName = "Sinoshift.TApplication";
}

void TApplicationWindow::WndProc(TMessage& message) {
    application_.ApplicationWndProc(message);
}
