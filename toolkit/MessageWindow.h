#pragma once
// A hidden message-only window of the toolkit (it gets the usual linking and exception
// handling) that hands its messages to a handler: the home of window timers.
#include "toolkit/WinControl.h"

#include <functional>

class TMessageWindow : public TWinControl {
public:
    TMessageWindow() : TWinControl(nullptr) {}

    // Sees every message before the window's own handling.
    std::function<void(TMessage&)> OnMessage;

    void WndProc(TMessage& message) override {
        if (OnMessage)
            OnMessage(message);
        TWinControl::WndProc(message);
    }

protected:
    void CreateParams(TCreateParams& params) override {
        TWinControl::CreateParams(params);
        params.Style = 0;
        params.ExStyle = 0;
        params.WndParent = HWND_MESSAGE;
        params.WinClassName = "Sinoshift.TMessageWindow";
    }
};
