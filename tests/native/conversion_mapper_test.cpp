// The program's own Simplified/Traditional mapping under LCMapStringA's contract, natively (sanitizers).

#include "conversion/GbChineseMap.h"
#include "conversion/GbPhraseMap.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

// GB codes used below.
const char* const Fa = "\xB7\xA2";      // 发
const char* const FaTrad = "\xB0\x6C";  // 發
const char* const Hair = "\xF3\x8C";    // 髮 (also 发 in Simplified)
const char* const Hou = "\xBA\xF3";     // 后
const char* const HouTrad = "\xE1\xE1"; // 後
const char* const Men = "\xC3\xC7";     // 们
const char* const MenTrad = "\x82\x83"; // 們
const char* const Ren = "\xC8\xCB";     // 人 (the same in both)

constexpr char Sentinel = '\x55';

// Maps with srcLength -1 into an exactly sized buffer; returns the bytes before the terminator.
std::string Map(TChineseForm form, const std::string& text) {
    std::vector<char> out(text.size() + 1, Sentinel);
    const int written = MapGbText(form, text.c_str(), -1, out.data(), static_cast<int>(out.size()));
    EXPECT_EQ(written, static_cast<int>(text.size() + 1));
    EXPECT_EQ(out.back(), '\0');
    return std::string(out.data(), text.size());
}

std::string ToTrad(const std::string& text) {
    return Map(TChineseForm::Traditional, text);
}
std::string ToSimp(const std::string& text) {
    return Map(TChineseForm::Simplified, text);
}

} // namespace

TEST(GbChineseMapContract, LengthMinusOneWritesAndCountsTheTerminator) {
    char out[4] = {Sentinel, Sentinel, Sentinel, Sentinel};
    EXPECT_EQ(MapGbText(TChineseForm::Traditional, Fa, -1, out, 4), 3);
    EXPECT_EQ(std::string(out, 3), std::string(FaTrad) + '\0');
    EXPECT_EQ(out[3], Sentinel);
}

TEST(GbChineseMapContract, ExplicitLengthWritesNoTerminatorAndMapsPastNuls) {
    const std::string text = std::string(Fa) + '\0' + Fa;
    char out[6];
    std::memset(out, Sentinel, sizeof out);
    EXPECT_EQ(MapGbText(TChineseForm::Traditional, text.data(), 5, out, 5), 5);
    EXPECT_EQ(std::string(out, 5), std::string(FaTrad) + '\0' + FaTrad);
    EXPECT_EQ(out[5], Sentinel);
}

TEST(GbChineseMapContract, TooSmallCapacityFailsWithoutWriting) {
    const std::string text = std::string("ab") + Fa; // 4 bytes + terminator
    for (int capacity : {1, 3, 4}) {
        std::vector<char> out(8, Sentinel);
        EXPECT_EQ(MapGbText(TChineseForm::Traditional, text.c_str(), -1, out.data(), capacity), 0)
            << capacity;
        EXPECT_EQ(std::string(out.begin(), out.end()), std::string(8, Sentinel)) << capacity;
    }
    std::vector<char> out(8, Sentinel);
    EXPECT_EQ(MapGbText(TChineseForm::Traditional, text.c_str(), -1, out.data(), 5), 5);
}

TEST(GbChineseMapContract, ZeroCapacityAsksForTheSizeWithoutWriting) {
    char out[2] = {Sentinel, Sentinel};
    EXPECT_EQ(MapGbText(TChineseForm::Simplified, "abc", -1, out, 0), 4);
    EXPECT_EQ(MapGbText(TChineseForm::Simplified, "abc", 2, nullptr, 0), 2);
    EXPECT_EQ(out[0], Sentinel);
}

TEST(GbChineseMapContract, InvalidArgumentsFail) {
    char out[8];
    EXPECT_EQ(MapGbText(TChineseForm::Simplified, nullptr, -1, out, 8), 0);
    EXPECT_EQ(MapGbText(TChineseForm::Simplified, "abc", 0, out, 8), 0);
    EXPECT_EQ(MapGbText(TChineseForm::Simplified, "abc", -2, out, 8), 0);
    EXPECT_EQ(MapGbText(TChineseForm::Simplified, "abc", -1, out, -1), 0);
    EXPECT_EQ(MapGbText(TChineseForm::Simplified, "abc", -1, nullptr, 8), 0);
}

TEST(GbChineseMapCharacters, MapsEachCharacterToOneCounterpart) {
    EXPECT_EQ(ToTrad(std::string(Fa) + Hou + Men), std::string(FaTrad) + HouTrad + MenTrad);
    EXPECT_EQ(ToSimp(std::string(FaTrad) + Hair + HouTrad + MenTrad), std::string(Fa) + Fa + Hou + Men);
}

TEST(GbChineseMapCharacters, LeavesCharactersWithoutCounterpartAndAsciiUnchanged) {
    const std::string mixed = std::string("A ") + Ren + "\r\n" + Ren + "z";
    EXPECT_EQ(ToTrad(mixed), mixed);
    EXPECT_EQ(ToSimp(mixed), mixed);
    // Already in the target form.
    EXPECT_EQ(ToTrad(FaTrad), FaTrad);
    EXPECT_EQ(ToSimp(Fa), Fa);
}

TEST(GbChineseMapCharacters, CodesThatAreNoGbCharactersComeBackUnchanged) {
    for (std::uint16_t code : {0x0041, 0x0080, 0x80FF, 0x8130, 0x817F, 0xFF40, 0xA1FF})
        EXPECT_EQ(MapGbCode(TChineseForm::Traditional, code), code) << std::hex << code;
    EXPECT_EQ(MapGbCode(TChineseForm::Traditional, 0xB7A2), 0xB06C);
}

// Bytes that form no GB character are copied, and pairs are found where the code page 936 decoder
// finds them: a lead byte always takes the next byte, except the terminator.
TEST(GbChineseMapMalformed, CopiesStrayBytesAndKeepsTheDecodersAlignment) {
    struct Case {
        std::string In, ExpectedTrad;
    } cases[] = {
        {"\x81", "\x81"},                                                       // lone lead byte at the end
        {std::string("ab") + Fa + "\xB7", std::string("ab") + FaTrad + "\xB7"}, // truncated pair
        {std::string("\x81\x30") + Fa, std::string("\x81\x30") + FaTrad},       // lead + no trail
        {std::string("\x81\x7F") + Fa, std::string("\x81\x7F") + FaTrad},       // 0x7F is no trail
        {std::string("\x80\xFF") + Fa + "\xFF", std::string("\x80\xFF") + FaTrad + "\xFF"},
        {std::string("\x81") + Fa + "x" + Fa,
         std::string("\x81") + Fa + "x" + FaTrad},                            // 81 B7 | A2 78 | B7 A2
        {std::string("\xFE\xFE\xFE") + Fa, std::string("\xFE\xFE\xFE") + Fa}, // FE FE | FE B7 | A2
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToTrad(c.In), c.ExpectedTrad) << testing::PrintToString(c.In);
        EXPECT_EQ(ToSimp(c.ExpectedTrad), c.In) << testing::PrintToString(c.In);
    }
}

TEST(GbChineseMapMalformed, LeadByteBeforeANulDoesNotTakeIt) {
    const std::string text = std::string("\xB7") + '\0' + Fa;
    char out[4];
    EXPECT_EQ(MapGbText(TChineseForm::Traditional, text.data(), 4, out, 4), 4);
    EXPECT_EQ(std::string(out, 4), std::string("\xB7") + '\0' + FaTrad);
}

// Random bytes with the sanitizers watching: the output never outgrows the input, keeps its length,
// keeps every byte that is not part of a mapped pair, and fails cleanly one byte short: the character
// table and the phrase converter behind the same contract alike.
static void CheckRandomBytes(int (*map)(TChineseForm, const char*, int, char*, int)) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> length(1, 48), byte(0, 255), pick(0, 3);
    for (int round = 0; round < 50000; ++round) {
        std::string text(length(random), '\0');
        for (char& ch : text) {
            const int kind = pick(random);
            ch = static_cast<char>(kind == 0   ? byte(random)
                                   : kind == 1 ? 0xB0 + byte(random) % 0x40
                                   : kind == 2 ? 0xA1 + byte(random) % 0x5E
                                               : 0x20 + byte(random) % 0x60);
        }
        const int size = static_cast<int>(text.size());
        const TChineseForm form = round % 2 ? TChineseForm::Traditional : TChineseForm::Simplified;
        std::vector<char> out(text.size(), Sentinel);
        if (size > 1) { // capacity 0 would ask for the size
            ASSERT_EQ(map(form, text.data(), size, out.data(), size - 1), 0);
        }
        ASSERT_EQ(map(form, text.data(), size, out.data(), size), size);
        for (std::size_t i = 0; i < text.size(); ++i) {
            const unsigned char b = text[i];
            if (b < 0x81 || b == 0xFF) {
                ASSERT_EQ(out[i], text[i]) << "byte " << i << " of " << testing::PrintToString(text);
            }
            if (b >= 0x81 && b != 0xFF && i + 1 < text.size() && text[i + 1] != '\0')
                ++i; // a pair, mapped or not
        }
        const std::size_t nul = text.find('\0');
        if (nul != std::string::npos && nul > 0) {
            std::vector<char> bounded(nul + 1, Sentinel);
            ASSERT_EQ(map(form, text.c_str(), -1, bounded.data(), static_cast<int>(nul + 1)),
                      static_cast<int>(nul + 1));
            ASSERT_EQ(std::strlen(bounded.data()), nul);
        }
    }
}

TEST(GbChineseMapRandomized, RandomBytesKeepTheContract) {
    CheckRandomBytes(MapGbText);
    CheckRandomBytes(MapGbTextPhrases);
}
