#pragma once
// Helpers of the main window's Wine tests: a fixture that makes the window as the program does,
// clipboard set-up, and input sent straight to the controls' windows (keys with a chosen modifier
// state, mouse presses at client points).
#include "tests/win32/Clipboard.h"
#include "tests/win32/Pump.h"
#include "app/UnitRuvo.h"
#include "toolkit/Application.h"

#include <gtest/gtest.h>

#include <windowsx.h>

#include <cstring>
#include <string>
#include <vector>

// Whether closing the main window has ended the loop (posted WM_QUIT); takes the message away.
inline bool QuitPosted() {
    MSG msg;
    return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

// --- input ---

// Holds the modifier keys of shift in the thread's keyboard state (what GetKeyState reads).
inline void HoldModifiers(TShiftState shift) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = (shift & ssCtrl) ? 0x80 : 0;
    keys[VK_SHIFT] = (shift & ssShift) ? 0x80 : 0;
    keys[VK_MENU] = (shift & ssAlt) ? 0x80 : 0;
    SetKeyboardState(keys);
}

inline void KeyDown(HWND window, WORD key, TShiftState shift = 0) {
    HoldModifiers(shift);
    SendMessageA(window, WM_KEYDOWN, key, 1);
    HoldModifiers(0);
}

inline void KeyUp(HWND window, WORD key, TShiftState shift = 0) {
    HoldModifiers(shift);
    SendMessageA(window, WM_KEYUP, key, 0xC0000001);
    HoldModifiers(0);
}

inline void Press(HWND window, int x, int y, UINT down = WM_LBUTTONDOWN) {
    WPARAM keys = down == WM_LBUTTONDOWN ? MK_LBUTTON : down == WM_RBUTTONDOWN ? MK_RBUTTON : MK_MBUTTON;
    SendMessageA(window, down, keys, MAKELPARAM(x, y));
}

inline void Release(HWND window, int x, int y, UINT up = WM_LBUTTONUP) {
    SendMessageA(window, up, 0, MAKELPARAM(x, y));
}

inline void ClickAt(HWND window, int x, int y) {
    Press(window, x, y);
    Release(window, x, y);
}

// Clicks a windowless control through its parent, at its centre.
inline void ClickControl(TControl* control) {
    HWND parent = control->Parent()->Handle();
    ClickAt(parent, control->Left() + control->Width() / 2, control->Top() + control->Height() / 2);
}

// The main window as the program makes it (description, Loaded, FormCreate); exceptions that
// reach the application are recorded instead of shown.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        Application->OnException = [this](TObject*, std::exception_ptr e) {
            exceptions.push_back(TApplication::ExceptionMessage(e));
        };
        Application->CreateForm(FrmRuvo);
        form = FrmRuvo;
        HoldModifiers(0);
    }
    void TearDown() override {
        if (Application->Minimized())
            Application->Restore();
        delete form;
        Pump();
        Application->OnException = nullptr;
        // A closed main window posts WM_QUIT; it must not reach the next test.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        EXPECT_TRUE(exceptions.empty()) << exceptions.front();
    }
    void ShowWindowNow() {
        form->Show();
        PumpUntilShown(form->Handle());
    }

    TFrmRuvo* form = nullptr;
    std::vector<std::string> exceptions;
};
