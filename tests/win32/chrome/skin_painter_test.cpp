#include "ChromeTestUtil.h"
#include "chrome/SkinLayout.h"
#include "chrome/SkinPainter.h"
#include "chrome/SkinReference.h"
#include "toolkit/GdiObject.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct Mismatch {
    int count = 0;
    int x = -1, y = -1;
    uint32_t got = 0, want = 0;
};

Mismatch Compare(const PixelImage& got, const PixelImage& want) {
    Mismatch m;
    for (int y = 0; y < want.Height(); ++y)
        for (int x = 0; x < want.Width(); ++x)
            if ((got.At(x, y) & 0xFFFFFF) != (want.At(x, y) & 0xFFFFFF) && m.count++ == 0) {
                m.x = x;
                m.y = y;
                m.got = got.At(x, y);
                m.want = want.At(x, y);
            }
    return m;
}

TEST(SkinPainter, MatchesTheNineSliceReferenceAtManySizes) {
    const PixelImage skinPixels = NumberedSkinPixels();
    TBitmap skin(0, 0, pf24bit);
    WritePixels(skin, skinPixels);
    // The client sizes: the design size, a larger window (another screen resolution) and a few others; the
    // painter is handed one column less than the bitmap has.
    const int sizes[][2] = {{713, 486}, {891, 608}, {1069, 729}, {301, 200}, {121, 50}, {161, 97}};
    for (const auto& s : sizes) {
        TBitmap fs(s[0], s[1], pfDevice);
        DrawSkin(fs.Canvas(), skin, SkinPaintWidth(s[0]), s[1]);
        PixelImage want(s[0], s[1], kPixWhite);
        PaintSkinReference(want, skinPixels, SkinPaintWidth(s[0]), s[1]);
        const Mismatch m = Compare(ReadPixels(fs), want);
        EXPECT_EQ(m.count, 0) << s[0] << "x" << s[1] << ": first at " << m.x << "," << m.y << " got "
                              << std::hex << m.got << " want " << m.want;
    }
}

TEST(SkinPainter, DesignSizeKeepsColumn712WhiteAndTheCornersFuchsia) {
    TBitmap skin(0, 0, pf24bit);
    WritePixels(skin, NumberedSkinPixels());
    TBitmap fs(713, 486, pfDevice);
    DrawSkin(fs.Canvas(), skin, 712, 486);
    const PixelImage px = ReadPixels(fs);
    for (int y = 0; y < 486; ++y)
        ASSERT_EQ(px.At(712, y), kPixWhite) << y;
    const int corner[5] = {5, 3, 2, 1, 1};
    for (int r = 0; r < 5; ++r)
        for (int i = 0; i < 5; ++i) {
            const bool key = i < corner[r];
            EXPECT_EQ(px.At(i, r) == kPixFuchsia, key) << i << "," << r;
            EXPECT_EQ(px.At(711 - i, r) == kPixFuchsia, key) << 711 - i << "," << r;
            EXPECT_EQ(px.At(i, 485 - r) == kPixFuchsia, key) << i << "," << 485 - r;
            EXPECT_EQ(px.At(711 - i, 485 - r) == kPixFuchsia, key) << 711 - i << "," << 485 - r;
        }
}

TEST(SkinPainter, SamePixelsOnAnyCanvas) {
    const PixelImage skinPixels = NumberedSkinPixels();
    TBitmap skin(0, 0, pf24bit);
    WritePixels(skin, skinPixels);
    TBitmap first(713, 486, pf24bit);
    DrawSkin(first.Canvas(), skin, 712, 486);
    const PixelImage want = ReadPixels(first);

    // Other formats, and a canvas left in another stretch mode, give the same pixels.
    const struct {
        TPixelFormat format;
        int mode;
    } variants[] = {
        {pf32bit, COLORONCOLOR}, {pfDevice, COLORONCOLOR}, {pf24bit, HALFTONE}, {pf32bit, BLACKONWHITE}};
    for (const auto& v : variants) {
        TBitmap other(713, 486, v.format);
        other.Canvas().SetStretchMode(v.mode);
        DrawSkin(other.Canvas(), skin, 712, 486);
        EXPECT_EQ(Compare(ReadPixels(other), want).count, 0) << "format " << v.format << " mode " << v.mode;
    }
    // A plain memory DC of the screen's kind, outside any TBitmap.
    TMemoryDC dc;
    GdiBitmap target = GdiBitmap::Compatible(TClientDC(nullptr).Handle(), 713, 486);
    TSelectGuard sel(dc.Handle(), target.Handle());
    TCanvas canvas(dc.Handle());
    canvas.FillRect(RECT{0, 0, 713, 486}, 0xFFFFFF);
    DrawSkin(canvas, skin, 712, 486);
    int diffs = 0;
    for (int y = 0; y < 486; y += 3)
        for (int x = 0; x < 713; x += 3) {
            const COLORREF c = GetPixel(dc.Handle(), x, y);
            const uint32_t w = want.At(x, y);
            diffs += c != RGB(uint8_t(w >> 16), uint8_t(w >> 8), uint8_t(w));
        }
    EXPECT_EQ(diffs, 0);
}

TEST(SkinPainter, StagingBitmapFreedOnEveryPath) {
    TBitmap skin(0, 0, pf24bit);
    WritePixels(skin, NumberedSkinPixels());
    TBitmap fs(713, 486, pf24bit);
    fs.Canvas();
    skin.Canvas();
    const int bitmaps = GdiLiveCount(GdiKind::Bitmap), dcs = GdiLiveCount(GdiKind::DC);
    for (int i = 0; i < 20; ++i)
        DrawSkin(fs.Canvas(), skin, 712, 486);
    EXPECT_EQ(GdiLiveCount(GdiKind::Bitmap), bitmaps);
    EXPECT_EQ(GdiLiveCount(GdiKind::DC), dcs);

    // A canvas without a device context fails at the first copy; the staging bitmap still goes.
    TCanvas broken(nullptr);
    EXPECT_THROW(DrawSkin(broken, skin, 712, 486), std::exception);
    EXPECT_EQ(GdiLiveCount(GdiKind::Bitmap), bitmaps);
    EXPECT_EQ(GdiLiveCount(GdiKind::DC), dcs);
}

} // namespace
