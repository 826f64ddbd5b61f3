// Checks the committed pictures against the layout the painter and the widgets rely on, so that a
// regenerated or hand-edited asset that drifts is caught before it reaches the window.
#include "tests/native/assets_bmp.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace assets_test;

namespace {

Picture Load(const char* name) {
    Picture p;
    std::string why;
    EXPECT_TRUE(LoadBmpFile(AssetPath(name), p, why)) << why;
    return p;
}

int Luma(Rgb c) {
    return 299 * c.r + 587 * c.g + 114 * c.b;
}

const Rgb kStripe{18, 118, 148};

} // namespace

TEST(AssetsSkin, IsOneHundredByFiftyWithRoundedFuchsiaCornersOnly) {
    const Picture skin = Load("skin.bmp");
    ASSERT_EQ(skin.width, 100);
    ASSERT_EQ(skin.height, 50);
    int expectedFuchsia = 0;
    for (int i = 0; i < 5; ++i) {
        for (int y : {i, skin.height - 1 - i}) {
            for (bool right : {false, true}) {
                EXPECT_EQ(FuchsiaRun(skin, y, right), kCornerRun[i])
                    << "row " << y << (right ? " right" : " left");
                expectedFuchsia += kCornerRun[i];
            }
        }
    }
    // Nothing else may be fuchsia: the painter copies every pixel opaquely.
    EXPECT_EQ(CountColour(skin, kFuchsia), expectedFuchsia);
}

TEST(AssetsSkin, RowsAreUniformBetweenTheSideOutlines) {
    // The painter stretches columns; a row with texture or a stray pixel would smear across the window.
    const Picture skin = Load("skin.bmp");
    ASSERT_EQ(skin.width, 100);
    for (int y = 1; y < skin.height - 1; ++y) {
        const int from = y < 5 || y > 44 ? 6 : 1;
        for (int x = from; x < skin.width - from; ++x)
            ASSERT_EQ(skin.At(x, y), skin.At(50, y)) << "x " << x << " y " << y;
    }
}

TEST(AssetsSkin, BodyIsPureWhiteAndBandHasItsStripe) {
    const Picture skin = Load("skin.bmp");
    ASSERT_EQ(skin.height, 50);
    for (int y = 27; y <= 41; ++y)
        EXPECT_EQ(skin.At(50, y), kWhite) << "row " << y;
    for (int y = 14; y <= 17; ++y)
        EXPECT_TRUE(Near(skin.At(50, y), kStripe, 4)) << "row " << y << " " << ToString(skin.At(50, y));
    const struct {
        int row;
        Rgb colour;
    } anchors[] = {{0, {110, 143, 147}},  {1, {173, 217, 234}},  {13, {71, 145, 168}}, {26, {146, 200, 219}},
                   {42, {206, 217, 221}}, {48, {227, 230, 231}}, {49, {110, 143, 147}}};
    for (const auto& a : anchors)
        EXPECT_TRUE(Near(skin.At(50, a.row), a.colour, 8))
            << "row " << a.row << " " << ToString(skin.At(50, a.row));
    // Darkening down to the stripe, lightening after it.
    for (int y = 2; y <= 14; ++y)
        EXPECT_LT(Luma(skin.At(50, y)), Luma(skin.At(50, y - 1))) << "row " << y;
    for (int y = 18; y <= 26; ++y)
        EXPECT_GT(Luma(skin.At(50, y)), Luma(skin.At(50, y - 1))) << "row " << y;
}

TEST(AssetsSkin, SideOutlineStaysGreyTeal) {
    const Picture skin = Load("skin.bmp");
    ASSERT_EQ(skin.width, 100);
    for (int y = 5; y <= 44; ++y) {
        for (int x : {0, 99}) {
            const Rgb c = skin.At(x, y);
            EXPECT_TRUE(c.r >= 105 && c.r <= 133 && c.g >= 138 && c.g <= 164 && c.b >= 142 && c.b <= 167)
                << "x " << x << " y " << y << " " << ToString(c);
        }
    }
}

TEST(AssetsCaptionButtons, ContinueTheTitleBandWithoutFuchsia) {
    const Picture skin = Load("skin.bmp");
    ASSERT_EQ(skin.height, 50);
    const struct {
        const char* file;
        int width;
        bool hot;
        Rgb face;
    } buttons[] = {{"close_up.bmp", 43, false, {}},
                   {"close_hot.bmp", 43, true, {240, 40, 0}},
                   {"min_up.bmp", 25, false, {}},
                   {"min_hot.bmp", 25, true, {85, 176, 237}}};
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.file);
        const Picture pic = Load(b.file);
        ASSERT_EQ(pic.width, b.width);
        ASSERT_EQ(pic.height, 17);
        EXPECT_EQ(CountColour(pic, kFuchsia), 0);
        // The bottom four rows are the stripe everywhere, so the button sits seamlessly at y = 1.
        for (int y = 13; y <= 16; ++y)
            for (int x = 0; x < pic.width; ++x)
                ASSERT_EQ(pic.At(x, y), skin.At(50, y + 1)) << "x " << x << " y " << y;
        if (!b.hot) {
            for (int y = 0; y < 17; ++y)
                for (int x : {0, 1, pic.width - 2, pic.width - 1})
                    ASSERT_EQ(pic.At(x, y), skin.At(50, y + 1)) << "x " << x << " y " << y;
        } else {
            EXPECT_TRUE(Near(pic.At(4, 8), b.face, 24)) << ToString(pic.At(4, 8));
        }
        // A white symbol with a dark grey rim in the middle of the face.
        EXPECT_EQ(pic.At(pic.width / 2, b.width == 43 ? 6 : 8), kWhite);
        EXPECT_GT(CountColour(pic, Rgb{80, 80, 96}), 10);
    }
}

TEST(AssetsLogo, DrawsOnlyInsideTheBookAndTheNameAreas) {
    const Picture logo = Load("logo.bmp");
    ASSERT_EQ(logo.width, 320);
    ASSERT_EQ(logo.height, 79);
    EXPECT_EQ(logo.At(0, logo.height - 1), kFuchsia) << "the bottom-left pixel is the transparent key";
    int book = 0, name = 0, nameBlack = 0;
    for (int y = 0; y < logo.height; ++y) {
        for (int x = 0; x < logo.width; ++x) {
            const Rgb c = logo.At(x, y);
            if (c == kFuchsia)
                continue;
            const bool inBook = x <= 124 && y >= 1 && y <= 78;
            const bool inName = x >= 130 && y >= 18 && y <= 48;
            ASSERT_TRUE(inBook || inName) << "x " << x << " y " << y;
            book += inBook;
            name += inName;
            nameBlack += inName && c.r < 40 && c.g < 40 && c.b < 40;
        }
    }
    EXPECT_GT(book, 125 * 78 / 2);
    EXPECT_GT(nameBlack, 400) << "the name is large black lettering";
    EXPECT_GT(name - nameBlack, 200) << "with a grey shadow";
}

TEST(AssetsIcon16, HasSixtyNineFuchsiaBackgroundPixels) {
    const Picture icon = Load("icon16.bmp");
    ASSERT_EQ(icon.width, 16);
    ASSERT_EQ(icon.height, 16);
    EXPECT_EQ(CountColour(icon, kFuchsia), 69);
    EXPECT_EQ(icon.At(0, 15), kFuchsia);
    int coloured = 0;
    for (const Rgb& c : icon.pixels)
        coloured += c != kFuchsia && (std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b})) > 80;
    EXPECT_GT(coloured, 10);
}

TEST(AssetsImageList, HoldsEightPicturesWithGreyDisabledForms) {
    const Picture strip = Load("imagelist.bmp");
    ASSERT_EQ(strip.width, 128);
    ASSERT_EQ(strip.height, 16);
    auto opaque = [&](int image, int x, int y) { return strip.At(16 * image + x, y) != kFuchsia; };
    for (int image = 0; image < 8; ++image) {
        SCOPED_TRACE("image " + std::to_string(image));
        int drawn = 0, grey = 0, black = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                if (!opaque(image, x, y))
                    continue;
                const Rgb c = strip.At(16 * image + x, y);
                ++drawn;
                grey += c.r == c.g && c.g == c.b;
                black += c == Rgb{0, 0, 0};
            }
        }
        EXPECT_GT(drawn, 10);
        EXPECT_LT(drawn, 256) << "every picture needs transparent pixels for its mask";
        if (image >= 3 && image <= 5)
            EXPECT_EQ(grey, drawn) << "disabled forms are grey only";
        else if (image >= 6)
            EXPECT_EQ(black, drawn);
        else
            EXPECT_LT(grey, drawn / 2) << "the enabled forms are in colour";
    }
    // A disabled form is the outline of its enabled picture: never outside its silhouette.
    for (int image = 0; image < 3; ++image)
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (opaque(image + 3, x, y)) {
                    EXPECT_TRUE(opaque(image, x, y)) << image << " at " << x << "," << y;
                }
}
