// TImageList: masked strips, drawing through the mask, the greyed form.
#include "GraphicsTestUtil.h"

#include "toolkit/ImageList.h"

namespace {
// A strip of `count` 16 x 16 images on fuchsia: image i is a square of colour Colour(i) at
// (2..9, 2..9) with a black pixel at (12, 12).
TColor Colour(int i) {
    return MakeColor(static_cast<std::uint8_t>(200 - 40 * i), 60, static_cast<std::uint8_t>(20 + 70 * i));
}

TBitmap Strip(int count) {
    TBitmap strip(16 * count, 16);
    strip.Canvas().FillRect({0, 0, 16 * count, 16}, clFuchsia);
    for (int i = 0; i < count; ++i) {
        strip.Canvas().FillRect({16 * i + 2, 2, 16 * i + 10, 10}, Colour(i));
        PutPixel(strip, 16 * i + 12, 12, clBlack);
    }
    return strip;
}
} // namespace

TEST(ImageList, AddMaskedSplitsTheStripAndKeepsItUnchanged) {
    const LiveCounts before = LiveCounts::Now();
    TImageList images;
    TBitmap strip = Strip(3);
    EXPECT_EQ(0, images.AddMasked(strip, clFuchsia));
    EXPECT_EQ(3, images.AddMasked(strip, clFuchsia));
    EXPECT_EQ(6, images.Count());
    EXPECT_EQ(clFuchsia, PixelAt(strip, 0, 0)); // the system blackens key pixels of what it gets
    EXPECT_EQ(before[GdiKind::Bitmap] + 1, GdiLiveCount(GdiKind::Bitmap)); // only the strip
    EXPECT_EQ(16, images.Width());
    images.Clear();
    EXPECT_EQ(0, images.Count());
}

TEST(ImageList, DrawShowsMaskedPixelsAsTheBackground) {
    TImageList images;
    TBitmap strip = Strip(3);
    images.AddMasked(strip, clFuchsia);
    for (int index = 0; index < 3; ++index) {
        SCOPED_TRACE(index);
        TBitmap target(20, 20);
        target.Canvas().FillRect({0, 0, 20, 20}, clLime);
        images.Draw(target.Canvas(), 3, 3, index);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                const int ix = x - 3, iy = y - 3;
                TColor expected = clLime;
                if (ix >= 2 && ix < 10 && iy >= 2 && iy < 10)
                    expected = Colour(index);
                else if (ix == 12 && iy == 12)
                    expected = clBlack; // black is a colour, not the mask
                ASSERT_EQ(expected, PixelAt(target, x, y)) << x << "," << y;
            }
    }
}

TEST(ImageList, DisabledDrawIsGreyAndKeepsTheMask) {
    const LiveCounts before = LiveCounts::Now();
    TImageList images;
    TBitmap strip = Strip(1);
    images.AddMasked(strip, clFuchsia);
    TBitmap target(16, 16);
    target.Canvas().FillRect({0, 0, 16, 16}, clBlue);
    images.Draw(target.Canvas(), 0, 0, 0, false);
    images.Draw(target.Canvas(), 0, 0, 5); // out of range: nothing
    const TColor square = PixelAt(target, 4, 4);
    EXPECT_EQ(RedOf(square), GreenOf(square));
    EXPECT_EQ(GreenOf(square), BlueOf(square));
    EXPECT_EQ(clBlue, PixelAt(target, 0, 0));
    EXPECT_EQ(clBlue, PixelAt(target, 15, 15));
    EXPECT_EQ(before[GdiKind::Bitmap] + 2, GdiLiveCount(GdiKind::Bitmap)); // strip and target only
}

TEST(ImageList, ProgramStripGivesEightMaskedImages) {
    if (!FindResourceA(GetModuleHandleA(nullptr), "IMAGELIST", MAKEINTRESOURCEA(2)))
        GTEST_SKIP() << "the program's resources are not linked into this test";
    TBitmap strip;
    strip.LoadFromResource(GetModuleHandleA(nullptr), "IMAGELIST");
    TImageList images;
    images.AddMasked(strip, clFuchsia);
    ASSERT_EQ(8, images.Count());
    for (int index = 0; index < 8; ++index) {
        TBitmap target(16, 16);
        target.Canvas().FillRect({0, 0, 16, 16}, clLime);
        images.Draw(target.Canvas(), 0, 0, index);
        int drawn = 0, kept = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const TColor pixel = PixelAt(target, x, y);
                EXPECT_NE(clFuchsia, pixel); // the key never shows
                (pixel == clLime ? kept : drawn)++;
            }
        EXPECT_GT(drawn, 0) << index;
        EXPECT_GT(kept, 0) << index;
    }
}
