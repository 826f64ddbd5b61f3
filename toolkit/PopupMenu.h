#pragma once
// A pop-up menu whose items carry a caption, a picture from an image list and a shortcut text.
#include "toolkit/GdiObject.h"
#include "toolkit/Message.h"
#include "toolkit/ShortCut.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TImageList;

class TMenuItem {
public:
    std::string Name;
    // "&" marks the accelerator letter; "-" makes the item a separator.
    std::string Caption;
    int ImageIndex = -1;
    // Shown after a tab, right-aligned ("Alt+F4"); the menu does not act on the key itself.
    TShortCut ShortCut = scNone;
    bool Enabled = true;
    bool Visible = true;
    bool Checked = false;
    std::function<void()> OnClick;

    bool IsSeparator() const { return Caption == "-"; }
    // The menu text: caption, then a tab and the shortcut's text when there is one.
    std::string MenuText() const;
};

// A built system menu with the item pictures it shows; everything goes when it goes.
class TMenuHandle {
public:
    TMenuHandle() = default;
    ~TMenuHandle();
    TMenuHandle(const TMenuHandle&) = delete;
    TMenuHandle& operator=(const TMenuHandle&) = delete;
    TMenuHandle(TMenuHandle&& other) noexcept;
    TMenuHandle& operator=(TMenuHandle&& other) noexcept;

    HMENU Handle() const { return menu_; }

private:
    friend class TPopupMenu;
    HMENU menu_ = nullptr;
    // The menu refers to these; the destructor destroys the menu before they are deleted.
    std::vector<GdiBitmap> pictures_;
};

class TPopupMenu {
public:
    TPopupMenu() = default;
    TPopupMenu(const TPopupMenu&) = delete;
    TPopupMenu& operator=(const TPopupMenu&) = delete;

    // Not owned; pictures come from it when set.
    TImageList* Images = nullptr;

    // Stands in for the system's modal menu loop when set (tests look at what would open where):
    // gets the built menu, the screen point and the owner, returns the chosen command (0: none).
    std::function<UINT(HMENU menu, int screenX, int screenY, HWND owner)> Track;

    TMenuItem& Add(const std::string& caption, int imageIndex = -1, TShortCut shortCut = scNone,
                   std::function<void()> onClick = nullptr);
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem& Items(int index) { return *items_.at(index); }
    TMenuItem* Find(const std::string& name);

    // The window that receives the menu's messages while it is open.
    HWND OwnerWindow() const { return owner_; }
    void SetOwnerWindow(HWND owner) { owner_ = owner; }

    // Builds the system menu for the items as they are now. Command id = item index + 1. With
    // ownerDrawnPictures the item pictures are left to the owner window (HBMMENU_CALLBACK), which
    // DrawItemPicture serves.
    TMenuHandle Build(bool ownerDrawnPictures = false) const;
    // Answers WM_MEASUREITEM and WM_DRAWITEM for this menu's item pictures; false for any other
    // message (another menu's, a control's).
    bool DrawItemPicture(TMessage& message) const;
    // Opens the menu with its top-left corner at the screen point, waits for the choice, closes
    // the menu and then runs the chosen item's OnClick. Returns the chosen item or null.
    TMenuItem* Popup(int screenX, int screenY);
    TMenuItem* Popup(int screenX, int screenY, HWND owner);

private:
    GdiBitmap MakePicture(int index) const;

    std::vector<std::unique_ptr<TMenuItem>> items_;
    HWND owner_ = nullptr;
};
