// The convert button's classic colours composed from its base colours: the worked example (face
// 212, 208, 200 and selection 10, 36, 106), which ring shows in which state, a selection colour too
// close to the face, the complement hot colour and the disabled frame.
#include "widgets/ColorOps.h"
#include "widgets/PushButtonLook.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Rgb(TColor c) {
    return std::to_string(RedOf(c)) + "," + std::to_string(GreenOf(c)) + "," + std::to_string(BlueOf(c));
}

constexpr TColor kFace = MakeColor(212, 208, 200);
constexpr TColor kShadow = MakeColor(128, 128, 128);
constexpr TColor kDkShadow = MakeColor(64, 64, 64);
constexpr TColor kSelection = MakeColor(10, 36, 106);

TPushButtonBase Classic(TColor highlight = kSelection, TUiHotTrackColorType type = htctActual) {
    return {kFace, kShadow, kFace, true, kDkShadow, highlight, 0x149BF0, type};
}

TEST(PushButtonLook, WorkedExampleGivesTheListedColours) {
    const TPushButtonColors hot = PushButtonColors(Classic(), prHot);
    const TPushButtonColors focus = PushButtonColors(Classic(), prFocus);
    const struct {
        const char* What;
        TColor Got;
        std::string Expected;
    } cases[] = {
        {"outer ring top and left", hot.OuterDark, "193,188,176"},
        {"outer ring bottom and right", hot.OuterLight, "231,229,224"},
        {"frame ring", hot.Frame, "64,64,64"},
        {"face gradient start", hot.FaceTop, "240,239,236"},
        {"face gradient bottom row", GradientRow(hot.FaceTop, hot.FaceBottom, 16, 15), "203,198,188"},
        {"upper shadow row", hot.ShadowUpper, "193,188,176"},
        {"lower shadow row", hot.ShadowLower, "184,178,164"},
        {"pressed face", hot.PressedFace, "203,198,188"},
        {"hot ring top", hot.RingTop, "251,230,195"},
        {"hot ring bottom", hot.RingBottom, "240,155,20"},
        {"focus ring top", focus.RingTop, "186,191,205"},
        {"focus ring bottom", focus.RingBottom, "96,112,154"},
        {"disabled face", hot.DisabledFace, "212,208,200"},
        {"disabled frame: the shadow lightened", hot.DisabledFrame, Rgb(Lighten(kShadow, 30))},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.Expected, Rgb(c.Got)) << c.What;
}

TEST(PushButtonLook, HotRingWinsThenFocusThenNone) {
    const struct {
        bool Hot, Active, Group;
        TPushButtonRing Ring;
    } cases[] = {{true, true, false, prHot},
                 {true, false, false, prHot},
                 {false, true, false, prFocus},
                 {false, true, true, prNone},
                 {false, false, false, prNone}};
    for (const auto& c : cases)
        EXPECT_EQ(c.Ring, PushButtonRingFor(c.Hot, c.Active, c.Group)) << c.Hot << c.Active << c.Group;
}

TEST(PushButtonLook, RingColoursForOtherSettings) {
    // A selection colour near the face in hue and lightness is darkened by 30 first.
    const TColor nearFace = MakeColor(200, 196, 186);
    const TPushButtonColors close = PushButtonColors(Classic(nearFace), prFocus);
    EXPECT_EQ(Blend(Darken(nearFace, 30), Lighten(kFace, 30), 60), close.RingTop);
    // The complement: the opposite hue at lightness 180, then 30 darker at the bottom.
    const TPushButtonColors complement = PushButtonColors(Classic(kSelection, htctComplement), prHot);
    THsl top = ColorToHsl(complement.RingTop), hot = ColorToHsl(0x149BF0);
    EXPECT_NEAR((hot.H + 120) % 240, top.H, 1);
    EXPECT_NEAR(180, top.L, 1);
    EXPECT_EQ(Darken(complement.RingTop, 30), complement.RingBottom);
    // A button of its own colour: its disabled frame is that colour darkened by 80.
    TPushButtonBase own = Classic();
    own.Color = MakeColor(250, 220, 180);
    own.ColorIsBtnFace = false;
    EXPECT_EQ(Darken(own.Color, 80), PushButtonColors(own, prNone).DisabledFrame);
    EXPECT_EQ(Darken(kFace, 20), PushButtonColors(own, prNone).OuterDark); // always the system face
}

} // namespace
