#pragma once
// TPanel: a plain container that paints its colour, an optional one-pixel bevel and a caption.
#include "toolkit/CustomControl.h"

enum TBevelCut { bvNone, bvLowered, bvRaised };

class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* owner);

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut bevel);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

protected:
    void Paint() override;
    void AdjustClientRect(RECT& rect) const override;

private:
    TBevelCut bevelOuter_ = bvRaised;
    TAlignment alignment_ = taCenter;
};
