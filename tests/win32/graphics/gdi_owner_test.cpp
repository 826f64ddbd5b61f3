// Live counts of the GDI owners, moves, release of a region and the select guard.
#include "GraphicsTestUtil.h"

#include "toolkit/Font.h"

#include <functional>
#include <string>
#include <vector>

namespace {
struct OwnerCase {
    const char* name;
    GdiKind kind;
    // Creates one owned object and returns its owner moved through a container, so that moves
    // are part of every cycle.
    std::function<void()> cycle;
};

template <typename Owner> void KeepMoved(Owner owner) {
    std::vector<Owner> held;
    held.push_back(std::move(owner));
    Owner last = std::move(held.back());
    EXPECT_TRUE(static_cast<bool>(last));
    EXPECT_FALSE(static_cast<bool>(held.back()));
}

std::vector<OwnerCase> AllOwners() {
    return {
        {"dib section", GdiKind::Bitmap,
         [] {
             BITMAPINFO info{};
             info.bmiHeader = {sizeof(BITMAPINFOHEADER), 4, -4, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
             void* bits = nullptr;
             KeepMoved(GdiBitmap::DibSection(info, &bits));
         }},
        {"compatible bitmap", GdiKind::Bitmap,
         [] {
             TClientDC screen(nullptr);
             KeepMoved(GdiBitmap::Compatible(screen.Handle(), 8, 8));
         }},
        {"monochrome bitmap", GdiKind::Bitmap, [] { KeepMoved(GdiBitmap::Monochrome(8, 8)); }},
        {"solid brush", GdiKind::Brush, [] { KeepMoved(GdiBrush::Solid(RGB(1, 2, 3))); }},
        {"solid pen", GdiKind::Pen, [] { KeepMoved(GdiPen::Solid(RGB(1, 2, 3), 2)); }},
        {"styled pen", GdiKind::Pen, [] { KeepMoved(GdiPen::Create(PS_DOT, 1, RGB(0, 0, 0))); }},
        {"font", GdiKind::Font,
         [] {
             LOGFONTA description{};
             description.lfHeight = -12;
             KeepMoved(GdiFont::Create(description));
         }},
        {"TFont handle", GdiKind::Font,
         [] {
             TFont font;
             font.Handle();
             font.SetBold(true); // drops the old font, the next Handle makes a new one
             font.Handle();
         }},
        {"rect region", GdiKind::Region, [] { KeepMoved(GdiRegion::Rect(0, 0, 10, 10)); }},
        {"round rect region", GdiKind::Region,
         [] { KeepMoved(GdiRegion::RoundRect(1, 1, 713, 486, 13, 13)); }},
        {"memory DC", GdiKind::DC, [] { KeepMoved(TMemoryDC()); }},
        {"client DC", GdiKind::DC, [] { TClientDC screen(nullptr); }},
        {"window DC", GdiKind::DC, [] { TWindowDC desktop(GetDesktopWindow()); }},
    };
}
} // namespace

TEST(GdiOwners, EveryOwnerCountsWhileAliveAndReturnsToBaseline) {
    for (const OwnerCase& owner : AllOwners()) {
        SCOPED_TRACE(owner.name);
        const LiveCounts before = LiveCounts::Now();
        for (int i = 0; i < 20; ++i)
            owner.cycle();
        ExpectSameCounts(before, LiveCounts::Now());
    }
}

TEST(GdiOwners, CountsOneObjectPerLiveOwner) {
    const int bitmaps = GdiLiveCount(GdiKind::Bitmap);
    const int regions = GdiLiveCount(GdiKind::Region);
    const int dcs = GdiLiveCount(GdiKind::DC);
    {
        GdiBitmap a = GdiBitmap::Monochrome(2, 2);
        GdiBitmap b = std::move(a);
        GdiRegion r = GdiRegion::Rect(0, 0, 1, 1);
        TMemoryDC dc;
        TClientDC screen(nullptr);
        EXPECT_EQ(bitmaps + 1, GdiLiveCount(GdiKind::Bitmap));
        EXPECT_EQ(regions + 1, GdiLiveCount(GdiKind::Region));
        EXPECT_EQ(dcs + 2, GdiLiveCount(GdiKind::DC));
        b.Reset(); // an early reset is not counted again at destruction
        EXPECT_EQ(bitmaps, GdiLiveCount(GdiKind::Bitmap));
    }
    EXPECT_EQ(bitmaps, GdiLiveCount(GdiKind::Bitmap));
    EXPECT_EQ(regions, GdiLiveCount(GdiKind::Region));
    EXPECT_EQ(dcs, GdiLiveCount(GdiKind::DC));
}

TEST(GdiOwners, ReleasedRegionIsNoLongerCountedAndStaysValid) {
    const int regions = GdiLiveCount(GdiKind::Region);
    GdiRegion region = GdiRegion::Rect(0, 0, 5, 5);
    HRGN handle = region.Release();
    EXPECT_FALSE(static_cast<bool>(region));
    EXPECT_EQ(regions, GdiLiveCount(GdiKind::Region));
    RECT box{};
    EXPECT_EQ(SIMPLEREGION, GetRgnBox(handle, &box)); // still alive: the new owner deletes it
    GdiRegion adopted(handle);
    EXPECT_EQ(regions + 1, GdiLiveCount(GdiKind::Region));
}

TEST(GdiOwners, SelectGuardPutsThePreviousObjectBack) {
    TMemoryDC dc;
    const HGDIOBJ stockBitmap = GetCurrentObject(dc.Handle(), OBJ_BITMAP);
    const HGDIOBJ stockBrush = GetCurrentObject(dc.Handle(), OBJ_BRUSH);
    // Owned objects declared before their guards: deselected before they are deleted.
    GdiBitmap bitmap = GdiBitmap::Monochrome(4, 4);
    GdiBrush brush = GdiBrush::Solid(RGB(9, 9, 9));
    {
        TSelectGuard selectBitmap(dc.Handle(), bitmap.Handle());
        TSelectGuard selectBrush(dc.Handle(), brush.Handle());
        EXPECT_EQ(bitmap.Handle(), GetCurrentObject(dc.Handle(), OBJ_BITMAP));
        EXPECT_EQ(brush.Handle(), GetCurrentObject(dc.Handle(), OBJ_BRUSH));
        TSelectGuard moved = std::move(selectBrush);
        EXPECT_EQ(brush.Handle(), GetCurrentObject(dc.Handle(), OBJ_BRUSH));
        moved.Restore();
        EXPECT_EQ(stockBrush, GetCurrentObject(dc.Handle(), OBJ_BRUSH));
    }
    EXPECT_EQ(stockBitmap, GetCurrentObject(dc.Handle(), OBJ_BITMAP));
}
