#pragma once
// Keyboard shortcuts as 16-bit values: a virtual-key code in the low byte plus modifier bits
// (0x8000 Alt, 0x4000 Ctrl, 0x2000 Shift), e.g. 0x8073 = Alt+F4. Portable: no windows.h.
#include <cstdint>
#include <string>

using TShortCut = std::uint16_t;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

constexpr TShortCut MakeShortCut(std::uint8_t virtualKey, TShortCut modifiers) {
    return static_cast<TShortCut>(virtualKey | modifiers);
}

// The text a menu shows for the shortcut ("Alt+F4", "Ctrl+Shift+A"); empty for none or for a
// key without a name.
std::string ShortCutToText(TShortCut shortCut);
// The name of a virtual key as shortcut texts use it ("F4", "A", "Del"); empty when unnamed.
std::string KeyName(std::uint8_t virtualKey);
