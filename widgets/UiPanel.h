#pragma once
// TUiCustomPanel: a windowed container that paints its own frame and background and writes its
// caption; the pane headers (TUiPanel) and the splitter with its panes build on it. The flat frame
// is a line in FlatColor, lightened or darkened by FlatColorAdjustment, on the chosen sides; with
// vsGradient the inside is a vertical gradient from GradientColorStart at the top to
// GradientColorStop at the bottom, otherwise Color. The caption is drawn by DrawTextA, wrapped,
// aligned by Alignment and AlignmentVertical. Any change of size or position repaints it all.
#include "toolkit/CustomControl.h"
#include "widgets/UiTypes.h"

class TUiCustomPanel : public TCustomControl {
public:
    explicit TUiCustomPanel(TComponent* owner);

    TFrameStyleEx BorderOuter() const { return borderOuter_; }
    void SetBorderOuter(TFrameStyleEx style);
    TSides BorderSides() const { return borderSides_; }
    void SetBorderSides(TSides sides);
    TColor FlatColor() const { return flatColor_; }
    void SetFlatColor(TColor color);
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    void SetFlatColorAdjustment(int value);

    TVisualStyle VisualStyle() const { return visualStyle_; }
    void SetVisualStyle(TVisualStyle style);
    TGradientColorStyle GradientColorStyle() const { return gradientColorStyle_; }
    void SetGradientColorStyle(TGradientColorStyle style);
    TColor GradientColorStart() const { return gradientColorStart_; }
    void SetGradientColorStart(TColor color);
    TColor GradientColorStop() const { return gradientColorStop_; }
    void SetGradientColorStop(TColor color);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TAlignmentVertical AlignmentVertical() const { return alignmentVertical_; }
    void SetAlignmentVertical(TAlignmentVertical alignment);
    int TextMargin() const { return textMargin_; }
    void SetTextMargin(int margin);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);

    // The frame's colour now: FlatColor resolved and adjusted.
    TColor FrameColor() const;
    // Where the caption is drawn, in the panel's font.
    RECT CaptionRect();

    // The frame's width on each side (left, top, right, bottom), from the style and the sides.
    RECT BorderRect() const;

protected:
    void Paint() override;
    void EraseBackground(HDC dc) override;
    void AdjustClientRect(RECT& rect) const override;
    void Resize() override;
    void WndProc(TMessage& message) override;
    // Draws the frame and returns what lies inside it.
    virtual RECT PaintFrame(RECT rect);
    virtual void PaintBackground(const RECT& rect);
    virtual void PaintCaption(const RECT& rect);
    RECT CaptionRect(TCanvas& canvas, const RECT& inner) const;
    UINT CaptionFormat() const;

private:
    void Changed();

    TFrameStyleEx borderOuter_ = fsRaised;
    TSides borderSides_ = sdAll;
    TColor flatColor_ = clBtnShadow;
    int flatColorAdjustment_ = 30;
    TVisualStyle visualStyle_ = vsWinXP;
    TGradientColorStyle gradientColorStyle_ = gcsSystem;
    TColor gradientColorStart_ = clWhite;
    TColor gradientColorStop_ = clBtnFace;
    TAlignment alignment_ = taCenter;
    TAlignmentVertical alignmentVertical_ = avCenter;
    int textMargin_ = 0;
    bool wordWrap_ = true;
};

// A header strip: the panel as the window's description uses it.
class TUiPanel : public TUiCustomPanel {
public:
    explicit TUiPanel(TComponent* owner) : TUiCustomPanel(owner) {}
};
