#pragma once
// A bitmap held as a top-down DIB section with its own drawing surface.
#include "toolkit/Canvas.h"
#include "toolkit/Colors.h"
#include "toolkit/GdiObject.h"

#include <windows.h>

#include <cstdint>
#include <memory>

enum TPixelFormat { pfDevice, pf24bit, pf32bit };

class TBitmap {
public:
    TBitmap();
    TBitmap(int width, int height, TPixelFormat format = pf24bit);
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;
    TBitmap(TBitmap&&) noexcept;
    TBitmap& operator=(TBitmap&&) noexcept;

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    TPixelFormat PixelFormat() const { return format_; }
    // Bits per pixel of the pixel memory (24 or 32); 0 when there is none.
    int BitsPerPixel() const { return bitsPerPixel_; }
    int BytesPerLine() const;

    // A change of size or format keeps nothing: the new bitmap is all white. Setting the
    // current values changes nothing. Throws EOutOfResources when the system refuses.
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }
    void SetSize(int width, int height);
    void SetPixelFormat(TPixelFormat format);

    // The drawing surface: a memory DC, created at the first call, with this bitmap selected.
    // The same object stays valid, and stays bound, across changes of size and format.
    TCanvas& Canvas();

    // Pixel memory, top row first, after pending drawing has been flushed (GdiFlush). Null when
    // the bitmap is empty or has no pixel memory of its own (a device format the program
    // cannot address). ScanLine throws std::out_of_range for a row outside the bitmap.
    std::uint8_t* Bits();
    std::uint8_t* ScanLine(int y);

    // Loads a BITMAP resource with its own depth: a 24-bit picture stays 24 bits, pixel for
    // pixel; pictures of 8 bits or less become 24 bits. Throws std::runtime_error when the
    // resource is missing or malformed.
    void LoadFromResource(HINSTANCE instance, const char* name);
    // Copies size, format and pixels of another bitmap.
    void Assign(TBitmap& source);

    // The colour of the bottom-left pixel, the key of transparent drawing; clNone when empty.
    TColor TransparentColor();

    HBITMAP Handle() const { return bitmap_.Handle(); }

private:
    struct Surface;
    void Recreate(int width, int height, TPixelFormat format, int bitsPerPixel);
    void SelectIntoCanvas();

    int width_ = 0;
    int height_ = 0;
    TPixelFormat format_ = pf24bit;
    int bitsPerPixel_ = 0;
    std::uint8_t* bits_ = nullptr;
    // Declared before the surface, so the surface's guard deselects the bitmap before it goes.
    GdiBitmap bitmap_;
    std::unique_ptr<Surface> surface_;
};
