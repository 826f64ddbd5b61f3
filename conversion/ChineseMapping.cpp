#include "conversion/ChineseMapping.h"

#include "conversion/GbPhraseMap.h"

#include <cstring>

namespace {

constexpr LCID ChinaLocale = 0x0804;

// 这/這 (GB D5E2/DF40): a one-to-one pair every real table has.
bool MapsPair(DWORD flag, const char* from, const char* to) {
    char out[8] = {};
    const int written = LCMapStringA(ChinaLocale, flag, from, -1, out, sizeof out - 1);
    return written > 0 && std::strcmp(out, to) == 0;
}

bool ProbeSystem() {
    return MapsPair(LCMAP_TRADITIONAL_CHINESE, "\xD5\xE2", "\xDF\x40") &&
           MapsPair(LCMAP_SIMPLIFIED_CHINESE, "\xDF\x40", "\xD5\xE2");
}

int MapChineseDefault(LCID locale, DWORD flags, const char* src, int srcLength, char* dst, int dstCapacity) {
    if (SystemMapsChinese())
        return LCMapStringA(locale, flags, src, srcLength, dst, dstCapacity);
    if ((flags & LCMAP_TRADITIONAL_CHINESE) != 0)
        return MapGbTextPhrases(TChineseForm::Traditional, src, srcLength, dst, dstCapacity);
    if ((flags & LCMAP_SIMPLIFIED_CHINESE) != 0)
        return MapGbTextPhrases(TChineseForm::Simplified, src, srcLength, dst, dstCapacity);
    return LCMapStringA(locale, flags, src, srcLength, dst, dstCapacity);
}

TChineseMapFn CurrentMap = MapChineseDefault;

} // namespace

int MapChineseA(LCID locale, DWORD flags, const char* src, int srcLength, char* dst, int dstCapacity) {
    return CurrentMap(locale, flags, src, srcLength, dst, dstCapacity);
}

bool SystemMapsChinese() {
    static const bool maps = ProbeSystem();
    return maps;
}

TChineseMappingOverride::TChineseMappingOverride(TChineseMapFn map) : Saved(CurrentMap) {
    CurrentMap = map;
}

TChineseMappingOverride::~TChineseMappingOverride() {
    CurrentMap = Saved;
}
