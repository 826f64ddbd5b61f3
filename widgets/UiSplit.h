#pragma once
// TUiSplitter: a container divided into two panes by a bar that the user drags. With orHorizontal
// the upper/left pane is Position pixels wide, the bar SplitterWidth, the lower/right pane takes
// the rest (orVertical: the same downwards). The controls named in UpperLeftControls and
// LowerRightControls move into the panes when the window's description ends. A drag moves a
// checkerboard outline drawn on the screen (unless RealTimeDrag) and takes the position at the
// left release; Escape or a lost capture cancel it. When the splitter is resized the fixed pane
// keeps its size, and a pane squeezed by a smaller splitter grows back to the last chosen size.
#include "widgets/SplitLogic.h"
#include "widgets/UiSplitPane.h"

#include "toolkit/GdiObject.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

enum TUiFixedPane { fpUpperLeft, fpLowerRight };
enum TUiSplitterStyle { ssStandard, ssGroove, ssBump, ssGroupBar };

using TPositionChangingEvent = TEvent<TObject*, int, bool&>;

// A cursor loaded from the program's resources, destroyed with its owner.
class TOwnedCursor {
public:
    explicit TOwnedCursor(const char* resourceName);
    ~TOwnedCursor();
    TOwnedCursor(const TOwnedCursor&) = delete;
    TOwnedCursor& operator=(const TOwnedCursor&) = delete;
    HCURSOR Handle() const { return cursor_; }

private:
    HCURSOR cursor_ = nullptr;
};

class TUiSplitter : public TUiCustomPanel, private TSplitDragHost {
public:
    explicit TUiSplitter(TComponent* owner);
    ~TUiSplitter() override;

    TUiOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUiOrientation orientation);
    int Position() const { return position_; }
    // Takes a new bar position: clamped, asked of OnChanging, laid out, told to OnChange. An
    // equal one changes nothing.
    void SetPosition(int position);
    std::uint16_t SplitterWidth() const { return splitterWidth_; }
    void SetSplitterWidth(std::uint16_t width);
    int MarginMin() const { return marginMin_; }
    void SetMarginMin(int value);
    int MarginMax() const { return marginMax_; }
    void SetMarginMax(int value);
    TUiFixedPane FixedPane() const { return fixedPane_; }
    void SetFixedPane(TUiFixedPane pane);
    // With UsePercent a resize keeps Percent (held within PercentMin..PercentMax) instead of a
    // pane's size.
    bool UsePercent() const { return usePercent_; }
    void SetUsePercent(bool value) { usePercent_ = value; }
    int Percent() const { return percent_; }
    void SetPercent(int percent);
    int PercentMin() const { return percentMin_; }
    void SetPercentMin(int value) { percentMin_ = value; }
    int PercentMax() const { return percentMax_; }
    void SetPercentMax(int value) { percentMax_ = value; }
    bool RealTimeDrag() const { return realTimeDrag_; }
    void SetRealTimeDrag(bool value) { realTimeDrag_ = value; }
    bool LockBar() const { return lockBar_; }
    void SetLockBar(bool value) { lockBar_ = value; }
    TUiSplitterStyle SplitterStyle() const { return splitterStyle_; }
    void SetSplitterStyle(TUiSplitterStyle style);
    // The collapse button: a 40-pixel stretch in the middle of the bar; a left press on it closes the
    // fixed pane (the bar to its end) and the next opens it again at HotSpotPosition.
    bool HotSpotVisible() const { return hotSpotVisible_; }
    void SetHotSpotVisible(bool value);
    bool HotSpotClosed() const { return hotSpotClosed_; }
    bool HotSpotClosedToMin() const { return hotSpotClosedToMin_; }
    bool HotSpotClosedToMax() const { return hotSpotClosedToMax_; }
    int HotSpotPosition() const { return hotSpotPosition_; }
    RECT HotSpotRect() const;
    void ToggleHotSpot();
    TFrameStyleEx BorderInner() const { return borderInner_; }
    void SetBorderInner(TFrameStyleEx style);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    // Frame thickness on every side: outer and inner frames and BorderWidth.
    int BorderThickness() const;

    TUiPaneData& UpperLeft() { return *upperLeftData_; }
    TUiPaneData& LowerRight() { return *lowerRightData_; }
    TUiSplitterPane* UpperLeftPane() const { return upperLeft_; }
    TUiSplitterPane* LowerRightPane() const { return lowerRight_; }

    // The bar in client coordinates.
    RECT BarRect() const { return bar_; }
    // The position a resize returns to (a size of the fixed pane).
    int RestorePosition() const { return restore_; }
    bool Dragging() const { return drag_.Dragging(); }

    // Names of the owner's controls that belong in each pane, in tab order.
    std::vector<std::string> UpperLeftControls;
    std::vector<std::string> LowerRightControls;

    // Reads one key of the stored description (lists as "(a b c)"); false for a key the splitter
    // does not store. A value that does not fit its key throws.
    bool ReadStoredKey(const std::string& key, const std::string& value);

    TPositionChangingEvent OnChanging;
    TNotifyEvent OnChange;

    void Loaded() override;
    void WndProc(TMessage& message) override;

protected:
    void Resize() override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    // Inverts the ghost bar on the screen at a position; tests watch it here.
    virtual void DrawGhost(int position);

    // The position kept within the splitter: from MarginMin up to the size less the bar.
    int ClampPosition(int position) const;
    // Places both panes and the bar from Position.
    void LayoutPanes();

private:
    // TSplitDragHost
    int DragPosition() const override { return position_; }
    void DragTakeFocus() override;
    void DragCapture(bool capture) override;
    void DragGhost(int position) override { DrawGhost(position); }
    int DragClamp(int candidate) const override { return ClampPosition(candidate); }
    bool DragAllowed(int candidate) override;
    void DragTake(int position) override { TakePosition(position, false); }
    void DragRestore(int position) override;

    void TakePosition(int position, bool forced);
    void GeometryChanged();
    int AxisSize() const;
    int AxisOf(int x, int y) const { return orientation_ == orHorizontal ? x : y; }
    int FixedSizeOf(int position) const;
    bool OnBar(int x, int y) const;
    bool OnHotSpot(int x, int y) const;
    void AdoptControls(TUiSplitterPane* pane, const std::vector<std::string>& names);
    void PaintBarDecoration();

    TUiSplitterPane* upperLeft_ = nullptr;
    TUiSplitterPane* lowerRight_ = nullptr;
    std::unique_ptr<TUiPaneData> upperLeftData_;
    std::unique_ptr<TUiPaneData> lowerRightData_;
    GdiBitmap pattern_;
    TOwnedCursor cursorHorz_{"UISPLIT_HORZ"};
    TOwnedCursor cursorVert_{"UISPLIT_VERT"};
    TOwnedCursor cursorHorzHotSpot_{"UISPLIT_HORZHOTSPOT"};
    TOwnedCursor cursorVertHotSpot_{"UISPLIT_VERTHOTSPOT"};

    TUiOrientation orientation_ = orHorizontal;
    int position_ = 100;
    std::uint16_t splitterWidth_ = 4;
    int marginMin_ = 0;
    int marginMax_ = 0;
    TUiFixedPane fixedPane_ = fpUpperLeft;
    bool usePercent_ = false;
    int percent_ = 50;
    int percentMin_ = 0;
    int percentMax_ = 100;
    bool realTimeDrag_ = false;
    bool lockBar_ = false;
    TUiSplitterStyle splitterStyle_ = ssStandard;
    bool hotSpotVisible_ = false;
    bool hotSpotClosed_ = false;
    bool hotSpotClosedToMin_ = false;
    bool hotSpotClosedToMax_ = false;
    int hotSpotPosition_ = 0;
    TFrameStyleEx borderInner_ = fsNone;
    int borderWidth_ = 0;

    RECT bar_{0, 0, 0, 0};
    int restore_ = 100;
    int fixedSize_ = 100;
    bool resizing_ = false;
    TSplitDrag drag_{*this};
};
