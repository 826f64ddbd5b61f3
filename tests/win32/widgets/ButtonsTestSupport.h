#pragma once
// Helpers of the button and header tests: a borderless form on the screen, an image list of solid
// squares (image i filled with Square(i)), input sent straight to a window, and pictures of what a
// control paints (through the same path as its paint) with their pixels as "r,g,b" text.
#include "tests/win32/Pump.h"
#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Form.h"
#include "toolkit/ImageList.h"
#include "widgets/ColorOps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline std::string Rgb(TColor c) {
    return std::to_string(RedOf(c)) + "," + std::to_string(GreenOf(c)) + "," + std::to_string(BlueOf(c));
}

// A distinct, saturated colour for image i of the test image lists.
inline TColor Square(int i) {
    static const TColor colours[] = {MakeColor(200, 0, 0),   MakeColor(0, 160, 0),   MakeColor(0, 0, 200),
                                     MakeColor(200, 200, 0), MakeColor(0, 160, 160), MakeColor(160, 0, 160),
                                     MakeColor(90, 60, 30),  MakeColor(30, 60, 90)};
    return colours[i % 8];
}

// count images of 16 x 16 in the colours of Square, each with its top-left pixel transparent.
inline void FillSquares(TImageList& list, int count) {
    TBitmap strip(16 * count, 16);
    for (int i = 0; i < count; ++i) {
        strip.Canvas().FillRect(RECT{16 * i, 0, 16 * i + 16, 16}, Square(i));
        strip.Canvas().SetPixel(16 * i, 0, clFuchsia);
    }
    list.AddMasked(strip, clFuchsia);
}

// What the window of control paints, with its windowless children, as a bitmap of its client size.
inline void Snapshot(TWinControl* control, TBitmap& picture) {
    picture.SetSize(control->ClientWidth(), control->ClientHeight());
    picture.SetPixelFormat(pf32bit);
    picture.Canvas().FillRect(RECT{0, 0, picture.Width(), picture.Height()}, clFuchsia);
    control->PaintTo(picture.Canvas().Handle(), 0, 0);
}

inline std::string PixelText(TBitmap& picture, int x, int y) {
    return Rgb(picture.Canvas().Pixel(x, y));
}

inline void SendMouse(HWND window, UINT msg, int x, int y, WPARAM keys = 0) {
    SendMessageA(window, msg, keys, MAKELPARAM(x, y));
}

inline void SendKey(HWND window, UINT msg, WORD key) {
    SendMessageA(window, msg, key, msg == WM_KEYUP ? 0xC0000001 : 1);
}

// A borderless form at (100, 100) with exceptions recorded instead of shown.
class ButtonsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        Application->OnException = [this](TObject*, std::exception_ptr e) {
            exceptions.push_back(TApplication::ExceptionMessage(e));
        };
        form = new TForm(Application);
        form->SetBorderStyle(bsNone);
        form->SetBounds(100, 100, 420, 120);
        form->SetColor(clWhite);
        // The real pointer stays off the form: its moves would make the buttons hot.
        SetCursorPos(5, 5);
    }
    void TearDown() override {
        Application->CancelHint();
        delete form;
        Pump();
        Application->OnException = nullptr;
        EXPECT_TRUE(exceptions.empty()) << exceptions.front();
    }
    void Start() {
        form->AfterConstruction();
        form->Show();
        PumpUntilShown(form->Handle());
    }
    TForm* form = nullptr;
    std::vector<std::string> exceptions;
};
