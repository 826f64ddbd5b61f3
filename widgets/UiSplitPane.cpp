#include "widgets/UiSplitPane.h"

#include <windowsx.h>

#include <algorithm>

int FrameStyleWidth(TFrameStyleEx style) {
    switch (style) {
    case fsNone:
        return 0;
    case fsGroove:
    case fsBump:
    case fsButtonDown:
    case fsButtonUp:
    case fsFlatBold:
        return 2;
    default:
        return 1;
    }
}

RECT DrawFrameStyle(HDC dc, RECT r, TFrameStyleEx style, TColor flatColor) {
    const int width = FrameStyleWidth(style);
    if (width == 0)
        return r;
    UINT edge = 0;
    switch (style) {
    case fsGroove:
        edge = EDGE_ETCHED;
        break;
    case fsBump:
        edge = EDGE_BUMP;
        break;
    case fsButtonDown:
        edge = EDGE_SUNKEN;
        break;
    case fsButtonUp:
        edge = EDGE_RAISED;
        break;
    case fsLowered:
    case fsStatus:
        edge = BDR_SUNKENOUTER;
        break;
    case fsRaised:
    case fsPopup:
        edge = BDR_RAISEDINNER;
        break;
    default: // the flat styles: rings of the flat colour
        break;
    }
    RECT inner = r;
    if (edge) {
        DrawEdge(dc, &inner, edge, BF_RECT | BF_ADJUST);
        return inner;
    }
    TCanvas canvas(dc);
    for (int ring = 0; ring < width; ++ring) {
        canvas.FrameRect(inner, flatColor);
        InflateRect(&inner, -1, -1);
    }
    return inner;
}

TUiSplitterPane::TUiSplitterPane(TComponent* owner) : TUiCustomPanel(owner) {
    SetBorderOuter(fsNone);
    SetTabStop(false);
}

void TUiSplitterPane::SetBorderColor(TColor color) {
    borderColor_ = color;
    Invalidate();
}

void TUiSplitterPane::SetBorderInner(TFrameStyleEx style) {
    borderInner_ = style;
    Realign();
    Invalidate();
}

void TUiSplitterPane::SetBorderWidth(int width) {
    borderWidth_ = std::max(0, width);
    Realign();
    Invalidate();
}

void TUiSplitterPane::SetVisible(bool visible) {
    bool changed = visible != Visible();
    TUiCustomPanel::SetVisible(visible);
    if (changed && OnVisibleChanged)
        OnVisibleChanged();
}

void TUiSplitterPane::AdjustClientRect(RECT& rect) const {
    TUiCustomPanel::AdjustClientRect(rect);
    int inset = borderWidth_ + FrameStyleWidth(borderInner_);
    InflateRect(&rect, -inset, -inset);
}

void TUiSplitterPane::Paint() {
    TUiCustomPanel::Paint();
    if (borderWidth_ == 0 && borderInner_ == fsNone)
        return;
    RECT r = ClientRect();
    RECT outer = BorderRect();
    r = RECT{r.left + outer.left, r.top + outer.top, r.right - outer.right, r.bottom - outer.bottom};
    for (int ring = 0; ring < borderWidth_; ++ring) {
        Canvas().FrameRect(r, borderColor_);
        InflateRect(&r, -1, -1);
    }
    DrawFrameStyle(Canvas().Handle(), r, borderInner_, FlatColor());
}

void TUiSplitterPane::WndProc(TMessage& message) {
    if (message.Msg == WM_NCHITTEST && HandleAllocated()) {
        // Where no child lies, the mouse belongs to the splitter beneath: its bar and its drag
        // see the pointer over the bare pane too. Child windows answer for themselves.
        POINT point = ScreenToClient(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
        if (!ControlAtPos(point, true)) {
            message.Result = HTTRANSPARENT;
            return;
        }
    }
    TUiCustomPanel::WndProc(message);
}
