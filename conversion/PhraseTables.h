#pragma once
// The phrase converter's tables, generated at build time by tools/gen_phrase_tables.py from the data in
// third_party/ (the generator's docstring says what goes in). Portable: no windows.h.

#include <cstddef>
#include <cstdint>

// A trie in breadth-first order: node 0 is the root; the children of node n are the nodes
// First[n] .. First[n + 1] - 1, sorted by the code point that leads to them (Char).
struct TPhraseKeys {
    const char32_t* Char;
    const std::uint32_t* First;
    const std::uint32_t* Root;        // the root's child for RootFirst .. RootEnd - 1 (0: none)
    const std::uint32_t* ValueFirst;  // node n's values: ValueFirst[n] .. ValueFirst[n + 1] - 1
    const std::uint16_t* ValueMask;   // the conversions (bit TConversionId) a value belongs to
    const std::uint32_t* ValueOffset; // into Pool: the length, then the code points
    const char32_t* Pool;
};

// jieba's words, folded to Simplified, with their cost -ln(p) in 1/64 units (0xFFFF: no word ends here).
struct TWordTrie {
    const char16_t* Char;
    const std::uint32_t* First;
    const std::uint32_t* Root;
    const std::uint16_t* Cost;
};

// A code point map: BMP pages of 256 cells (a page index of 0xFFFF maps every code point of its page to
// itself), and sorted (from, to) exceptions for a cell of 0 and for code points beyond the BMP.
struct TCharMap {
    const std::uint16_t* PageIndex;
    const std::uint16_t* Pages;
    const char32_t* Exceptions;
    std::size_t ExceptionCount;
};

struct TConversionTables {
    TCharMap Chars;                 // an exception's result 0: the character is a phrase on its own
    const std::uint32_t* StartBits; // BMP code points that start a phrase, or need normalising first
    const std::uint32_t* PairBits;  // hashed first two code points of the phrases
};

struct TPhraseData {
    TPhraseKeys Keys;
    TWordTrie Words;
    const std::uint8_t* StartLength; // the longest word or phrase that may start with a BMP code point
    struct {
        const std::uint16_t* PageIndex;
        const std::uint16_t* Pages;
    } Fold;                 // Traditional to Simplified, for looking words up
    const char32_t* Normal; // sorted (compatibility ideograph, its unified ideograph) pairs
    std::size_t NormalCount;
    TConversionTables Conversions[10];
    std::uint32_t MaxKey;      // the longest phrase
    std::uint32_t MaxWord;     // the longest word
    std::uint32_t UnknownCost; // a character that is no word
};

extern const TPhraseData PhraseData;

// The code points whose root step is one load: the common ideographs.
inline constexpr char32_t RootFirst = 0x3400, RootEnd = 0xA000;

inline constexpr unsigned PairBitsShift = 32 - 18;

inline std::uint32_t PairHash(char32_t a, char32_t b) {
    return (static_cast<std::uint32_t>(a) * 0x9E3779B1u ^ static_cast<std::uint32_t>(b) * 0x85EBCA77u) >>
           PairBitsShift;
}
