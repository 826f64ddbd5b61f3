#include "widgets/WindowedButton.h"

#include "toolkit/Form.h"

void TWindowedButton::KeyDown(WORD& key, TShiftState shift) {
    TButtonInput::KeyDown(key, shift);
    // Consumed by the button's OnKeyDown.
    if (key == 0)
        return;
    const TButtonStep step = machine_.KeyDown(key, shift, Enabled());
    if (step.Click)
        key = 0;
    Apply(step);
}

void TWindowedButton::KeyUp(WORD& key, TShiftState shift) {
    TButtonInput::KeyUp(key, shift);
    if (key != 0)
        Apply(machine_.KeyUp(key));
}

void TWindowedButton::DoEnter() {
    Invalidate();
    TButtonInput::DoEnter();
}

void TWindowedButton::DoExit() {
    Invalidate();
    Apply(machine_.FocusLost());
    TButtonInput::DoExit();
}

void TWindowedButton::Click() {
    if (TForm* form = GetParentForm(this))
        form->SetModalResult(modalResult_);
    TButtonInput::Click();
}
