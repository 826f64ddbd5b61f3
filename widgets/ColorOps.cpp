#include "widgets/ColorOps.h"

#include <algorithm>
#include <cmath>

namespace {

std::uint8_t Channel(double unit) {
    // Capped at 1; the current rounding mode (to nearest, halves to even).
    return static_cast<std::uint8_t>(std::nearbyint(std::min(unit, 1.0) * 255.0));
}

} // namespace

THsl ColorToHsl(TColor rgb) {
    const double r = RedOf(rgb) / 255.0, g = GreenOf(rgb) / 255.0, b = BlueOf(rgb) / 255.0;
    const double max = std::max({r, g, b}), min = std::min({r, g, b});
    const double l = (max + min) / 2;
    double h = 0, s = 0;
    if (max != min) {
        const double d = max - min;
        s = l < 0.5 ? d / (max + min) : d / (2 - max - min);
        if (r == max)
            h = (g - b) / d;
        else if (g == max)
            h = (b - r) / d + 2;
        else
            h = (r - g) / d + 4;
        h /= 6;
        if (h < 0)
            h += 1;
    }
    auto scale = [](double v) { return static_cast<int>(std::nearbyint(v * 240)); };
    return THsl{scale(h), scale(s), scale(l)};
}

TColor HslToColor(const THsl& hsl) {
    // 239 for the hue: that is how the scale was defined where these colours come from.
    const double h = hsl.H / 239.0, s = hsl.S / 240.0, l = hsl.L / 240.0;
    const double m2 = l < 0.5 ? l * (1 + s) : l + s - l * s;
    if (m2 <= 0)
        return MakeColor(0, 0, 0);
    const double m1 = 2 * l - m2;
    const double f = h * 6;
    const int k = static_cast<int>(f);
    const double q = f - k;
    const double v = m2 * ((m2 - m1) / m2) * q;
    const double up = m1 + v, down = m2 - v;
    double r, g, b;
    switch (k) {
    case 1:
        r = down, g = m2, b = m1;
        break;
    case 2:
        r = m1, g = m2, b = up;
        break;
    case 3:
        r = m1, g = down, b = m2;
        break;
    case 4:
        r = up, g = m1, b = m2;
        break;
    case 5:
        r = m2, g = m1, b = down;
        break;
    default:
        r = m2, g = up, b = m1;
        break;
    }
    return MakeColor(Channel(r), Channel(g), Channel(b));
}

TColor Lighten(TColor rgb, int n) {
    THsl hsl = ColorToHsl(rgb);
    hsl.L = std::min(hsl.L + n, 255);
    return HslToColor(hsl);
}

TColor Darken(TColor rgb, int n) {
    THsl hsl = ColorToHsl(rgb);
    hsl.L = std::max(hsl.L - n, 0);
    return HslToColor(hsl);
}

TColor AdjustLightness(TColor rgb, int n) {
    if (n > 0)
        return Lighten(rgb, n);
    if (n < 0)
        return Darken(rgb, -n);
    return rgb;
}

TColor Blend(TColor a, TColor b, int ratio) {
    const float t = static_cast<float>(ratio) / 255.0f;
    const float rest = 1.0f - t;
    auto mix = [&](std::uint8_t x, std::uint8_t y) {
        return static_cast<std::uint8_t>(
            std::nearbyint(static_cast<double>(x * t) + static_cast<double>(y * rest)));
    };
    return MakeColor(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)), mix(BlueOf(a), BlueOf(b)));
}

TColor GradientRow(TColor start, TColor stop, int h, int y) {
    auto channel = [&](std::uint8_t s, std::uint8_t t) {
        // 16.16 fixed point; the step is rounded toward zero, each row down.
        const std::int64_t step = (static_cast<std::int64_t>(s - t) * 65536) / h;
        const std::int64_t value = static_cast<std::int64_t>(t) * 65536 + (h - 1 - y) * step;
        return static_cast<std::uint8_t>(value >> 16);
    };
    return MakeColor(channel(RedOf(start), RedOf(stop)), channel(GreenOf(start), GreenOf(stop)),
                     channel(BlueOf(start), BlueOf(stop)));
}
