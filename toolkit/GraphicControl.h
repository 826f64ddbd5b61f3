#pragma once
// TGraphicControl: a control without a window of its own. Its parent paints it after its own
// paint, in creation order, routes the mouse to it and holds the mouse for it while a button is
// down; Invalidate invalidates its rectangle on the parent.
#include "toolkit/Canvas.h"
#include "toolkit/Control.h"

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);

    void Invalidate() override;
    void Update() override;

    // Paints the control on dc, whose origin the parent has moved to the control's top-left
    // corner and whose clip it has limited to the control.
    void PaintControl(HDC dc);

    // The drawing surface during Paint.
    TCanvas& Canvas() { return canvas_; }

protected:
    virtual void Paint() {}
    void SetMouseCapture(bool capture) override;
    bool MouseCaptured() const override;

private:
    TCanvas canvas_;
};
