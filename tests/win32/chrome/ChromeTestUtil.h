#pragma once
// Helpers shared by the chrome tests: pixel read-back and a skin whose pixels name their own place.
#include "chrome/PixelImage.h"
#include "toolkit/Bitmap.h"

#include <windows.h>

// The bitmap's pixels as 0x00RRGGBB values (alpha dropped), for 24- and 32-bit bitmaps.
inline PixelImage ReadPixels(TBitmap& bmp) {
    PixelImage img(bmp.Width(), bmp.Height());
    const int bpp = bmp.BitsPerPixel() / 8;
    for (int y = 0; y < bmp.Height(); ++y) {
        const uint8_t* row = bmp.ScanLine(y);
        for (int x = 0; x < bmp.Width(); ++x)
            img.Set(x, y, PackBgra(row[x * bpp], row[x * bpp + 1], row[x * bpp + 2]));
    }
    return img;
}

inline void WritePixels(TBitmap& bmp, const PixelImage& img) {
    bmp.SetSize(img.Width(), img.Height());
    const int bpp = bmp.BitsPerPixel() / 8;
    for (int y = 0; y < img.Height(); ++y) {
        uint8_t* row = bmp.ScanLine(y);
        for (int x = 0; x < img.Width(); ++x) {
            const uint32_t v = img.At(x, y);
            row[x * bpp] = uint8_t(v);
            row[x * bpp + 1] = uint8_t(v >> 8);
            row[x * bpp + 2] = uint8_t(v >> 16);
        }
    }
}

constexpr uint32_t kPixFuchsia = PackBgra(255, 0, 255);
constexpr uint32_t kPixWhite = PackBgra(255, 255, 255);

// 100 x 50, blue = column, green = row, with the skin's fuchsia corners.
inline PixelImage NumberedSkinPixels() {
    PixelImage skin(100, 50);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 100; ++x)
            skin.Set(x, y, PackBgra(uint8_t(x), uint8_t(y), 1));
    const int corner[5] = {5, 3, 2, 1, 1};
    for (int r = 0; r < 5; ++r)
        for (int i = 0; i < corner[r]; ++i) {
            skin.Set(i, r, kPixFuchsia);
            skin.Set(99 - i, r, kPixFuchsia);
            skin.Set(i, 49 - r, kPixFuchsia);
            skin.Set(99 - i, 49 - r, kPixFuchsia);
        }
    return skin;
}
