// Pieces convert as the whole text does: real text with odd bytes in it, cut at every position. (A file of
// many pieces with a character across every boundary: tests/e2e/test_cli.sh.)

#include "tests/win32/cli/CliTestSupport.h"

#include "cli/StepFiller.h"
#include "tests/win32/conversion/ConversionTestSupport.h"

#include <gtest/gtest.h>

namespace {

const char* const LineEnds[] = {"\r\n", "\n", "\r"};

// Some lines of the real-text corpus in the mode's input code page, with odd bytes and a NUL among them.
std::string Sample(int mode) {
    const std::vector<std::string> lines =
        ReadDataLines(mode == 1 || mode == 2 ? "corpus_zh_TW.txt" : "corpus_zh_CN.txt");
    std::string text;
    for (std::size_t i = 0; i < 12 && i < lines.size(); ++i)
        text += (mode == 2 ? Big5(lines[i]) : Gb(lines[i])) + LineEnds[i % 3];
    return text.insert(text.size() / 3, std::string("\x81\0\xFE", 3))
               .insert(text.size() / 2, "\x80?\xFF\x81\x30") +
           "\x81";
}

} // namespace

TEST(CliPieces, EveryCutOfRealTextGivesTheWholeTextsBytes) {
    for (int mode = 0; mode < ConversionModeCount; ++mode) {
        const std::string text = Sample(mode), expected = StepStream(mode, text);
        TStepFiller filler(mode);
        TDirectTable table(filler);
        for (std::size_t cut = 0; cut <= text.size(); ++cut)
            ASSERT_EQ(Hex(FastStream(table, text, cut)), Hex(expected))
                << "mode " << mode << ", cut at " << cut;
    }
}
