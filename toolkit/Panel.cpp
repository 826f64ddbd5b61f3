#include "toolkit/Panel.h"

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(ControlStyle() | csAcceptsControls);
    SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelOuter(TBevelCut bevel) {
    bevelOuter_ = bevel;
    Realign();
    Invalidate();
}

void TPanel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    Invalidate();
}

void TPanel::AdjustClientRect(RECT& rect) const {
    if (bevelOuter_ != bvNone)
        InflateRect(&rect, -1, -1);
}

void TPanel::Paint() {
    RECT r = ClientRect();
    if (bevelOuter_ != bvNone) {
        // The background is already filled with Color; a one-pixel bevel goes round it.
        TColor light = bevelOuter_ == bvRaised ? clBtnHighlight : clBtnShadow;
        TColor dark = bevelOuter_ == bvRaised ? clBtnShadow : clBtnHighlight;
        Canvas().Line(r.left, r.top, r.right, r.top, light);
        Canvas().Line(r.left, r.top, r.left, r.bottom, light);
        Canvas().Line(r.left, r.bottom - 1, r.right, r.bottom - 1, dark);
        Canvas().Line(r.right - 1, r.top, r.right - 1, r.bottom, dark);
        InflateRect(&r, -1, -1);
    }
    std::string caption = Caption();
    if (caption.empty())
        return;
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX |
                  (alignment_ == taLeftJustify    ? DT_LEFT
                   : alignment_ == taRightJustify ? DT_RIGHT
                                                  : DT_CENTER);
    Canvas().DrawText(caption, r, format);
}
