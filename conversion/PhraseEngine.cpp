#include "conversion/PhraseEngine.h"

// Placeholder until the phrase tables land: every code point passes through.
TPhraseConverter::TPhraseConverter(TConversionId id) : Id(id) {}

std::size_t TPhraseConverter::Convert(const char32_t* in, std::size_t size, bool, std::u32string& out) {
    out.append(in, size);
    return size;
}
