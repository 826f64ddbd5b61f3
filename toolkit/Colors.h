#pragma once
// Colour values as the program stores them, without windows.h: 0x00BBGGRR like a COLORREF, or
// 0xFF0000nn for the system colour with index nn, resolved at paint time by ColorToRGB.
#include <cstdint>

using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
// The key colour of the program's transparent pictures.
constexpr TColor clFuchsia = 0xFF00FF;
// "No colour": never drawn; what an empty bitmap reports as its transparent colour.
constexpr TColor clNone = 0x1FFFFFFF;

constexpr TColor clSystemColor = 0xFF000000;
constexpr TColor clWindow = 0xFF000005;
constexpr TColor clWindowText = 0xFF000008;
constexpr TColor clHighlight = 0xFF00000D;
constexpr TColor clHighlightText = 0xFF00000E;
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor clBtnShadow = 0xFF000010;
constexpr TColor clGrayText = 0xFF000011;
constexpr TColor clBtnText = 0xFF000012;
constexpr TColor clBtnHighlight = 0xFF000014;
constexpr TColor cl3DDkShadow = 0xFF000015;
constexpr TColor cl3DLight = 0xFF000016;
constexpr TColor clInfoText = 0xFF000017;
constexpr TColor clInfoBk = 0xFF000018;

constexpr bool IsSystemColor(TColor color) {
    return (color & 0xFF000000) == clSystemColor;
}
// The GetSysColor index of a system colour.
constexpr int SystemColorIndex(TColor color) {
    return static_cast<int>(color & 0xFF);
}

constexpr TColor MakeColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return TColor(red) | (TColor(green) << 8) | (TColor(blue) << 16);
}
constexpr std::uint8_t RedOf(TColor color) {
    return static_cast<std::uint8_t>(color & 0xFF);
}
constexpr std::uint8_t GreenOf(TColor color) {
    return static_cast<std::uint8_t>((color >> 8) & 0xFF);
}
constexpr std::uint8_t BlueOf(TColor color) {
    return static_cast<std::uint8_t>((color >> 16) & 0xFF);
}

// The 0x00BBGGRR value to draw with: system colours are looked up (GetSysColor) on every call,
// so a change of the system's colours shows at the next paint. Defined in the Win32 build only.
std::uint32_t ColorToRGB(TColor color);
