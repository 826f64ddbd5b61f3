// The widgets' colour operations against the worked numbers of the header, the tool buttons and the
// push button.
#include "widgets/ColorOps.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Rgb(TColor c) {
    return std::to_string(RedOf(c)) + "," + std::to_string(GreenOf(c)) + "," + std::to_string(BlueOf(c));
}

constexpr TColor kHeaderFlat = 9867923; // 147, 146, 150
constexpr TColor kClassicFace = MakeColor(212, 208, 200);
constexpr TColor kClassicHighlight = MakeColor(10, 36, 106);
constexpr TColor kHotTrack = 0x149BF0;

TEST(ColorOps, HeaderFrameColourComesFromTheHslRoundTrip) {
    EXPECT_EQ((THsl{170, 4, 139}), ColorToHsl(kHeaderFlat));
    EXPECT_EQ("179,178,181", Rgb(Lighten(kHeaderFlat, 30)));
    EXPECT_EQ("179,178,181", Rgb(AdjustLightness(kHeaderFlat, 30)));
    EXPECT_EQ(kHeaderFlat, AdjustLightness(kHeaderFlat, 0));
    EXPECT_EQ(Darken(kHeaderFlat, 30), AdjustLightness(kHeaderFlat, -30));
}

TEST(ColorOps, PushButtonColoursFromTheClassicFace) {
    struct Case {
        const char* What;
        TColor Got;
        const char* Expected;
    } cases[] = {
        {"outer ring top and left: darken 20", Darken(kClassicFace, 20), "193,188,176"},
        {"outer ring bottom and right: lighten 20", Lighten(kClassicFace, 20), "231,229,224"},
        {"face gradient start: lighten 30", Lighten(kClassicFace, 30), "240,239,236"},
        {"face gradient bottom and pressed face: darken 10", Darken(kClassicFace, 10), "203,198,188"},
        {"lower shadow row: darken 30", Darken(kClassicFace, 30), "184,178,164"},
        {"hot ring top", Blend(clWhite, kHotTrack, 190), "251,230,195"},
        {"focus ring top", Blend(kClassicHighlight, Lighten(kClassicFace, 30), 60), "186,191,205"},
        {"focus ring bottom", Blend(kClassicHighlight, Lighten(kClassicFace, 30), 160), "96,112,154"},
        {"face bottom row of 16", GradientRow(Lighten(kClassicFace, 30), Darken(kClassicFace, 10), 16, 15),
         "203,198,188"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.Expected, Rgb(c.Got)) << c.What;
}

TEST(ColorOps, LightnessStopsAtTheEndsOfTheScaleAndHueComesBackOn239) {
    EXPECT_EQ(clWhite, Lighten(clWhite, 30));
    EXPECT_EQ(clBlack, Darken(clBlack, 30));
    EXPECT_EQ(clBlack, Darken(MakeColor(40, 40, 40), 240));
    EXPECT_EQ("128,128,128", Rgb(HslToColor(ColorToHsl(MakeColor(128, 128, 128)))));
    // Dividing the hue by 239 moves saturated colours a little round the circle.
    EXPECT_EQ((THsl{160, 240, 120}), ColorToHsl(clBlue));
    EXPECT_EQ("4,0,255", Rgb(HslToColor(ColorToHsl(clBlue))));
    EXPECT_EQ("255,0,250", Rgb(HslToColor(ColorToHsl(clFuchsia))));
    EXPECT_EQ("255,0,0", Rgb(HslToColor(ColorToHsl(clRed))));
}

TEST(ColorOps, HeaderGradientRowsFollowTheFixedPointSteps) {
    struct Case {
        TColor Stop;
        int Row;
        const char* Expected;
    } cases[] = {
        {MakeColor(240, 240, 240), 0, "254,254,254"},  {MakeColor(240, 240, 240), 12, "246,246,246"},
        {MakeColor(240, 240, 240), 23, "240,240,240"}, {MakeColor(236, 233, 216), 0, "254,254,253"},
        {MakeColor(236, 233, 216), 23, "236,233,216"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.Expected, Rgb(GradientRow(clWhite, c.Stop, 24, c.Row)))
            << Rgb(c.Stop) << " row " << c.Row;
}

TEST(ColorOps, GradientRunsEitherWayAndEndsExactlyOnTheStopColour) {
    const TColor light = MakeColor(240, 240, 240), dark = MakeColor(160, 160, 160);
    for (int h : {1, 2, 20, 24}) {
        SCOPED_TRACE(h);
        EXPECT_EQ(dark, GradientRow(light, dark, h, h - 1));
        EXPECT_EQ(light, GradientRow(dark, light, h, h - 1));
        for (int y = 1; y < h; ++y) {
            EXPECT_LE(RedOf(GradientRow(light, dark, h, y)), RedOf(GradientRow(light, dark, h, y - 1)));
            EXPECT_GE(RedOf(GradientRow(dark, light, h, y)), RedOf(GradientRow(dark, light, h, y - 1)));
        }
    }
}

} // namespace
