#pragma once
// A drawing surface over a borrowed HDC. Every call that needs a brush, pen or font selects it
// with a guard, so nothing of the canvas stays selected in the DC after the call returns.
#include "toolkit/Colors.h"
#include "toolkit/Font.h"

#include <windows.h>

#include <string>

class TBitmap;

class TCanvas {
public:
    explicit TCanvas(HDC dc = nullptr) : dc_(dc) {}
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    HDC Handle() const { return dc_; }
    // Rebinds the canvas to another DC (a bitmap's canvas keeps its font across this).
    void SetHandle(HDC dc) { dc_ = dc; }

    // The font of TextOut/DrawText/TextExtent; its colour is the text colour.
    TFont Font;

    // --- fills and lines ---
    void FillRect(const RECT& rect, TColor color);
    // A one-pixel frame inside rect.
    void FrameRect(const RECT& rect, TColor color);
    // A line from (x1, y1) up to, not including, (x2, y2), as GDI draws lines.
    void Line(int x1, int y1, int x2, int y2, TColor color, int width = 1);
    void Polyline(const POINT* points, int count, TColor color, int width = 1);
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // --- copies; all opaque unless named otherwise ---
    void Draw(int x, int y, TBitmap& source);
    // Scales the whole bitmap into dest with the DC's stretch mode.
    void StretchDraw(const RECT& dest, TBitmap& source);
    // Scales sourceRect of another canvas into dest (StretchBlt, SRCCOPY).
    void CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect);
    // Draws the bitmap at (x, y); pixels of colour key are left untouched.
    void DrawTransparent(int x, int y, TBitmap& source, TColor key);

    // StretchBlt mode of the DC (COLORONCOLOR repeats or drops whole rows and columns).
    int StretchMode() const;
    void SetStretchMode(int mode);

    // --- text, drawn with a transparent background in Font. (windows.h turns the names
    // TextOut and DrawText into TextOutA and DrawTextA; callers see the same macros.) ---
    void TextOut(int x, int y, const std::string& text);
    // DrawTextA; rect is updated when format holds DT_CALCRECT. Returns the text height.
    int DrawText(const std::string& text, RECT& rect, UINT format);
    SIZE TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }

private:
    void RequireHandle() const;

    HDC dc_ = nullptr;
};
