#pragma once
// TCustomControl: a windowed control that paints itself in Paint on Canvas (a button, a
// panel, a splitter). The canvas is bound to the paint DC only while Paint runs.
#include "toolkit/Canvas.h"
#include "toolkit/WinControl.h"

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);

    TCanvas& Canvas() { return canvas_; }

protected:
    virtual void Paint() {}
    void PaintWindow(HDC dc) override;

private:
    TCanvas canvas_;
};
