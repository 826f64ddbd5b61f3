#include "widgets/ButtonInput.h"

#include "toolkit/CustomControl.h"

#include <type_traits>

template <typename TBase>
TButtonInput<TBase>::TButtonInput(TComponent* owner, TButtonKind kind) : TBase(owner), machine_(kind) {
    // The machine decides presses, capture and clicks; a double click's second press is a press.
    this->SetControlStyle(0);
}

template <typename TBase> void TButtonInput<TBase>::HoldMouse() {
    const bool hold = machine_.TrackingBy() == btMouse;
    if (hold != this->MouseCaptured())
        this->SetMouseCapture(hold);
}

template <typename TBase> void TButtonInput<TBase>::Settle(const TButtonStep& step) {
    HoldMouse();
    if (step.Repaint)
        this->Repaint();
}

template <typename TBase> void TButtonInput<TBase>::Apply(const TButtonStep& step) {
    Settle(step);
    if (step.Click)
        this->Click();
}

template <typename TBase>
void TButtonInput<TBase>::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    bool focused = false;
    if constexpr (std::is_base_of_v<TWinControl, TBase>) {
        if (machine_.PressTakesFocus(button, this->Enabled()) && this->Visible() && !this->Focused())
            this->SetFocus();
        focused = this->Focused();
    }
    Apply(machine_.Press(button, this->Enabled(), focused));
    TBase::MouseDown(button, shift, x, y);
}

template <typename TBase> void TButtonInput<TBase>::MouseMove(TShiftState shift, int x, int y) {
    if (Tracking())
        Apply(machine_.Move(Inside(x, y)));
    else if (machine_.Policy().ReleaseClearsHot && !Hot() && this->Enabled())
        TestHot(x, y);
    TBase::MouseMove(shift, x, y);
}

template <typename TBase>
void TButtonInput<TBase>::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    const TButtonStep step = machine_.Release(button, Inside(x, y));
    Settle(step);
    TBase::MouseUp(button, shift, x, y);
    if (step.Click)
        this->Click();
    // Still under the pointer after the click: the hot look comes back.
    if (step.Repaint && machine_.Policy().ReleaseClearsHot)
        TestHot(x, y);
}

template <typename TBase> void TButtonInput<TBase>::SetHot(bool hot) {
    if ((hot ? machine_.Enter() : machine_.Leave()).Repaint && HoverRepaints())
        this->Repaint();
}

template <typename TBase> void TButtonInput<TBase>::MouseEnter() {
    SetHot(true);
    TBase::MouseEnter();
}

template <typename TBase> void TButtonInput<TBase>::MouseLeave() {
    SetHot(false);
    TBase::MouseLeave();
}

template <typename TBase> void TButtonInput<TBase>::TestHot(int x, int y) {
    TWinControl* parent = this->Parent();
    const bool over = parent && parent->ControlAtPos(POINT{this->Left() + x, this->Top() + y}, true) == this;
    if (over == Hot())
        return;
    SetHot(over);
    if (over)
        TBase::MouseEnter();
    else
        TBase::MouseLeave();
}

template <typename TBase> void TButtonInput<TBase>::MouseCaptureLost() {
    // Taken away while pressed: the press ends without a click.
    Apply(machine_.CaptureLost());
}

template class TButtonInput<TCustomControl>;
template class TButtonInput<TGraphicControl>;
