#pragma once
// TWindowedButton: a button with a window of its own (the caption buttons, the push button). To the
// mouse of TButtonInput it adds the keys and the focus, which reach the machine only here, and the
// modal result that every click writes into the window that contains the button.
#include "toolkit/CustomControl.h"
#include "widgets/ButtonInput.h"

class TWindowedButton : public TButtonInput<TCustomControl> {
public:
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }

protected:
    TWindowedButton(TComponent* owner, TButtonKind kind) : TButtonInput(owner, kind) {}

    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyUp(WORD& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void Click() override;

private:
    TModalResult modalResult_ = mrNone;
};
