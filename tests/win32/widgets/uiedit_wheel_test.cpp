// The editing pane's wheel: the EM_SCROLL sequence a wheel message sends for each system setting,
// stopping at the first failure; an OnMouseWheel handler taking over; the wheel never reaching
// the parent; and a notch over the unfocused pane scrolling the focused one.
#include "tests/win32/widgets/UiEditTestSupport.h"

using namespace uiedit_test;

namespace {

class PaneWheel : public PaneTest {
protected:
    void SetUp() override {
        PaneTest::SetUp();
        SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &savedLines_, 0);
    }
    void TearDown() override {
        SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, savedLines_, nullptr, 0);
        PaneTest::TearDown();
    }
    static void SetLinesPerNotch(UINT lines) {
        SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, lines, nullptr, 0);
    }
    static void Wheel(HWND window, int delta, UINT send = 0) {
        const WPARAM w = MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(delta)));
        if (send)
            SendMessageA(window, WM_MOUSEWHEEL, w, MAKELPARAM(150, 150));
        else
            PostMessageA(window, WM_MOUSEWHEEL, w, MAKELPARAM(150, 150));
    }
    UINT savedLines_ = 3;
};

std::string Lines(int n) {
    std::string text;
    for (int i = 1; i <= n; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    return text;
}

} // namespace

TEST_F(PaneWheel, SendsOneScrollStepPerLineOrPageAndStopsAtTheFirstFailure) {
    struct Case {
        UINT Lines;
        int Delta;
        int FailAt; // the step that fails (from 1); 0: none does
        std::vector<WPARAM> Steps;
    };
    const Case cases[] = {
        {3, 120, 0, {SB_LINEUP, SB_LINEUP, SB_LINEUP}},
        {3, -120, 0, {SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN}},
        {3, 60, 0, {}},
        {3, -119, 0, {}},
        {1, 250, 0, {SB_LINEUP, SB_LINEUP}},
        {2, -360, 0, std::vector<WPARAM>(6, SB_LINEDOWN)},
        {3, -360, 2, {SB_LINEDOWN, SB_LINEDOWN}},
        {WHEEL_PAGESCROLL, 240, 0, {SB_PAGEUP, SB_PAGEUP}},
        {WHEEL_PAGESCROLL, -120, 0, {SB_PAGEDOWN}},
        {WHEEL_PAGESCROLL, -360, 1, {SB_PAGEDOWN}},
    };
    TMessageSpy parent(form);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Lines) + " lines, delta " + std::to_string(c.Delta));
        SetLinesPerNotch(c.Lines);
        std::vector<WPARAM> steps;
        TMessageSpy spy(pane);
        spy.Filter = [&](TMessage& m) {
            if (m.Msg != EM_SCROLL)
                return false;
            steps.push_back(m.WParam);
            const bool failed = c.FailAt && static_cast<int>(steps.size()) >= c.FailAt;
            m.Result = failed ? 0 : MAKELRESULT(1, TRUE);
            return true;
        };
        Wheel(pane->Handle(), c.Delta, true);
        EXPECT_EQ(steps, c.Steps);
    }
    EXPECT_EQ(parent.Count(WM_MOUSEWHEEL), 0) << "the pane reports the wheel as handled";
}

TEST_F(PaneWheel, AnOnMouseWheelHandlerThatHandlesItTakesTheWheelOver) {
    SetLinesPerNotch(3);
    for (bool handles : {true, false}) {
        std::vector<int> deltas;
        pane->OnMouseWheel = [&](TObject* sender, TShiftState, int delta, POINT pos, bool& handled) {
            EXPECT_EQ(sender, pane);
            EXPECT_EQ(pos.x, 150);
            deltas.push_back(delta);
            handled = handles;
        };
        TMessageSpy spy(pane);
        spy.Filter = [](TMessage& m) {
            m.Result = MAKELRESULT(1, TRUE);
            return m.Msg == EM_SCROLL;
        };
        Wheel(pane->Handle(), -120, true);
        EXPECT_EQ(deltas, std::vector<int>{-120});
        EXPECT_EQ(spy.Count(EM_SCROLL), handles ? 0 : 3) << handles;
    }
}

// Wine sends the notch to the window under the pointer; the focused pane scrolls, three lines a
// notch, and the pane under the pointer stays where it was.
TEST_F(PaneWheel, ANotchOverTheUnfocusedPaneScrollsTheFocusedOne) {
    SetLinesPerNotch(3);
    auto* other = new TUiMemo(form);
    other->SetParent(form);
    other->SetBounds(230, 20, 150, 150);
    for (TUiMemo* p : {pane, other})
        p->SetText(Lines(60));
    pane->SetFocus();
    ASSERT_EQ(GetFocus(), pane->Handle());
    Wheel(other->Handle(), -120);
    Pump();
    EXPECT_EQ(SendMessageA(pane->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 3);
    EXPECT_EQ(SendMessageA(other->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    // Back up by one notch; half a notch does nothing.
    Wheel(other->Handle(), 120);
    Wheel(other->Handle(), 60);
    Pump();
    EXPECT_EQ(SendMessageA(pane->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}
