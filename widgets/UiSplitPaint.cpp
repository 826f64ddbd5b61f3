// TUiSplitter's drawing: the outline of a drag, inverted on the screen, and the splitter's own paint.
#include "widgets/UiSplit.h"

#include "toolkit/Form.h"

void TUiSplitter::DrawGhost(int position) {
    if (realTimeDrag_ || !HandleAllocated())
        return;
    const int border = BorderThickness();
    POINT origin =
        orientation_ == orHorizontal ? POINT{border + position, border} : POINT{border, border + position};
    origin = ClientToScreen(origin);
    // Paint what is pending first (the focus just moved): a window painted after the outline went on
    // the screen would cover half of it, and the next inversion would leave the other half behind.
    if (TForm* form = GetParentForm(this))
        RedrawWindow(form->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    TClientDC screen(nullptr);
    GdiBrush brush = GdiBrush::Pattern(pattern_.Handle());
    TSelectGuard select(screen.Handle(), brush.Handle());
    // A one-bit pattern draws its set bits in the background colour: white inverts, black keeps.
    SetTextColor(screen.Handle(), RGB(0, 0, 0));
    SetBkColor(screen.Handle(), RGB(255, 255, 255));
    PatBlt(screen.Handle(), origin.x, origin.y, bar_.right - bar_.left, bar_.bottom - bar_.top, PATINVERT);
}

void TUiSplitter::Paint() {
    // The panes clip the fill, so what shows is the bar in the splitter's colour.
    TUiCustomPanel::Paint();
    RECT r = ClientRect();
    RECT outer = BorderRect();
    r = RECT{r.left + outer.left, r.top + outer.top, r.right - outer.right, r.bottom - outer.bottom};
    r = DrawFrameStyle(Canvas().Handle(), r, borderInner_, FlatColor());
    PaintBarDecoration();
}

void TUiSplitter::PaintBarDecoration() {
    RECT spot = HotSpotRect();
    if (spot.right > spot.left) {
        Canvas().FillRect(spot, clBtnShadow);
        DrawEdge(Canvas().Handle(), &spot, BDR_RAISEDINNER, BF_RECT);
    }
    if (splitterStyle_ == ssStandard || bar_.right <= bar_.left || bar_.bottom <= bar_.top)
        return;
    RECT r = bar_;
    HDC dc = Canvas().Handle();
    const bool horizontal = orientation_ == orHorizontal;
    switch (splitterStyle_) {
    case ssGroove: {
        // One etched line along the middle of the bar.
        RECT line = r;
        if (horizontal) {
            line.left = (r.left + r.right) / 2 - 1;
            line.right = line.left + 2;
        } else {
            line.top = (r.top + r.bottom) / 2 - 1;
            line.bottom = line.top + 2;
        }
        DrawEdge(dc, &line, EDGE_ETCHED, horizontal ? BF_LEFT : BF_TOP);
        break;
    }
    case ssBump:
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
        break;
    case ssGroupBar:
        Canvas().FillRect(r, clBtnShadow);
        break;
    default:
        break;
    }
}
