// TBitmap: fresh white pixels, resizing with the canvas in use, pixel memory, resources.
#include "GraphicsTestUtil.h"

#include <cstring>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {
using Bytes = std::vector<std::uint8_t>;

// A packed DIB as a BITMAP resource holds it: header, palette, rows padded to four bytes.
Bytes MakeDib(int width, int height, int bpp, bool bottomUp, const std::vector<TColor>& palette,
              std::uint32_t (*value)(int x, int y)) {
    BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER),
                            width,
                            bottomUp ? height : -height,
                            1,
                            static_cast<WORD>(bpp),
                            BI_RGB,
                            0,
                            0,
                            0,
                            0,
                            0};
    header.biClrUsed = static_cast<DWORD>(palette.size());
    const int stride = ((width * bpp + 31) / 32) * 4;
    Bytes dib(sizeof header + palette.size() * 4 + static_cast<size_t>(stride) * height, 0);
    std::memcpy(dib.data(), &header, sizeof header);
    std::uint8_t* p = dib.data() + sizeof header;
    for (TColor c : palette) {
        *p++ = BlueOf(c), *p++ = GreenOf(c), *p++ = RedOf(c), *p++ = 0;
    }
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = p + static_cast<size_t>(stride) * (bottomUp ? height - 1 - y : y);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = value(x, y);
            for (int b = 0; b < bpp / 8; ++b)
                row[x * (bpp / 8) + b] = static_cast<std::uint8_t>(v >> (8 * b));
        }
    }
    return dib;
}

// Distinct BGR(A) bytes per pixel, so that any shift, flip or conversion shows.
std::uint32_t Pattern(int x, int y) {
    return 0x80000000u | (x * 37 + 1) | ((y * 53 + 2) << 8) | ((x ^ y) << 19);
}
std::uint32_t PaletteIndex(int x, int y) {
    return (x + y) % 3;
}

// A copy of this test program with bitmap resources written into it, loaded as a data file.
class ResourceModule {
public:
    explicit ResourceModule(const std::vector<std::pair<std::string, Bytes>>& bitmaps) {
        char self[MAX_PATH], dir[MAX_PATH];
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        GetTempPathA(MAX_PATH, dir);
        GetTempFileNameA(dir, "bmp", 0, path_);
        if (!CopyFileA(self, path_, FALSE))
            throw std::runtime_error("cannot copy the test program");
        HANDLE update = BeginUpdateResourceA(path_, FALSE);
        for (const auto& [name, data] : bitmaps)
            UpdateResourceA(update, MAKEINTRESOURCEA(2), name.c_str(),
                            MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), const_cast<std::uint8_t*>(data.data()),
                            static_cast<DWORD>(data.size()));
        if (!EndUpdateResourceA(update, FALSE))
            throw std::runtime_error("cannot write the resources");
        module_ = LoadLibraryExA(path_, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        if (!module_)
            throw std::runtime_error("cannot load the resource copy");
    }
    ~ResourceModule() {
        FreeLibrary(module_);
        DeleteFileA(path_);
    }
    HINSTANCE Instance() const { return module_; }

private:
    char path_[MAX_PATH] = {};
    HMODULE module_ = nullptr;
};

const TPixelFormat kFormats[] = {pf24bit, pf32bit, pfDevice};
} // namespace

TEST(Bitmap, FreshlySizedBitmapIsWhiteInEveryFormat) {
    for (TPixelFormat format : kFormats) {
        SCOPED_TRACE(format);
        TBitmap bitmap(5, 3, format);
        bitmap.Canvas().FillRect({0, 0, 5, 3}, clRed);
        bitmap.SetSize(6, 4); // a new size keeps nothing of the old picture
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 6; ++x)
                ASSERT_EQ(clWhite, bitmap.Canvas().Pixel(x, y)) << x << "," << y;
        bitmap.Canvas().SetPixel(2, 2, clRed);
        bitmap.SetSize(6, 4); // the same size is no change
        EXPECT_EQ(clRed, bitmap.Canvas().Pixel(2, 2));
    }
}

TEST(Bitmap, WidthThenHeightGivesTheClientSizedBitmap) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(pfDevice);
    bitmap.SetWidth(713);
    bitmap.SetHeight(486);
    EXPECT_EQ(713, bitmap.Width());
    EXPECT_EQ(486, bitmap.Height());
    BITMAP info{};
    ASSERT_TRUE(GetObjectA(bitmap.Handle(), sizeof info, &info));
    EXPECT_EQ(713, info.bmWidth);
    EXPECT_EQ(486, info.bmHeight);
}

TEST(Bitmap, CanvasSurvivesResizeAndDrawsIntoTheNewBitmap) {
    TBitmap bitmap(4, 4, pf32bit);
    TCanvas* canvas = &bitmap.Canvas();
    canvas->Font.SetName("Arial");
    bitmap.SetSize(9, 7);
    ASSERT_EQ(canvas, &bitmap.Canvas());
    EXPECT_EQ("Arial", canvas->Font.Name());
    EXPECT_EQ(bitmap.Handle(), GetCurrentObject(canvas->Handle(), OBJ_BITMAP));
    canvas->FillRect({8, 6, 9, 7}, clBlue);
    EXPECT_EQ(clBlue, PixelAt(bitmap, 8, 6));
}

TEST(Bitmap, HundredResizesWithCanvasInUseLeakNothing) {
    const LiveCounts before = LiveCounts::Now();
    {
        TBitmap bitmap(1, 1);
        bitmap.Canvas().Font.SetBold(true);
        for (int i = 0; i < 100; ++i) {
            bitmap.SetSize(10 + i, 5 + i % 7);
            bitmap.SetPixelFormat(i % 2 ? pf32bit : pf24bit);
            RECT text = {0, 0, bitmap.Width(), bitmap.Height()};
            bitmap.Canvas().FillRect(text, clInfoBk);
            bitmap.Canvas().DrawText("x", text, DT_LEFT);
            bitmap.Canvas().Line(0, 0, 5, 5, clBlack);
        }
        EXPECT_EQ(before[GdiKind::Bitmap] + 1, GdiLiveCount(GdiKind::Bitmap));
        EXPECT_EQ(before[GdiKind::DC] + 1, GdiLiveCount(GdiKind::DC));
        bitmap.SetSize(0, 0);
        EXPECT_EQ(before[GdiKind::Bitmap], GdiLiveCount(GdiKind::Bitmap));
        EXPECT_EQ(nullptr, bitmap.Bits());
    }
    ExpectSameCounts(before, LiveCounts::Now());
}

TEST(Bitmap, ScanLinesAreTopDownAndSeeFinishedDrawing) {
    for (TPixelFormat format : {pf24bit, pf32bit}) {
        TBitmap bitmap(3, 2, format);
        bitmap.Canvas().SetPixel(1, 0, clRed);
        bitmap.Canvas().FillRect({0, 1, 3, 2}, clLime);
        EXPECT_EQ(clRed, PixelAt(bitmap, 1, 0));
        EXPECT_EQ(clLime, PixelAt(bitmap, 2, 1));
        EXPECT_EQ(bitmap.Bits() + bitmap.BytesPerLine(), bitmap.ScanLine(1));
        EXPECT_THROW(bitmap.ScanLine(-1), std::out_of_range);
        EXPECT_THROW(bitmap.ScanLine(2), std::out_of_range);
    }
}

TEST(Bitmap, TransparentColorIsTheBottomLeftPixel) {
    TBitmap bitmap(4, 3);
    PutPixel(bitmap, 0, 0, clBlue);
    PutPixel(bitmap, 3, 2, clRed);
    PutPixel(bitmap, 0, 2, clFuchsia);
    EXPECT_EQ(clFuchsia, bitmap.TransparentColor());
    EXPECT_EQ(clNone, TBitmap().TransparentColor());
}

TEST(Bitmap, AssignAndMoveCarryThePixels) {
    const LiveCounts before = LiveCounts::Now();
    {
        TBitmap source(3, 3, pf32bit);
        PutPixel(source, 2, 1, clFuchsia);
        TBitmap copy;
        copy.Assign(source);
        EXPECT_EQ(pf32bit, copy.PixelFormat());
        EXPECT_EQ(clFuchsia, PixelAt(copy, 2, 1));
        TBitmap moved = std::move(copy);
        EXPECT_TRUE(copy.Empty());
        EXPECT_EQ(nullptr, copy.Handle());
        EXPECT_EQ(clFuchsia, moved.Canvas().Pixel(2, 1));
        moved = std::move(source);
        EXPECT_EQ(clWhite, moved.Canvas().Pixel(0, 0));
    }
    ExpectSameCounts(before, LiveCounts::Now());
}

TEST(Bitmap, ResourceKeepsItsDepthAndExactPixels) {
    struct Case {
        const char* name;
        int bpp;
        bool bottomUp;
    };
    const Case cases[] = {{"BOTTOMUP24", 24, true}, {"TOPDOWN24", 24, false}, {"BOTTOMUP32", 32, true}};
    std::vector<std::pair<std::string, Bytes>> resources;
    for (const Case& c : cases) // width 7: rows of 24-bit pictures carry padding
        resources.emplace_back(c.name, MakeDib(7, 5, c.bpp, c.bottomUp, {}, Pattern));
    ResourceModule module(resources);

    const LiveCounts before = LiveCounts::Now();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBitmap bitmap;
        bitmap.LoadFromResource(module.Instance(), c.name);
        ASSERT_EQ(7, bitmap.Width());
        ASSERT_EQ(5, bitmap.Height());
        EXPECT_EQ(c.bpp, bitmap.BitsPerPixel());
        EXPECT_EQ(c.bpp == 32 ? pf32bit : pf24bit, bitmap.PixelFormat());
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x) {
                const std::uint32_t expected = Pattern(x, y);
                ASSERT_EQ(0, std::memcmp(bitmap.ScanLine(y) + x * c.bpp / 8, &expected, c.bpp / 8))
                    << x << "," << y;
            }
    }
    ExpectSameCounts(before, LiveCounts::Now());
}

TEST(Bitmap, PaletteResourceBecomes24BitWithItsColours) {
    const std::vector<TColor> palette = {clFuchsia, MakeColor(10, 20, 30), clWhite};
    ResourceModule module({{"PALETTE8", MakeDib(5, 3, 8, true, palette, PaletteIndex)}});
    TBitmap bitmap;
    bitmap.LoadFromResource(module.Instance(), "PALETTE8");
    EXPECT_EQ(24, bitmap.BitsPerPixel());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(palette[PaletteIndex(x, y)], PixelAt(bitmap, x, y)) << x << "," << y;
}

TEST(Bitmap, MissingOrTruncatedResourceRaisesAndLeaksNothing) {
    Bytes truncated = MakeDib(40, 40, 24, true, {}, Pattern);
    truncated.resize(truncated.size() / 2);
    ResourceModule module({{"TRUNCATED", truncated}});
    const LiveCounts before = LiveCounts::Now();
    TBitmap bitmap;
    EXPECT_THROW(bitmap.LoadFromResource(module.Instance(), "NOSUCHBITMAP"), std::runtime_error);
    EXPECT_THROW(bitmap.LoadFromResource(module.Instance(), "TRUNCATED"), std::runtime_error);
    EXPECT_TRUE(bitmap.Empty());
    ExpectSameCounts(before, LiveCounts::Now());
}

TEST(Bitmap, ProgramSkinLoadsPixelExact) {
    HINSTANCE self = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(self, "SKIN", MAKEINTRESOURCEA(2));
    if (!found)
        GTEST_SKIP() << "the program's resources are not linked into this test";
    const auto* raw = static_cast<const std::uint8_t*>(LockResource(LoadResource(self, found)));
    BITMAPINFOHEADER header;
    std::memcpy(&header, raw, sizeof header);
    ASSERT_EQ(24, header.biBitCount);
    TBitmap skin;
    skin.LoadFromResource(self, "SKIN");
    ASSERT_EQ(100, skin.Width());
    ASSERT_EQ(50, skin.Height());
    EXPECT_EQ(24, skin.BitsPerPixel());
    const int stride = skin.BytesPerLine();
    const std::uint8_t* rows = raw + header.biSize;
    for (int y = 0; y < 50; ++y) {
        const int sourceRow = header.biHeight > 0 ? 49 - y : y;
        ASSERT_EQ(0, std::memcmp(skin.ScanLine(y), rows + sourceRow * stride, 300)) << "row " << y;
    }
    EXPECT_EQ(clFuchsia, PixelAt(skin, 0, 0));
    EXPECT_EQ(clFuchsia, skin.TransparentColor());
}
