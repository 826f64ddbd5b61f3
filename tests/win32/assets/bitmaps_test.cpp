// The bitmaps as the program finds them: embedded under their names, loadable by the system, identical to
// the committed files, and still fitting the skin and the caption band once compiled in.
#include "tests/native/assets_bmp.h"
#include "toolkit/GdiObject.h"

#include <windows.h>

#include <gtest/gtest.h>

using namespace assets_test;

namespace {

struct Embedded {
    const std::uint8_t* data = nullptr;
    size_t size = 0;
};

Embedded FindBitmap(const char* name) {
    HMODULE self = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(self, name, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(self, found);
    return {static_cast<const std::uint8_t*>(LockResource(loaded)), SizeofResource(self, found)};
}

Picture EmbeddedPicture(const char* name) {
    Picture p;
    std::string why;
    const Embedded e = FindBitmap(name);
    EXPECT_NE(e.data, nullptr) << name << " is not embedded";
    if (e.data) {
        EXPECT_TRUE(ParseDib(e.data, e.size, p, why)) << name << ": " << why;
    }
    return p;
}

const struct {
    const char* name;
    const char* file;
    int width, height;
} kBitmaps[] = {
    {"SKIN", "skin.bmp", 100, 50},          {"LOGO", "logo.bmp", 320, 79},
    {"ICON16", "icon16.bmp", 16, 16},       {"CLOSE_UP", "close_up.bmp", 43, 17},
    {"CLOSE_HOT", "close_hot.bmp", 43, 17}, {"MIN_UP", "min_up.bmp", 25, 17},
    {"MIN_HOT", "min_hot.bmp", 25, 17},     {"IMAGELIST", "imagelist.bmp", 128, 16},
};

} // namespace

TEST(AssetBitmaps, LoadByNameAsTwentyFourBitPicturesOfTheirSize) {
    for (const auto& b : kBitmaps) {
        SCOPED_TRACE(b.name);
        GdiBitmap loaded(static_cast<HBITMAP>(
            LoadImageA(GetModuleHandleA(nullptr), b.name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        ASSERT_TRUE(loaded);
        DIBSECTION dib{};
        ASSERT_EQ(GetObjectA(loaded.Handle(), sizeof dib, &dib), static_cast<int>(sizeof dib));
        EXPECT_EQ(dib.dsBm.bmWidth, b.width);
        EXPECT_EQ(dib.dsBm.bmHeight, b.height);
        EXPECT_EQ(dib.dsBm.bmBitsPixel, 24);
    }
}

TEST(AssetBitmaps, EmbedExactlyTheCommittedFiles) {
    // Catches a name bound to the wrong file (say CLOSE_UP to the hot picture).
    for (const auto& b : kBitmaps) {
        SCOPED_TRACE(b.name);
        const Embedded e = FindBitmap(b.name);
        ASSERT_NE(e.data, nullptr);
        const std::vector<std::uint8_t> file = ReadFileBytes(AssetPath(b.file));
        ASSERT_GT(file.size(), 14u);
        ASSERT_EQ(e.size, file.size() - 14);
        EXPECT_EQ(std::memcmp(e.data, file.data() + 14, e.size), 0);
    }
}

TEST(AssetBitmaps, SkinKeepsItsCornersAndWhiteBody) {
    const Picture skin = EmbeddedPicture("SKIN");
    ASSERT_EQ(skin.width, 100);
    ASSERT_EQ(skin.height, 50);
    for (int i = 0; i < 5; ++i)
        for (int y : {i, 49 - i})
            for (bool right : {false, true})
                EXPECT_EQ(FuchsiaRun(skin, y, right), kCornerRun[i])
                    << "row " << y << (right ? " right" : " left");
    for (int y = 27; y <= 41; ++y)
        for (int x = 1; x < 99; ++x)
            ASSERT_EQ(skin.At(x, y), kWhite) << x << "," << y;
}

TEST(AssetBitmaps, CaptionButtonsContinueTheSkinRowBelow) {
    const Picture skin = EmbeddedPicture("SKIN");
    ASSERT_EQ(skin.height, 50);
    for (const char* name : {"CLOSE_UP", "MIN_UP", "CLOSE_HOT", "MIN_HOT"}) {
        SCOPED_TRACE(name);
        const Picture pic = EmbeddedPicture(name);
        ASSERT_EQ(pic.height, 17);
        const bool hot = std::string(name).find("HOT") != std::string::npos;
        // Below the face (rows 13-16) every pixel continues the band; beside the normal face every row does.
        for (int y = 0; y < pic.height; ++y) {
            for (int x = 0; x < pic.width; ++x) {
                const bool band = y >= 13 || (!hot && (x == 0 || x == pic.width - 1));
                if (band) {
                    ASSERT_EQ(pic.At(x, y), skin.At(50, y + 1)) << x << "," << y;
                }
            }
        }
        EXPECT_EQ(CountColour(pic, kFuchsia), 0);
    }
}

TEST(AssetBitmaps, TransparentKeysAreFuchsia) {
    // The logo and the window icon are drawn with their bottom-left pixel as the key; the image list masks
    // are made from fuchsia.
    for (const char* name : {"LOGO", "ICON16", "IMAGELIST"}) {
        const Picture p = EmbeddedPicture(name);
        ASSERT_GT(p.height, 0) << name;
        EXPECT_EQ(p.At(0, p.height - 1), kFuchsia) << name;
    }
    EXPECT_EQ(CountColour(EmbeddedPicture("ICON16"), kFuchsia), 69);
}
