// Every GDI object is created and deleted through the toolkit's counted owners (toolkit/GdiObject), so that
// the live counts prove the program leaks nothing; no other source file may call the system directly.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace {

const std::regex& DirectGdiCall() {
    static const std::regex forbidden(
        R"(\b(Create(SolidBrush|Pen|PenIndirect|RectRgn|RectRgnIndirect|RoundRectRgn|)"
        R"(EllipticRgn|PolygonRgn|CompatibleDC|CompatibleBitmap|DIBSection|Bitmap|DC|)"
        R"(FontIndirectA|FontA|PatternBrush|HatchBrush)|DeleteObject|DeleteDC|ReleaseDC|GetDC|GetWindowDC)\s*\()");
    return forbidden;
}

TEST(GdiCalls, PatternCatchesCallsButNotOwners) {
    EXPECT_TRUE(std::regex_search("HBRUSH b = CreateSolidBrush(0);", DirectGdiCall()));
    EXPECT_TRUE(std::regex_search("HRGN r = CreateRoundRectRgn(1, 1, 2, 2, 3, 3);", DirectGdiCall()));
    EXPECT_TRUE(std::regex_search("DeleteObject(brush);", DirectGdiCall()));
    EXPECT_FALSE(std::regex_search("GdiBrush::Solid(0);", DirectGdiCall()));
    EXPECT_FALSE(std::regex_search("GdiRegion::RoundRect(1, 1, 2, 2, 3, 3);", DirectGdiCall()));
}

TEST(GdiCalls, NoSourceOutsideTheOwnersCallsGdiCreateOrDelete) {
    int files = 0;
    for (const char* folder : {"app", "widgets", "chrome", "conversion", "toolkit", "bench"}) {
        for (const auto& entry :
             std::filesystem::directory_iterator(std::string(SINOSHIFT_SOURCE_DIR) + "/" + folder)) {
            const std::string ext = entry.path().extension().string();
            const std::string stem = entry.path().stem().string();
            if ((ext != ".cpp" && ext != ".h") || (std::string(folder) == "toolkit" && stem == "GdiObject"))
                continue;
            ++files;
            std::ifstream in(entry.path());
            std::string line;
            for (int n = 1; std::getline(in, line); ++n)
                EXPECT_FALSE(std::regex_search(line, DirectGdiCall()))
                    << entry.path() << ":" << n << ": " << line;
        }
    }
    EXPECT_GE(files, 60);
}

} // namespace
