// The splitter on a form of its own, set up as the main window's: drags through window messages with
// the calls they make, resizing with the restore position, the stored keys, the panes' hit test and
// settings, the split cursor.
#include "tests/win32/Pump.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "widgets/UiEdit.h"
#include "widgets/UiSplit.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// Logs the outline as it is drawn (and draws it).
class LoggingSplitter : public TUiSplitter {
public:
    LoggingSplitter(TComponent* owner, Log& log) : TUiSplitter(owner), log_(log) {}

protected:
    void DrawGhost(int position) override {
        log_.push_back("ghost " + std::to_string(position));
        TUiSplitter::DrawGhost(position);
    }

private:
    Log& log_;
};

class Splitter : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        form = new TForm(Application);
        form->SetBorderStyle(bsNone);
        form->SetBounds(40, 40, 713, 486);
        split = new LoggingSplitter(form, log);
        split->SetParent(form);
        split->SetBounds(12, 97, 688, 377);
        split->SetColor(clWhite);
        split->SetPosition(342);
        split->ReadStoredKey("UpperLeftControls", "(Left Missing)");
        split->ReadStoredKey("LowerRightControls", "(Header)");
        left = new TUiMemo(form);
        left->SetName("Left");
        left->SetParent(split);
        left->SetAlign(alClient);
        header = new TUiPanel(form);
        header->SetName("Header");
        header->SetParent(split);
        header->SetAlign(alTop);
        header->SetHeight(25);
        split->OnChanging = [this](TObject*, int p, bool& allow) {
            log.push_back("changing " + std::to_string(p));
            allow = p != refused;
        };
        split->OnChange = [this](TObject*) { log.push_back("change"); };
        form->SetActiveControl(left);
        form->AfterConstruction();
        form->Show();
        PumpUntilShown(form->Handle());
        log.clear();
    }
    void TearDown() override { delete form; }

    HWND Bar() { return split->Handle(); }
    void Send(UINT msg, int x, WPARAM keys = 0) { SendMessageA(Bar(), msg, keys, MAKELPARAM(x, 100)); }
    Log Take() { return std::exchange(log, {}); }

    TForm* form = nullptr;
    LoggingSplitter* split = nullptr;
    TUiMemo* left = nullptr;
    TUiPanel* header = nullptr;
    Log log;
    int refused = -1;
};

} // namespace

TEST_F(Splitter, EndOfLoadingMovesTheNamedControlsAndKeepsTheActiveControl) {
    EXPECT_EQ(split->UpperLeftPane(), left->Parent());
    EXPECT_EQ(split->LowerRightPane(), header->Parent());
    EXPECT_EQ(left, form->ActiveControl());
    EXPECT_EQ(50, split->Percent());
    EXPECT_EQ(342, split->RestorePosition());
}

TEST_F(Splitter, ADragThroughWindowMessagesEndsByReleaseEscapeOrALostCapture) {
    const Log moved{"ghost 342", "changing 442", "ghost 342", "ghost 442"};
    auto then = [&](Log tail) {
        Log all = moved;
        all.insert(all.end(), tail.begin(), tail.end());
        return all;
    };
    struct Case {
        const char* Name;
        int Refused;
        std::function<void()> End;
        Log Expected;
        int Position;
    } cases[] = {
        {"release", -1, [&] { Send(WM_LBUTTONUP, 444); }, then({"ghost 442", "changing 442", "change"}), 442},
        {"Escape", -1, [&] { SendMessageA(Bar(), WM_KEYDOWN, VK_ESCAPE, 1); }, then({"ghost 442"}), 342},
        {"capture taken", -1, [&] { SetCapture(form->Handle()), ReleaseCapture(); }, then({"ghost 442"}),
         342},
        {"refused", 442, [&] { Send(WM_LBUTTONUP, 444); }, {"ghost 342", "changing 442", "ghost 342"}, 342},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        split->SetPosition(342);
        refused = c.Refused;
        SetFocus(left->Handle());
        Take();
        Send(WM_LBUTTONDOWN, 344, MK_LBUTTON);
        EXPECT_EQ(split->Handle(), GetFocus());
        EXPECT_EQ(split->Handle(), GetCapture());
        Send(WM_MOUSEMOVE, 444, MK_LBUTTON);
        c.End();
        // Nothing after the end reaches the drag.
        Send(WM_MOUSEMOVE, 500, MK_LBUTTON);
        Send(WM_LBUTTONUP, 500);
        EXPECT_EQ(c.Expected, Take());
        EXPECT_EQ(c.Position, split->Position());
        EXPECT_EQ(c.Position, split->RestorePosition());
        EXPECT_FALSE(split->Dragging());
        EXPECT_EQ(nullptr, GetCapture());
        EXPECT_EQ(split->Handle(), GetFocus());
    }
}

TEST_F(Splitter, ResizingKeepsTheLeftPaneAndGrowsBackToTheLastChosenPosition) {
    struct Step {
        const char* What;
        std::function<void()> Act;
        int Position;
    } steps[] = {
        {"narrower than the bar", [&] { split->SetWidth(300); }, 296},
        {"wide again", [&] { split->SetWidth(688); }, 342},
        {"dragged",
         [&] { Send(WM_LBUTTONDOWN, 344, MK_LBUTTON), Send(WM_MOUSEMOVE, 444), Send(WM_LBUTTONUP, 0); }, 442},
        {"wider", [&] { split->SetWidth(900); }, 442},
        {"narrow", [&] { split->SetWidth(400); }, 396},
        {"by program", [&] { split->SetPosition(100); }, 100},
        {"the restore position stays the user's", [&] { split->SetWidth(600); }, 442},
        {"a pane held closed does not grow back",
         [&] { split->ReadStoredKey("HotSpotClosed", "True"), split->SetWidth(300), split->SetWidth(688); },
         296},
    };
    for (const Step& s : steps) {
        s.Act();
        EXPECT_EQ(s.Position, split->Position()) << s.What;
        EXPECT_EQ(split->Width() - s.Position - 4, split->LowerRightPane()->Width()) << s.What;
    }
}

TEST_F(Splitter, TheOtherFixedPanePercentAndTheVerticalBarFollowResizingTheirWay) {
    struct Case {
        const char* Name;
        std::function<void()> Set;
        bool Vertical;
        std::vector<std::pair<int, int>> SizesAndPositions;
    } cases[] = {
        {"lower right fixed",
         [&] { split->SetFixedPane(fpLowerRight); },
         false,
         {{800, 454}, {300, 0}, {688, 342}}},
        {"percent", [&] { split->SetUsePercent(true); }, false, {{1000, 499}, {400, 199}, {688, 343}}},
        {"vertical", [&] { split->SetOrientation(orVertical); }, true, {{300, 296}, {377, 342}}},
    };
    for (const Case& c : cases) {
        split->SetOrientation(orHorizontal);
        split->SetUsePercent(false);
        split->SetBounds(12, 97, 688, 377);
        split->SetPosition(342);
        split->SetFixedPane(fpUpperLeft);
        c.Set();
        for (auto [size, position] : c.SizesAndPositions) {
            c.Vertical ? split->SetHeight(size) : split->SetWidth(size);
            EXPECT_EQ(position, split->Position()) << c.Name << " at " << size;
        }
    }
}

TEST_F(Splitter, TheCollapseButtonClosesTheLeftPaneUntilPressedAgain) {
    split->SetHotSpotVisible(true);
    auto click = [&] {
        RECT spot = split->HotSpotRect();
        LPARAM at = MAKELPARAM(spot.left + 1, (spot.top + spot.bottom) / 2);
        SendMessageA(Bar(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(Bar(), WM_LBUTTONUP, 0, at);
    };
    click();
    EXPECT_EQ(0, split->Position());
    EXPECT_TRUE(split->HotSpotClosed() && split->HotSpotClosedToMin());
    EXPECT_EQ(342, split->HotSpotPosition());
    split->SetWidth(300);
    split->SetWidth(688);
    EXPECT_EQ(0, split->Position());
    click();
    EXPECT_EQ(342, split->Position());
    EXPECT_FALSE(split->HotSpotClosed() || split->Dragging());
}

TEST_F(Splitter, StoredKeysAreReadOldOnesDiscardedOthersRefused) {
    struct Case {
        const char* Key;
        const char* Value;
        bool Known;
    } cases[] = {
        {"BarSize", "(1 2 3 4)", true},       {"UpperLeftControls", "(A B)", true},
        {"HotSpotClosedToMin", "True", true}, {"HotSpotClosedToMax", "False", true},
        {"HotSpotPosition", "77", true},      {"PositionMin", "5", true},
        {"PositionMax", "600", true},         {"Orientation", "orVertical", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.Known, split->ReadStoredKey(c.Key, c.Value)) << c.Key;
    RECT bar = split->BarRect();
    EXPECT_EQ((std::vector<LONG>{1, 2, 3, 4}), (std::vector<LONG>{bar.left, bar.top, bar.right, bar.bottom}));
    EXPECT_EQ((std::vector<std::string>{"A", "B"}), split->UpperLeftControls);
    EXPECT_EQ(77, split->HotSpotPosition());
    EXPECT_EQ(342, split->Position());
    for (auto [key, value] :
         {std::pair{"BarSize", "(1 2 3)"}, {"HotSpotClosed", "maybe"}, {"PositionMin", "x"}})
        EXPECT_THROW(split->ReadStoredKey(key, value), std::invalid_argument) << key;
}

TEST_F(Splitter, PanesLetTheMouseThroughTheirBareSurfaceAndFollowTheirSettings) {
    auto* label = new TLabel(form);
    label->SetParent(split->LowerRightPane());
    label->SetBounds(10, 50, 30, 20);
    HWND pane = split->LowerRightPane()->Handle();
    auto hit = [&](int x, int y) {
        POINT p{x, y};
        ClientToScreen(pane, &p);
        return SendMessageA(pane, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
    };
    EXPECT_EQ(HTTRANSPARENT, hit(100, 200));
    EXPECT_EQ(HTCLIENT, hit(15, 55));

    split->LowerRight().SetBorderWidth(3);
    EXPECT_EQ(3, split->LowerRightPane()->BorderWidth());
    EXPECT_EQ(3, header->Left());
    split->LowerRight().SetColor(clBtnShadow);
    EXPECT_EQ(clBtnShadow, split->LowerRightPane()->Color());

    // One pane hidden: the other takes everything and any position stands; shown again, it is clamped.
    split->UpperLeft().SetVisible(false);
    EXPECT_EQ(688, split->LowerRightPane()->Width());
    EXPECT_EQ(0, split->BarRect().right - split->BarRect().left);
    split->SetPosition(900);
    EXPECT_EQ(900, split->Position());
    split->UpperLeft().SetVisible(true);
    EXPECT_EQ(684, split->Position());
}

TEST_F(Splitter, TheBarShowsTheSplitCursorUnlessLocked) {
    auto cursorAt = [&](int x) {
        POINT p = split->ClientToScreen(POINT{x, 100});
        SetCursorPos(p.x, p.y);
        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
        SendMessageA(Bar(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Bar()),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        ICONINFO info{};
        GetIconInfo(GetCursor(), &info);
        // The info's bitmaps belong to the caller.
        GdiBitmap mask(info.hbmMask), color(info.hbmColor);
        return std::to_string(info.xHotspot) + "," + std::to_string(info.yHotspot);
    };
    const std::string arrow = cursorAt(200);
    EXPECT_NE("8,8", arrow);
    for (int x : {342, 345})
        EXPECT_EQ("8,8", cursorAt(x)) << x;
    for (int x : {341, 346})
        EXPECT_EQ(arrow, cursorAt(x)) << x;
    split->SetLockBar(true);
    EXPECT_EQ(arrow, cursorAt(343));
    Send(WM_LBUTTONDOWN, 344, MK_LBUTTON);
    EXPECT_FALSE(split->Dragging());
}
