// The conversions between encodings: any bytes, any conversion, any pair of encodings, whole or in any
// pieces. Input: conversion, source and target encoding, four bytes seeding the cuts, then the text.

#include "conversion/TextConversion.h"
#include "fuzz/EncodingCheck.h"
#include "fuzz/PieceCuts.h"

#include <cstdio>

namespace {

// What a converter leaves to pass again is the last 96 characters at most (a phrase decides up to 64 ahead,
// a block starts up to 32 before it) of at most four bytes, and a character cut at the end: under this,
// which the inputs (max_len in its options) can exceed.
constexpr std::size_t kMaxCarry = 512;
const std::string Bom = "\xEF\xBB\xBF";

// Until the encodings are built the conversion passes bytes through, which keeps the safety and cut
// properties but not those of the encodings: those wait for a conversion that changes the encoding.
bool EncodingsBuilt() {
    static const bool built = [] {
        TStreamConversion probe(TConversionId::S2T, TEncoding::Utf8, TEncoding::Gb);
        std::string out;
        probe.Convert("\xE4\xB8\xAD", 3, true, out); // U+4E2D
        if (out == "\xE4\xB8\xAD")
            std::fprintf(stderr, "stream_conversion: the encodings pass bytes through; checking cuts only\n");
        return out != "\xE4\xB8\xAD";
    }();
    return built;
}

struct TWhole {
    std::string Bytes;
    TConversionCounts Counts;
};

TWhole ConvertWhole(TConversionId id, TEncoding from, TEncoding to, const std::string& text) {
    TStreamConversion conversion(id, from, to);
    TWhole whole;
    FUZZ_CHECK(conversion.Convert(ExactCopy(text).get(), text.size(), true, whole.Bytes) == text.size());
    whole.Counts = conversion.Counts();
    return whole;
}

bool SameCounts(const TConversionCounts& a, const TConversionCounts& b) {
    return a.Invalid == b.Invalid && a.FirstInvalidOffset == b.FirstInvalidOffset && a.NoForm == b.NoForm;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFuzzInput input(data, size);
    const auto id = static_cast<TConversionId>(input.Pick(10));
    const auto from = static_cast<TEncoding>(input.Pick(4));
    const auto to = static_cast<TEncoding>(input.Pick(4));
    TPieceCuts cuts(input.Word());
    const std::string text = input.Rest();

    const TWhole whole = ConvertWhole(id, from, to, text);
    TStreamConversion pieces(id, from, to);
    const std::string cut = ConvertInPieces(text, cuts, kMaxCarry,
                                            [&](const char* in, std::size_t n, bool atEnd, std::string& out) {
                                                return pieces.Convert(in, n, atEnd, out);
                                            });
    FUZZ_CHECK(cut == whole.Bytes);
    FUZZ_CHECK(SameCounts(pieces.Counts(), whole.Counts));
    if (!EncodingsBuilt())
        return 0;

    // Whatever came in, what goes out is the target encoding; what no decoder reads is counted.
    FUZZ_CHECK(WellFormedOutput(to, whole.Bytes));
    FUZZ_CHECK((whole.Counts.Invalid == 0) == (whole.Counts.FirstInvalidOffset == UINT64_MAX));
    FUZZ_CHECK(whole.Counts.Invalid == 0 || whole.Counts.FirstInvalidOffset < text.size());
    // UTF-8 and GB18030 have a code for every character.
    if (to == TEncoding::Utf8 || to == TEncoding::Gb18030)
        FUZZ_CHECK(whole.Counts.NoForm == 0);
    // GB is read by GB18030's structure here: a GB decoder may also take its four-byte forms.
    const std::size_t malformed = FirstMalformed(from == TEncoding::Gb ? TEncoding::Gb18030 : from, text);
    if (from == TEncoding::Utf8)
        FUZZ_CHECK(whole.Counts.FirstInvalidOffset == (malformed == kNoMalformed ? UINT64_MAX : malformed));
    else if (malformed != kNoMalformed)
        FUZZ_CHECK(whole.Counts.FirstInvalidOffset <= malformed);

    // A byte-order mark is kept for UTF-8 and dropped otherwise, and changes nothing else.
    if (from == TEncoding::Utf8 && text.compare(0, 3, Bom) == 0 && text.compare(3, 3, Bom) != 0) {
        const std::string rest = ConvertWhole(id, from, to, text.substr(3)).Bytes;
        FUZZ_CHECK(whole.Bytes == (to == TEncoding::Utf8 ? Bom + rest : rest));
    }
    return 0;
}
