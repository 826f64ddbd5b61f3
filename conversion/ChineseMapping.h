#pragma once
// The Simplified/Traditional mapping the conversions call: the system's LCMapStringA where it maps
// these characters, the program's own table (GbChineseMap) where it does not (Wine's copies them).

#include <windows.h>

// Same arguments and contract as LCMapStringA with LCMAP_SIMPLIFIED_CHINESE or
// LCMAP_TRADITIONAL_CHINESE on code page 936 text.
int MapChineseA(LCID locale, DWORD flags, const char* src, int srcLength, char* dst, int dstCapacity);

// Whether the system's LCMapStringA maps Simplified and Traditional characters; probed once.
bool SystemMapsChinese();

// The signature of a mapping function, for TChineseMappingOverride.
using TChineseMapFn = int (*)(LCID, DWORD, const char*, int, char*, int);

// Routes MapChineseA to another function while it lives, so tests can feed the conversions mappings
// no table here produces (a changed character count, a partial write). Not for use by the program.
class TChineseMappingOverride {
public:
    explicit TChineseMappingOverride(TChineseMapFn map);
    ~TChineseMappingOverride();
    TChineseMappingOverride(const TChineseMappingOverride&) = delete;
    TChineseMappingOverride& operator=(const TChineseMappingOverride&) = delete;

private:
    TChineseMapFn Saved;
};
