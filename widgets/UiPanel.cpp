#include "widgets/UiPanel.h"

#include "toolkit/GdiObject.h"
#include "widgets/ColorOps.h"
#include "widgets/UiGradient.h"

#include <algorithm>

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

void TUiCustomPanel::SetAlignmentVertical(TAlignmentVertical alignment) {
    alignmentVertical_ = alignment;
    Invalidate();
}

void TUiCustomPanel::SetTextMargin(int margin) {
    textMargin_ = margin;
    Invalidate();
}

void TUiCustomPanel::SetWordWrap(bool value) {
    wordWrap_ = value;
    Invalidate();
}

TColor TUiCustomPanel::FrameColor() const {
    return AdjustLightness(ColorToRGB(flatColor_), flatColorAdjustment_);
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

void TUiCustomPanel::WndProc(TMessage& message) {
    // The gradient follows the height and the frame the edges: a move or a new size repaints
    // everything, so no column of an old frame or row of an old gradient stays behind.
    if (message.Msg == WM_WINDOWPOSCHANGED) {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(message.LParam);
        if ((pos->flags & (SWP_NOSIZE | SWP_NOMOVE)) != (SWP_NOSIZE | SWP_NOMOVE) && HandleAllocated())
            InvalidateRect(Handle(), nullptr, FALSE);
    }
    TCustomControl::WndProc(message);
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
        const TColor color = FrameColor();
        for (int ring = 0; ring < std::max({border.left, border.top, border.right, border.bottom}); ++ring) {
            if (borderSides_ & sdLeft)
                canvas.FillRect(RECT{r.left + ring, r.top, r.left + ring + 1, r.bottom}, color);
            if (borderSides_ & sdTop)
                canvas.FillRect(RECT{r.left, r.top + ring, r.right, r.top + ring + 1}, color);
            if (borderSides_ & sdRight)
                canvas.FillRect(RECT{r.right - 1 - ring, r.top, r.right - ring, r.bottom}, color);
            if (borderSides_ & sdBottom)
                canvas.FillRect(RECT{r.left, r.bottom - 1 - ring, r.right, r.bottom - ring}, color);
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
    if (visualStyle_ == vsGradient)
        FillVerticalGradient(Canvas(), r, gradientColorStart_, gradientColorStop_);
    else
        Canvas().FillRect(r, Color());
}

UINT TUiCustomPanel::CaptionFormat() const {
    return DT_EXPANDTABS | DT_VCENTER | (wordWrap_ ? DT_WORDBREAK : 0) |
           (alignment_ == taLeftJustify    ? DT_LEFT
            : alignment_ == taRightJustify ? DT_RIGHT
                                           : DT_CENTER);
}

RECT TUiCustomPanel::CaptionRect(TCanvas& canvas, const RECT& inner) const {
    RECT text{inner.left + textMargin_, inner.top + textMargin_, inner.right - textMargin_,
              inner.bottom - textMargin_};
    // Measured in the same width; DT_VCENTER alone does not centre wrapped text.
    RECT measured = text;
    canvas.DrawText(Caption(), measured, CaptionFormat() | DT_CALCRECT);
    const int h = measured.bottom - measured.top;
    if (alignmentVertical_ == avCenter) {
        text.top = (text.bottom + text.top - h) / 2;
        text.bottom = std::min<LONG>(text.bottom, text.top + h);
    } else if (alignmentVertical_ == avBottom) {
        text.top = std::max<LONG>(text.top, text.bottom - h);
    }
    return text;
}

RECT TUiCustomPanel::CaptionRect() {
    TMemoryDC dc(nullptr);
    TCanvas canvas(dc.Handle());
    canvas.Font.Assign(Font());
    RECT inner = ClientRect();
    AdjustClientRect(inner);
    return CaptionRect(canvas, inner);
}

void TUiCustomPanel::PaintCaption(const RECT& r) {
    if (Caption().empty())
        return;
    RECT text = CaptionRect(Canvas(), r);
    Canvas().DrawText(Caption(), text, CaptionFormat());
}
