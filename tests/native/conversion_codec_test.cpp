// The byte encodings' codecs: decoding with invalid sequences replaced one per maximal invalid subpart,
// encoding with missing forms counted, and every code of the tables round-tripping.

#include "conversion/Codec.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

constexpr char32_t Bad = ReplacementCharacter; // one replaced invalid sequence

std::u32string DecodeAll(TEncoding encoding, const std::string& bytes) {
    std::u32string out(bytes.size(), U'\0'), result;
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    for (std::size_t pos = 0; pos < bytes.size();) {
        const TDecodeStep step = CodecFor(encoding).Decode(in + pos, bytes.size() - pos, true, &out[0]);
        result.append(out, 0, step.Written);
        pos += step.Consumed + step.Invalid;
        if (step.Invalid != 0)
            result += Bad;
    }
    return result;
}

} // namespace

TEST(Codecs, DecodeAsTheSystemsTablesAndTheUnicodeStandardSay) {
    using E = TEncoding;
    struct Case {
        TEncoding Encoding;
        std::string In;
        std::u32string Expected;
    } cases[] = {
        {E::Gb, "a\x80\xFF\xB7\xA2\xAA\xA1", U"a\u20AC\uF8F5\u53D1\uE000"},
        {E::Gb, "\x81\x30|\x81\xFF|\xB7", {Bad, '0', '|', Bad, '|', Bad}}, // an ASCII trail stays
        {E::Big5, "\xA4\xA4\x80\xC6\xA1\xF9\xF9\xA4\n", {0x4E2D, 0x80, 0xF6B1, 0x2550, Bad, '\n'}},
        {E::Gb18030, "\x81\x30\x81\x30\x84\x31\xA4\x39\x90\x30\x81\x30\xE3\x32\x9A\x35",
         U"\u0080\uFFFF\U00010000\U0010FFFF"},
        {E::Gb18030, "\x80\xE3\x32\x9A\x36\x81\x30 \x81\x30\x81", {Bad, Bad, Bad, '0', ' ', Bad, '0', Bad}},
        {E::Utf8, "\xE4\xB8\xAD\xF0\x9F\x98\x80", U"\u4E2D\U0001F600"},
        // The Unicode standard's example of maximal subparts, then overlong, surrogate and too large forms.
        {E::Utf8,
         "w\xF1\x80\x80\xE1\x80\xC2x\x80y\x80\xBFz",
         {'w', Bad, Bad, Bad, 'x', Bad, 'y', Bad, Bad, 'z'}},
        {E::Utf8, "\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\xE0\x80", std::u32string(11, Bad)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeAll(c.Encoding, c.In), c.Expected)
            << EncodingName(c.Encoding) << " " << testing::PrintToString(c.In);
}

TEST(Codecs, EncodeExactlyAndCountWhatTheTargetLacks) {
    using E = TEncoding;
    struct Case {
        TEncoding Encoding;
        std::u32string In;
        std::string Expected;
        std::uint64_t NoForm;
    } cases[] = {
        {E::Gb, U"a\u20AC\u53D1\u00E9", "a\x80\xB7\xA2\xA8\xA6", 0},
        {E::Gb, U"\u00C0\U0001F600", "??", 2}, // no best-fit replacement (À as à)
        {E::Big5, U"\u2550\u5341\u4E2D\u53D1", "\xF9\xF9\xA4\x51\xA4\xA4?", 1},
        {E::Gb18030, U"\u0080\uFFFD\U0001F600\uE5E5",
         "\x81\x30\x81\x30\x84\x31\xA4\x37\x94\x39\xFC\x36\xA3\xA0", 0},
        {E::Gb18030, {0xD800}, "?", 1},
        {E::Utf8, {0x1F600, 0xD800, 0x110000}, "\xF0\x9F\x98\x80\xEF\xBF\xBD\xEF\xBF\xBD", 2},
    };
    for (const Case& c : cases) {
        std::string out;
        std::uint64_t noForm = 0;
        CodecFor(c.Encoding).Encode(c.In.data(), c.In.size(), out, noForm);
        EXPECT_EQ(std::make_pair(out, noForm), std::make_pair(c.Expected, c.NoForm))
            << EncodingName(c.Encoding);
    }
}

// Every character a table decodes encodes back to a code of that character (BIG5 has ten with two codes).
TEST(Codecs, EveryCodeRoundTrips) {
    for (TEncoding encoding : {TEncoding::Gb, TEncoding::Big5, TEncoding::Gb18030}) {
        for (unsigned code = 0x8100; code <= 0xFEFF; ++code) {
            const std::string bytes{static_cast<char>(code >> 8), static_cast<char>(code)};
            const std::u32string decoded = DecodeAll(encoding, bytes);
            if (decoded.size() != 1 || decoded[0] == Bad)
                continue;
            std::string back;
            std::uint64_t noForm = 0;
            CodecFor(encoding).Encode(decoded.data(), 1, back, noForm);
            ASSERT_EQ(DecodeAll(encoding, back), decoded)
                << EncodingName(encoding) << " " << std::hex << code;
        }
    }
    for (char32_t c = 0x80; c <= 0x10FFFF; c += c < 0x10000 ? 1 : 97) {
        if (c >= 0xD800 && c < 0xE000)
            continue;
        std::string bytes;
        std::uint64_t noForm = 0;
        CodecFor(TEncoding::Gb18030).Encode(&c, 1, bytes, noForm);
        ASSERT_EQ(DecodeAll(TEncoding::Gb18030, bytes), std::u32string(1, c)) << std::hex << c;
    }
}

// The generator's tables against Wine's own (its NLS files), where Wine is installed.
TEST(Codecs, TablesEqualWinesCodePages) {
    if (!std::ifstream("/usr/share/wine/nls/c_936.nls") || !std::ifstream("/usr/share/wine/nls/c_950.nls"))
        GTEST_SKIP() << "Wine's NLS files are not installed";
    const std::string command = std::string("python3 '") + SINOSHIFT_SOURCE_DIR +
                                "/tools/gen_codec_tables.py' --compare-wine >/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
}
