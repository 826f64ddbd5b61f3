// Malformed input, and mappings that misbehave: every result stays bounded and NUL-free.

#include "tests/win32/conversion/ConversionTestSupport.h"

#include "conversion/ChineseMapping.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const std::string Fa = "\xB7\xA2"; // 发 in GB

struct TMalformedCase {
    const char* Name;
    std::string Text;
};

const TMalformedCase MalformedCases[] = {
    {"lone lead byte", "\x81"},
    {"lone lead byte after text", "ab" + Fa + "\xB7"},
    {"lead byte before a NUL", std::string("\xB7") + '\0' + Fa},
    {"lead byte with no trail", "\x81\x30"
                                "abc" +
                                    Fa},
    {"0x80", "\x80" + Fa + "\x80"},
    {"0xFF", "\xFF" + Fa + "\xFF\xFF"},
    {"lead bytes only", "\xFE\xFE\xFE\xB7"},
    {"all high bytes",
     [] {
         std::string all;
         for (int b = 0x80; b <= 0xFF; ++b)
             all += static_cast<char>(b);
         return all;
     }()},
};

std::size_t UpToNulLength(const std::string& text) {
    return std::strlen(text.c_str());
}

} // namespace

TEST(ConversionMalformedInput, EveryModeGivesABoundedResultWithoutNul) {
    for (const TMalformedCase& c : MalformedCases) {
        for (const TConversionModeEntry& mode : ConversionModes) {
            std::string result;
            ASSERT_NO_THROW(result = mode.Convert(c.Text)) << c.Name << ", mode " << mode.Mode;
            EXPECT_EQ(result.find('\0'), std::string::npos) << c.Name << ", mode " << mode.Mode;
            EXPECT_LE(result.size(), 2 * UpToNulLength(c.Text)) << c.Name << ", mode " << mode.Mode;
        }
    }
}

TEST(ConversionMalformedInput, StrayBytesStayAndTheCharactersAroundThemConvert) {
    if (SystemMapsChinese())
        GTEST_SKIP() << "the system's own mapping decides stray bytes";
    EXPECT_EQ(SimplifiedToTraditional("\x80" + Fa + "\xFF"), "\x80" + Gb(u8"發") + "\xFF");
    EXPECT_EQ(SimplifiedToTraditional("ab" + Fa + "\xB7"), "ab" + Gb(u8"發") + "\xB7");
    EXPECT_EQ(TraditionalToSimplified("\x81" + Gb(u8"發")), "\x81" + Gb(u8"發")); // 81 B0 | 6C
    const std::string big5 = SimplifiedToBig5(Fa + "\x81");
    EXPECT_EQ(big5.substr(0, 2), Big5(u8"發"));
}

// Mappings no table here produces, put in through the override: they show that each function stays
// within its buffers whatever the mapping leaves in them.
namespace {

// Fills the whole capacity with 'x' and no terminator, then reports failure: a mapping that changed the
// character count and failed half-way.
int OverfillingMap(LCID, DWORD, const char*, int, char* dst, int capacity) {
    std::memset(dst, 'x', capacity);
    return 0;
}

int FailingMap(LCID, DWORD, const char*, int, char*, int) {
    return 0;
}

int UnitsOf(UINT codePage, const std::string& text) {
    return MultiByteToWideChar(codePage, 0, text.c_str(), -1, nullptr, 0);
}

} // namespace

TEST(ConversionMappingGuards, OverfilledBuffersEndAtTheirSizes) {
    TChineseMappingOverride map(OverfillingMap);
    const std::string text = Gb(u8"发展ab");
    const int n = UnitsOf(GbCodePage, text); // 5: two characters, two letters, the terminator
    ASSERT_EQ(n, 5);
    // Modes 0 and 1: the capacity is 2n bytes; the byte after it is never written.
    EXPECT_EQ(SimplifiedToTraditional(text), std::string(2 * n, 'x'));
    EXPECT_EQ(TraditionalToSimplified(text), std::string(2 * n, 'x'));
    // Mode 3: the 2n mapped bytes decode to 2n units, but W holds n; the decoder fills it without a
    // terminator and the spare unit ends the text there.
    EXPECT_EQ(SimplifiedToBig5(text), std::string(n, 'x'));
    // Mode 2: the mapping gets m bytes of a 2m buffer.
    const std::string big5 = Big5(u8"發展ab");
    const int m = static_cast<int>(Gb(u8"發展ab").size()) + 1;
    EXPECT_EQ(Big5ToSimplified(big5), std::string(m, 'x'));
}

TEST(ConversionMappingGuards, FailedMappingGivesAnEmptyResult) {
    TChineseMappingOverride map(FailingMap);
    for (const TConversionModeEntry& mode : ConversionModes)
        EXPECT_EQ(mode.Convert(Gb(u8"发展ab")), "") << "mode " << mode.Mode;
}

TEST(ConversionMappingGuards, OtherFlagsReachTheSystem) {
    char out[8] = {};
    EXPECT_EQ(MapChineseA(0x0804, LCMAP_UPPERCASE, "abc", -1, out, sizeof out), 4);
    EXPECT_STREQ(out, "ABC");
}
