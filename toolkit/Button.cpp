#include "toolkit/Button.h"

#include "toolkit/Form.h"

TButton::TButton(TComponent* owner) : TWinControl(owner) {
    // The system button tracks the mouse and reports the click itself.
    SetControlStyle(csDoubleClicks);
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SysClassName = "BUTTON";
    params.Style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool value) {
    default_ = value;
    if (HandleAllocated())
        SendMessageA(Handle(), BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
    if (TForm* form = GetParentForm(this))
        form->SetModalResult(modalResult_);
    TWinControl::Click();
}

void TButton::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND) {
        if (HIWORD(message.WParam) == BN_CLICKED)
            Click();
        return;
    }
    TWinControl::WndProc(message);
}
