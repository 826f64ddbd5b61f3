#include "chrome/PixelImage.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

PixelImage::PixelImage(int32_t width, int32_t height, uint32_t fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), fill) {}

size_t PixelImage::Index(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw std::out_of_range("pixel outside the image");
    return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
}

void PixelImage::Fill(const IntRect& rect, uint32_t value) {
    // Clipped to the image, like a device context fill.
    const int32_t l = std::max(rect.left, 0), r = std::min(rect.right, width_);
    const int32_t t = std::max(rect.top, 0), b = std::min(rect.bottom, height_);
    if (l >= r || t >= b)
        return;
    for (int32_t y = t; y < b; ++y)
        std::fill_n(pixels_.begin() + static_cast<ptrdiff_t>(Index(0, y)) + l, r - l, value);
}

PixelView PixelImage::View() {
    return {reinterpret_cast<uint8_t*>(pixels_.data()), width_, height_, width_ * 4};
}
