// Every character of code page 936 through modes 0 and 1, against the pairs the table was made from
// (tests/data/chinese_pairs.txt, characters in UTF-8, encoded here by the system's own code page 936).

#include "tests/win32/conversion/ConversionTestSupport.h"

#include "conversion/ChineseMapping.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace {

using TCodeMap = std::map<std::string, std::string>; // GB bytes -> GB bytes

struct TPairs {
    TCodeMap ToTraditional, ToSimplified;
};

TPairs LoadPairs() {
    TPairs pairs;
    for (const std::string& line : ReadDataLines("chinese_pairs.txt")) {
        std::istringstream fields(line);
        std::string direction, from, to;
        fields >> direction >> from >> to;
        bool missing = false;
        const std::string gbFrom = FromUtf8(GbCodePage, from, &missing);
        const std::string gbTo = FromUtf8(GbCodePage, to, &missing);
        EXPECT_FALSE(missing) << "code page 936 lacks a character of: " << line;
        EXPECT_EQ(gbFrom.size(), 2u) << line;
        EXPECT_EQ(gbTo.size(), 2u) << line;
        (direction == "T" ? pairs.ToTraditional : pairs.ToSimplified)[gbFrom] = gbTo;
    }
    return pairs;
}

// All double-byte codes of code page 936 that decode to one character, in code order.
std::vector<std::string> AllGbCharacters() {
    std::vector<std::string> codes;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
            const std::wstring wide = Decode(GbCodePage, code);
            if (wide.size() == 1 && wide[0] != L'?')
                codes.push_back(code);
        }
    }
    return codes;
}

} // namespace

TEST(ConversionTable, EveryGbCharacterMapsAsThePairsSay) {
    if (SystemMapsChinese())
        GTEST_SKIP() << "the system maps with its own table";
    const TPairs pairs = LoadPairs();
    EXPECT_GT(pairs.ToTraditional.size(), 2000u);
    EXPECT_GT(pairs.ToSimplified.size(), 2000u);
    const std::vector<std::string> codes = AllGbCharacters();
    EXPECT_GT(codes.size(), 21000u);

    // One character a line: no word or phrase joins neighbours, so each maps as it does on its own.
    std::string all;
    for (const std::string& code : codes)
        all += code + "\n";
    const std::string traditional = SimplifiedToTraditional(all);
    const std::string simplified = TraditionalToSimplified(all);
    ASSERT_EQ(traditional.size(), all.size());
    ASSERT_EQ(simplified.size(), all.size());

    std::size_t changedT = 0, changedS = 0;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const std::string& code = codes[i];
        const auto t = pairs.ToTraditional.find(code);
        const auto s = pairs.ToSimplified.find(code);
        const std::string expectedT = t != pairs.ToTraditional.end() ? t->second : code;
        const std::string expectedS = s != pairs.ToSimplified.end() ? s->second : code;
        EXPECT_EQ(traditional.substr(3 * i, 2), expectedT) << testing::PrintToString(code);
        EXPECT_EQ(simplified.substr(3 * i, 2), expectedS) << testing::PrintToString(code);
        changedT += expectedT != code;
        changedS += expectedS != code;
    }
    // Every pair was met: the pairs file holds no code the grid cannot reach.
    EXPECT_EQ(changedT, pairs.ToTraditional.size());
    EXPECT_EQ(changedS, pairs.ToSimplified.size());
}
