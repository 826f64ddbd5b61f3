#include "toolkit/Canvas.h"

#include "toolkit/Bitmap.h"
#include "toolkit/GdiObject.h"

#include <stdexcept>

void TCanvas::RequireHandle() const {
    if (!dc_)
        throw std::logic_error("Canvas does not allow drawing: it has no device context");
}

void TCanvas::FillRect(const RECT& rect, TColor color) {
    RequireHandle();
    GdiBrush brush = GdiBrush::Solid(ColorToRGB(color));
    ::FillRect(dc_, &rect, brush.Handle());
}

void TCanvas::FrameRect(const RECT& rect, TColor color) {
    RequireHandle();
    GdiBrush brush = GdiBrush::Solid(ColorToRGB(color));
    ::FrameRect(dc_, &rect, brush.Handle());
}

void TCanvas::Line(int x1, int y1, int x2, int y2, TColor color, int width) {
    const POINT points[2] = {{x1, y1}, {x2, y2}};
    Polyline(points, 2, color, width);
}

void TCanvas::Polyline(const POINT* points, int count, TColor color, int width) {
    RequireHandle();
    GdiPen pen = GdiPen::Solid(ColorToRGB(color), width);
    TSelectGuard selected(dc_, pen.Handle());
    ::Polyline(dc_, points, count);
}

TColor TCanvas::Pixel(int x, int y) const {
    RequireHandle();
    const COLORREF color = GetPixel(dc_, x, y);
    return color == CLR_INVALID ? clNone : TColor(color);
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    RequireHandle();
    SetPixelV(dc_, x, y, ColorToRGB(color));
}

void TCanvas::Draw(int x, int y, TBitmap& source) {
    RequireHandle();
    if (source.Empty())
        return;
    BitBlt(dc_, x, y, source.Width(), source.Height(), source.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TCanvas::StretchDraw(const RECT& dest, TBitmap& source) {
    RequireHandle();
    if (source.Empty())
        return;
    StretchBlt(dc_, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
               source.Canvas().Handle(), 0, 0, source.Width(), source.Height(), SRCCOPY);
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect) {
    RequireHandle();
    source.RequireHandle();
    StretchBlt(dc_, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, source.Handle(),
               sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left,
               sourceRect.bottom - sourceRect.top, SRCCOPY);
}

void TCanvas::DrawTransparent(int x, int y, TBitmap& source, TColor key) {
    RequireHandle();
    if (source.Empty())
        return;
    const int w = source.Width();
    const int h = source.Height();
    TransparentBlt(dc_, x, y, w, h, source.Canvas().Handle(), 0, 0, w, h, ColorToRGB(key));
}

int TCanvas::StretchMode() const {
    RequireHandle();
    return GetStretchBltMode(dc_);
}

void TCanvas::SetStretchMode(int mode) {
    RequireHandle();
    SetStretchBltMode(dc_, mode);
}

namespace {
// Font and text colour for one text call, with a transparent background; all put back after.
class TextState {
public:
    TextState(HDC dc, TFont& font)
        : dc_(dc), selected_(dc, font.Handle()), color_(SetTextColor(dc, ColorToRGB(font.Color()))),
          mode_(SetBkMode(dc, TRANSPARENT)) {}
    ~TextState() {
        SetBkMode(dc_, mode_);
        SetTextColor(dc_, color_);
    }
    TextState(const TextState&) = delete;
    TextState& operator=(const TextState&) = delete;

private:
    HDC dc_;
    TSelectGuard selected_;
    COLORREF color_;
    int mode_;
};
} // namespace

void TCanvas::TextOut(int x, int y, const std::string& text) {
    RequireHandle();
    TextState state(dc_, Font);
    ::TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
}

int TCanvas::DrawText(const std::string& text, RECT& rect, UINT format) {
    RequireHandle();
    TextState state(dc_, Font);
    // DT_MODIFYSTRING would write into the text; the string is ours only to read.
    return ::DrawTextA(dc_, text.data(), static_cast<int>(text.size()), &rect,
                       format & ~UINT(DT_MODIFYSTRING));
}

SIZE TCanvas::TextExtent(const std::string& text) {
    RequireHandle();
    TSelectGuard selected(dc_, Font.Handle());
    SIZE size{};
    GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
    return size;
}
