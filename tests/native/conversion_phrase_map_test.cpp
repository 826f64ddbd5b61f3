// The window's fallback mapping through the phrase converter, under LCMapStringA's contract.

#include "conversion/Codec.h"
#include "conversion/GbPhraseMap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Gb(const std::u32string& text) {
    std::string out;
    std::uint64_t noForm = 0;
    CodecFor(TEncoding::Gb).Encode(text.data(), text.size(), out, noForm);
    return out;
}

} // namespace

TEST(GbPhraseMap, KeepsTheContract) {
    const std::string text =
        "a\xC8\xCB\x81\x30\xD6\xD0\xB7"; // a 人, a stray pair, 中, a lead byte at the end
    struct Case {
        int Length, Capacity, Returned;
        std::string Written; // the bytes after the call, the buffer holding 'x' before it
    } cases[] = {
        {-1, 20, 9, text + '\0' + std::string(11, 'x')}, // up to and including the terminator
        {4, 4, 4, text.substr(0, 4) + std::string(16, 'x')},
        {-1, 0, 9, std::string(20, 'x')}, // asks for the size
        {-1, 8, 0, std::string(20, 'x')}, // one byte short: nothing written
        {0, 20, 0, std::string(20, 'x')},
    };
    for (const Case& c : cases) {
        std::vector<char> out(20, 'x');
        EXPECT_EQ(MapGbTextPhrases(TChineseForm::Traditional, text.c_str(), c.Length, out.data(), c.Capacity),
                  c.Returned);
        EXPECT_EQ(std::string(out.begin(), out.end()), c.Written) << c.Length << ", " << c.Capacity;
    }
}

// Needs the phrase tables: words decide the one-to-many characters, in both directions.
TEST(GbPhraseMap, ConvertsByPhrase) {
    struct Case {
        TChineseForm Form;
        std::u32string In, Expected;
    } cases[] = {{TChineseForm::Traditional, U"头发很长，前头发生了什么事", U"頭髮很長，前頭發生了什麼事"},
                 {TChineseForm::Simplified, U"頭髮很長", U"头发很长"}};
    for (const Case& c : cases) {
        const std::string in = Gb(c.In);
        std::vector<char> out(in.size() + 1);
        ASSERT_EQ(MapGbTextPhrases(c.Form, in.c_str(), -1, out.data(), static_cast<int>(out.size())),
                  static_cast<int>(out.size()));
        EXPECT_EQ(std::string(out.data()), Gb(c.Expected));
    }
}
