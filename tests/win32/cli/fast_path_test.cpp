// The command line's fast path against the window's step-by-step conversions, in every mode: every one-
// and two-byte input, and a large random sample of lone lead bytes, NULs, default characters and real text.

#include "tests/win32/cli/CliTestSupport.h"

#include "cli/StepFiller.h"
#include "tests/win32/conversion/ConversionTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

constexpr int MaxReported = 10;

// Checks one input; reports the first few mismatches of a test only.
void ExpectSame(int mode, TDirectTable& table, const std::string& text, int& failures) {
    const std::string fast = FastStream(table, text), step = StepStream(mode, text);
    if (fast != step && ++failures <= MaxReported)
        ADD_FAILURE() << "mode " << mode << " input " << Hex(text) << ": fast " << Hex(fast) << " step "
                      << Hex(step);
}

} // namespace

TEST(CliFastPath, EveryOneAndTwoByteInputGivesTheStepPathsBytes) {
    for (int mode = 0; mode < ConversionModeCount; ++mode) {
        TStepFiller filler(mode);
        TDirectTable table(filler);
        int failures = 0;
        for (int b = 0; b < 256; ++b)
            ExpectSame(mode, table, std::string(1, static_cast<char>(b)), failures);
        for (int pair = 0; pair < 0x10000; ++pair)
            ExpectSame(mode, table, std::string{static_cast<char>(pair >> 8), static_cast<char>(pair)},
                       failures);
        EXPECT_EQ(failures, 0) << "mode " << mode;
    }
}

TEST(CliFastPath, RandomTextGivesTheStepPathsBytes) {
    // Pieces of text: real characters in both code pages, what the decoders stumble on, and "?".
    const std::vector<std::string> pieces = {
        "a",
        "?",
        "\r\n",
        "\r",
        std::string(1, '\0'),
        "\x80",
        "\xFF",
        "\x81",
        "\xFE",
        "\xA1",
        "\x40",
        Gb(u8"发"),
        Gb(u8"們"),
        Gb(u8"后"),
        Gb(u8"这是简体中文"),
        Big5(u8"這是繁體中文"),
        Gb(u8"€"),
    };
    std::mt19937 random(20261209);
    for (int mode = 0; mode < ConversionModeCount; ++mode) {
        TStepFiller filler(mode);
        TDirectTable table(filler);
        int failures = 0;
        for (int sample = 0; sample < 20000; ++sample) {
            std::string text;
            const int length = 1 + static_cast<int>(random() % 24);
            for (int i = 0; i < length; ++i) {
                if (random() % 3 == 0)
                    text += static_cast<char>(random() % 256); // any byte, lead bytes among them
                else
                    text += pieces[random() % pieces.size()];
            }
            ExpectSame(mode, table, text, failures);
        }
        EXPECT_EQ(failures, 0) << "mode " << mode;
    }
}

TEST(CliFastPath, CountsCharactersThatAreLostNotQuestionMarksOfTheInput) {
    // A GB character without a BIG5 form, found through the system's own converters.
    std::string noBig5;
    for (int code = 0xB0A1; code <= 0xF7FE && noBig5.empty(); ++code) {
        const std::string gb{static_cast<char>(code >> 8), static_cast<char>(code)};
        bool usedDefault = false;
        Encode(Big5CodePage, Decode(GbCodePage, SimplifiedToTraditional(gb)), &usedDefault);
        if (usedDefault)
            noBig5 = gb;
    }
    ASSERT_FALSE(noBig5.empty());

    struct TCase {
        int Mode;
        std::string Text;
        std::uint64_t NoForm, Malformed;
    } cases[] = {
        {3, "?" + noBig5 + "?" + Gb(u8"简体") + noBig5, 2, 0},
        {3, Gb(u8"简体?") + "\x81", 0, 1},
        {2, "?" + Big5(u8"繁體") + "\x81\x30", 0, 1},
        {0, noBig5 + "\x81", 0, 0}, // GB to GB loses nothing: odd bytes stay as they are
        {1, "?\x80\xFF", 0, 0},
    };
    for (const TCase& c : cases) {
        TStepFiller filler(c.Mode);
        TDirectTable table(filler);
        FastStream(table, c.Text);
        EXPECT_EQ(table.Counts().NoForm, c.NoForm) << c.Mode << ": " << Hex(c.Text);
        EXPECT_EQ(table.Counts().Malformed, c.Malformed) << c.Mode << ": " << Hex(c.Text);
    }
}
