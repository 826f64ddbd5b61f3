#pragma once
// The phrase-aware Simplified/Traditional converter over Unicode code points. Portable: no windows.h.

#include "conversion/TextConversion.h"

#include <cstddef>
#include <string>

class TPhraseConverter {
public:
    explicit TPhraseConverter(TConversionId id);

    // Converts in[0, size): appends the conversion of everything it can decide to out and returns how many
    // code points that was. The undecided rest is passed again, with more text after it; with atEnd all
    // is decided. Decisions depend on a bounded window of text, so any cut gives the whole text's result.
    // Code points the conversion does not know (other scripts, emoji) pass through unchanged.
    std::size_t Convert(const char32_t* in, std::size_t size, bool atEnd, std::u32string& out);

private:
    TConversionId Id;
};
