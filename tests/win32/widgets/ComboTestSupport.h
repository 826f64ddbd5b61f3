#pragma once
// Helpers of the mode list's and the push button's Wine tests: a white form to put them on, the
// look chosen per test (visual styles or the classic one) and pixels read back from the window.
#include "tests/win32/Pump.h"
#include "toolkit/Form.h"
#include "toolkit/GdiObject.h"
#include "toolkit/ThemeServices.h"

#include <gtest/gtest.h>

#include <uxtheme.h>

#include <string>
#include <vector>

// The two looks every look test loops over.
struct TLook {
    const char* Name;
    bool Themed;
};
inline const TLook kLooks[] = {{"classic", false}, {"visual styles", true}};

inline COLORREF PixelAt(HWND window, int x, int y) {
    TClientDC dc(window);
    return GetPixel(dc.Handle(), x, y);
}

class ComboTestBase : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        Application->OnException = [](TObject*, std::exception_ptr e) {
            ADD_FAILURE() << TApplication::ExceptionMessage(e);
        };
        form = new TForm(Application);
        form->SetBorderStyle(bsNone);
        form->SetBounds(60, 60, 300, 200);
        form->SetColor(clWhite);
    }
    void TearDown() override {
        delete form;
        Pump();
        SetThemeTest(nullptr);
        Application->OnException = nullptr;
    }
    void Start() {
        form->AfterConstruction();
        form->Show();
        PumpUntilShown(form->Handle());
    }
    // Our widgets follow the override; the system's part of the window follows its theme.
    static void UseLook(const TLook& look, HWND window) {
        SetThemeTest(look.Themed ? +[] { return true; } : +[] { return false; });
        SetWindowTheme(window, look.Themed ? nullptr : L"", look.Themed ? nullptr : L"");
        Repaint(window);
    }
    static void Repaint(HWND window) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        PumpUntil([&] { return !GetUpdateRect(window, nullptr, FALSE); }, "the repaint");
    }
    TForm* form = nullptr;
};
