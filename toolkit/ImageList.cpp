#include "toolkit/ImageList.h"

#include "toolkit/Bitmap.h"
#include "toolkit/GdiObject.h"

#include <stdexcept>

TImageList::TImageList(int width, int height) : width_(width), height_(height) {
    list_ = ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 0, 4);
    if (!list_)
        throw EOutOfResources("Out of system resources: ImageList_Create failed");
    // No background colour: images are drawn through their masks.
    ImageList_SetBkColor(list_, CLR_NONE);
}

TImageList::~TImageList() {
    if (list_)
        ImageList_Destroy(list_);
}

TImageList& TImageList::operator=(TImageList&& other) noexcept {
    if (this != &other) {
        if (list_)
            ImageList_Destroy(list_);
        list_ = std::exchange(other.list_, nullptr);
        width_ = other.width_;
        height_ = other.height_;
    }
    return *this;
}

int TImageList::AddMasked(TBitmap& strip, TColor key) {
    if (strip.Empty() || strip.Width() < width_)
        throw std::invalid_argument("Image strip is smaller than one image");
    // ImageList_AddMasked blackens the key pixels of the bitmap it is given, and the bitmap must
    // not be selected into a DC: hand it a private 24-bit copy that no DC holds.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = strip.Width();
    info.bmiHeader.biHeight = -strip.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    GdiBitmap copy = GdiBitmap::DibSection(info, &bits);
    {
        TMemoryDC dc;
        TSelectGuard selected(dc.Handle(), copy.Handle());
        BitBlt(dc.Handle(), 0, 0, strip.Width(), strip.Height(), strip.Canvas().Handle(), 0, 0, SRCCOPY);
    }
    const int first = ImageList_AddMasked(list_, copy.Handle(), ColorToRGB(key));
    if (first < 0)
        throw EOutOfResources("Out of system resources: ImageList_AddMasked failed");
    return first;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
    if (index < 0 || index >= Count())
        return;
    if (enabled)
        ImageList_Draw(list_, index, canvas.Handle(), x, y, ILD_NORMAL);
    else
        DrawGreyed(canvas.Handle(), x, y, index);
}

void TImageList::DrawGreyed(HDC dc, int x, int y, int index) const {
    // Render into a key-filled scratch image, turn every drawn pixel into a light grey of its
    // brightness, and copy it with the key transparent. Greys never equal fuchsia.
    TBitmap scratch(width_, height_, pf32bit);
    const RECT all = {0, 0, width_, height_};
    scratch.Canvas().FillRect(all, clFuchsia);
    ImageList_Draw(list_, index, scratch.Canvas().Handle(), 0, 0, ILD_NORMAL);
    for (int row = 0; row < height_; ++row) {
        std::uint8_t* p = scratch.ScanLine(row);
        for (int column = 0; column < width_; ++column, p += 4) {
            if (p[0] == 0xFF && p[1] == 0x00 && p[2] == 0xFF)
                continue;
            const int luma = (p[2] * 77 + p[1] * 150 + p[0] * 29) >> 8;
            const auto grey = static_cast<std::uint8_t>(128 + luma / 2);
            p[0] = p[1] = p[2] = grey;
        }
    }
    TransparentBlt(dc, x, y, width_, height_, scratch.Canvas().Handle(), 0, 0, width_, height_,
                   RGB(255, 0, 255));
}

void TImageList::Clear() {
    if (list_)
        ImageList_RemoveAll(list_);
}

int TImageList::Count() const {
    return list_ ? ImageList_GetImageCount(list_) : 0;
}
