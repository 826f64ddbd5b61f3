#pragma once
// Owners of GDI handles. Every bitmap, brush, pen, font, region and device context the program
// creates goes through these classes, which keep a live count per kind: Wine's GetGuiResources
// always answers 0, so the counts are how tests prove that nothing leaks.
#include <windows.h>

#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>

enum class GdiKind { Bitmap, Brush, Pen, Font, Region, DC };

// Objects of this kind created through the owners and not yet deleted.
int GdiLiveCount(GdiKind kind);

// Raised when the system refuses to create a GDI object (out of handles or memory).
class EOutOfResources : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace gdi_detail {
void Created(GdiKind kind);
void Deleted(GdiKind kind);
void DeleteGdiObject(HGDIOBJ handle);
// Throws EOutOfResources naming the failed call when handle is null; returns it otherwise.
template <typename H> H Check(H handle, const char* what) {
    if (!handle)
        throw EOutOfResources(std::string("Out of system resources: ") + what + " failed");
    return handle;
}
} // namespace gdi_detail

template <typename HandleT, GdiKind Kind> class GdiObject {
public:
    GdiObject() = default;
    // Adopts a handle that the caller created; null is allowed and owns nothing.
    explicit GdiObject(HandleT handle) : handle_(handle) {
        if (handle_)
            gdi_detail::Created(Kind);
    }
    ~GdiObject() { Reset(); }

    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }

    HandleT Handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // Deletes the owned object (it must not be selected into a DC any more) and adopts another.
    void Reset(HandleT handle = nullptr) {
        if (handle_) {
            gdi_detail::DeleteGdiObject(handle_);
            gdi_detail::Deleted(Kind);
        }
        handle_ = handle;
        if (handle_)
            gdi_detail::Created(Kind);
    }

    // Gives the object up to a new owner outside the program (SetWindowRgn takes its region).
    HandleT Release() {
        if (handle_)
            gdi_detail::Deleted(Kind);
        return std::exchange(handle_, nullptr);
    }

    // --- bitmaps ---
    // A DIB section; bits receives the pixel memory.
    template <GdiKind K = Kind, std::enable_if_t<K == GdiKind::Bitmap, int> = 0>
    static GdiObject DibSection(const BITMAPINFO& info, void** bits) {
        return GdiObject(gdi_detail::Check(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0),
                                           "CreateDIBSection"));
    }
    // A device-dependent bitmap in the format of dc.
    template <GdiKind K = Kind, std::enable_if_t<K == GdiKind::Bitmap, int> = 0>
    static GdiObject Compatible(HDC dc, int width, int height) {
        return GdiObject(
            gdi_detail::Check(CreateCompatibleBitmap(dc, width, height), "CreateCompatibleBitmap"));
    }
    // A one-bit bitmap, all clear; used for colour-key masks.
    template <GdiKind K = Kind, std::enable_if_t<K == GdiKind::Bitmap, int> = 0>
    static GdiObject Monochrome(int width, int height) {
        return GdiObject(
            gdi_detail::Check(CreateBitmap(width, height, 1, 1, nullptr), "CreateBitmap(monochrome)"));
    }

    // --- brushes ---
    template <GdiKind K = Kind, std::enable_if_t<K == GdiKind::Brush, int> = 0>
    static GdiObject Solid(COLORREF color) {
        return GdiObject(gdi_detail::Check(CreateSolidBrush(color), "CreateSolidBrush"));
    }
    template <GdiKind K = Kind, std::enable_if_t<K == GdiKind::Brush, int> = 0>
    static GdiObject Pattern(HBITMAP bitmap) {
        return GdiObject(gdi_detail::Check(CreatePatternBrush(bitmap), "CreatePatternBrush"));
    }

    // --- pens ---
    template <GdiKind K = Kind, std::enable_if_t<K == GdiKind::Pen, int> = 0>
    static GdiObject Solid(COLORREF color, int width = 1) {
        return GdiObject(gdi_detail::Check(CreatePen(PS_SOLID, width, color), "CreatePen"));
    }
    template <GdiKind K = Kind, std::enable_if_t<K == GdiKind::Pen, int> = 0>
    static GdiObject Create(int style, int width, COLORREF color) {
        return GdiObject(gdi_detail::Check(CreatePen(style, width, color), "CreatePen"));
    }

    // --- fonts ---
    template <GdiKind K = Kind, std::enable_if_t<K == GdiKind::Font, int> = 0>
    static GdiObject Create(const LOGFONTA& description) {
        return GdiObject(gdi_detail::Check(CreateFontIndirectA(&description), "CreateFontIndirect"));
    }

    // --- regions: a refused region is not an error for the callers (the window stays
    // rectangular), so these return an empty owner instead of throwing. ---
    template <GdiKind K = Kind, std::enable_if_t<K == GdiKind::Region, int> = 0>
    static GdiObject Rect(int left, int top, int right, int bottom) {
        return GdiObject(CreateRectRgn(left, top, right, bottom));
    }
    template <GdiKind K = Kind, std::enable_if_t<K == GdiKind::Region, int> = 0>
    static GdiObject Rect(const RECT& r) {
        return GdiObject(CreateRectRgn(r.left, r.top, r.right, r.bottom));
    }
    template <GdiKind K = Kind, std::enable_if_t<K == GdiKind::Region, int> = 0>
    static GdiObject RoundRect(int left, int top, int right, int bottom, int ellipseWidth,
                               int ellipseHeight) {
        return GdiObject(CreateRoundRectRgn(left, top, right, bottom, ellipseWidth, ellipseHeight));
    }
    template <GdiKind K = Kind, std::enable_if_t<K == GdiKind::Region, int> = 0>
    static GdiObject Polygon(const POINT* points, int count, int fillMode = ALTERNATE) {
        return GdiObject(CreatePolygonRgn(points, count, fillMode));
    }

private:
    HandleT handle_ = nullptr;
};

using GdiBitmap = GdiObject<HBITMAP, GdiKind::Bitmap>;
using GdiBrush = GdiObject<HBRUSH, GdiKind::Brush>;
using GdiPen = GdiObject<HPEN, GdiKind::Pen>;
using GdiFont = GdiObject<HFONT, GdiKind::Font>;
using GdiRegion = GdiObject<HRGN, GdiKind::Region>;

// A memory device context (CreateCompatibleDC / DeleteDC), counted as a DC.
class TMemoryDC {
public:
    // Compatible with reference, or with the screen when reference is null.
    explicit TMemoryDC(HDC reference = nullptr);
    ~TMemoryDC();
    TMemoryDC(const TMemoryDC&) = delete;
    TMemoryDC& operator=(const TMemoryDC&) = delete;
    TMemoryDC(TMemoryDC&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
    TMemoryDC& operator=(TMemoryDC&& other) noexcept;

    HDC Handle() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    void Free();
    HDC dc_ = nullptr;
};

// A borrowed DC of a window (GetDC or GetWindowDC), given back with ReleaseDC; counted as a DC.
class TReleasedDC {
public:
    TReleasedDC(const TReleasedDC&) = delete;
    TReleasedDC& operator=(const TReleasedDC&) = delete;
    TReleasedDC(TReleasedDC&& other) noexcept
        : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
    TReleasedDC& operator=(TReleasedDC&& other) noexcept;
    ~TReleasedDC();

    HDC Handle() const { return dc_; }
    HWND Window() const { return window_; }

protected:
    TReleasedDC(HWND window, HDC dc, const char* what);

private:
    void Free();
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

// The client-area DC of a window; a null window gives the screen's DC.
class TClientDC : public TReleasedDC {
public:
    explicit TClientDC(HWND window) : TReleasedDC(window, GetDC(window), "GetDC") {}
};

// The DC of a whole window, frame included.
class TWindowDC : public TReleasedDC {
public:
    explicit TWindowDC(HWND window) : TReleasedDC(window, GetWindowDC(window), "GetWindowDC") {}
};

// Selects an object into a DC and puts the previous one back when it goes (not for regions:
// selecting a region sets the clip and returns no previous object). Declare the owned
// object before the guard, so that the object is deselected before it is deleted.
class TSelectGuard {
public:
    TSelectGuard() = default;
    TSelectGuard(HDC dc, HGDIOBJ object);
    ~TSelectGuard() { Restore(); }
    TSelectGuard(const TSelectGuard&) = delete;
    TSelectGuard& operator=(const TSelectGuard&) = delete;
    TSelectGuard(TSelectGuard&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)), old_(std::exchange(other.old_, nullptr)) {}
    TSelectGuard& operator=(TSelectGuard&& other) noexcept;

    // Puts the previous object back now; the guard then holds nothing.
    void Restore();
    bool Active() const { return dc_ != nullptr; }

private:
    HDC dc_ = nullptr;
    HGDIOBJ old_ = nullptr;
};
