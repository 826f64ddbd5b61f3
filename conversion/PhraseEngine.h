#pragma once
// The phrase-aware Simplified/Traditional converter over Unicode code points. Portable: no windows.h.
//
// Each conversion is OpenCC's configuration of its name (the window's modes keep their character policy,
// see tools/gen_phrase_tables.py): a character map and the phrases whose result differs from their
// characters'. Where a phrase occurs, the text around it is segmented into words by maximum probability
// (jieba's word frequencies, the phrases among the words), and phrases are taken only within a word, so
// a phrase that straddles two words (头发 in 前头发生) is not taken. Everything else is mapped character
// by character.

#include "conversion/PhraseLookup.h"
#include "conversion/TextConversion.h"

#include <cstddef>
#include <string>
#include <vector>

enum class TSegmentation {
    Words,       // maximum probability over words, within a bounded window around each phrase
    LongestMatch // the longest phrase at each position, as OpenCC does; kept for comparison
};

class TPhraseConverter {
public:
    explicit TPhraseConverter(TConversionId id, TSegmentation segmentation = TSegmentation::Words);

    // Converts in[0, size): appends the conversion of everything it can decide to out and returns how many
    // code points that was. The undecided rest is passed again, with more text after it; with atEnd all
    // is decided. Decisions depend on a bounded window of text, so any cut gives the whole text's result.
    // Code points the conversion does not know (other scripts, emoji) pass through unchanged.
    std::size_t Convert(const char32_t* in, std::size_t size, bool atEnd, std::u32string& out);

    // The most code points a decision reads past a phrase's start; a block is at most this long and
    // starts at most half of it before its phrase, so the undecided rest is under 1.5 windows.
    static constexpr std::size_t Window = 64;

private:
    // A block: the text around a phrase that no word crosses, at most Window code points.
    struct TBlock {
        std::size_t Left, Right;
    };

    std::size_t ConvertLongest(const char32_t* in, std::size_t size, bool atEnd, std::u32string& out);
    TBlock FindBlock(const char32_t* in, std::size_t size, std::size_t clamp, std::size_t at);
    std::size_t Reach(std::size_t i);
    void ConvertBlock(const char32_t* in, TBlock block, std::u32string& out);
    void ConvertSegment(const char32_t* in, std::size_t from, std::size_t to, std::u32string& out);

    TPhraseLookup Lookup;
    TSegmentation Segmentation;
    std::size_t Stride; // MaxLength() + 1: one position's costs

    std::u32string Scratch; // one block's conversion

    // Work space of one block, kept to spare allocations. From Base to Upper: the text, the furthest end
    // of a word at each position (0: not yet known) and the costs of its words by length.
    const char32_t* Text = nullptr;
    std::size_t Base = 0, Upper = 0;
    std::vector<std::size_t> Reaches;
    std::vector<std::uint32_t> Costs;
    std::vector<std::uint32_t> Best;
    std::vector<std::size_t> From, Ends;
};
