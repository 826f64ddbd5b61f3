#include "conversion/GbChineseMap.h"

#include "conversion/GbChineseTable.h"

#include <climits>
#include <cstddef>
#include <cstring>

namespace {

// One cell for every byte pair, indexed and filled in memory order (first byte | second byte << 8), so a
// look-up is one load per character and needs no range checks: pairs that are no mapped GB character,
// including a lead byte followed by a NUL or by a byte that is no trail, map to themselves. The tables
// are built at compile time, so nothing is initialised or allocated at run time.
struct TPairTable {
    std::uint16_t Pair[0x10000];
};

constexpr std::uint16_t InMemoryOrder(std::uint16_t code) {
    return static_cast<std::uint16_t>(code >> 8 | (code & 0xFF) << 8);
}

template <std::size_t N> constexpr TPairTable BuildTable(const TGbCodePair (&pairs)[N]) {
    TPairTable table{};
    for (int pair = 0; pair < 0x10000; ++pair)
        table.Pair[pair] = static_cast<std::uint16_t>(pair);
    for (const TGbCodePair& pair : pairs)
        table.Pair[InMemoryOrder(pair.From)] = InMemoryOrder(pair.To);
    return table;
}

constexpr TPairTable ToTraditional = BuildTable(GbToTraditionalPairs);
constexpr TPairTable ToSimplified = BuildTable(GbToSimplifiedPairs);

const TPairTable& TableFor(TChineseForm form) {
    return form == TChineseForm::Traditional ? ToTraditional : ToSimplified;
}

// Lead bytes of code page 936: 0x81-0xFE.
constexpr bool IsLead(unsigned b) {
    return b - 0x81u < 0x7Eu;
}

} // namespace

std::uint16_t MapGbCode(TChineseForm form, std::uint16_t code) {
    return InMemoryOrder(TableFor(form).Pair[InMemoryOrder(code)]);
}

bool GbMapBegin(const char* src, int srcLength, const char* dst, int dstCapacity, int& result) {
    result = 0;
    if (src == nullptr || srcLength == 0 || srcLength < -1 || dstCapacity < 0 ||
        (dst == nullptr && dstCapacity > 0))
        return false;
    const std::size_t length = srcLength == -1 ? std::strlen(src) + 1 : static_cast<std::size_t>(srcLength);
    if (length > static_cast<std::size_t>(INT_MAX) ||
        (dstCapacity > 0 && length > static_cast<std::size_t>(dstCapacity)))
        return false;
    result = static_cast<int>(length);
    return dstCapacity > 0;
}

int MapGbText(TChineseForm form, const char* src, int srcLength, char* dst, int dstCapacity) {
    int result = 0;
    if (!GbMapBegin(src, srcLength, dst, dstCapacity, result))
        return result;
    const std::size_t length = static_cast<std::size_t>(result);
    const std::uint16_t* table = TableFor(form).Pair;
    const auto* in = reinterpret_cast<const unsigned char*>(src);
    auto* out = reinterpret_cast<unsigned char*>(dst);
    std::size_t i = 0;
    // A lead byte takes the next byte with it, whatever it is, as the code page 936 decoder does; a NUL
    // taken so comes out unchanged and the next character starts after it either way.
    while (i + 1 < length) {
        const unsigned b = in[i];
        if (IsLead(b)) {
            const std::uint16_t mapped = table[b | in[i + 1] << 8];
            out[i] = static_cast<unsigned char>(mapped);
            out[i + 1] = static_cast<unsigned char>(mapped >> 8);
            i += 2;
        } else {
            out[i++] = static_cast<unsigned char>(b);
        }
    }
    if (i < length)
        out[i] = in[i];
    return static_cast<int>(length);
}
