#include "widgets/PushButtonLook.h"

#include "widgets/ColorOps.h"

#include <cstdlib>

namespace {

// A highlight too close to the face would not show as a ring: hue and lightness both near.
bool TooClose(TColor a, TColor b) {
    THsl x = ColorToHsl(a), y = ColorToHsl(b);
    return std::abs(x.H - y.H) < 20 && std::abs(x.L - y.L) < 60;
}

} // namespace

TPushButtonRing PushButtonRingFor(bool hot, bool activeOrFocused, bool inGroup) {
    if (hot)
        return prHot;
    return activeOrFocused && !inGroup ? prFocus : prNone;
}

TPushButtonColors PushButtonColors(const TPushButtonBase& base, TPushButtonRing ring) {
    TPushButtonColors c{};
    c.OuterDark = Darken(base.BtnFace, 20);
    c.OuterLight = Lighten(base.BtnFace, 20);
    c.Frame = base.Frame;
    c.FaceTop = Lighten(base.Color, 30);
    c.FaceBottom = Darken(base.Color, 10);
    c.ShadowUpper = Darken(base.Color, 20);
    c.ShadowLower = Darken(base.Color, 30);
    c.PressedFace = Darken(base.Color, 10);
    if (ring == prHot && base.HotTrackType == htctActual) {
        c.RingTop = Blend(clWhite, base.HotTrack, 190);
        c.RingBottom = base.HotTrack;
    } else if (ring == prHot) {
        THsl hsl = ColorToHsl(base.HotTrack);
        hsl.H = (hsl.H + 120) % 240;
        hsl.L = 180;
        c.RingTop = HslToColor(hsl);
        c.RingBottom = Darken(c.RingTop, 30);
    } else if (ring == prFocus) {
        TColor highlight =
            TooClose(base.Highlight, base.BtnFace) ? Darken(base.Highlight, 30) : base.Highlight;
        c.RingTop = Blend(highlight, c.FaceTop, 60);
        c.RingBottom = Blend(highlight, c.FaceTop, 160);
    }
    c.DisabledFrame = base.ColorIsBtnFace ? Lighten(base.BtnShadow, 30) : Darken(base.Color, 80);
    c.DisabledFace = base.Color;
    return c;
}
