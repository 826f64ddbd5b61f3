#pragma once
#include "chrome/IntRect.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A view of 32-bit pixel memory laid out as a top-down device-independent bitmap: four bytes per pixel in
// the order blue, green, red, alpha; rows stride bytes apart, row 0 at the top.
struct PixelView {
    uint8_t* bits = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;

    uint8_t* Pixel(int32_t x, int32_t y) const { return bits + static_cast<intptr_t>(y) * stride + x * 4; }
};

// Packs a pixel as the 32-bit value the memory holds on a little-endian machine: 0xAARRGGBB.
constexpr uint32_t PackBgra(uint8_t b, uint8_t g, uint8_t r, uint8_t a = 0) {
    return uint32_t(b) | uint32_t(g) << 8 | uint32_t(r) << 16 | uint32_t(a) << 24;
}

// An owned 32-bit pixel buffer, for painting and comparing without a device context.
class PixelImage {
public:
    PixelImage() = default;
    PixelImage(int32_t width, int32_t height, uint32_t fill = 0);

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    uint32_t At(int32_t x, int32_t y) const { return pixels_[Index(x, y)]; }
    void Set(int32_t x, int32_t y, uint32_t value) { pixels_[Index(x, y)] = value; }
    void Fill(const IntRect& rect, uint32_t value);
    PixelView View();

private:
    std::size_t Index(int32_t x, int32_t y) const;

    int32_t width_ = 0;
    int32_t height_ = 0;
    std::vector<uint32_t> pixels_;
};
