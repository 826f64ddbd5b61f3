#pragma once
// A list of small pictures with one-bit masks (a system image list), owned.
#include "toolkit/Colors.h"

#include <windows.h>
#include <commctrl.h>

#include <utility>

class TBitmap;
class TCanvas;

class TImageList {
public:
    // Images of width x height with colour and a mask; the list grows by 4 images at a time.
    explicit TImageList(int width = 16, int height = 16);
    ~TImageList();
    TImageList(const TImageList&) = delete;
    TImageList& operator=(const TImageList&) = delete;
    TImageList(TImageList&& other) noexcept
        : list_(std::exchange(other.list_, nullptr)), width_(other.width_), height_(other.height_) {}
    TImageList& operator=(TImageList&& other) noexcept;

    // Adds every image of a horizontal strip; pixels of colour key become transparent. The
    // strip itself is left as it was. Returns the index of the first image added.
    int AddMasked(TBitmap& strip, TColor key);
    // Draws image index with its mask at (x, y); a disabled image is drawn greyed.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
    void Clear();

    int Count() const;
    int Width() const { return width_; }
    int Height() const { return height_; }
    HIMAGELIST Handle() const { return list_; }

private:
    void DrawGreyed(HDC dc, int x, int y, int index) const;

    HIMAGELIST list_ = nullptr;
    int width_ = 16;
    int height_ = 16;
};
