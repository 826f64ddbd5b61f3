#include "chrome/ShadowPixels.h"

#include <algorithm>

namespace {

constexpr AlphaMulTableType MakeAlphaMulTable() {
    AlphaMulTableType t{};
    for (int i = 0; i < 256; ++i)
        for (int j = 0; j < 256; ++j)
            t[i][j] = static_cast<uint8_t>(i * j / 255);
    return t;
}

} // namespace

// Built by the compiler: ready before any shadow exists and never written afterwards.
const AlphaMulTableType AlphaMulTable = MakeAlphaMulTable();

void BlurPass(const PixelView& image, int32_t d) {
    const int32_t w = image.width, h = image.height;
    if (w <= 0 || h <= 0)
        return;
    for (int32_t y = 0; y < h; ++y) {
        uint8_t* above = image.Pixel(0, std::max(y - d, 0));
        uint8_t* below = image.Pixel(0, std::min(y + d, h - 1));
        uint8_t* row = image.Pixel(0, y);
        for (int32_t x = 0; x < w; ++x) {
            const int32_t l = std::max(x - d, 0) * 4, r = std::min(x + d, w - 1) * 4;
            for (int c = 0; c < 3; ++c)
                row[x * 4 + c] =
                    static_cast<uint8_t>((above[l + c] + above[r + c] + below[l + c] + below[r + c]) >> 2);
        }
    }
}

void BlurShadow(const PixelView& image) {
    for (int32_t d = 1; d <= 3; ++d)
        BlurPass(image, d);
}

void PremultiplyShadow(const PixelView& image, uint8_t red, uint8_t green, uint8_t blue) {
    const auto& mulB = AlphaMulTable[blue];
    const auto& mulG = AlphaMulTable[green];
    const auto& mulR = AlphaMulTable[red];
    for (int32_t y = 0; y < image.height; ++y) {
        uint8_t* p = image.Pixel(0, y);
        for (int32_t x = 0; x < image.width; ++x, p += 4) {
            const uint8_t alpha = p[0];
            p[3] = alpha;
            p[0] = mulB[alpha];
            p[1] = mulG[alpha];
            p[2] = mulR[alpha];
        }
    }
}
