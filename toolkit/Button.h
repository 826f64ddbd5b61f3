#pragma once
// TButton: the system push button, superclassed. A click (mouse, Space, or Enter while it is
// the default) comes back from the system as BN_CLICKED; ModalResult goes to the form first.
#include "toolkit/WinControl.h"

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);

    bool Default() const { return default_; }
    void SetDefault(bool value);
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Click() override;

private:
    bool default_ = false;
    TModalResult modalResult_ = mrNone;
};
