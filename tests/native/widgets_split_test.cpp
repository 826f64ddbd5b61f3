// The splitter's geometry and drag machine: layout, clamping, percent, the stored list syntax, and the
// sequences of host calls that each run of mouse and key events makes.
#include "widgets/SplitLogic.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<int> Flat(const TSplitLayout& l) {
    const TBounds& a = l.UpperLeft;
    const TBounds& b = l.LowerRight;
    return {a.Left,   a.Top,    a.Width, a.Height, l.Bar[0], l.Bar[1],
            l.Bar[2], l.Bar[3], b.Left,  b.Top,    b.Width,  b.Height};
}

TEST(SplitLayout, PanesEitherSideOfTheBarInBothOrientationsAndAloneWhenOneIsHidden) {
    struct Case {
        const char* Name;
        TSplitGeometry G;
        std::vector<int> Expected; // upper/left, bar (left top right bottom), lower/right
    } cases[] = {
        {"main window",
         {orHorizontal, 688, 377, 342, 4, 0, true, true},
         {0, 0, 342, 377, 342, 0, 346, 377, 346, 0, 342, 377}},
        {"vertical",
         {orVertical, 300, 200, 50, 4, 0, true, true},
         {0, 0, 300, 50, 0, 50, 300, 54, 0, 54, 300, 146}},
        {"inside a border",
         {orHorizontal, 100, 50, 10, 4, 2, true, true},
         {2, 2, 10, 46, 12, 2, 16, 48, 16, 2, 82, 46}},
        {"left pane hidden",
         {orHorizontal, 688, 377, 342, 4, 0, false, true},
         {0, 0, 0, 377, 0, 0, 0, 0, 0, 0, 688, 377}},
        {"lower pane hidden",
         {orVertical, 300, 200, 50, 4, 0, true, false},
         {0, 0, 300, 200, 0, 0, 0, 0, 0, 0, 300, 0}},
        {"bar past the end",
         {orHorizontal, 10, 10, 20, 4, 0, true, true},
         {0, 0, 20, 10, 20, 0, 24, 10, 24, 0, 0, 10}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.Expected, Flat(LayoutSplit(c.G))) << c.Name;
}

TEST(SplitClamp, MarginMinFirstThenTheUpperLimitWhichWins) {
    struct Case {
        const char* Name;
        int Candidate;
        TSplitLimits Limits;
        int Expected;
    } cases[] = {
        {"inside", 442, {688, 0, 0, 4, 0, true}, 442},
        {"far left", -500, {688, 0, 0, 4, 0, true}, 0},
        {"far right", 5000, {688, 0, 0, 4, 0, true}, 684},
        {"MarginMin", 5, {688, 20, 0, 4, 0, true}, 20},
        {"MarginMax and border", 5000, {688, 0, 30, 4, 2, true}, 650},
        {"limit wins over MarginMin", 5, {100, 200, 0, 4, 0, true}, 96},
        {"a hidden pane: unchanged", -50, {688, 20, 0, 4, 0, false}, -50},
        {"a narrow splitter", 342, {345, 0, 0, 4, 0, true}, 341},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.Expected, ClampSplitPosition(c.Candidate, c.Limits)) << c.Name;
}

TEST(SplitPercent, RoundsToTheNearestWithTiesToEven) {
    struct Case {
        int Position, Size, Width, Expected;
    } cases[] = {
        {342, 688, 4, 50}, {0, 688, 4, 0},   {684, 688, 4, 100}, // 342 * 100 / 686 = 49.85
        {1, 202, 4, 0},    {3, 202, 4, 2},   {5, 202, 4, 2},     // 0.5, 1.5, 2.5
        {-1, 202, 4, 0},   {-3, 202, 4, -2},                     // -0.5, -1.5
        {7, 2, 4, 0},                                            // divisor 0
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.Expected, SplitPercent(c.Position, c.Size, c.Width))
            << c.Position << " of " << c.Size << " less " << c.Width;
}

TEST(SplitStoredValues, ListsIntegersAndBooleans) {
    EXPECT_EQ((std::vector<std::string>{"342", "0", "346", "377"}), ParseStoredList("(342 0 346 377)"));
    EXPECT_EQ((std::vector<std::string>{"MemoO", "UiPanel1"}), ParseStoredList("( MemoO  UiPanel1 )"));
    EXPECT_TRUE(ParseStoredList("()").empty());
    int i = 7;
    bool b = false;
    for (const char* bad : {"", "12x", "1 2", "(", "99999999999"})
        EXPECT_FALSE(ParseStoredInt(bad, i)) << bad;
    EXPECT_EQ(7, i);
    EXPECT_TRUE(ParseStoredInt("-12", i) && i == -12);
    EXPECT_TRUE(ParseStoredBool("TRUE", b) && b);
    EXPECT_TRUE(ParseStoredBool("False", b) && !b);
    EXPECT_FALSE(ParseStoredBool("yes", b));
}

// A splitter of 688 pixels with the bar at 342 (pointer 344 is on it), clamped to 0..684; it logs every call.
class RecordingHost : public TSplitDragHost {
public:
    std::vector<std::string> Log;
    std::set<int> Refused;
    int Position = 342;
    int Restore = 342;

    int DragPosition() const override { return Position; }
    void DragTakeFocus() override { Log.push_back("focus"); }
    void DragCapture(bool capture) override { Log.push_back(capture ? "capture" : "release"); }
    void DragGhost(int p) override { Log.push_back("ghost " + std::to_string(p)); }
    int DragClamp(int c) const override { return c < 0 ? 0 : c > 684 ? 684 : c; }
    bool DragAllowed(int c) override { return Refused.count(c) == 0; }
    void DragTake(int p) override {
        if (p != Position && DragAllowed(p))
            Position = p, Log.push_back("take " + std::to_string(p));
    }
    void DragRestore(int p) override { Restore = p, Log.push_back("restore " + std::to_string(p)); }
};

// A run of events, "L344 M444 U": L left press on the bar at x, O left press off it, R right press on it,
// M move to x, U left up, u right up, E Escape, K another key, C capture lost.
void Feed(TSplitDrag& drag, const std::string& events, bool lockBar, bool realTime) {
    std::istringstream in(events);
    for (std::string e; in >> e;) {
        int x = e.size() > 1 ? std::stoi(e.substr(1)) : 0;
        char k = e[0];
        if (k == 'L' || k == 'O' || k == 'R')
            drag.Press(k == 'R' ? mbRight : mbLeft, x, 688, k != 'O', lockBar, realTime);
        else if (k == 'M')
            drag.Move(x, 688);
        else if (k == 'U' || k == 'u')
            drag.Release(k == 'U' ? mbLeft : mbRight);
        else if (k == 'E' || k == 'K')
            drag.Key(k == 'E' ? 27 : 'A');
        else if (k == 'C')
            drag.CaptureLost();
    }
}

TEST(SplitDrag, EachRunOfEventsMakesItsCallsInOrder) {
    using Log = std::vector<std::string>;
    const Log start{"focus", "capture", "ghost 342"};
    auto with = [&](Log tail) {
        Log all = start;
        all.insert(all.end(), tail.begin(), tail.end());
        return all;
    };
    struct Case {
        const char* Name;
        const char* Events;
        bool LockBar, RealTime;
        std::set<int> Refused;
        Log Expected;
        int Position, Restore;
    } cases[] = {
        // clang-format off
        {"100 right and release", "L344 M444 U", false, false, {}, with({"ghost 342", "ghost 442", "release", "ghost 442", "take 442", "restore 442"}), 442, 442},
        {"past both ends, the last one counts", "L344 M5000 M-900 U", false, false, {}, with({"ghost 342", "ghost 684", "ghost 684", "ghost 0", "release", "ghost 0", "take 0", "restore 0"}), 0, 0},
        {"a click on the bar", "L344 U", false, false, {}, with({"release", "ghost 342", "restore 342"}), 342, 342},
        {"a move that lands on the outline draws nothing", "L344 M344 U", false, false, {}, with({"release", "ghost 342", "restore 342"}), 342, 342},
        {"Escape", "L344 M444 K E U M500", false, false, {}, with({"ghost 342", "ghost 442", "release", "ghost 442", "restore 342"}), 342, 342},
        {"capture lost: outline erased, restore untouched", "L344 M444 C U E", false, false, {}, with({"ghost 342", "ghost 442", "ghost 442"}), 342, 100},
        {"a refused candidate leaves the ghost", "L344 M444 M500 U", false, false, {498}, with({"ghost 342", "ghost 442", "release", "ghost 442", "take 442", "restore 442"}), 442, 442},
        {"right button: ignored before and during", "R344 L344 u R344 U", false, false, {}, with({"release", "ghost 342", "restore 342"}), 342, 342},
        {"off the bar", "O200 M300 U", false, false, {}, {}, 342, 100},
        {"locked bar", "L344 M444 U", true, false, {}, {}, 342, 100},
        {"real time: no focus, no ghost, the panes follow", "L344 M444 E U", false, true, {}, {"capture", "take 442", "restore 442", "release"}, 442, 442},
        // clang-format on
    };
    for (const Case& c : cases) {
        RecordingHost host;
        host.Restore = 100;
        host.Refused = c.Refused;
        TSplitDrag drag(host);
        Feed(drag, c.Events, c.LockBar, c.RealTime);
        EXPECT_EQ(c.Expected, host.Log) << c.Name;
        EXPECT_EQ(c.Position, host.Position) << c.Name;
        EXPECT_EQ(c.Restore, host.Restore) << c.Name;
        EXPECT_FALSE(drag.Dragging()) << c.Name;
    }
}

} // namespace
