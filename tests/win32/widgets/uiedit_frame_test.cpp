// The editing pane's frame under Wine, in both looks: the flat one-pixel button-shadow frame with a
// window-colour ring inside under the classic look (hot, bold and partial variants too), the
// system's themed border while visual styles are in use, and when the frame is asked to repaint.
#include "tests/win32/widgets/UiEditTestSupport.h"

#include "toolkit/Memo.h"

using namespace uiedit_test;

namespace {

constexpr TColor kYellow = 0x00FFFF;
constexpr TColor kAqua = 0xFFFF00;

class PaneFrame : public PaneTest {
protected:
    void Redraw(HWND window) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        Pump();
    }
    static COLORREF Sys(int index) { return GetSysColor(index); }
};

} // namespace

TEST_F(PaneFrame, ClassicLookShowsTheFlatFrameOfEachVariant) {
    TThemeOverride classic(false);
    const COLORREF s = Sys(COLOR_BTNSHADOW), w = Sys(COLOR_WINDOW), red = RGB(255, 0, 0);
    struct Case {
        const char* Name;
        std::function<void()> Set;
        bool Focused;
        // Left, top, right and bottom middles, then the top-left, top-right, bottom-left and
        // bottom-right corners; the outer ring, then the one inside it.
        std::vector<COLORREF> Outer, Inner;
    };
    const Case cases[] = {
        {"the program's panes", [] {}, false, {s, s, s, s, s, s, s, s}, {w, w, w, w, w, w, w, w}},
        {"the same with the focus", [] {}, true, {s, s, s, s, s, s, s, s}, {w, w, w, w, w, w, w, w}},
        {"hot tracking, focused: bold",
         [this] { pane->SetFrameHotTrack(true); },
         true,
         {s, s, s, s, s, s, s, s},
         {s, s, s, s, s, s, s, s}},
        {"hot tracking, not focused",
         [this] { pane->SetFrameHotTrack(true); },
         false,
         {s, s, s, s, s, s, s, s},
         {w, w, w, w, w, w, w, w}},
        {"left and top sides in red",
         [this] {
             pane->SetFrameSides(sdLeft | sdTop);
             pane->SetFrameColor(clRed);
         },
         false,
         {red, red, w, w, red, red, red, w},
         {w, w, w, w, w, w, w, w}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        pane->SetFrameHotTrack(false);
        pane->SetFrameSides(sdAll);
        pane->SetFrameColor(clBtnShadow);
        c.Set();
        if (c.Focused)
            pane->SetFocus();
        else
            ::SetFocus(form->Handle());
        Redraw(pane->Handle());
        EXPECT_EQ(FrameRing(pane->Handle(), 0), c.Outer);
        EXPECT_EQ(FrameRing(pane->Handle(), 1), c.Inner);
    }
}

// With styles in use the pane defers: its border is the one a plain themed edit shows, unless it
// insists on its own frame.
TEST_F(PaneFrame, ThemedLookShowsTheSystemsBorderUnlessCustomFramingIsAsked) {
    if (!StyleServicesEnabled())
        GTEST_SKIP() << "visual styles are off on this desktop";
    form->SetWidth(460);
    auto* plain = new TMemo(form);
    plain->SetParent(form);
    plain->SetBounds(230, 20, pane->Width(), pane->Height());
    plain->SetScrollBars(ssBoth);
    ::SetFocus(form->Handle());
    PumpUntil([&] { return GetFocus() == form->Handle(); }, "the focus on the form");
    for (HWND h : {pane->Handle(), plain->Handle()})
        Redraw(h);
    for (int depth : {0, 1})
        EXPECT_EQ(FrameRing(pane->Handle(), depth), FrameRing(plain->Handle(), depth)) << depth;
    EXPECT_NE(FrameRing(pane->Handle(), 0), std::vector<COLORREF>(8, Sys(COLOR_BTNSHADOW)));

    pane->SetFramingPreference(fpCustomFraming);
    Pump();
    EXPECT_EQ(FrameRing(pane->Handle(), 0), std::vector<COLORREF>(8, Sys(COLOR_BTNSHADOW)));
    EXPECT_EQ(FrameRing(pane->Handle(), 1), std::vector<COLORREF>(8, Sys(COLOR_WINDOW)));
}

TEST_F(PaneFrame, AsksForARepaintOnlyWhenItDrawsAFrameThatCanBeSeen) {
    struct Case {
        const char* Name;
        bool Themed;
        bool HotTrack;
        std::function<void()> Act;
        bool Repaints;
    };
    const Case cases[] = {
        {"its colour changes", false, false, [this] { pane->SetColor(kYellow); }, true},
        {"its parent's colour changes", false, false, [this] { form->SetColor(kAqua); }, true},
        {"the mouse enters, hot tracking", false, true, [this] { pane->Perform(CM_MOUSEENTER); }, true},
        {"the mouse enters, no hot tracking", false, false, [this] { pane->Perform(CM_MOUSEENTER); }, false},
        {"its colour changes under visual styles", true, false, [this] { pane->SetColor(kYellow); }, false},
        {"its colour changes while hidden", false, false,
         [this] {
             pane->SetVisible(false);
             Pump();
             pane->SetColor(kYellow);
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TThemeOverride look(c.Themed);
        pane->SetVisible(true);
        pane->SetColor(clWindow);
        form->SetColor(clWhite);
        pane->SetFrameHotTrack(c.HotTrack);
        pane->Perform(CM_MOUSELEAVE);
        ::SetFocus(form->Handle());
        Redraw(pane->Handle());
        TMessageSpy spy(pane);
        c.Act();
        UpdateWindow(pane->Handle());
        Pump();
        EXPECT_EQ(spy.Count(WM_NCPAINT) > 0, c.Repaints);
    }
}

TEST_F(PaneFrame, PaintingBorrowsTheWindowsDeviceContextOnlyWhilePainting) {
    TThemeOverride classic(false);
    const int dcs = GdiLiveCount(GdiKind::DC);
    for (int i = 0; i < 3; ++i)
        Redraw(pane->Handle());
    EXPECT_EQ(GdiLiveCount(GdiKind::DC), dcs);
}
