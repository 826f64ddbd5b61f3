// The editing pane's logic without a window: the pixels of its flat frame in every style, side set
// and hot state, when it defers to visual styles, and the wheel's scrolling arithmetic.
#include "widgets/EditFrame.h"
#include "widgets/WheelScroll.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

constexpr TColor kBack = clWindow;
constexpr TColor kLine = 0x123456;
constexpr TColor kHot = 0x654321;

// The frame painted over a 7 x 6 window, one text row a pixel line: '.' untouched, 'w' the
// background colour, 'F' the frame colour, 'H' the hot colour.
std::string Render(const TEditFrameSettings& frame, bool hot) {
    const int w = 7, h = 6;
    std::string pixels(static_cast<size_t>(w * h), '.');
    for (const TFrameStrip& s : EditFrameStrips(frame, w, h, kBack, hot))
        for (int y = s.Top; y < s.Bottom; ++y)
            for (int x = s.Left; x < s.Right; ++x)
                pixels[static_cast<size_t>(y * w + x)] = s.Color == kBack ? 'w' : s.Color == kHot ? 'H' : 'F';
    std::string rows;
    for (int y = 0; y < h; ++y)
        rows += pixels.substr(static_cast<size_t>(y * w), w) + "\n";
    return rows;
}

TEST(EditFrame, PaintsTheOuterTwoRingsThenTheLinesOfTheChosenLook) {
    struct Case {
        const char* Name;
        TFrameStyleEx Style;
        TSides Sides;
        bool HotTrack;
        bool Hot;
        const char* Pixels;
    };
    const Case cases[] = {
        {"flat, all sides (the program's panes)", fsFlat, sdAll, false, false,
         "FFFFFFF\nFwwwwwF\nFw...wF\nFw...wF\nFwwwwwF\nFFFFFFF\n"},
        {"flat, focused or hovered without hot tracking", fsFlat, sdAll, false, true,
         "FFFFFFF\nFwwwwwF\nFw...wF\nFw...wF\nFwwwwwF\nFFFFFFF\n"},
        {"bold: two rings deep", fsFlatBold, sdAll, false, false,
         "FFFFFFF\nFFFFFFF\nFF...FF\nFF...FF\nFFFFFFF\nFFFFFFF\n"},
        {"flat, left and top only", fsFlat, sdLeft | sdTop, false, false,
         "FFFFFFF\nFwwwwww\nFw...ww\nFw...ww\nFwwwwww\nFwwwwww\n"},
        {"bold, right and bottom only", fsFlatBold, sdRight | sdBottom, false, false,
         "wwwwwwF\nwwwwwFF\nww...FF\nww...FF\nwFFFFFF\nFFFFFFF\n"},
        {"no sides: the rings only", fsFlat, 0, false, false,
         "wwwwwww\nwwwwwww\nww...ww\nww...ww\nwwwwwww\nwwwwwww\n"},
        {"a style without lines", fsRaised, sdAll, false, false,
         "wwwwwww\nwwwwwww\nww...ww\nww...ww\nwwwwwww\nwwwwwww\n"},
        {"hot tracking, not hot: the normal look", fsFlat, sdAll, true, false,
         "FFFFFFF\nFwwwwwF\nFw...wF\nFw...wF\nFwwwwwF\nFFFFFFF\n"},
        {"hot tracking and hot: the hot style and colour", fsFlat, sdAll, true, true,
         "HHHHHHH\nHHHHHHH\nHH...HH\nHH...HH\nHHHHHHH\nHHHHHHH\n"},
    };
    for (const Case& c : cases) {
        TEditFrameSettings frame;
        frame.Visible = true;
        frame.Style = c.Style;
        frame.Color = kLine;
        frame.Sides = c.Sides;
        frame.HotTrack = c.HotTrack;
        frame.HotColor = kHot;
        EXPECT_EQ(Render(frame, c.Hot), c.Pixels) << c.Name;
    }
}

TEST(EditFrame, DefaultsAreAOnePixelButtonShadowFrameOnAllSidesDeferringToStyles) {
    const TEditFrameSettings frame;
    EXPECT_FALSE(frame.Visible);
    EXPECT_EQ(frame.Style, fsFlat);
    EXPECT_EQ(frame.Color, clBtnShadow);
    EXPECT_EQ(frame.Sides, sdAll);
    EXPECT_FALSE(frame.HotTrack);
    EXPECT_EQ(frame.HotStyle, fsFlatBold);
    EXPECT_EQ(frame.HotColor, clBtnShadow);
    EXPECT_EQ(frame.Preference, fpXPThemes);
}

TEST(EditFrame, IsDrawnOnlyWhenVisibleAndNotDeferringToStylesInUse) {
    struct Case {
        bool Visible;
        TFramingPreference Preference;
        bool StylesActive;
        bool Draws;
    };
    const Case cases[] = {
        {false, fpXPThemes, false, false},   {false, fpCustomFraming, false, false},
        {true, fpXPThemes, false, true},     {true, fpXPThemes, true, false},
        {true, fpCustomFraming, true, true}, {true, fpCustomFraming, false, true},
    };
    for (const Case& c : cases) {
        TEditFrameSettings frame;
        frame.Visible = c.Visible;
        frame.Preference = c.Preference;
        EXPECT_EQ(DrawsOwnFrame(frame, c.StylesActive), c.Draws)
            << c.Visible << " " << c.Preference << " " << c.StylesActive;
    }
}

TEST(EditFrame, ATinyWindowGetsNoEmptyOrInvertedStrips) {
    TEditFrameSettings frame;
    frame.Style = fsFlatBold;
    for (int size = 0; size <= 3; ++size)
        for (const TFrameStrip& s : EditFrameStrips(frame, size, size, kBack, false)) {
            EXPECT_LT(s.Left, s.Right) << size;
            EXPECT_LT(s.Top, s.Bottom) << size;
        }
}

TEST(WheelScroll, WholeNotchesTimesLinesOrPagesAndAPositiveDeltaScrollsUp) {
    struct Case {
        int Delta;
        unsigned Lines;
        TWheelStep Step;
        int Count;
    };
    const Case cases[] = {
        {120, 3, TWheelStep::LineUp, 3},
        {-120, 3, TWheelStep::LineDown, 3},
        {60, 3, TWheelStep::LineDown, 0}, // less than a notch: nothing
        {-119, 3, TWheelStep::LineDown, 0},
        {239, 3, TWheelStep::LineUp, 3}, // truncated toward zero, the rest dropped
        {-250, 3, TWheelStep::LineDown, 6},
        {360, 1, TWheelStep::LineUp, 3},
        {120, 0, TWheelStep::LineUp, 0}, // the wheel switched off
        {240, kWheelPageScroll, TWheelStep::PageUp, 2},
        {-120, kWheelPageScroll, TWheelStep::PageDown, 1},
        {100, kWheelPageScroll, TWheelStep::PageDown, 0},
        {-32760, 0xFFFFFFFEu, TWheelStep::LineDown, INT_MAX}, // saturates
        {INT_MIN, 3, TWheelStep::LineDown, 17895697 * 3},
    };
    for (const Case& c : cases) {
        const TWheelScroll s = WheelScroll(c.Delta, c.Lines);
        EXPECT_EQ(static_cast<int>(s.Step), static_cast<int>(c.Step)) << c.Delta << " " << c.Lines;
        EXPECT_EQ(s.Count, c.Count) << c.Delta << " " << c.Lines;
    }
}

} // namespace
