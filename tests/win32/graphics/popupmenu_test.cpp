// TPopupMenu: item texts, pictures made from the image list and released with the menu, and
// the choice running the item's handler after the menu has gone.
#include "GraphicsTestUtil.h"

#include "toolkit/ImageList.h"
#include "toolkit/PopupMenu.h"

#include <cstring>
#include <string>

namespace {
// The window menu's shape: two imaged items around a separator.
struct WindowMenu {
    TImageList images;
    TPopupMenu menu;
    WindowMenu() {
        TBitmap strip(32, 16);
        strip.Canvas().FillRect({0, 0, 32, 16}, clFuchsia);
        strip.Canvas().FillRect({2, 12, 14, 14}, clBlack); // a short bar
        strip.Canvas().FillRect({20, 4, 28, 12}, clRed);
        images.AddMasked(strip, clFuchsia);
        menu.Images = &images;
        menu.Add("MinSize(&N)", 0);
        menu.Add("-");
        menu.Add("Close(&C)", 1, 0x8073);
    }
};

std::string MenuString(HMENU menu, UINT position) {
    char text[128] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

HBITMAP ItemPicture(HMENU menu, UINT position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP;
    GetMenuItemInfoA(menu, position, TRUE, &info);
    return info.hbmpItem;
}

// Runs inside the menu's own message loop.
int timerAction = 0;
int redPixelsOnScreen = -1;
void CALLBACK DriveMenu(HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
    if (timerAction == 0) {
        EndMenu();
        return;
    }
    if (timerAction == 2) {
        // Look at the open menu on the screen: the close item's red picture must be there.
        HWND popup = FindWindowA("#32768", nullptr);
        RECT box{};
        GetWindowRect(popup, &box);
        TBitmap shot(box.right - box.left, box.bottom - box.top);
        TClientDC screen(nullptr);
        BitBlt(shot.Canvas().Handle(), 0, 0, shot.Width(), shot.Height(), screen.Handle(), box.left, box.top,
               SRCCOPY);
        redPixelsOnScreen = 0;
        for (int y = 0; y < shot.Height(); ++y)
            for (int x = 0; x < shot.Width(); ++x)
                redPixelsOnScreen += PixelAt(shot, x, y) == clRed;
        EndMenu();
        return;
    }
    // The accelerator letter of the close item chooses it.
    PostMessageA(window, WM_KEYDOWN, 'C', 0);
    PostMessageA(window, WM_CHAR, 'c', 0);
}

struct OwnerWindow {
    HWND handle = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 10, 10, 50, 50, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ~OwnerWindow() { DestroyWindow(handle); }
};
} // namespace

TEST(PopupMenu, ShortCutTextFollowsTheCaptionAfterATab) {
    WindowMenu window;
    EXPECT_EQ("Close(&C)\tAlt+F4", window.menu.Items(2).MenuText());
    EXPECT_EQ("MinSize(&N)", window.menu.Items(0).MenuText());
    TMenuHandle built = window.menu.Build();
    ASSERT_EQ(3, GetMenuItemCount(built.Handle()));
    EXPECT_EQ("Close(&C)\tAlt+F4", MenuString(built.Handle(), 2));
    EXPECT_EQ(MF_SEPARATOR, GetMenuState(built.Handle(), 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(3u, GetMenuItemID(built.Handle(), 2));
}

TEST(PopupMenu, BuildingCreatesOnePicturePerImagedItemAndReleasesThemWithTheMenu) {
    WindowMenu window;
    const LiveCounts before = LiveCounts::Now();
    {
        TMenuHandle built = window.menu.Build();
        EXPECT_EQ(before[GdiKind::Bitmap] + 2, GdiLiveCount(GdiKind::Bitmap));
        EXPECT_NE(nullptr, ItemPicture(built.Handle(), 0));
        EXPECT_EQ(nullptr, ItemPicture(built.Handle(), 1));
        TMenuHandle moved = std::move(built);
        EXPECT_EQ(before[GdiKind::Bitmap] + 2, GdiLiveCount(GdiKind::Bitmap));
    }
    ExpectSameCounts(before, LiveCounts::Now());
    window.menu.Images = nullptr; // no list, no pictures
    TMenuHandle plain = window.menu.Build();
    EXPECT_EQ(before[GdiKind::Bitmap], GdiLiveCount(GdiKind::Bitmap));
}

TEST(PopupMenu, ItemPictureIsPremultipliedAlphaFromTheMask) {
    WindowMenu window;
    TMenuHandle built = window.menu.Build();
    DIBSECTION dib{};
    ASSERT_EQ(int(sizeof dib), GetObjectA(ItemPicture(built.Handle(), 2), sizeof dib, &dib));
    ASSERT_EQ(32, dib.dsBm.bmBitsPixel);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint8_t*>(dib.dsBm.bmBits);
    auto at = [&](int x, int y) { return pixels + (y * 16 + x) * 4; };
    EXPECT_EQ(0, std::memcmp(at(0, 0), "\0\0\0\0", 4)); // key pixel: fully transparent
    const std::uint8_t red[4] = {0, 0, 0xFF, 0xFF};
    EXPECT_EQ(0, std::memcmp(at(6, 6), red, 4)); // opaque red
}

TEST(PopupMenu, CancelledMenuRunsNothing) {
    WindowMenu window;
    OwnerWindow owner;
    bool clicked = false;
    window.menu.Items(2).OnClick = [&] { clicked = true; };
    window.menu.SetOwnerWindow(owner.handle);
    timerAction = 0;
    SetTimer(owner.handle, 1, 100, DriveMenu);
    const LiveCounts before = LiveCounts::Now();
    EXPECT_EQ(nullptr, window.menu.Popup(20, 20));
    EXPECT_FALSE(clicked);
    ExpectSameCounts(before, LiveCounts::Now());
}

TEST(PopupMenu, ChosenItemRunsAfterTheMenuIsGone) {
    WindowMenu window;
    OwnerWindow owner;
    const int bitmaps = GdiLiveCount(GdiKind::Bitmap);
    int bitmapsDuringClick = -1;
    window.menu.Items(2).OnClick = [&] { bitmapsDuringClick = GdiLiveCount(GdiKind::Bitmap); };
    timerAction = 1;
    SetTimer(owner.handle, 1, 100, DriveMenu);
    TMenuItem* chosen = window.menu.Popup(20, 20, owner.handle);
    ASSERT_EQ(&window.menu.Items(2), chosen);
    EXPECT_EQ(bitmaps, bitmapsDuringClick);
}

TEST(PopupMenu, OpenMenuShowsTheItemPictures) {
    WindowMenu window;
    OwnerWindow owner;
    timerAction = 2;
    SetTimer(owner.handle, 1, 300, DriveMenu);
    window.menu.Popup(20, 20, owner.handle);
    EXPECT_EQ(8 * 8, redPixelsOnScreen); // the whole 8 x 8 square, unblended
}

TEST(PopupMenu, PopupWithoutOwnerIsAnError) {
    TPopupMenu menu;
    menu.Add("x");
    EXPECT_THROW(menu.Popup(0, 0), std::logic_error);
}
