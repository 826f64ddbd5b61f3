// The chrome creates and deletes GDI objects only through the toolkit's counted owners, so that the live
// counts prove it leaks nothing.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

TEST(ChromeSources, NoDirectGdiCreateOrDelete) {
    const std::regex forbidden(
        R"(\b(Create(SolidBrush|Pen|PenIndirect|RectRgn|RectRgnIndirect|RoundRectRgn|)"
        R"(EllipticRgn|PolygonRgn|CompatibleDC|CompatibleBitmap|DIBSection|Bitmap|DC|)"
        R"(FontIndirectA|FontA|PatternBrush|HatchBrush)|DeleteObject|DeleteDC|ReleaseDC)\s*\()");
    ASSERT_TRUE(std::regex_search("HRGN r = CreateRoundRectRgn(1, 1, 2, 2, 3, 3);", forbidden));
    ASSERT_TRUE(std::regex_search("DeleteObject(brush);", forbidden));
    ASSERT_FALSE(std::regex_search("GdiRegion::RoundRect(1, 1, 2, 2, 3, 3);", forbidden));
    const char* files[] = {"chrome/SkinPainter.cpp",   "chrome/UnitFace.cpp", "chrome/ufrmShadowFrame.cpp",
                           "chrome/ufrmShadowFrame.h", "chrome/UnitFace.h",   "chrome/SkinPainter.h",
                           "bench/shadowbench_win.cpp"};
    for (const char* name : files) {
        std::ifstream in(std::string(SINOSHIFT_SOURCE_DIR) + "/" + name);
        ASSERT_TRUE(in) << name;
        std::string line;
        for (int n = 1; std::getline(in, line); ++n)
            EXPECT_FALSE(std::regex_search(line, forbidden)) << name << ":" << n << ": " << line;
    }
}

} // namespace
