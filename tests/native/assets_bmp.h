// A small reader for the uncompressed 24-bit bitmaps the artwork generator writes, so that tests can check
// the committed files (and, under Wine, the embedded resources) pixel by pixel. Deliberately independent of
// the toolkit's bitmap code: a fault there must not hide a fault in the pictures.
#pragma once

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace assets_test {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

inline const Rgb kFuchsia{255, 0, 255};
inline const Rgb kWhite{255, 255, 255};

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels; // top row first
    Rgb At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

inline std::uint32_t Le32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::uint16_t Le16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

// Parses a packed DIB (BITMAPINFOHEADER + pixels), the layout of a BITMAP resource. On failure returns
// false and says why.
inline bool ParseDib(const std::uint8_t* data, size_t size, Picture& out, std::string& why) {
    if (size < 40 || Le32(data) < 40 || Le32(data) > size) {
        why = "no BITMAPINFOHEADER";
        return false;
    }
    const std::int32_t width = static_cast<std::int32_t>(Le32(data + 4));
    const std::int32_t rawHeight = static_cast<std::int32_t>(Le32(data + 8));
    const int bits = Le16(data + 14);
    const std::uint32_t compression = Le32(data + 16);
    if (bits != 24 || compression != 0) {
        why = "not an uncompressed 24-bit bitmap (" + std::to_string(bits) + " bits)";
        return false;
    }
    if (width <= 0 || width > 4096 || rawHeight == 0 || rawHeight > 4096 || rawHeight < -4096) {
        why = "implausible size";
        return false;
    }
    const bool bottomUp = rawHeight > 0;
    const int height = bottomUp ? rawHeight : -rawHeight;
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t(3);
    const size_t offset = Le32(data);
    if (offset > size || stride * height > size - offset) {
        why = "pixel data truncated";
        return false;
    }
    out.width = width;
    out.height = height;
    out.pixels.assign(static_cast<size_t>(width) * height, Rgb{});
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = data + offset + stride * (bottomUp ? height - 1 - y : y);
        for (int x = 0; x < width; ++x)
            out.pixels[static_cast<size_t>(y) * width + x] = Rgb{row[3 * x + 2], row[3 * x + 1], row[3 * x]};
    }
    return true;
}

inline std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A .bmp file is a 14-byte file header in front of the packed DIB.
inline bool LoadBmpFile(const std::string& path, Picture& out, std::string& why) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    if (bytes.size() < 14 || bytes[0] != 'B' || bytes[1] != 'M') {
        why = path + ": not a BMP file";
        return false;
    }
    return ParseDib(bytes.data() + 14, bytes.size() - 14, out, why);
}

inline std::string AssetPath(const char* name) {
    return std::string(SINOSHIFT_SOURCE_DIR) + "/assets/" + name;
}

// Number of fuchsia pixels in row y counted from the left (or right) edge up to the first other colour.
inline int FuchsiaRun(const Picture& p, int y, bool fromRight) {
    int n = 0;
    while (n < p.width && p.At(fromRight ? p.width - 1 - n : n, y) == kFuchsia)
        ++n;
    return n;
}

inline int CountColour(const Picture& p, Rgb c) {
    int n = 0;
    for (const Rgb& px : p.pixels)
        n += px == c;
    return n;
}

inline bool Near(Rgb a, Rgb b, int tolerance) {
    auto d = [](int x, int y) { return x > y ? x - y : y - x; };
    return d(a.r, b.r) <= tolerance && d(a.g, b.g) <= tolerance && d(a.b, b.b) <= tolerance;
}

inline std::string ToString(Rgb c) {
    return "(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

// The skin's rounded corners: fuchsia pixels from the edge in the five rows nearest the top and bottom.
inline const int kCornerRun[5] = {5, 3, 2, 1, 1};

} // namespace assets_test
