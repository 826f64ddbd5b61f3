#pragma once
// The splitter's geometry and its drag state machine, without windows.h: where the panes and the
// bar go, how a candidate position is kept inside the splitter, the percentage of a position, the
// stored list syntax, and the press-move-release-Escape machine that drives the ghost bar.
#include "toolkit/AlignLayout.h"
#include "toolkit/ControlTypes.h"

#include <string>
#include <vector>

enum TUiOrientation { orHorizontal, orVertical };

// What decides the layout: the client size, the bar and which panes show.
struct TSplitGeometry {
    TUiOrientation Orientation = orHorizontal;
    int Width = 0;
    int Height = 0;
    int Position = 0;
    int SplitterWidth = 0;
    // Frame thickness on every side; the panes and the bar lie inside it.
    int Border = 0;
    bool UpperLeftVisible = true;
    bool LowerRightVisible = true;
};

struct TSplitLayout {
    TBounds UpperLeft;
    TBounds LowerRight;
    // Left, top, right, bottom, as the bar rectangle is kept.
    int Bar[4] = {0, 0, 0, 0};
};

TSplitLayout LayoutSplit(const TSplitGeometry& g);

struct TSplitLimits {
    int Size = 0; // the width with orHorizontal, the height with orVertical
    int MarginMin = 0;
    int MarginMax = 0;
    int SplitterWidth = 0;
    int Border = 0;
    bool BothVisible = true;
};

// Keeps a candidate position inside the splitter: MarginMin first, then the upper limit, which wins.
int ClampSplitPosition(int position, const TSplitLimits& limits);

// position * 100 / (size - splitterWidth div 2), to the nearest integer with ties to even; 0 when
// the divisor is 0.
int SplitPercent(int position, int size, int splitterWidth);

// Rounds numerator / denominator to the nearest integer, ties to the even one.
int DivideRoundHalfEven(long long numerator, long long denominator);

// The words of a stored list "(a b c)"; a bare word is a list of one. Parentheses are optional.
std::vector<std::string> ParseStoredList(const std::string& text);
// A stored integer; false when the text is not one.
bool ParseStoredInt(const std::string& text, int& value);
// A stored Boolean ("True" or "False", any case); false when the text is neither.
bool ParseStoredBool(const std::string& text, bool& value);

// What the drag machine asks of the splitter. Positions are along the splitter's axis.
class TSplitDragHost {
public:
    virtual ~TSplitDragHost() = default;
    virtual int DragPosition() const = 0;
    virtual void DragTakeFocus() = 0;
    virtual void DragCapture(bool capture) = 0;
    // Inverts the ghost bar at a position; drawing it twice at one place erases it.
    virtual void DragGhost(int position) = 0;
    virtual int DragClamp(int candidate) const = 0;
    // OnChanging: false refuses the candidate.
    virtual bool DragAllowed(int candidate) = 0;
    // Takes a position as setting Position does (nothing when equal).
    virtual void DragTake(int position) = 0;
    // The position the splitter returns to when it grows again.
    virtual void DragRestore(int position) = 0;
};

// Idle until a left press on the bar; dragging until the left release, Escape or a lost capture.
class TSplitDrag {
public:
    explicit TSplitDrag(TSplitDragHost& host) : host_(host) {}

    bool Dragging() const { return dragging_; }
    int LastGhost() const { return lastGhost_; }

    // Returns whether the press started a drag. pointer is along the axis; size is the splitter's
    // width (height).
    bool Press(TMouseButton button, int pointer, int size, bool onBar, bool lockBar, bool realTime);
    void Move(int pointer, int size);
    // Other buttons are ignored while dragging.
    void Release(TMouseButton button);
    // Keys other than Escape do nothing.
    void Key(unsigned key);
    // Another window took the mouse: ends the drag as Escape does (the outline goes, the bar
    // stays), without releasing the capture again and without touching the restore position.
    void CaptureLost();

private:
    // Ends the drag by the user's choice: the outline goes, the capture is given back, the bar takes
    // the outline's place when take is set, and the restore position follows the bar.
    void Finish(bool take);

    TSplitDragHost& host_;
    bool dragging_ = false;
    bool realTime_ = false;
    int start_ = 0;
    int grab_ = 0;
    int lastGhost_ = 0;
};
