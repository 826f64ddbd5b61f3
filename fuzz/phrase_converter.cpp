// The phrase-aware converter: any text, any conversion, whole or cut anywhere, gives one result. Input:
// conversion, four bytes seeding the cuts, then UTF-8 text (decoded as the command line decodes it).

#include "conversion/PhraseEngine.h"
#include "fuzz/EncodingCheck.h"
#include "fuzz/PieceCuts.h"

#include <algorithm>

namespace {

// Decisions look at most 64 characters ahead; the undecided rest stays well within this.
constexpr std::size_t kMaxCarry = 256;

// ASCII and the emoji planes' symbols: no conversion knows them, they pass through.
bool Unknown(char32_t c) {
    return c < 0x80 || (c >= 0x1F000 && c <= 0x1FAFF);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFuzzInput input(data, size);
    const auto id = static_cast<TConversionId>(input.Pick(10));
    TPieceCuts cuts(input.Word());
    const std::u32string text = DecodeUtf8(input.Rest());

    std::u32string whole;
    FUZZ_CHECK(TPhraseConverter(id).Convert(ExactCopy(text).get(), text.size(), true, whole) == text.size());
    TPhraseConverter converter(id);
    const std::u32string cut = ConvertInPieces(
        text, cuts, kMaxCarry, [&](const char32_t* in, std::size_t n, bool atEnd, std::u32string& out) {
            return converter.Convert(in, n, atEnd, out);
        });
    FUZZ_CHECK(cut == whole);
    if (std::all_of(text.begin(), text.end(), Unknown))
        FUZZ_CHECK(whole == text);
    return 0;
}
