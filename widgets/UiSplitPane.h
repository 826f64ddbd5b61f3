#pragma once
// The splitter's two panes and their settings objects. A pane is a plain container without a
// border of its own and never a tab stop; its bare surface lets the mouse through to the splitter
// (HTTRANSPARENT), so the splitter sees presses and pointer moves there.
#include "widgets/UiPanel.h"

#include <functional>

class TUiSplitterPane : public TUiCustomPanel {
public:
    explicit TUiSplitterPane(TComponent* owner);

    // A plain ring of BorderWidth pixels in BorderColor inside the outer frame, then the inner frame.
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color);
    TFrameStyleEx BorderInner() const { return borderInner_; }
    void SetBorderInner(TFrameStyleEx style);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    // Kept for the description; this toolkit has no docking.
    bool DockSite() const { return dockSite_; }
    void SetDockSite(bool value) { dockSite_ = value; }
    bool ShowDockClientCaptions() const { return showDockClientCaptions_; }
    void SetShowDockClientCaptions(bool value) { showDockClientCaptions_ = value; }

    void SetVisible(bool visible) override;
    void WndProc(TMessage& message) override;

    // Told after the pane was shown or hidden (the splitter lays out again).
    std::function<void()> OnVisibleChanged;

protected:
    void Paint() override;
    void AdjustClientRect(RECT& rect) const override;

private:
    TColor borderColor_ = clBtnFace;
    TFrameStyleEx borderInner_ = fsNone;
    int borderWidth_ = 0;
    bool dockSite_ = false;
    bool showDockClientCaptions_ = true;
};

// The settings of one pane, passed straight through to it.
class TUiPaneData : public TObject {
public:
    explicit TUiPaneData(TUiSplitterPane& pane) : pane_(pane) {}

    TUiSplitterPane& Pane() const { return pane_; }

    TColor BorderColor() const { return pane_.BorderColor(); }
    void SetBorderColor(TColor color) { pane_.SetBorderColor(color); }
    TFrameStyleEx BorderInner() const { return pane_.BorderInner(); }
    void SetBorderInner(TFrameStyleEx style) { pane_.SetBorderInner(style); }
    TFrameStyleEx BorderOuter() const { return pane_.BorderOuter(); }
    void SetBorderOuter(TFrameStyleEx style) { pane_.SetBorderOuter(style); }
    int BorderWidth() const { return pane_.BorderWidth(); }
    void SetBorderWidth(int width) { pane_.SetBorderWidth(width); }
    TColor Color() const { return pane_.Color(); }
    void SetColor(TColor color) { pane_.SetColor(color); }
    TColor FlatColor() const { return pane_.FlatColor(); }
    void SetFlatColor(TColor color) { pane_.SetFlatColor(color); }
    int FlatColorAdjustment() const { return pane_.FlatColorAdjustment(); }
    void SetFlatColorAdjustment(int value) { pane_.SetFlatColorAdjustment(value); }
    bool DockSite() const { return pane_.DockSite(); }
    void SetDockSite(bool value) { pane_.SetDockSite(value); }
    bool ShowDockClientCaptions() const { return pane_.ShowDockClientCaptions(); }
    void SetShowDockClientCaptions(bool value) { pane_.SetShowDockClientCaptions(value); }
    bool Visible() const { return pane_.Visible(); }
    void SetVisible(bool visible) { pane_.SetVisible(visible); }

private:
    TUiSplitterPane& pane_;
};

// Thickness of one frame of a style: none, one pixel, or two for the doubled styles.
int FrameStyleWidth(TFrameStyleEx style);
// Draws a frame of a style just inside rect on dc and returns what lies inside it.
RECT DrawFrameStyle(HDC dc, RECT rect, TFrameStyleEx style, TColor flatColor);
