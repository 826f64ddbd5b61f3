#include "toolkit/PopupMenu.h"

#include "toolkit/ImageList.h"

#include <cstdint>
#include <stdexcept>

std::string TMenuItem::MenuText() const {
    const std::string keys = ShortCutToText(ShortCut);
    return keys.empty() ? Caption : Caption + "\t" + keys;
}

TMenuHandle::~TMenuHandle() {
    if (menu_)
        DestroyMenu(menu_);
}

TMenuHandle::TMenuHandle(TMenuHandle&& other) noexcept
    : menu_(std::exchange(other.menu_, nullptr)), pictures_(std::move(other.pictures_)) {}

TMenuHandle& TMenuHandle::operator=(TMenuHandle&& other) noexcept {
    if (this != &other) {
        if (menu_)
            DestroyMenu(menu_);
        menu_ = std::exchange(other.menu_, nullptr);
        pictures_ = std::move(other.pictures_);
    }
    return *this;
}

TMenuItem& TPopupMenu::Add(const std::string& caption, int imageIndex, TShortCut shortCut,
                           std::function<void()> onClick) {
    auto item = std::make_unique<TMenuItem>();
    item->Caption = caption;
    item->ImageIndex = imageIndex;
    item->ShortCut = shortCut;
    item->OnClick = std::move(onClick);
    items_.push_back(std::move(item));
    return *items_.back();
}

TMenuItem* TPopupMenu::Find(const std::string& name) {
    for (auto& item : items_)
        if (item->Name == name)
            return item.get();
    return nullptr;
}

namespace {
BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}
} // namespace

GdiBitmap TPopupMenu::MakePicture(int index) const {
    // Menus show a 32-bit bitmap with premultiplied alpha as it is, so the image list's one-bit
    // mask becomes alpha 0 or 255: the colours drawn on black, the mask drawn on white.
    const int w = Images->Width();
    const int h = Images->Height();
    const BITMAPINFO info = TopDown32(w, h);
    void* colourBits = nullptr;
    void* maskBits = nullptr;
    GdiBitmap picture = GdiBitmap::DibSection(info, &colourBits);
    GdiBitmap mask = GdiBitmap::DibSection(info, &maskBits);
    {
        TMemoryDC dc;
        TSelectGuard selected(dc.Handle(), picture.Handle());
        PatBlt(dc.Handle(), 0, 0, w, h, BLACKNESS);
        ImageList_Draw(Images->Handle(), index, dc.Handle(), 0, 0, ILD_NORMAL);
    }
    {
        TMemoryDC dc;
        TSelectGuard selected(dc.Handle(), mask.Handle());
        PatBlt(dc.Handle(), 0, 0, w, h, WHITENESS);
        ImageList_Draw(Images->Handle(), index, dc.Handle(), 0, 0, ILD_MASK);
    }
    GdiFlush();
    auto* colour = static_cast<std::uint8_t*>(colourBits);
    const auto* transparent = static_cast<const std::uint8_t*>(maskBits);
    for (int i = 0; i < w * h; ++i, colour += 4, transparent += 4) {
        if (transparent[0] != 0) {
            colour[0] = colour[1] = colour[2] = colour[3] = 0;
        } else {
            colour[3] = 0xFF;
        }
    }
    return picture;
}

TMenuHandle TPopupMenu::Build() const {
    TMenuHandle built;
    built.menu_ = CreatePopupMenu();
    if (!built.menu_)
        throw EOutOfResources("Out of system resources: CreatePopupMenu failed");
    UINT position = 0;
    for (size_t i = 0; i < items_.size(); ++i) {
        const TMenuItem& item = *items_[i];
        if (!item.Visible)
            continue;
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE;
        info.wID = static_cast<UINT>(i + 1);
        std::string text = item.MenuText();
        if (item.IsSeparator()) {
            info.fType = MFT_SEPARATOR;
        } else {
            info.fType = MFT_STRING;
            info.fMask |= MIIM_STRING;
            info.dwTypeData = text.data();
            info.cch = static_cast<UINT>(text.size());
            info.fState = (item.Enabled ? MFS_ENABLED : MFS_DISABLED) | (item.Checked ? MFS_CHECKED : 0);
            if (Images && item.ImageIndex >= 0 && item.ImageIndex < Images->Count()) {
                built.pictures_.push_back(MakePicture(item.ImageIndex));
                info.fMask |= MIIM_BITMAP;
                info.hbmpItem = built.pictures_.back().Handle();
            }
        }
        if (!InsertMenuItemA(built.menu_, position++, TRUE, &info))
            throw std::runtime_error("InsertMenuItem failed for menu item \"" + item.Caption + "\"");
    }
    return built;
}

TMenuItem* TPopupMenu::Popup(int screenX, int screenY) {
    return Popup(screenX, screenY, owner_);
}

TMenuItem* TPopupMenu::Popup(int screenX, int screenY, HWND owner) {
    if (!owner)
        throw std::logic_error("Pop-up menu has no owner window");
    UINT command = 0;
    {
        TMenuHandle menu = Build();
        if (Track)
            command = Track(menu.Handle(), screenX, screenY, owner);
        else
            command =
                static_cast<UINT>(TrackPopupMenu(menu.Handle(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN,
                                                 screenX, screenY, 0, owner, nullptr));
    }
    // The menu and its pictures are gone before the handler runs: it may close the owner.
    if (command == 0 || command > items_.size())
        return nullptr;
    TMenuItem* chosen = items_[command - 1].get();
    if (chosen->OnClick)
        chosen->OnClick();
    return chosen;
}
