// The convert button's classic colours composed from its base colours: the worked example (face
// 212, 208, 200 and selection 10, 36, 106), which ring shows when, a selection colour too close to
// the face, and the complement hot colour.
#include "widgets/ColorOps.h"
#include "widgets/PushButtonLook.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Rgb(TColor c) {
    return std::to_string(RedOf(c)) + "," + std::to_string(GreenOf(c)) + "," + std::to_string(BlueOf(c));
}

TPushButtonBase Classic(TColor highlight, TUiHotTrackColorType type = htctActual) {
    const TColor face = MakeColor(212, 208, 200);
    return {face, MakeColor(128, 128, 128), face, true, 0x404040, highlight, 0x149BF0, type};
}

TEST(PushButtonLook, WorkedExampleAndRingsGiveTheListedColours) {
    const TPushButtonColors hot = PushButtonColors(Classic(MakeColor(10, 36, 106)), prHot);
    const TPushButtonColors focus = PushButtonColors(Classic(MakeColor(10, 36, 106)), prFocus);
    const std::string got[] = {Rgb(hot.OuterDark),    Rgb(hot.OuterLight),
                               Rgb(hot.FaceTop),      Rgb(GradientRow(hot.FaceTop, hot.FaceBottom, 16, 15)),
                               Rgb(hot.ShadowUpper),  Rgb(hot.ShadowLower),
                               Rgb(hot.PressedFace),  Rgb(hot.RingTop),
                               Rgb(hot.RingBottom),   Rgb(focus.RingTop),
                               Rgb(focus.RingBottom), Rgb(hot.DisabledFrame)};
    const std::string want[] = {"193,188,176", "231,229,224", "240,239,236", "203,198,188",
                                "193,188,176", "184,178,164", "203,198,188", "251,230,195",
                                "240,155,20",  "186,191,205", "96,112,154",  Rgb(Lighten(0x808080, 30))};
    for (size_t i = 0; i < std::size(want); ++i)
        EXPECT_EQ(want[i], got[i]) << "colour " << i;
    EXPECT_EQ(prHot, PushButtonRingFor(true, true, false));
    EXPECT_EQ(prFocus, PushButtonRingFor(false, true, false));
    EXPECT_EQ(prNone, PushButtonRingFor(false, true, true));
    EXPECT_EQ(prNone, PushButtonRingFor(false, false, false));
}

TEST(PushButtonLook, CloseSelectionIsDarkenedAndTheComplementIsTheOppositeHue) {
    const TColor nearFace = MakeColor(200, 196, 186);
    EXPECT_EQ(Blend(Darken(nearFace, 30), Lighten(MakeColor(212, 208, 200), 30), 60),
              PushButtonColors(Classic(nearFace), prFocus).RingTop);
    const TPushButtonColors c = PushButtonColors(Classic(0, htctComplement), prHot);
    EXPECT_NEAR((ColorToHsl(0x149BF0).H + 120) % 240, ColorToHsl(c.RingTop).H, 1);
    EXPECT_NEAR(180, ColorToHsl(c.RingTop).L, 1);
    EXPECT_EQ(Darken(c.RingTop, 30), c.RingBottom);
}

} // namespace
