#pragma once
// Simplified/Traditional character mapping of GB (code page 936) text, one character to one
// character, for systems whose LCMapStringA has no such mapping. Portable: no windows.h.

#include <cstddef>
#include <cstdint>

enum class TChineseForm { Simplified, Traditional };

// The counterpart of one double-byte GB code in the given form; a code without one, or a byte pair that
// is no GB code, comes back unchanged.
std::uint16_t MapGbCode(TChineseForm form, std::uint16_t code);

// Maps GB text the way LCMapStringA does with the Simplified/Traditional flags:
// - srcLength -1 means up to and including the first NUL, which is then written and counted too;
// - characters without a counterpart, and bytes that form no GB character, are copied unchanged, so
//   the output has exactly as many bytes as the input;
// - returns the number of bytes written; dstCapacity 0 asks for that number without writing;
// - returns 0 and writes nothing when dst is too small or an argument is invalid.
int MapGbText(TChineseForm form, const char* src, int srcLength, char* dst, int dstCapacity);

// The argument checks of MapGbText's contract, shared by the mappings that keep it: sets result to what
// the mapping returns (0 for invalid arguments or too small a buffer, else the number of bytes it covers),
// and tells whether it writes them (not when it fails, nor when dstCapacity 0 asks for the size).
bool GbMapBegin(const char* src, int srcLength, const char* dst, int dstCapacity, int& result);
