#include "widgets/UiPanel.h"

#include <algorithm>

namespace {

// One channel of the mix of a and b, t of 0 giving a and span giving b.
int Mix(int a, int b, int t, int span) {
    return span <= 0 ? b : a + (b - a) * t / span;
}

} // namespace

TUiCustomPanel::TUiCustomPanel(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(ControlStyle() | csAcceptsControls);
    SetBounds(0, 0, 185, 41);
}

void TUiCustomPanel::Changed() {
    Realign();
    Invalidate();
}

void TUiCustomPanel::SetBorderOuter(TFrameStyleEx style) {
    borderOuter_ = style;
    Changed();
}

void TUiCustomPanel::SetBorderSides(TSides sides) {
    borderSides_ = sides;
    Changed();
}

void TUiCustomPanel::SetFlatColor(TColor color) {
    flatColor_ = color;
    Invalidate();
}

void TUiCustomPanel::SetFlatColorAdjustment(int value) {
    flatColorAdjustment_ = value;
    Invalidate();
}

void TUiCustomPanel::SetVisualStyle(TVisualStyle style) {
    visualStyle_ = style;
    Invalidate();
}

void TUiCustomPanel::SetGradientColorStyle(TGradientColorStyle style) {
    gradientColorStyle_ = style;
    Invalidate();
}

void TUiCustomPanel::SetGradientColorStart(TColor color) {
    gradientColorStart_ = color;
    Invalidate();
}

void TUiCustomPanel::SetGradientColorStop(TColor color) {
    gradientColorStop_ = color;
    Invalidate();
}

void TUiCustomPanel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    Invalidate();
}

RECT TUiCustomPanel::BorderRect() const {
    if (borderOuter_ == fsNone)
        return RECT{0, 0, 0, 0};
    // Flat frames are one pixel wide and only on their sides; the others go all round.
    if (borderOuter_ == fsFlat)
        return RECT{(borderSides_ & sdLeft) ? 1 : 0, (borderSides_ & sdTop) ? 1 : 0,
                    (borderSides_ & sdRight) ? 1 : 0, (borderSides_ & sdBottom) ? 1 : 0};
    int width = borderOuter_ == fsFlatBold ? 2 : 1;
    return RECT{width, width, width, width};
}

void TUiCustomPanel::AdjustClientRect(RECT& rect) const {
    RECT border = BorderRect();
    rect.left += border.left;
    rect.top += border.top;
    rect.right -= border.right;
    rect.bottom -= border.bottom;
}

void TUiCustomPanel::Resize() {
    // The gradient depends on the height and the frame on the width: everything repaints.
    Invalidate();
    TCustomControl::Resize();
}

void TUiCustomPanel::EraseBackground(HDC dc) {
    // The paint covers the whole panel itself.
    (void)dc;
}

void TUiCustomPanel::Paint() {
    RECT inner = PaintFrame(ClientRect());
    PaintBackground(inner);
    PaintCaption(inner);
}

RECT TUiCustomPanel::PaintFrame(RECT r) {
    TCanvas& canvas = Canvas();
    RECT border = BorderRect();
    if (borderOuter_ == fsNone)
        return r;
    if (borderOuter_ == fsFlat || borderOuter_ == fsFlatBold) {
        for (int ring = 0; ring < std::max({border.left, border.top, border.right, border.bottom}); ++ring) {
            if (borderSides_ & sdLeft)
                canvas.Line(r.left + ring, r.top, r.left + ring, r.bottom, flatColor_);
            if (borderSides_ & sdTop)
                canvas.Line(r.left, r.top + ring, r.right, r.top + ring, flatColor_);
            if (borderSides_ & sdRight)
                canvas.Line(r.right - 1 - ring, r.top, r.right - 1 - ring, r.bottom, flatColor_);
            if (borderSides_ & sdBottom)
                canvas.Line(r.left, r.bottom - 1 - ring, r.right, r.bottom - 1 - ring, flatColor_);
        }
    } else {
        bool raised = borderOuter_ == fsRaised || borderOuter_ == fsButtonUp;
        TColor light = raised ? clBtnHighlight : clBtnShadow;
        TColor dark = raised ? clBtnShadow : clBtnHighlight;
        canvas.Line(r.left, r.top, r.right, r.top, light);
        canvas.Line(r.left, r.top, r.left, r.bottom, light);
        canvas.Line(r.left, r.bottom - 1, r.right, r.bottom - 1, dark);
        canvas.Line(r.right - 1, r.top, r.right - 1, r.bottom, dark);
    }
    return RECT{r.left + border.left, r.top + border.top, r.right - border.right, r.bottom - border.bottom};
}

void TUiCustomPanel::PaintBackground(const RECT& r) {
    TCanvas& canvas = Canvas();
    int height = r.bottom - r.top;
    if (visualStyle_ != vsGradient || height <= 0 || r.right <= r.left) {
        canvas.FillRect(r, Color());
        return;
    }
    // Row by row from the start colour at the top to the stop colour on the last row.
    TColor start = ColorToRGB(gradientColorStart_);
    TColor stop = ColorToRGB(gradientColorStop_);
    for (int y = 0; y < height; ++y) {
        TColor row = MakeColor(static_cast<std::uint8_t>(Mix(RedOf(start), RedOf(stop), y, height - 1)),
                               static_cast<std::uint8_t>(Mix(GreenOf(start), GreenOf(stop), y, height - 1)),
                               static_cast<std::uint8_t>(Mix(BlueOf(start), BlueOf(stop), y, height - 1)));
        canvas.FillRect(RECT{r.left, r.top + y, r.right, r.top + y + 1}, row);
    }
}

void TUiCustomPanel::PaintCaption(const RECT& r) {
    std::string caption = Caption();
    if (caption.empty())
        return;
    RECT text = r;
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_EXPANDTABS |
                  (alignment_ == taLeftJustify    ? DT_LEFT
                   : alignment_ == taRightJustify ? DT_RIGHT
                                                  : DT_CENTER);
    Canvas().DrawText(caption, text, format);
}
