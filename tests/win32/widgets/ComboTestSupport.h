#pragma once
// Helpers of the mode list's and the push button's Wine tests: a form to put them on, the look
// chosen per test (visual styles or the classic one), and pixels read back from the screen.
#include "tests/win32/Pump.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/GdiObject.h"
#include "toolkit/Themes.h"

#include <gtest/gtest.h>

#include <uxtheme.h>

#include <string>
#include <vector>

// Without a window manager Wine waits for every hidden activated window; this executable's windows
// stay unmanaged (read when the display driver starts, after static initialisation).
inline const bool comboUnmanagedWindows = [] {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string name = exe;
    name = name.substr(name.find_last_of("\\/") + 1);
    std::string key = "Software\\Wine\\AppDefaults\\" + name + "\\X11 Driver";
    HKEY hkey;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hkey,
                        nullptr) == ERROR_SUCCESS) {
        RegSetValueExA(hkey, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
        RegCloseKey(hkey);
    }
    return true;
}();

// The two looks; every look test loops over both.
struct TLook {
    const char* Name;
    bool Themed;
};
inline const TLook kLooks[] = {{"classic", false}, {"visual styles", true}};

// The colour a window shows at a client point, as 0x00BBGGRR.
inline COLORREF PixelAt(HWND window, int x, int y) {
    TClientDC dc(window);
    return GetPixel(dc.Handle(), x, y);
}

class ComboTestBase : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        Application->OnException = [this](TObject*, std::exception_ptr e) {
            exceptions.push_back(TApplication::ExceptionMessage(e));
        };
        form = new TForm(Application);
        form->SetBorderStyle(bsNone);
        form->SetBounds(60, 60, 300, 200);
        form->SetColor(clWhite);
        SetModifiers(0);
    }
    void TearDown() override {
        delete form;
        Pump();
        SetThemesEnabledOverride(-1);
        Application->OnException = nullptr;
        EXPECT_TRUE(exceptions.empty()) << exceptions.front();
    }
    void Start() {
        form->AfterConstruction();
        form->Show();
        Pump(30);
    }
    // Chooses the look: our widgets by the override, the system's part of a window by its theme.
    static void UseLook(const TLook& look, const std::vector<HWND>& windows) {
        SetThemesEnabledOverride(look.Themed ? 1 : 0);
        for (HWND w : windows) {
            if (look.Themed)
                SetWindowTheme(w, nullptr, nullptr);
            else
                SetWindowTheme(w, L"", L"");
            RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        }
        Pump(20);
    }
    static void SetModifiers(unsigned vkDown) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_CONTROL] = keys[VK_SHIFT] = keys[VK_MENU] = 0;
        if (vkDown)
            keys[vkDown] = 0x80;
        SetKeyboardState(keys);
    }
    TForm* form = nullptr;
    std::vector<std::string> exceptions;
};
