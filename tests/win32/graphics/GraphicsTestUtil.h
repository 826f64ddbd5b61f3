#pragma once
// Helpers shared by the graphics tests.
#include "toolkit/Bitmap.h"
#include "toolkit/GdiObject.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

constexpr GdiKind kAllKinds[] = {GdiKind::Bitmap, GdiKind::Brush,  GdiKind::Pen,
                                 GdiKind::Font,   GdiKind::Region, GdiKind::DC};

// The live counts of every kind at one moment.
struct LiveCounts {
    std::array<int, 6> count{};
    static LiveCounts Now() {
        LiveCounts now;
        for (GdiKind kind : kAllKinds)
            now.count[static_cast<int>(kind)] = GdiLiveCount(kind);
        return now;
    }
    int operator[](GdiKind kind) const { return count[static_cast<int>(kind)]; }
};

inline void ExpectSameCounts(const LiveCounts& before, const LiveCounts& after) {
    static const char* const names[] = {"bitmaps", "brushes", "pens", "fonts", "regions", "DCs"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(before.count[i], after.count[i]) << names[i];
}

// Reads a pixel from the bitmap's memory as 0x00BBGGRR, whatever its depth.
inline TColor PixelAt(TBitmap& bitmap, int x, int y) {
    const std::uint8_t* p = bitmap.ScanLine(y) + x * (bitmap.BitsPerPixel() / 8);
    return MakeColor(p[2], p[1], p[0]);
}

inline void PutPixel(TBitmap& bitmap, int x, int y, TColor color) {
    std::uint8_t* p = bitmap.ScanLine(y) + x * (bitmap.BitsPerPixel() / 8);
    p[0] = BlueOf(color);
    p[1] = GreenOf(color);
    p[2] = RedOf(color);
}
