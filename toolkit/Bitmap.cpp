#include "toolkit/Bitmap.h"

#include <cstring>
#include <stdexcept>
#include <string>

struct TBitmap::Surface {
    TMemoryDC dc;
    TSelectGuard selection;
    TCanvas canvas{dc.Handle()};
};

namespace {
int StrideOf(int width, int bitsPerPixel) {
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

// What pfDevice means on this display: a DIB of the screen's depth where it is one the program
// can address, else a bitmap in the display's own format without pixel memory.
int DeviceBitsPerPixel() {
    TClientDC screen(nullptr);
    const int depth = GetDeviceCaps(screen.Handle(), BITSPIXEL) * GetDeviceCaps(screen.Handle(), PLANES);
    return depth == 24 || depth == 32 ? depth : 0;
}
} // namespace

TBitmap::TBitmap(int width, int height, TPixelFormat format) : format_(format) {
    SetSize(width, height);
}

TBitmap::TBitmap() = default;
TBitmap::~TBitmap() = default;
TBitmap::TBitmap(TBitmap&& other) noexcept {
    *this = std::move(other);
}

TBitmap& TBitmap::operator=(TBitmap&& other) noexcept {
    if (this != &other) {
        // Deselect and delete our own bitmap in that order before taking the other's.
        surface_.reset();
        bitmap_ = std::move(other.bitmap_);
        surface_ = std::move(other.surface_);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        format_ = other.format_;
        bitsPerPixel_ = std::exchange(other.bitsPerPixel_, 0);
        bits_ = std::exchange(other.bits_, nullptr);
    }
    return *this;
}

int TBitmap::BytesPerLine() const {
    return bits_ ? StrideOf(width_, bitsPerPixel_) : 0;
}

void TBitmap::SetSize(int width, int height) {
    if (width < 0 || height < 0)
        throw std::invalid_argument("Bitmap size must not be negative");
    if (width == width_ && height == height_)
        return;
    const int bitsPerPixel = format_ == pf32bit ? 32 : format_ == pf24bit ? 24 : DeviceBitsPerPixel();
    Recreate(width, height, format_, bitsPerPixel);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format == format_)
        return;
    format_ = format;
    const int bitsPerPixel = format_ == pf32bit ? 32 : format_ == pf24bit ? 24 : DeviceBitsPerPixel();
    Recreate(width_, height_, format_, bitsPerPixel);
}

void TBitmap::Recreate(int width, int height, TPixelFormat format, int bitsPerPixel) {
    // The old bitmap leaves the canvas's DC before it is deleted; the DC itself is kept.
    if (surface_)
        surface_->selection.Restore();
    bitmap_.Reset();
    bits_ = nullptr;
    width_ = 0;
    height_ = 0;
    bitsPerPixel_ = 0;
    format_ = format;
    if (width == 0 || height == 0) {
        // One side may be set before the other: keep both, make a bitmap once neither is zero.
        width_ = width;
        height_ = height;
        return;
    }

    if (bitsPerPixel == 0) {
        TClientDC screen(nullptr);
        bitmap_ = GdiBitmap::Compatible(screen.Handle(), width, height);
    } else {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height; // top-down: row 0 is the top row
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = GdiBitmap::DibSection(info, &bits);
        bits_ = static_cast<std::uint8_t*>(bits);
        bitsPerPixel_ = bitsPerPixel;
    }
    width_ = width;
    height_ = height;

    if (bits_)
        std::memset(bits_, 0xFF, static_cast<size_t>(StrideOf(width, bitsPerPixel_)) * height);
    // A bitmap without pixel memory is whitened through the DC; others get the DC on demand.
    if (surface_ || !bits_)
        SelectIntoCanvas();
    if (!bits_)
        PatBlt(surface_->dc.Handle(), 0, 0, width, height, WHITENESS);
}

void TBitmap::SelectIntoCanvas() {
    if (!surface_) {
        surface_ = std::make_unique<Surface>();
        // COLORONCOLOR by default: the other modes mix dropped pixels of colour pictures.
        SetStretchBltMode(surface_->dc.Handle(), COLORONCOLOR);
    }
    if (bitmap_)
        surface_->selection = TSelectGuard(surface_->dc.Handle(), bitmap_.Handle());
}

TCanvas& TBitmap::Canvas() {
    if (!surface_)
        SelectIntoCanvas();
    return surface_->canvas;
}

std::uint8_t* TBitmap::Bits() {
    GdiFlush();
    return bits_;
}

std::uint8_t* TBitmap::ScanLine(int y) {
    if (y < 0 || y >= height_)
        throw std::out_of_range("Scan line index out of range");
    std::uint8_t* bits = Bits();
    return bits ? bits + static_cast<size_t>(y) * BytesPerLine() : nullptr;
}

void TBitmap::LoadFromResource(HINSTANCE instance, const char* name) {
    const std::string what = std::string("Bitmap resource ") + (IS_INTRESOURCE(name) ? "#" : name);
    HRSRC found = FindResourceA(instance, name, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    if (!found)
        throw std::runtime_error(what + " not found");
    HGLOBAL loaded = LoadResource(instance, found);
    const auto* data = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    const DWORD size = SizeofResource(instance, found);
    if (!data || size < sizeof(BITMAPINFOHEADER))
        throw std::runtime_error(what + " is not a bitmap");

    BITMAPINFOHEADER header;
    std::memcpy(&header, data, sizeof header);
    const int bpp = header.biBitCount;
    const bool bitfields = header.biCompression == BI_BITFIELDS;
    const bool plain = header.biCompression == BI_RGB || bitfields;
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biSize > size || header.biWidth <= 0 ||
        header.biHeight == 0 || header.biPlanes != 1 ||
        (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32))
        throw std::runtime_error(what + " has an unsupported format");

    size_t colours = 0;
    if (bpp <= 8)
        colours = header.biClrUsed ? header.biClrUsed : (size_t(1) << bpp);
    const size_t masks = bitfields && header.biSize == sizeof(BITMAPINFOHEADER) ? 3 : 0;
    const size_t offset = header.biSize + (colours + masks) * 4;
    const int width = header.biWidth;
    const int height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    const size_t sourceStride = StrideOf(width, bpp);
    const size_t needed = plain ? sourceStride * height : header.biSizeImage;
    if (offset > size || needed > size - offset)
        throw std::runtime_error(what + " is truncated");
    const std::uint8_t* pixels = data + offset;

    const int depth = bpp == 32 ? 32 : 24;
    Recreate(width, height, depth == 32 ? pf32bit : pf24bit, depth);
    if (bpp == depth && header.biCompression == BI_RGB) {
        // Same layout: copy the rows as they are, turning a bottom-up picture upright.
        const bool bottomUp = header.biHeight > 0;
        for (int y = 0; y < height; ++y) {
            const std::uint8_t* row = pixels + sourceStride * (bottomUp ? height - 1 - y : y);
            std::memcpy(ScanLine(y), row, sourceStride);
        }
        return;
    }
    // Palettes, 16-bit and bit-field pictures: the system converts into our 24 or 32 bits.
    // SetDIBits wants the target deselected, so take it out of the canvas for the call.
    if (surface_)
        surface_->selection.Restore();
    TClientDC screen(nullptr);
    SetDIBits(screen.Handle(), bitmap_.Handle(), 0, height, pixels, reinterpret_cast<const BITMAPINFO*>(data),
              DIB_RGB_COLORS);
    if (surface_)
        SelectIntoCanvas();
}

void TBitmap::Assign(TBitmap& source) {
    if (&source == this)
        return;
    Recreate(source.width_, source.height_, source.format_, source.bitsPerPixel_);
    if (Empty())
        return;
    if (bits_ && source.bits_) {
        std::memcpy(Bits(), source.Bits(), static_cast<size_t>(BytesPerLine()) * height_);
        return;
    }
    BitBlt(Canvas().Handle(), 0, 0, width_, height_, source.Canvas().Handle(), 0, 0, SRCCOPY);
}

TColor TBitmap::TransparentColor() {
    if (Empty())
        return clNone;
    return Canvas().Pixel(0, height_ - 1);
}
