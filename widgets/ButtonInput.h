#pragma once
// TButtonInput: the one place where a button's mouse, capture and pointer entry and exit reach its
// TButtonMachine, for a windowed (TCustomControl) or a windowless (TGraphicControl) button. The
// button holds the mouse exactly while the machine tracks a mouse press; every step repaints at
// once, then the button's event runs, then the click. Where the kinds differ, the machine's policy
// decides; the class only says whether its look shows the pointer's entry (HoverRepaints).
// Windowed buttons add keys and focus through TWindowedButton.
#include "toolkit/Control.h"
#include "widgets/ButtonMachine.h"

template <typename TBase> class TButtonInput : public TBase {
public:
    using TState = TButtonState;

    TState State() const { return machine_.State(); }
    bool Hot() const { return machine_.Hot(); }
    bool Tracking() const { return machine_.Tracking(); }

protected:
    TButtonInput(TComponent* owner, TButtonKind kind);

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseCaptureLost() override;

    // Whether the hot flag changes the look (a hot picture, a hot ring).
    virtual bool HoverRepaints() const { return true; }
    // Takes the mouse while the machine tracks a mouse press and gives it back after, repaints
    // for the step, then clicks.
    void Apply(const TButtonStep& step);
    bool Inside(int x, int y) const { return x >= 0 && x < this->Width() && y >= 0 && y < this->Height(); }

    TButtonMachine machine_;

private:
    void Settle(const TButtonStep& step);
    void HoldMouse();
    void SetHot(bool hot);
    // A kind whose release clears the hot flag asks the parent whether the pointer is still over
    // it (the topmost control there, disabled ones included) and sends itself entry or exit.
    void TestHot(int x, int y);
};
