#include "cli/StepFiller.h"

#include "conversion/CH_Functions.h"

#include <string>

namespace {

constexpr UINT GbCodePage = 936;
constexpr UINT Big5CodePage = 950;

std::wstring Decode(UINT codePage, DWORD flags, const std::string& bytes) {
    const int n =
        MultiByteToWideChar(codePage, flags, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (n <= 0)
        return {};
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(codePage, flags, bytes.data(), static_cast<int>(bytes.size()), &wide[0], n);
    return wide;
}

// Whether WideCharToMultiByte falls back on the default character for any of the text.
bool UsesDefault(UINT codePage, const std::wstring& wide) {
    if (wide.empty())
        return false;
    BOOL used = FALSE;
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, &used);
    return used != FALSE;
}

} // namespace

TStepFiller::TStepFiller(int mode) : Mode(mode), SourceCodePage(mode == 2 ? Big5CodePage : GbCodePage) {}

bool TStepFiller::IsLead(unsigned char b) {
    return IsDBCSLeadByteEx(SourceCodePage, b) != FALSE;
}

int TStepFiller::Units(const std::string& bytes) const {
    return MultiByteToWideChar(SourceCodePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
}

TUnitResult TStepFiller::Single(unsigned char b) {
    return Convert(std::string(1, static_cast<char>(b)));
}

TUnitResult TStepFiller::Pair(unsigned char lead, unsigned char trail) {
    const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
    // Two characters decode to at least as many units as each alone; one character to fewer.
    if (Units(pair) >= Units(pair.substr(0, 1)) + Units(pair.substr(1))) {
        TUnitResult apart;
        apart.Joined = false;
        return apart;
    }
    return Convert(pair);
}

// The step path's own output, and the check of the one character: only the modes that re-encode can lose
// it, either because its bytes are no character of the source code page or because the target has no code
// for it.
TUnitResult TStepFiller::Convert(const std::string& unit) const {
    TUnitResult result;
    result.Bytes = ConversionModes[Mode].Convert(unit);
    if (Mode < 2)
        return result;
    if (Decode(SourceCodePage, MB_ERR_INVALID_CHARS, unit).empty()) {
        result.Malformed = true;
        return result;
    }
    if (Mode == 2)
        result.NoForm = UsesDefault(GbCodePage, Decode(Big5CodePage, 0, unit));
    else
        result.NoForm = UsesDefault(Big5CodePage, Decode(GbCodePage, 0, SimplifiedToTraditional(unit)));
    return result;
}
