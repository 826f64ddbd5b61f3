#include "toolkit/GdiObject.h"

namespace {
// One UI thread creates and deletes every object, so plain counters suffice.
int liveCounts[6] = {};

int Slot(GdiKind kind) {
    return static_cast<int>(kind);
}
} // namespace

int GdiLiveCount(GdiKind kind) {
    return liveCounts[Slot(kind)];
}

namespace gdi_detail {
void Created(GdiKind kind) {
    ++liveCounts[Slot(kind)];
}
void Deleted(GdiKind kind) {
    --liveCounts[Slot(kind)];
}
void DeleteGdiObject(HGDIOBJ handle) {
    DeleteObject(handle);
}
} // namespace gdi_detail

TMemoryDC::TMemoryDC(HDC reference)
    : dc_(gdi_detail::Check(CreateCompatibleDC(reference), "CreateCompatibleDC")) {
    gdi_detail::Created(GdiKind::DC);
}

TMemoryDC::~TMemoryDC() {
    Free();
}

TMemoryDC& TMemoryDC::operator=(TMemoryDC&& other) noexcept {
    if (this != &other) {
        Free();
        dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
}

void TMemoryDC::Free() {
    if (dc_) {
        DeleteDC(dc_);
        gdi_detail::Deleted(GdiKind::DC);
        dc_ = nullptr;
    }
}

TReleasedDC::TReleasedDC(HWND window, HDC dc, const char* what)
    : window_(window), dc_(gdi_detail::Check(dc, what)) {
    gdi_detail::Created(GdiKind::DC);
}

TReleasedDC::~TReleasedDC() {
    Free();
}

TReleasedDC& TReleasedDC::operator=(TReleasedDC&& other) noexcept {
    if (this != &other) {
        Free();
        window_ = other.window_;
        dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
}

void TReleasedDC::Free() {
    if (dc_) {
        ReleaseDC(window_, dc_);
        gdi_detail::Deleted(GdiKind::DC);
        dc_ = nullptr;
    }
}

TSelectGuard::TSelectGuard(HDC dc, HGDIOBJ object) {
    if (!dc || !object)
        return;
    HGDIOBJ old = SelectObject(dc, object);
    // A failed selection (HGDI_ERROR, or null) leaves nothing to restore.
    if (old && old != HGDI_ERROR) {
        dc_ = dc;
        old_ = old;
    }
}

TSelectGuard& TSelectGuard::operator=(TSelectGuard&& other) noexcept {
    if (this != &other) {
        Restore();
        dc_ = std::exchange(other.dc_, nullptr);
        old_ = std::exchange(other.old_, nullptr);
    }
    return *this;
}

void TSelectGuard::Restore() {
    if (dc_) {
        SelectObject(dc_, old_);
        dc_ = nullptr;
        old_ = nullptr;
    }
}
