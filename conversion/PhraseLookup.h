#pragma once
// Look-ups in the generated tables for one conversion: its character map, its phrases, and the words
// that segment text. Portable: no windows.h.

#include "conversion/PhraseTables.h"
#include "conversion/TextConversion.h"

#include <cstddef>
#include <cstdint>

// A phrase found in text: how many code points it covers and what it becomes.
struct TPhraseMatch {
    std::size_t Length = 0;
    const char32_t* Value = nullptr;
    std::size_t ValueLength = 0;
};

class TPhraseLookup {
public:
    explicit TPhraseLookup(TConversionId id);

    // The longest word or phrase there can be; no decision looks further.
    std::size_t MaxLength() const { return MaxLen; }

    // What the conversion makes of c on its own; 0 when c is a phrase on its own (埠 -> 端口).
    char32_t MapChar(char32_t c) const {
        if (c <= 0xFFFF) {
            const std::uint16_t page = Conversion.Chars.PageIndex[c >> 8];
            if (page == 0xFFFF)
                return c;
            const std::uint16_t cell = Conversion.Chars.Pages[page * 256u + (c & 0xFF)];
            if (cell != 0 || c == 0)
                return cell;
        }
        return MapException(c);
    }

    // The code point as phrases and words are keyed: compatibility ideographs as their unified form.
    char32_t Normalize(char32_t c) const {
        return Normalizes && (c - 0xF900u < 0x200u || c - 0x2F800u < 0x220u) ? NormalException(c) : c;
    }

    // Whether a phrase may start with c at all, by one bit; true for every code point beyond the BMP.
    bool MayStart(char32_t c) const { return c > 0xFFFF || (Conversion.StartBits[c >> 5] >> (c & 31) & 1); }

    // Whether a phrase may start with c (c, next normalised): false means surely not.
    bool MayStart(char32_t c, char32_t next) const {
        if (c <= 0xFFFF && !(Conversion.StartBits[c >> 5] >> (c & 31) & 1))
            return false;
        const std::uint32_t hash = PairHash(c, next);
        return (Conversion.PairBits[hash >> 5] >> (hash & 31) & 1) || c > 0xFFFF || MapChar(c) == 0 ||
               Normalize(c) != c;
    }

    // Maps in[from, stop) code point by code point into mapped while each maps to one BMP code point on its
    // own and no phrase may start there; returns where it stopped: stop, or the first code point that needs
    // a closer look. in[stop] must exist (it is the last code point's successor in the pair test).
    std::size_t MapRun(const char32_t* in, std::size_t from, std::size_t stop, char32_t* mapped) const {
        // One load per code point and one branch that is rarely taken: text mixes the kinds of code point
        // (ASCII, phrase starts, the rest) too evenly for branches on them to be predicted.
        const std::uint32_t* fast = FastTable;
        const std::uint32_t* pairs = Conversion.PairBits;
        std::size_t i = from;
        std::uint32_t entry = in[i] <= 0xFFFF ? fast[in[i]] : FastAlways;
        for (; i < stop; ++i) {
            const char32_t c = in[i], next = in[i + 1];
            // Beyond the BMP, and a compatibility ideograph as next (not normalised for the hash), the
            // scan always looks closer.
            const std::uint32_t nextEntry = next <= 0xFFFF ? fast[next] : FastAlways;
            const std::uint32_t hash = PairHash(c, next);
            const bool pair = ((pairs[hash >> 5] >> (hash & 31) & 1) != 0) | ((nextEntry & FastAlways) != 0);
            if (((entry & FastAlways) != 0) | (((entry & FastStart) != 0) & pair))
                break;
            mapped[i] = entry & 0xFFFF;
            entry = nextEntry;
        }
        return i;
    }

    // The longest word or phrase that may start with c.
    std::size_t StartLength(char32_t c) const { return c <= 0xFFFF ? PhraseData.StartLength[c] : MaxLen; }

    // The longest phrase of this conversion at text[0, size).
    TPhraseMatch LongestPhrase(const char32_t* text, std::size_t size) const;

    // The cost of each word and phrase at text[0, size) by its length: cost[n] for n = 1 ..
    // min(size, MaxLength()); 0xFFFF where none. A phrase that is no word costs PhraseCost; a
    // character that is no word, the data's unknown cost. Returns the longest length with a cost.
    std::size_t Costs(const char32_t* text, std::size_t size, std::uint32_t* cost) const;

private:
    char32_t MapException(char32_t c) const;
    char32_t NormalException(char32_t c) const;
    char16_t Fold(char32_t c) const;
    static const std::uint32_t* BuildFastTable(const TPhraseLookup& lookup);

    // Per BMP code point: what MapChar gives (bits 0-15), whether a phrase may start with it (FastStart),
    // and whether it maps to no single BMP code point or needs normalising (FastAlways).
    static constexpr std::uint32_t FastStart = 1u << 16, FastAlways = 1u << 17;

    const TConversionTables& Conversion;
    const std::uint32_t* FastTable; // 65536 entries, one per conversion for the process
    std::uint16_t Mask;
    bool Normalizes;
    std::size_t MaxLen;
};
