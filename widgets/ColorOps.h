#pragma once
// The colour operations the widget looks are computed from, written once, without windows.h:
// lightness adjustment on a hue, saturation, lightness scale of 0 to 240, a channel blend, and
// the rows of a vertical two-colour gradient in 16.16 fixed point.
//
// How a widget uses them: resolve its colours to RGB at paint time (ColorToRGB), then derive
// the frame and face colours here (Lighten, Darken, AdjustLightness, Blend) and fill gradients
// row by row from GradientRow; the header and tool buttons draw through FillVerticalGradient
// (UiGradient.h), which composes these rows off-screen.
#include "toolkit/Colors.h"

#include <cstdint>

// Hue, saturation and lightness, each 0-240 (lightness may be raised up to 255 by Lighten).
struct THsl {
    int H = 0;
    int S = 0;
    int L = 0;
    friend bool operator==(const THsl& a, const THsl& b) { return a.H == b.H && a.S == b.S && a.L == b.L; }
};

// Colours below are resolved 0x00BBGGRR values (no system colours).
THsl ColorToHsl(TColor rgb);
TColor HslToColor(const THsl& hsl);

// Lightness up by n (at most 255) or down by n (at least 0).
TColor Lighten(TColor rgb, int n);
TColor Darken(TColor rgb, int n);
// Positive lightens, negative darkens, 0 keeps the colour exactly.
TColor AdjustLightness(TColor rgb, int n);

// Channel by channel a × r/255 + b × (1 - r/255), in single precision, rounded half to even.
TColor Blend(TColor a, TColor b, int ratio);

// Row y (0 at the top) of a vertical gradient of h rows from start at the top to stop at the
// bottom: the bottom row is exactly stop, the top row just short of start.
TColor GradientRow(TColor start, TColor stop, int h, int y);
