#pragma once
// Placement of child controls inside their parent's client area: alignment to the parent's
// sides (alTop, alBottom, alLeft, alRight, alClient) and anchoring to its edges. Plain geometry,
// without windows.h.
#include "toolkit/ControlTypes.h"

#include <vector>

struct TBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    friend bool operator==(const TBounds& a, const TBounds& b) {
        return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height;
    }
    friend bool operator!=(const TBounds& a, const TBounds& b) { return !(a == b); }
};

// Where a control stood, and how big its parent's client area was, when its anchoring was last
// taken: later parent sizes are compared with that size.
struct TAnchorBase {
    TBounds Bounds;
    int ParentWidth = 0;
    int ParentHeight = 0;
};

// The control's bounds in a parent client area of the given size. A side that is anchored
// keeps its distance to that edge; anchored on both sides the control stretches; anchored on
// neither it keeps its relative place (the change is shared half and half). Sizes never go
// below zero.
TBounds AnchoredBounds(const TAnchorBase& base, TAnchors anchors, int parentWidth, int parentHeight);

struct TAlignItem {
    TAlign Align = alNone;
    bool Visible = true;
    // In: current bounds (their order decides the stacking of controls with the same
    // alignment). Out: the new bounds, for aligned visible items.
    TBounds Bounds;
};

// Aligns the items inside client, in the classic order: top, bottom, left, right, then client
// (all of the space that remains). Items with the same alignment stack from the side inwards
// in the order of their current position along that axis; equal positions keep list order.
// Top and bottom items keep their height, left and right items their width. Invisible and
// unaligned items are left alone.
void AlignItems(const TBounds& client, std::vector<TAlignItem>& items);
