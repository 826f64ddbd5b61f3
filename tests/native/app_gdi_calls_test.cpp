// The main window and the widgets create and delete GDI objects only through the toolkit's counted
// owners, so that the live counts show any leak.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace {

TEST(AppSources, NoDirectGdiCreateOrDelete) {
    const std::regex forbidden(
        R"(\b(Create(SolidBrush|Pen|PenIndirect|RectRgn|RectRgnIndirect|RoundRectRgn|)"
        R"(EllipticRgn|PolygonRgn|CompatibleDC|CompatibleBitmap|DIBSection|Bitmap|DC|)"
        R"(FontIndirectA|FontA|PatternBrush|HatchBrush)|DeleteObject|DeleteDC|ReleaseDC|GetDC|GetWindowDC)\s*\()");
    ASSERT_TRUE(std::regex_search("HBRUSH b = CreateSolidBrush(0);", forbidden));
    ASSERT_FALSE(std::regex_search("GdiBrush::Solid(0);", forbidden));
    int files = 0;
    for (const char* folder : {"app", "widgets"}) {
        for (const auto& entry :
             std::filesystem::directory_iterator(std::string(SINOSHIFT_SOURCE_DIR) + "/" + folder)) {
            const std::string ext = entry.path().extension().string();
            if (ext != ".cpp" && ext != ".h")
                continue;
            ++files;
            std::ifstream in(entry.path());
            std::string line;
            for (int n = 1; std::getline(in, line); ++n)
                EXPECT_FALSE(std::regex_search(line, forbidden)) << entry.path() << ":" << n << ": " << line;
        }
    }
    EXPECT_GE(files, 10);
}

} // namespace
