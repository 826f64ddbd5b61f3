// Conversions of byte streams: invalid input, missing forms, the byte-order mark, and any cut into pieces
// giving the whole conversion's bytes.

#include "conversion/Codec.h"
#include "conversion/TextConversion.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <tuple>

namespace {

struct TResult {
    std::string Bytes;
    TConversionCounts Counts;
};

auto Key(const TResult& r) {
    return std::tie(r.Bytes, r.Counts.Invalid, r.Counts.FirstInvalidOffset, r.Counts.NoForm);
}

// Converts text in pieces of the given size, passing again what each call leaves.
TResult ConvertInPieces(TConversionId id, TEncoding from, TEncoding to, const std::string& text,
                        std::size_t piece, std::uint64_t startOffset = 0) {
    TStreamConversion stream(id, from, to, startOffset);
    TResult result;
    std::string carried;
    std::size_t pos = 0;
    do {
        carried.append(text, pos, piece);
        pos = std::min(pos + piece, text.size());
        carried.erase(0, stream.Convert(carried.data(), carried.size(), pos == text.size(), result.Bytes));
    } while (pos < text.size());
    EXPECT_TRUE(carried.empty());
    result.Counts = stream.Counts();
    return result;
}

std::string Encoded(TEncoding encoding, const std::u32string& text) {
    std::string out;
    std::uint64_t noForm = 0;
    CodecFor(encoding).Encode(text.data(), text.size(), out, noForm);
    return out;
}

const std::string Bom = "\xEF\xBB\xBF";

} // namespace

TEST(StreamConversion, ReplacesCountsAndKeepsTheByteOrderMarkAsTheTargetNeeds) {
    using E = TEncoding;
    struct Case {
        E From, To;
        std::uint64_t Start;
        std::string In, Expected;
        std::uint64_t Invalid, FirstInvalid, NoForm;
    } cases[] = {
        {E::Utf8, E::Utf8, 0, Bom + "a\xE4\xB8\xAD", Bom + "a\xE4\xB8\xAD", 0, UINT64_MAX, 0},
        {E::Utf8, E::Gb, 0, Bom + "a\xE4\xB8\xAD", "a\xD6\xD0", 0, UINT64_MAX, 0},
        {E::Utf8, E::Gb, 7, Bom + "a", "?a", 0, UINT64_MAX, 1}, // not at the start: U+FEFF, a character
        {E::Utf8, E::Big5, 0, Bom, "", 0, UINT64_MAX, 0},
        {E::Gb, E::Utf8, 10, "a\x81 z\xFF", "a\xEF\xBF\xBD z\xEF\xA3\xB5", 1, 11, 0},
        {E::Big5, E::Gb, 0, "\xA4\xA4\xA4\n\xA4", "\xD6\xD0?\n?", 2, 2, 0},
        {E::Utf8, E::Big5, 0, std::string("\0\xC0\xAF\xF0\x9F\x98\x80", 7), std::string("\0???", 4), 2, 1, 1},
        {E::Utf8, E::Gb18030, 0, "\xFF", "\x84\x31\xA4\x37", 1, 0, 0},
        {E::Utf8, E::Utf8, 0, std::string("\xF0\x9F\x98\x80\0\xF0\xA0\x80\x80\xD0\x96", 12),
         std::string("\xF0\x9F\x98\x80\0\xF0\xA0\x80\x80\xD0\x96", 12), 0, UINT64_MAX, 0},
    };
    for (const Case& c : cases) {
        const TResult r = ConvertInPieces(TConversionId::S2T, c.From, c.To, c.In, c.In.size() + 1, c.Start);
        EXPECT_EQ(std::make_tuple(r.Bytes, r.Counts.Invalid, r.Counts.FirstInvalidOffset, r.Counts.NoForm),
                  std::make_tuple(c.Expected, c.Invalid, c.FirstInvalid, c.NoForm))
            << testing::PrintToString(c.In);
    }
}

// A long mixed text (real lines, emoji, supplementary ideographs, NUL, invalid bytes), over 64 KB so the
// decoder's own chunks are cut too: every piece size gives the whole conversion's bytes and counts.
TEST(StreamConversion, EveryPieceSizeGivesTheWholeConversion) {
    std::u32string text;
    for (const char* name : {"corpus_zh_CN.txt", "corpus_zh_TW.txt"}) {
        std::ifstream in(std::string(SINOSHIFT_SOURCE_DIR) + "/tests/data/" + name, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::u32string decoded(bytes.size(), U'\0');
        const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
        decoded.resize(CodecFor(TEncoding::Utf8).Decode(data, bytes.size(), true, &decoded[0]).Written);
        text += decoded + std::u32string(U"\U0001F600\U00020000\0\u00E9", 4);
    }
    using C = TConversionId;
    using E = TEncoding;
    const std::tuple<C, E, E> pairs[] = {{C::S2B, E::Gb, E::Big5},
                                         {C::B2S, E::Big5, E::Gb},
                                         {C::S2TW, E::Utf8, E::Utf8},
                                         {C::T2S, E::Gb18030, E::Utf8}};
    for (const auto& [id, from, to] : pairs) {
        std::string input;
        for (int copy = 0; copy < 3; ++copy)
            input +=
                Encoded(from, text) + "\xFF\x80\xE4\xB8\x81\n" + Encoded(from, text.substr(copy * 7, 500));
        const TResult whole = ConvertInPieces(id, from, to, input, input.size());
        EXPECT_GT(whole.Counts.Invalid, 0u);
        for (std::size_t piece : {1, 2, 3, 5, 7, 64, 4093, 65539}) {
            const TResult cut = ConvertInPieces(id, from, to, input, piece);
            ASSERT_TRUE(Key(cut) == Key(whole)) << ConversionName(id) << " in pieces of " << piece;
        }
    }
}
