#pragma once
// The four conversions between Simplified and Traditional GB (code page 936) text and BIG5 (code
// page 950) text, and the table of modes the main window lists and dispatches on.
// Each takes a byte string, processes it up to its first NUL, and returns a new byte string.
// None reports an error; only an allocation failure can throw.

#include <array>
#include <string>

// GB text to GB text in Traditional characters.
std::string SimplifiedToTraditional(const std::string& text);
// GB text to GB text in Simplified characters.
std::string TraditionalToSimplified(const std::string& text);
// BIG5 text to GB text in Simplified characters.
std::string Big5ToSimplified(const std::string& text);
// GB text to BIG5 text in Traditional characters.
std::string SimplifiedToBig5(const std::string& text);

struct TConversionModeEntry {
    int Mode;         // the entry's position in the mode list
    const char* Text; // the entry's text, GB bytes
    std::string (*Convert)(const std::string&);
};

inline constexpr int ConversionModeCount = 4;

// clang-format off
inline constexpr std::array<TConversionModeEntry, ConversionModeCount> ConversionModes{{
    {0, "\xBC\xF2\xCC\xE5 -> \xB7\xB1\xCC\xE5", &SimplifiedToTraditional}, // 简体 -> 繁体
    {1, "\xB7\xB1\xCC\xE5 -> \xBC\xF2\xCC\xE5", &TraditionalToSimplified}, // 繁体 -> 简体
    {2, "BIG5 -> \xBC\xF2\xCC\xE5", &Big5ToSimplified},                    // BIG5 -> 简体
    {3, "\xBC\xF2\xCC\xE5 -> BIG5", &SimplifiedToBig5},                    // 简体 -> BIG5
}};
// clang-format on

// The entry of a mode list position, or null for any other value (-1: nothing selected).
inline const TConversionModeEntry* FindConversionMode(int mode) {
    return mode >= 0 && mode < ConversionModeCount ? &ConversionModes[mode] : nullptr;
}
