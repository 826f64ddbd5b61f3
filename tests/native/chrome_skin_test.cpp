#include "chrome/NearestStretch.h"
#include "chrome/SkinLayout.h"
#include "chrome/SkinReference.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr uint32_t kWhite = PackBgra(255, 255, 255);
constexpr uint32_t kFuchsia = PackBgra(255, 0, 255);

// A skin whose every pixel names its own place, so a painted pixel tells where it came from.
PixelImage NumberedSkin() {
    PixelImage skin(kSkinWidth, kSkinHeight);
    for (int32_t y = 0; y < kSkinHeight; ++y)
        for (int32_t x = 0; x < kSkinWidth; ++x)
            skin.Set(x, y, PackBgra(uint8_t(x), uint8_t(y), 1));
    // The rounded corners: fuchsia outside the rounding, as in the real skin.
    const int corner[5] = {5, 3, 2, 1, 1};
    for (int r = 0; r < 5; ++r)
        for (int i = 0; i < corner[r]; ++i) {
            skin.Set(i, r, kFuchsia);
            skin.Set(kSkinWidth - 1 - i, r, kFuchsia);
            skin.Set(i, kSkinHeight - 1 - r, kFuchsia);
            skin.Set(kSkinWidth - 1 - i, kSkinHeight - 1 - r, kFuchsia);
        }
    return skin;
}

TEST(ChromeSkinLayout, DesignSizeDestinations) {
    const IntRect expected[kSkinPieceCount] = {
        {0, 0, 20, 28},   {692, 0, 712, 28},   {20, 0, 692, 28},    {0, 476, 10, 486},  {702, 476, 712, 486},
        {0, 28, 10, 476}, {702, 28, 712, 476}, {10, 476, 702, 486}, {10, 28, 702, 476},
    };
    const auto pieces = SkinPieces(kSkinWidth, kSkinHeight, SkinPaintWidth(713), 486);
    for (int i = 0; i < kSkinPieceCount; ++i)
        EXPECT_EQ(pieces[i].dest, expected[i]) << "piece " << i;
}

TEST(ChromeSkinLayout, SourcesAndStagingAreFixed) {
    // Only the title band's staging copy scales (60 columns into 80); every staging bitmap fits 80 x 28.
    for (int32_t w : {40, 120, 712, 1500}) {
        const auto pieces = SkinPieces(kSkinWidth, kSkinHeight, w, 486);
        for (int i = 0; i < kSkinPieceCount; ++i) {
            const SkinPiece& p = pieces[i];
            EXPECT_LE(p.stageWidth * p.stageHeight, 80 * 28);
            if (!p.Staged())
                EXPECT_EQ(p.source.Width() * 1000 + p.source.Height(),
                          p.dest.Width() * 1000 + p.dest.Height());
            else if (i == 2)
                EXPECT_EQ(p.source, (IntRect{21, 0, 81, 28}));
            else
                EXPECT_EQ(p.source.Width() * 1000 + p.source.Height(), p.stageWidth * 1000 + p.stageHeight);
        }
    }
}

TEST(ChromeSkinLayout, PiecesTileThePaintedAreaAtAnySize) {
    const int32_t sizes[][2] = {{40, 38}, {41, 39}, {120, 50}, {300, 200}, {712, 486}, {1069, 729}};
    for (const auto& s : sizes) {
        const int32_t w = s[0], h = s[1];
        std::vector<int> cover(size_t(w) * size_t(h), 0);
        for (const SkinPiece& p : SkinPieces(kSkinWidth, kSkinHeight, w, h)) {
            EXPECT_GE(p.dest.Width(), 0);
            EXPECT_GE(p.dest.Height(), 0);
            for (int32_t y = p.dest.top; y < p.dest.bottom; ++y)
                for (int32_t x = p.dest.left; x < p.dest.right; ++x)
                    ++cover[size_t(y) * size_t(w) + size_t(x)];
        }
        for (size_t i = 0; i < cover.size(); ++i)
            ASSERT_EQ(cover[i], 1) << w << "x" << h << " pixel " << i % size_t(w) << "," << i / size_t(w);
        // The bands keep their pixel sizes.
        const auto pieces = SkinPieces(kSkinWidth, kSkinHeight, w, h);
        EXPECT_EQ(pieces[2].dest.Height(), 28);
        EXPECT_EQ(pieces[7].dest.Height(), 10);
        EXPECT_EQ(pieces[5].dest.Width(), 10);
        EXPECT_EQ(pieces[6].dest.Width(), 10);
    }
}

TEST(ChromeSkinLayout, WindowOutlineMovesOnlyLeftAndTop) {
    const RoundRectArgs a = WindowOutlineArgs({0, 0, 713, 486});
    EXPECT_EQ(a.left, 1);
    EXPECT_EQ(a.top, 1);
    EXPECT_EQ(a.right, 713);
    EXPECT_EQ(a.bottom, 486);
    EXPECT_EQ(a.ellipseWidth, 13);
    EXPECT_EQ(a.ellipseHeight, 13);
    EXPECT_EQ(SkinPaintWidth(713), 712);
}

TEST(ChromeNearestStretch, MatchesTheSystemWhenEnlarging) {
    // Column choices read back from the system's own stretch with COLORONCOLOR.
    struct Case {
        int32_t n, m;
        std::vector<int32_t> cols;
    } cases[] = {
        {60, 80, {0, 1, 1, 2, 3, 4, 4, 5, 6, 7, 7, 8}},   {12, 13, {0, 1, 2, 3, 4, 5, 5, 6, 7, 8, 9, 10, 11}},
        {3, 10, {0, 0, 0, 1, 1, 1, 1, 2, 2, 2}},          {5, 7, {0, 1, 1, 2, 3, 3, 4}},
        {12, 12, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
    };
    for (const Case& c : cases)
        for (size_t j = 0; j < c.cols.size(); ++j)
            EXPECT_EQ(NearestSource(int32_t(j), c.n, c.m), c.cols[j]) << c.n << "->" << c.m << " at " << j;
    EXPECT_EQ(NearestSource(707, 80, 1048), 54); // a centre a hair past a border
    EXPECT_EQ(NearestSource(671, 80, 672), 79);
    EXPECT_EQ(NearestSource(447, 12, 448), 11);
}

TEST(ChromeSkinReference, DesignSizePaint) {
    const PixelImage skin = NumberedSkin();
    PixelImage fs(713, 486, kWhite);
    PaintSkinReference(fs, skin, SkinPaintWidth(713), 486);

    for (int32_t y = 0; y < 486; ++y)
        ASSERT_EQ(fs.At(712, y), kWhite) << "row " << y;
    // Top 28 rows are skin rows 0-27, bottom 10 rows are skin rows 40-49, at every column.
    for (int32_t x = 0; x < 712; x += 7) {
        for (int32_t y = 0; y < 28; ++y)
            if (fs.At(x, y) != kFuchsia) {
                ASSERT_EQ((fs.At(x, y) >> 8) & 0xFF, uint32_t(y)) << x << "," << y;
            }
        for (int32_t y = 476; y < 486; ++y)
            if (fs.At(x, y) != kFuchsia) {
                ASSERT_EQ((fs.At(x, y) >> 8) & 0xFF, uint32_t(y - 436)) << x << "," << y;
            }
    }
    // Corners are copied unscaled, fuchsia included.
    for (int32_t y = 0; y < 28; ++y)
        for (int32_t x = 0; x < 20; ++x) {
            ASSERT_EQ(fs.At(x, y), skin.At(x, y));
            ASSERT_EQ(fs.At(692 + x, y), skin.At(80 + x, y));
        }
    for (int32_t y = 0; y < 10; ++y)
        for (int32_t x = 0; x < 10; ++x) {
            ASSERT_EQ(fs.At(x, 476 + y), skin.At(x, 40 + y));
            ASSERT_EQ(fs.At(702 + x, 476 + y), skin.At(90 + x, 40 + y));
        }
    EXPECT_EQ(fs.At(0, 0), kFuchsia);
    EXPECT_EQ(fs.At(711, 0), kFuchsia);
    EXPECT_EQ(fs.At(0, 485), kFuchsia);
    EXPECT_EQ(fs.At(711, 485), kFuchsia);
    EXPECT_NE(fs.At(5, 0), kFuchsia);
    // The right outline (skin column 99) lands in column 711.
    EXPECT_EQ(fs.At(711, 200) & 0xFF, 99u);
    // The title band's middle comes from skin columns 21-80 only.
    for (int32_t x = 20; x < 692; ++x) {
        const uint32_t col = fs.At(x, 20) & 0xFF;
        ASSERT_GE(col, 21u);
        ASSERT_LE(col, 80u);
    }
}

} // namespace
