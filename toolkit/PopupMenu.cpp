#include "toolkit/PopupMenu.h"

#include "toolkit/ImageList.h"
#include "toolkit/WinControl.h"

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

TMenuHandle TPopupMenu::Build(bool ownerDrawnPictures) const {
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
                info.fMask |= MIIM_BITMAP | MIIM_DATA;
                // The item data tells this menu's measure and draw requests from others.
                info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
                if (ownerDrawnPictures) {
                    info.hbmpItem = HBMMENU_CALLBACK;
                } else {
                    built.pictures_.push_back(MakePicture(item.ImageIndex));
                    info.hbmpItem = built.pictures_.back().Handle();
                }
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

bool TPopupMenu::DrawItemPicture(TMessage& message) const {
    if (!Images)
        return false;
    if (message.Msg == WM_MEASUREITEM) {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
        if (measure->CtlType != ODT_MENU || measure->itemData != reinterpret_cast<ULONG_PTR>(this))
            return false;
        measure->itemWidth = static_cast<UINT>(Images->Width());
        measure->itemHeight = static_cast<UINT>(Images->Height());
        message.Result = TRUE;
        return true;
    }
    if (message.Msg == WM_DRAWITEM) {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
        if (draw->CtlType != ODT_MENU || draw->itemData != reinterpret_cast<ULONG_PTR>(this) ||
            draw->itemID == 0 || draw->itemID > items_.size())
            return false;
        const TMenuItem& item = *items_[draw->itemID - 1];
        const RECT& r = draw->rcItem;
        TCanvas canvas(draw->hDC);
        Images->Draw(canvas, r.left + (r.right - r.left - Images->Width()) / 2,
                     r.top + (r.bottom - r.top - Images->Height()) / 2, item.ImageIndex,
                     !(draw->itemState & (ODS_GRAYED | ODS_DISABLED)));
        message.Result = TRUE;
        return true;
    }
    return false;
}

namespace {

// While the menu is open over a window of the toolkit, that window's callback draws the item
// pictures through their masks. Some systems (Wine) copy a menu item's bitmap opaquely, so the
// transparent part of an alpha bitmap would show as a black square.
class TPictureDrawer {
public:
    TPictureDrawer(const TPopupMenu& menu, TWinControl* owner) : menu_(menu), owner_(owner) {
        if (!owner_)
            return;
        saved_ = owner_->WindowProc();
        owner_->SetWindowProc(TWndMethod::Bind<&TPictureDrawer::WndProc>(this));
    }
    ~TPictureDrawer() {
        if (owner_ && owner_->WindowProc() == TWndMethod::Bind<&TPictureDrawer::WndProc>(this))
            owner_->SetWindowProc(saved_);
    }
    TPictureDrawer(const TPictureDrawer&) = delete;
    TPictureDrawer& operator=(const TPictureDrawer&) = delete;

    bool Active() const { return owner_ != nullptr; }

private:
    void WndProc(TMessage& message) {
        if (!menu_.DrawItemPicture(message))
            saved_(message);
    }

    const TPopupMenu& menu_;
    TWinControl* owner_;
    TWndMethod saved_;
};

} // namespace

TMenuItem* TPopupMenu::Popup(int screenX, int screenY, HWND owner) {
    if (!owner)
        throw std::logic_error("Pop-up menu has no owner window");
    UINT command = 0;
    {
        TPictureDrawer drawer(*this, TWinControl::FindControl(owner));
        TMenuHandle menu = Build(drawer.Active());
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
