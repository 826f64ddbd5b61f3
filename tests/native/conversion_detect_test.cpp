// Encoding detection on real text (tests/data/corpus_large_*.txt.gz): slices of 200 bytes to past the
// 64 KB it reads, cut at any byte, in every encoding the text comes in; prints the accuracy table.

#include "conversion/Codec.h"
#include "conversion/TextConversion.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>

namespace {

std::u32string Corpus(const char* name) {
    std::string bytes;
    const std::string command =
        std::string("gzip -dc '") + SINOSHIFT_SOURCE_DIR + "/tests/data/" + name + "'";
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[65536];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            bytes.append(buffer, n);
        pclose(pipe);
    }
    std::u32string text(bytes.size(), U'\0');
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    text.resize(CodecFor(TEncoding::Utf8).Decode(in, bytes.size(), true, &text[0]).Written);
    return text;
}

} // namespace

TEST(DetectEncoding, TellsUtf8GbAndBig5ApartOnRealText) {
    const std::u32string simplified = Corpus("corpus_large_zh_CN.txt.gz"),
                         traditional = Corpus("corpus_large_zh_TW.txt.gz");
    ASSERT_GT(simplified.size(), 100000u);
    ASSERT_GT(traditional.size(), 100000u);
    const std::tuple<const char*, const std::u32string&, TEncoding> classes[] = {
        {"Simplified GB", simplified, TEncoding::Gb},
        {"Simplified UTF-8", simplified, TEncoding::Utf8},
        {"Traditional BIG5", traditional, TEncoding::Big5},
        {"Traditional UTF-8", traditional, TEncoding::Utf8},
        {"Traditional GB", traditional, TEncoding::Gb}};
    const std::size_t sizes[] = {200, 500, 2000, 16384, 65536, 100000};
    constexpr int Slices = 100;
    std::printf("%-18s", "class / bytes");
    for (std::size_t size : sizes)
        std::printf("%9zu", size);
    std::printf("\n");
    for (const auto& [name, text, encoding] : classes) {
        std::printf("%-18s", name);
        for (std::size_t size : sizes) {
            int right = 0;
            for (int i = 0; i < Slices; ++i) {
                // A slice from a character at an even step through the text, cut at exactly size bytes.
                const std::size_t start = (text.size() - size) * i / Slices;
                std::string bytes;
                std::uint64_t noForm = 0;
                for (std::size_t at = start; bytes.size() < size; at += size / 4)
                    CodecFor(encoding).Encode(text.data() + at, size / 4, bytes, noForm);
                bytes.resize(size);
                right += DetectEncoding(bytes.data(), bytes.size()) == encoding;
            }
            std::printf("%8.1f%%", 100.0 * right / Slices);
            EXPECT_GE(right, Slices * 99 / 100) << name << ", " << size << " bytes";
        }
        std::printf("\n");
    }
}

TEST(DetectEncoding, ShortAndPlainInputs) {
    const std::pair<std::string, TEncoding> cases[] = {{"", TEncoding::Utf8},
                                                       {"plain ASCII\r\n", TEncoding::Utf8},
                                                       {"\xE4\xB8\xAD\xE6", TEncoding::Utf8}, // cut
                                                       {"\xD6\xD0\xCE\xC4", TEncoding::Gb},
                                                       {"\xA4\xA4\xA4\xE5", TEncoding::Big5},
                                                       {"\xD6\xD0\x81\x30\x81\x30", TEncoding::Gb18030},
                                                       // BIG5's common characters, but a pair only GB reads
                                                       {"\xC0\x59\xBE\x76\xAB\xDC\xAA\xF8\x41\xA1\xB2\x7A"
                                                        "\xBE\x76\xA1\x43\xB5\x6F\xAE\x69\xA4\x46\xA1\x41"
                                                        "\xAB\x65\xC0\x59\xB5\x6F\xA5\xCD\xA4\x81",
                                                        TEncoding::Gb}};
    for (const auto& [in, expected] : cases)
        EXPECT_EQ(DetectEncoding(in.data(), in.size()), expected) << testing::PrintToString(in);
}
