#pragma once
// TUiSplitter: a container divided into two panes side by side by a bar. The controls named in
// UpperLeftControls and LowerRightControls are moved into the panes when the window's description
// ends, and align themselves there. The left pane is Position pixels wide, the bar
// SplitterWidth, the right pane takes the rest; both reach down the whole height.
#include "widgets/UiPanel.h"

#include <string>
#include <vector>

enum TUiOrientation { orHorizontal, orVertical };

// One of the splitter's two panes: a plain container without a border, never a tab stop.
class TUiSplitterPane : public TUiCustomPanel {
public:
    explicit TUiSplitterPane(TComponent* owner);
};

class TUiSplitter : public TUiCustomPanel {
public:
    explicit TUiSplitter(TComponent* owner);

    TUiOrientation Orientation() const { return orientation_; }
    int Position() const { return position_; }
    // Clamps and takes a new bar position; an equal one changes nothing.
    void SetPosition(int position);
    int SplitterWidth() const { return splitterWidth_; }
    void SetSplitterWidth(int width);
    int MarginMin() const { return marginMin_; }
    int MarginMax() const { return marginMax_; }

    TUiSplitterPane* UpperLeftPane() const { return upperLeft_; }
    TUiSplitterPane* LowerRightPane() const { return lowerRight_; }
    // The bar in client coordinates.
    RECT BarRect() const { return bar_; }

    // Names of the owner's controls that belong in each pane, in tab order.
    std::vector<std::string> UpperLeftControls;
    std::vector<std::string> LowerRightControls;

    TNotifyEvent OnChange;

    void Loaded() override;

protected:
    void Resize() override;
    // The position kept within the splitter: from MarginMin up to the size less the bar.
    int ClampPosition(int position) const;
    // Places both panes and the bar from Position.
    void LayoutPanes();

private:
    void AdoptControls(TUiSplitterPane* pane, const std::vector<std::string>& names);

    TUiSplitterPane* upperLeft_ = nullptr;
    TUiSplitterPane* lowerRight_ = nullptr;
    TUiOrientation orientation_ = orHorizontal;
    int position_ = 100;
    int splitterWidth_ = 4;
    int marginMin_ = 0;
    int marginMax_ = 0;
    RECT bar_{0, 0, 0, 0};
};
