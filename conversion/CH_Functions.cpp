#include "conversion/CH_Functions.h"

#include "conversion/ChineseMapping.h"
#include "conversion/ZeroBuffer.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstring>
#include <utility>

// Every buffer is zero-filled and owned by an object that frees it on every path; the result is the
// final buffer up to its first NUL, so a platform call that fails before writing leaves an empty result.
// No call's result is tested: the zero fill and the spare terminators below keep every path bounded.
// The final buffer is a string itself, cut at its NUL and returned without a copy.

namespace {

constexpr LCID ChinaLocale = 0x0804;
constexpr UINT GbCodePage = 936;
constexpr UINT Big5CodePage = 950;

// Buffer sizes from a size query; a failed query (0) leaves them empty.
std::size_t Count(int count) {
    return count > 0 ? static_cast<std::size_t>(count) : 0;
}
int Capacity(std::size_t size) {
    return static_cast<int>(std::min<std::size_t>(size, INT_MAX));
}

std::string CutAtNul(std::string&& buffer) {
    const void* nul = std::memchr(buffer.data(), 0, buffer.size());
    if (nul != nullptr)
        buffer.resize(static_cast<std::size_t>(static_cast<const char*>(nul) - buffer.data()));
    return std::move(buffer);
}

// Modes 0 and 1: one mapping call on GB text, into 2n bytes plus a terminator nothing writes.
std::string MapGb(const std::string& text, DWORD flag) {
    const int n = MultiByteToWideChar(GbCodePage, 0, text.c_str(), -1, nullptr, 0);
    const std::size_t c = 2 * Count(n);
    std::string buffer(c + 1, '\0');
    MapChineseA(ChinaLocale, flag, text.c_str(), -1, &buffer[0], Capacity(c));
    return CutAtNul(std::move(buffer));
}

} // namespace

std::string SimplifiedToTraditional(const std::string& text) {
    return MapGb(text, LCMAP_TRADITIONAL_CHINESE);
}

std::string TraditionalToSimplified(const std::string& text) {
    return MapGb(text, LCMAP_SIMPLIFIED_CHINESE);
}

// BIG5 is first re-encoded as GB, and only then mapped: the mapping works on code page 936 text.
std::string Big5ToSimplified(const std::string& text) {
    const int n = MultiByteToWideChar(Big5CodePage, 0, text.c_str(), -1, nullptr, 0);
    // One spare unit past n, never written, terminates W whatever the decoder leaves in it.
    TZeroBuffer<wchar_t> wide(Count(n) + 1);
    MultiByteToWideChar(Big5CodePage, 0, text.c_str(), -1, wide.Data(), n);

    const int m = WideCharToMultiByte(GbCodePage, 0, wide.Data(), -1, nullptr, 0, nullptr, nullptr);
    // 2m bytes each, of which the calls use m: the upper half stays zero and terminates both.
    TZeroBuffer<char> gb(2 * Count(m));
    std::string mapped(gb.Size(), '\0');
    WideCharToMultiByte(GbCodePage, 0, wide.Data(), -1, gb.Data(), m, nullptr, nullptr);
    MapChineseA(ChinaLocale, LCMAP_SIMPLIFIED_CHINESE, gb.Data(), -1, &mapped[0], m);
    return CutAtNul(std::move(mapped));
}

// GB is first mapped to Traditional, and only then re-encoded as BIG5: code page 950 holds many
// characters only in their Traditional form.
std::string SimplifiedToBig5(const std::string& text) {
    const int n = MultiByteToWideChar(GbCodePage, 0, text.c_str(), -1, nullptr, 0);
    const std::size_t c = 2 * Count(n);
    TZeroBuffer<char> traditional(c + 1);
    MapChineseA(ChinaLocale, LCMAP_TRADITIONAL_CHINESE, text.c_str(), -1, traditional.Data(), Capacity(c));

    // W holds n units, the source's length. A mapping that changed the character count, or one that
    // failed half-way, could make the decoder fill all n units without a terminator (it writes what
    // fits before failing); the spare zero unit keeps the next call from reading past W.
    TZeroBuffer<wchar_t> wide(Count(n) + 1);
    MultiByteToWideChar(GbCodePage, 0, traditional.Data(), -1, wide.Data(), n);

    const int m = WideCharToMultiByte(Big5CodePage, 0, wide.Data(), -1, nullptr, 0, nullptr, nullptr);
    std::string big5(Count(m), '\0');
    WideCharToMultiByte(Big5CodePage, 0, wide.Data(), -1, &big5[0], m, nullptr, nullptr);
    return CutAtNul(std::move(big5));
}
