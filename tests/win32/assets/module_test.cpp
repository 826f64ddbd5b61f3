// The executable-level resources: split cursors, the application icon, the manifest that binds the
// version 6 common controls, and the version block the shell shows.
#include "toolkit/GdiObject.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

std::string ResourceText(LPCSTR name, LPCSTR type) {
    HMODULE self = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(self, name, type);
    if (!found)
        return {};
    const char* data = static_cast<const char*>(LockResource(LoadResource(self, found)));
    return std::string(data, SizeofResource(self, found));
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR out) {
    auto* names = reinterpret_cast<std::vector<std::string>*>(out);
    names->push_back(IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name)) : name);
    return TRUE;
}

std::vector<std::string> NamesOf(LPCSTR type) {
    std::vector<std::string> names;
    EnumResourceNamesA(GetModuleHandleA(nullptr), type, CollectName, reinterpret_cast<LONG_PTR>(&names));
    return names;
}

// The sizes of an icon's or cursor's bitmaps; the caller's copies are deleted through the owners.
struct IconShape {
    ICONINFO info{};
    BITMAP mask{};
    BITMAP colour{};
    bool hasColour = false;
};

IconShape ShapeOf(HICON icon) {
    IconShape s;
    EXPECT_TRUE(GetIconInfo(icon, &s.info));
    GdiBitmap mask(s.info.hbmMask), colour(s.info.hbmColor);
    if (mask)
        GetObjectA(mask.Handle(), sizeof s.mask, &s.mask);
    if (colour) {
        s.hasColour = true;
        GetObjectA(colour.Handle(), sizeof s.colour, &s.colour);
    }
    return s;
}

// GetProcAddress answers a generic pointer; going through void(*)() states that the cast is intended.
template <typename Fn> Fn Proc(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

} // namespace

TEST(AssetModule, SplitCursorsAreMonochromeWithHotSpotBetweenTheLines) {
    for (const char* name : {"UISPLIT_HORZ", "UISPLIT_VERT", "UISPLIT_HORZHOTSPOT", "UISPLIT_VERTHOTSPOT"}) {
        SCOPED_TRACE(name);
        HCURSOR cursor = LoadCursorA(GetModuleHandleA(nullptr), name); // shared: never destroyed
        ASSERT_NE(cursor, nullptr);
        const IconShape s = ShapeOf(cursor);
        EXPECT_FALSE(s.info.fIcon);
        EXPECT_EQ(s.info.xHotspot, 8u);
        EXPECT_EQ(s.info.yHotspot, 8u);
        EXPECT_FALSE(s.hasColour) << "two-colour cursors keep AND and XOR planes in one mask";
        EXPECT_EQ(s.mask.bmWidth, 32);
        EXPECT_EQ(s.mask.bmHeight, 64);
    }
}

TEST(AssetModule, SplitCursorsDrawTheDoubleLineAcrossTheHotSpot) {
    // The raw images: in the AND plane 0 = drawn; in the XOR plane 0 = black. Two black lines one pixel to
    // either side of the hot spot, and the gap at the hot spot itself drawn (white), not transparent.
    HMODULE self = GetModuleHandleA(nullptr);
    for (bool vertical : {false, true}) {
        const char* name = vertical ? "UISPLIT_VERT" : "UISPLIT_HORZ";
        HRSRC group = FindResourceA(self, name, MAKEINTRESOURCEA(12) /* RT_GROUP_CURSOR */);
        ASSERT_NE(group, nullptr) << name;
        const auto* dir = static_cast<const std::uint8_t*>(LockResource(LoadResource(self, group)));
        const WORD id = *reinterpret_cast<const WORD*>(dir + 6 + 12); // first entry's resource id
        HRSRC image = FindResourceA(self, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(1) /* RT_CURSOR */);
        ASSERT_NE(image, nullptr);
        const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(self, image)));
        const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(bytes + 4); // after the hot spot
        ASSERT_EQ(header->biBitCount, 1);
        const std::uint8_t* xorPlane = bytes + 4 + header->biSize + 2 * 4;
        const std::uint8_t* andPlane = xorPlane + 32 * 4;
        auto bit = [](const std::uint8_t* plane, int x, int y) {
            return (plane[(31 - y) * 4 + x / 8] >> (7 - x % 8)) & 1;
        };
        auto at = [&](int along, int across) { // across = distance from the hot spot across the lines
            const int x = vertical ? along : 8 + across, y = vertical ? 8 + across : along;
            return std::make_pair(bit(andPlane, x, y), bit(xorPlane, x, y));
        };
        for (int along : {2, 4, 12, 14}) {
            EXPECT_EQ(at(along, -1), std::make_pair(0, 0)) << name << " line before, at " << along;
            EXPECT_EQ(at(along, 1), std::make_pair(0, 0)) << name << " line after, at " << along;
            EXPECT_EQ(at(along, 0), std::make_pair(0, 1)) << name << " white gap, at " << along;
        }
        EXPECT_EQ(at(30, 20), std::make_pair(1, 0)) << name << " far corner transparent";
    }
}

TEST(AssetModule, MainIconIsTheFirstGroupAndA256ColourImage) {
    const std::vector<std::string> groups = NamesOf(RT_GROUP_ICON);
    ASSERT_FALSE(groups.empty());
    EXPECT_EQ(groups.front(), "MAINICON");
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON"); // shared
    ASSERT_NE(icon, nullptr);
    const IconShape s = ShapeOf(icon);
    EXPECT_TRUE(s.info.fIcon);
    EXPECT_EQ(s.colour.bmWidth, 32);
    EXPECT_EQ(s.colour.bmHeight, 32);
    // The stored image itself: 8 bits per pixel with its AND mask.
    const std::string group = ResourceText("MAINICON", RT_GROUP_ICON);
    ASSERT_GE(group.size(), 6u + 14u);
    EXPECT_EQ(*reinterpret_cast<const WORD*>(group.data() + 4), 1) << "one image";
    const WORD id = *reinterpret_cast<const WORD*>(group.data() + 6 + 12);
    const std::string image = ResourceText(MAKEINTRESOURCEA(id), RT_ICON);
    ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER));
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(image.data());
    EXPECT_EQ(header->biWidth, 32);
    EXPECT_EQ(header->biHeight, 64);
    EXPECT_EQ(header->biBitCount, 8);
    EXPECT_EQ(image.size(), header->biSize + 256 * 4 + 32 * 32 + 32 * 4);
}

TEST(AssetModule, ManifestBindsCommonControlsSix) {
    const std::vector<std::string> manifests = NamesOf(MAKEINTRESOURCEA(24) /* RT_MANIFEST */);
    ASSERT_EQ(manifests, std::vector<std::string>{"#1"}) << "exactly one manifest, id 1";
    const std::string text = ResourceText(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    for (const char* needle :
         {"name=\"Microsoft.Windows.Common-Controls\"", "version=\"6.0.0.0\"",
          "processorArchitecture=\"x86\"", "publicKeyToken=\"6595b64144ccf1df\"", "level=\"asInvoker\""})
        EXPECT_NE(text.find(needle), std::string::npos) << needle;

    // And the loader honours it: the comctl32 this process gets is the side-by-side version 6 assembly.
    // (Its DllGetVersion is no witness: Wine's answers 5 for both builds.)
    HMODULE comctl = LoadLibraryA("comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    char path[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameA(comctl, path, MAX_PATH), 0u);
    std::string lower(path);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_NE(lower.find("microsoft.windows.common-controls_6595b64144ccf1df_6."), std::string::npos) << path;
    FreeLibrary(comctl);
}

TEST(AssetModule, VersionBlockNamesTheProductAndVersion) {
    HMODULE versionDll = LoadLibraryA("version.dll");
    ASSERT_NE(versionDll, nullptr);
    using SizeFn = DWORD(WINAPI*)(LPCSTR, LPDWORD);
    using InfoFn = BOOL(WINAPI*)(LPCSTR, DWORD, DWORD, LPVOID);
    using QueryFn = BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT);
    auto infoSize = Proc<SizeFn>(versionDll, "GetFileVersionInfoSizeA");
    auto info = Proc<InfoFn>(versionDll, "GetFileVersionInfoA");
    auto query = Proc<QueryFn>(versionDll, "VerQueryValueA");
    ASSERT_TRUE(infoSize && info && query);

    char path[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
    DWORD ignored = 0;
    const DWORD size = infoSize(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(info(path, 0, size, block.data()));

    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(query(block.data(), "\\", &value, &length));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010006u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00080000u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010006u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00080000u);

    ASSERT_TRUE(query(block.data(), "\\VarFileInfo\\Translation", &value, &length));
    ASSERT_GE(length, 4u);
    EXPECT_EQ(static_cast<const WORD*>(value)[0], 0x0804);
    EXPECT_EQ(static_cast<const WORD*>(value)[1], 936);

    const struct {
        const char* key;
        const char* expected;
    } strings[] = {{"ProductName", "Sinoshift"}, {"FileVersion", "1.6.8.0"}, {"ProductVersion", "1.6.8.0"}};
    for (const auto& s : strings) {
        const std::string key = std::string("\\StringFileInfo\\080403a8\\") + s.key;
        ASSERT_TRUE(query(block.data(), key.c_str(), &value, &length)) << s.key;
        EXPECT_STREQ(static_cast<const char*>(value), s.expected) << s.key;
    }
    for (const char* key : {"CompanyName", "FileDescription", "LegalCopyright"}) {
        const std::string path = std::string("\\StringFileInfo\\080403a8\\") + key;
        EXPECT_TRUE(query(block.data(), path.c_str(), &value, &length) && length > 1) << key;
    }
    FreeLibrary(versionDll);
}
