// The conversions' edge cases and the mode table.

#include "tests/win32/conversion/ConversionTestSupport.h"

#include <gtest/gtest.h>

namespace {

std::string AllAscii() {
    std::string text;
    for (int c = 1; c < 0x80; ++c)
        text += static_cast<char>(c);
    return text + "\r\nline two\r\n\r\n";
}

const char* const SimplifiedText = u8"这是简体中文，发展后来。\r\n第二行：们说话。";
const char* const TraditionalText = u8"這是簡體中文，發展後來。\r\n第二行：們說話。";

} // namespace

TEST(ConversionEdgeCases, EmptyTextGivesEmptyTextInEveryMode) {
    for (const TConversionModeEntry& mode : ConversionModes)
        EXPECT_EQ(mode.Convert(""), "") << "mode " << mode.Mode;
}

TEST(ConversionEdgeCases, AsciiAndCrLfComeBackByteForByteInEveryMode) {
    const std::string ascii = AllAscii();
    for (const TConversionModeEntry& mode : ConversionModes) {
        EXPECT_EQ(mode.Convert(ascii), ascii) << "mode " << mode.Mode;
        EXPECT_EQ(mode.Convert("a"), "a") << "mode " << mode.Mode;
    }
}

TEST(ConversionEdgeCases, TextEndsAtTheFirstNulInEveryMode) {
    const std::string head = Gb(u8"发展ab");
    const std::string text = head + std::string(1, '\0') + Gb(u8"后来") + "tail";
    for (const TConversionModeEntry& mode : ConversionModes) {
        const std::string result = mode.Convert(text);
        EXPECT_EQ(result, mode.Convert(head)) << "mode " << mode.Mode;
        EXPECT_EQ(result.find('\0'), std::string::npos) << "mode " << mode.Mode;
        EXPECT_EQ(mode.Convert(std::string(1, '\0') + "abc"), "") << "mode " << mode.Mode;
    }
    EXPECT_EQ(SimplifiedToTraditional(text), Gb(u8"發展ab"));
    EXPECT_EQ(SimplifiedToBig5(text), Big5(u8"發展ab"));
}

TEST(ConversionEdgeCases, SimplifiedToTraditionalAndBackGivesTheStartingBytes) {
    const std::string simplified = Gb(SimplifiedText);
    const std::string traditional = SimplifiedToTraditional(simplified);
    EXPECT_EQ(traditional, Gb(TraditionalText));
    EXPECT_EQ(TraditionalToSimplified(traditional), simplified);
}

TEST(ConversionEdgeCases, OneToManyCharactersTakeOneDefaultCounterpart) {
    // 发 is both 發 and 髮; 后 both 後 and 后; 干 both 幹, 乾 and 干.
    EXPECT_EQ(SimplifiedToTraditional(Gb(u8"发后干")), Gb(u8"發後幹"));
    EXPECT_EQ(TraditionalToSimplified(Gb(u8"發髮後乾幹")), Gb(u8"发发后干干"));
    EXPECT_EQ(SimplifiedToBig5(Gb(u8"发后干")), Big5(u8"發後幹"));
}

TEST(ConversionEdgeCases, SimplifiedToBig5GivesBig5ThatBig5ToSimplifiedTakesBack) {
    const std::string simplified = Gb(SimplifiedText);
    const std::string big5 = SimplifiedToBig5(simplified);
    EXPECT_EQ(big5, Big5(TraditionalText));
    EXPECT_NE(big5, Gb(TraditionalText)); // the same characters, other codes
    EXPECT_EQ(Big5ToSimplified(big5), simplified);
}

TEST(ConversionEdgeCases, CharacterWithoutBig5CodeBecomesTheBig5DefaultCharacter) {
    // 乸 and 嘢 have no Traditional counterpart and no code page 950 code; 伡 has a counterpart, 俥,
    // that code page 950 lacks.
    const std::string dflt = DefaultChar(Big5CodePage);
    for (const char* utf8 : {u8"乸", u8"嘢", u8"伡"}) {
        bool missing = false;
        FromUtf8(Big5CodePage, utf8, &missing);
        ASSERT_TRUE(missing) << "code page 950 has a code for the character of this case";
        EXPECT_EQ(SimplifiedToBig5("A" + Gb(utf8) + "B"), "A" + dflt + "B");
    }
    EXPECT_EQ(SimplifiedToTraditional(Gb(u8"乸嘢")), Gb(u8"乸嘢"));
}

TEST(ConversionEdgeCases, GbTextGivenToBig5ToSimplifiedGivesAResult) {
    const std::string gb = Gb(SimplifiedText) + "\r\nend";
    std::string result;
    EXPECT_NO_THROW(result = Big5ToSimplified(gb));
    EXPECT_FALSE(result.empty());
    EXPECT_EQ(result.find('\0'), std::string::npos);
    EXPECT_EQ(result.substr(result.size() - 5), "\r\nend");
}

TEST(ConversionModes, TableListsTheFourModesInOrderWithTheirTexts) {
    const char* const texts[] = {u8"简体 -> 繁体", u8"繁体 -> 简体", u8"BIG5 -> 简体", u8"简体 -> BIG5"};
    // What each mode makes of 发 (GB) and of 發 in BIG5.
    const std::string fa = Gb(u8"发"), big5Fa = Big5(u8"發");
    const std::string results[] = {Gb(u8"發"), fa, fa, big5Fa};
    const std::string inputs[] = {fa, Gb(u8"發"), big5Fa, fa};
    for (int i = 0; i < ConversionModeCount; ++i) {
        const TConversionModeEntry* mode = FindConversionMode(i);
        ASSERT_NE(mode, nullptr);
        EXPECT_EQ(mode->Mode, i);
        EXPECT_EQ(std::string(mode->Text), Gb(texts[i])) << "mode " << i;
        EXPECT_EQ(mode->Convert(inputs[i]), results[i]) << "mode " << i;
    }
    for (int none : {-1, 4, 100})
        EXPECT_EQ(FindConversionMode(none), nullptr) << none;
}
