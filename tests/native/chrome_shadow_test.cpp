#include "chrome/ShadowLogic.h"
#include "chrome/ShadowPixels.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

uint8_t AlphaAt(PixelImage& img, int32_t x, int32_t y) {
    return uint8_t(img.At(x, y) >> 24);
}

// The shadow of a borderless 100 x 60 form without a region, black, offset 0, as the rebuild computes it:
// black image, white outline, blur, outline cut out again, premultiplied.
PixelImage RectShadow(int32_t formW, int32_t formH) {
    PixelImage img(ShadowExtent(formW), ShadowExtent(formH), PackBgra(0, 0, 0));
    const IntRect outline{kShadowMargin, kShadowMargin, kShadowMargin + formW, kShadowMargin + formH};
    img.Fill(outline, PackBgra(255, 255, 255));
    BlurShadow(img.View());
    img.Fill(outline, PackBgra(0, 0, 0));
    PremultiplyShadow(img.View(), 0, 0, 0);
    return img;
}

TEST(ChromeShadowImage, BorderlessRectangleExample) {
    PixelImage img = RectShadow(100, 60);
    ASSERT_EQ(img.Width(), 132);
    ASSERT_EQ(img.Height(), 92);

    const uint8_t above[16] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 31, 47, 71, 99, 121, 140};
    const uint8_t below[16] = {91, 76, 63, 51, 41, 34, 27, 21, 17, 14, 10, 8, 7, 5, 4, 4};
    const uint8_t side[16] = {0, 0, 1, 1, 3, 4, 7, 11, 17, 24, 37, 48, 64, 79, 97, 113};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(AlphaAt(img, 66, i), above[i]) << "column 66 row " << i;
        EXPECT_EQ(AlphaAt(img, 66, 76 + i), below[i]) << "column 66 row " << 76 + i;
        EXPECT_EQ(AlphaAt(img, i, 46), side[i]) << "row 46 column " << i;
        EXPECT_EQ(AlphaAt(img, 131 - i, 46), side[i]) << "row 46 column " << 131 - i;
    }
    uint8_t maxAlpha = 0;
    for (int32_t y = 0; y < img.Height(); ++y)
        for (int32_t x = 0; x < img.Width(); ++x) {
            EXPECT_EQ(img.At(x, y) & 0xFFFFFF, 0u) << x << "," << y;
            maxAlpha = std::max(maxAlpha, AlphaAt(img, x, y));
            if (x >= 16 && x < 116 && y >= 16 && y < 76) {
                ASSERT_EQ(AlphaAt(img, x, y), 0) << "inside at " << x << "," << y;
            }
        }
    EXPECT_EQ(maxAlpha, 140);
}

TEST(ChromeShadowImage, BlurLeavesAlphaAndReadsTheRowAboveAlreadyBlurred) {
    PixelImage img(9, 9, PackBgra(0, 0, 0, 77));
    img.Set(4, 4, PackBgra(200, 100, 40, 9));
    BlurPass(img.View(), 1);
    for (int32_t y = 0; y < 9; ++y)
        for (int32_t x = 0; x < 9; ++x)
            ASSERT_EQ(img.At(x, y) >> 24, x == 4 && y == 4 ? 9u : 77u);
    // Row 3 reads the lit pixel in row 4 before the pass reaches it: 200 / 4 in blue, 100 / 4 in green.
    EXPECT_EQ(img.At(3, 3) & 0xFF, 50u);
    EXPECT_EQ((img.At(5, 3) >> 8) & 0xFF, 25u);
    EXPECT_EQ((img.At(3, 3) >> 16) & 0xFF, 10u);
    // Rows further down read rows already blurred by this pass, so the light runs on downwards...
    EXPECT_EQ(img.At(4, 4) & 0xFF, 25u); // (50 + 50) >> 2
    EXPECT_EQ(img.At(3, 5) & 0xFF, 9u);  // (12 + 25) >> 2
    EXPECT_NE(img.At(4, 6) & 0xFF, 0u);
    // ...while row 2 was done before row 3 had any light.
    EXPECT_EQ(img.At(4, 2) & 0xFFFFFF, 0u);
}

TEST(ChromeShadowImage, EdgesClampToTheImage) {
    // A one-pixel image samples itself four times and keeps its value; a white column at the left edge
    // stays white at the edge, since the clamped samples read it twice.
    PixelImage one(1, 1, PackBgra(123, 45, 6, 200));
    BlurShadow(one.View());
    EXPECT_EQ(one.At(0, 0), PackBgra(123, 45, 6, 200));

    PixelImage edge(4, 3, PackBgra(0, 0, 0));
    edge.Fill({0, 0, 1, 3}, PackBgra(255, 255, 255));
    BlurPass(edge.View(), 1);
    EXPECT_EQ(edge.At(0, 0) & 0xFF, 127u); // (255 + 0 + 255 + 0) >> 2
    BlurShadow(PixelView{});               // an empty image is fine
}

TEST(ChromeShadowImage, AlphaMulTableAndPremultiply) {
    EXPECT_EQ(AlphaMulTable[255][255], 255);
    EXPECT_EQ(AlphaMulTable[255][140], 140);
    EXPECT_EQ(AlphaMulTable[254][1], 0);
    EXPECT_EQ(AlphaMulTable[100][200], 78);
    EXPECT_EQ(AlphaMulTable[0][255], 0);
    for (int i = 0; i < 256; ++i)
        for (int j = 0; j < 256; ++j)
            ASSERT_EQ(AlphaMulTable[i][j], AlphaMulTable[j][i]);

    PixelImage img(2, 1);
    img.Set(0, 0, PackBgra(200, 200, 200, 7));
    img.Set(1, 0, PackBgra(255, 0, 0, 7)); // only blue counts
    PremultiplyShadow(img.View(), 255, 128, 10);
    EXPECT_EQ(img.At(0, 0), PackBgra(AlphaMulTable[10][200], AlphaMulTable[128][200], 200, 200));
    EXPECT_EQ(img.At(1, 0), PackBgra(10, 128, 255, 255));
}

TEST(ChromeShadowLogic, FlagValues) {
    EXPECT_EQ(kNudgeFlags, 0x37u);
    EXPECT_EQ(kHideBelowFlags, 0x93u);
    EXPECT_EQ(kPlaceFlags, 0x10u);
    EXPECT_EQ(kShowHideFlags[0], 0x97u);
    EXPECT_EQ(kShowHideFlags[1], 0x57u);
}

TEST(ChromeShadowLogic, PlacementAndVisibility) {
    EXPECT_EQ(ShadowOrigin(100, 50, 0).x, 84);
    EXPECT_EQ(ShadowOrigin(100, 50, 0).y, 34);
    EXPECT_EQ(ShadowOrigin(-5, 0, 3).x, -18);
    EXPECT_EQ(ShadowExtent(713), 745);
    EXPECT_EQ(ShadowExtent(INT32_MAX - 1), INT32_MAX);

    EXPECT_EQ(FormPosition(kPosNoMove | kPosNoSize, 1, 2, 30, 40).x, 30);
    EXPECT_EQ(FormPosition(kPosNoSize, 1, 2, 30, 40).y, 2);

    using S = ShadowFormState;
    const struct {
        S state;
        uint32_t flags;
        bool wanted, hideWhileChanging, show, rebuild;
    } cases[] = {
        {S::Normal, 0, true, false, true, true},
        {S::Normal, kPosHideWindow, true, true, true, true},
        {S::Normal, kPosShowWindow, false, false, false, true},
        {S::Minimized, 0, true, true, false, true},
        {S::Maximized, 0, true, true, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HideWhileChanging(c.state, c.flags), c.hideWhileChanging);
        EXPECT_EQ(ShowAfterChange(c.wanted, c.state), c.show);
        EXPECT_EQ(RebuildAfterChange(c.state), c.rebuild);
    }
    EXPECT_EQ(ShadowConstantAlpha(false, 100), 255);
    EXPECT_EQ(ShadowConstantAlpha(true, 100), 100);
    EXPECT_EQ(BorderGrowth(8), 2);
}

TEST(ChromeShadowLogic, RebuildPlan) {
    const uint32_t fuchsia = 0xFF00FF;
    const struct {
        const char* what;
        ShadowRebuildInput in;
        bool resize, build;
    } cases[] = {
        {"first build", {0, 0, 100, 60, false, fuchsia, fuchsia, true}, true, true},
        {"move only", {132, 92, 100, 60, false, fuchsia, fuchsia, false}, false, false},
        {"one pixel wider", {132, 92, 101, 60, false, fuchsia, fuchsia, false}, true, true},
        {"one pixel taller", {132, 92, 100, 61, false, fuchsia, fuchsia, false}, true, true},
        {"key changed, key off", {132, 92, 100, 60, false, 0x00FF00, fuchsia, false}, false, false},
        {"key changed, key on", {132, 92, 100, 60, true, 0x00FF00, fuchsia, false}, false, true},
        {"still stale", {132, 92, 100, 60, false, fuchsia, fuchsia, true}, false, true},
    };
    for (const auto& c : cases) {
        const ShadowRebuildPlan p = PlanShadowRebuild(c.in);
        EXPECT_EQ(p.resize, c.resize) << c.what;
        EXPECT_EQ(p.build, c.build) << c.what;
        if (p.resize) {
            EXPECT_EQ(p.width, c.in.formWidth + 32) << c.what;
            EXPECT_EQ(p.height, c.in.formHeight + 32) << c.what;
        }
    }
}

} // namespace
