// DetectEncoding (declared in TextConversion.h): UTF-8 when the bytes are well-formed UTF-8, else GB or BIG5,
// whichever reading gives more of the characters real Chinese text is made of; GB with four-byte forms is
// GB18030.
#include "conversion/CodecTables.h"
#include "conversion/TextConversion.h"
#include "conversion/Utf8Codec.h"

#include <algorithm>
#include <bitset>
#include <memory>

namespace {

constexpr std::size_t DetectBytes = 64 * 1024;

// The characters each standard set apart as the common ones, read through either table: GB2312's
// punctuation rows and its first level (3,755 Simplified characters in frequent use), BIG5's symbols and
// its first level (5,401 Traditional ones). Traditional text in GB and Simplified characters in BIG5 count
// too, since the set holds both. A wrong reading lands on rare characters, symbols, kana or nothing.
class TCommonCharacters {
public:
    TCommonCharacters() {
        Add(Cp936Decode, 0xA1, 0xA3, 0xA1, 0xFE);
        Add(Cp936Decode, 0xB0, 0xD7, 0xA1, 0xFE);
        Add(Cp950Decode, 0xA1, 0xA3, 0x40, 0xFE);
        Add(Cp950Decode, 0xA4, 0xC6, 0x40, 0xFE);
        Set.reset(0); // the tables' "no character"
    }

    bool Contains(std::uint16_t c) const { return Set.test(c); }

private:
    void Add(const std::uint16_t* table, unsigned leadFrom, unsigned leadTo, unsigned trailFrom,
             unsigned trailTo) {
        for (unsigned lead = leadFrom; lead <= leadTo; ++lead)
            for (unsigned trail = trailFrom; trail <= trailTo; ++trail)
                Set.set(table[256 + ((lead - 0x80) << 8 | trail)]);
    }

    std::bitset<0x10000> Set;
};

struct TReading {
    long Score = 0;
    std::size_t Invalid = 0; // bytes the table gives no character
};

// Reads the bytes with one double-byte table: common characters count up, invalid pairs count down
// harder, other characters not at all. A lead byte at the end (cut by the 64 KB mark) is left out.
TReading Read(const std::uint16_t* table, const TCommonCharacters& common, const unsigned char* in,
              std::size_t size) {
    TReading reading;
    std::size_t i = 0;
    while (i < size) {
        const unsigned b = in[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        const std::uint16_t single = table[b];
        if (single != DecodeLead) {
            reading.Score -= single == DecodeNone ? 2 : 0;
            reading.Invalid += single == DecodeNone;
            ++i;
            continue;
        }
        if (i + 1 == size)
            break;
        const std::uint16_t pair = table[256 + ((b - 0x80) << 8 | in[i + 1])];
        if (pair == 0) {
            reading.Score -= 2;
            ++reading.Invalid;
            ++i;
            continue;
        }
        reading.Score += common.Contains(pair) ? 1 : 0;
        i += 2;
    }
    return reading;
}

// Whether the bytes hold a GB18030 four-byte form (lead, digit, 81-FE, digit), which no other encoding has.
bool HasFourByteForm(const unsigned char* in, std::size_t size) {
    for (std::size_t i = 0; i + 3 < size; ++i) {
        if (in[i] >= 0x81 && in[i] <= 0xFE && in[i + 1] - 0x30u < 10u && in[i + 2] >= 0x81 &&
            in[i + 2] <= 0xFE && in[i + 3] - 0x30u < 10u)
            return true;
        i += in[i] >= 0x81; // a lead byte takes its trail
    }
    return false;
}

// Well-formed UTF-8 up to the end, where a character may be cut.
bool IsUtf8(const unsigned char* in, std::size_t size) {
    std::size_t i = 0;
    while (i < size) {
        if (in[i] < 0x80) {
            ++i;
            continue;
        }
        bool whole;
        const std::size_t n = TUtf8Codec::ValidPrefix(in + i, size - i, whole);
        if (!whole && (n == 0 || i + n < size))
            return false;
        i += n;
    }
    return true;
}

} // namespace

TEncoding DetectEncoding(const char* data, std::size_t size) {
    const auto* in = reinterpret_cast<const unsigned char*>(data);
    size = std::min(size, DetectBytes);
    if (IsUtf8(in, size))
        return TEncoding::Utf8;
    static const std::unique_ptr<TCommonCharacters> common(new TCommonCharacters);
    // A text only one of the tables reads is that one's, however few common characters it holds.
    const TReading gb = Read(Cp936Decode, *common, in, size), big5 = Read(Cp950Decode, *common, in, size);
    const bool onlyOneReads = (gb.Invalid == 0) != (big5.Invalid == 0);
    if (onlyOneReads ? big5.Invalid == 0 : big5.Score > gb.Score)
        return TEncoding::Big5;
    return HasFourByteForm(in, size) ? TEncoding::Gb18030 : TEncoding::Gb;
}
