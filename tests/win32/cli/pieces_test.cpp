// Pieces of any size convert as the whole text does: cut at every position of real text with odd bytes in
// it, and a file much larger than the piece size with a double-byte character across every boundary.

#include "tests/win32/cli/CliTestSupport.h"

#include "cli/CliRun.h"
#include "cli/StepFiller.h"
#include "tests/win32/conversion/ConversionTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

// Some lines of the real-text corpus in the mode's input code page, with odd bytes and a NUL among them.
std::string Sample(int mode) {
    const std::vector<std::string> lines =
        ReadDataLines(mode == 1 || mode == 2 ? "corpus_zh_TW.txt" : "corpus_zh_CN.txt");
    std::string text;
    for (std::size_t i = 0; i < 12 && i < lines.size(); ++i)
        text += (mode == 2 ? Big5(lines[i]) : Gb(lines[i])) + (i % 3 == 0   ? "\r\n"
                                                               : i % 3 == 1 ? "\n"
                                                                            : "\r");
    return text.insert(text.size() / 3, std::string("\x81\0\xFE", 3))
               .insert(text.size() / 2, "\x80?\xFF\x81\x30") +
           "\x81";
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempPath(const char* name) {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
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

TEST(CliPieces, AFileLargerThanThePieceSizeWithACharacterAcrossEveryBoundary) {
    // One ASCII byte, then double-byte characters only: every piece of the even size ends on a lead byte.
    const std::vector<std::string> lines = ReadDataLines("corpus_zh_CN.txt");
    std::string chars;
    for (const std::string& line : lines) {
        for (std::size_t i = 0; i + 1 < Gb(line).size(); ++i) {
            const std::string gb = Gb(line);
            if (static_cast<unsigned char>(gb[i]) >= 0x81) {
                chars += gb.substr(i, 2);
                ++i;
            }
        }
        if (chars.size() > 6000)
            break;
    }
    const std::string text = "a" + chars + chars + chars;
    const std::string in = TempPath("cli_pieces_in.txt"), out = TempPath("cli_pieces_out.txt");
    WriteFile(in, text);
    for (int mode : {0, 3}) {
        ASSERT_EQ(RunCli({std::to_string(mode), in, "-o", out}, 512), 0);
        EXPECT_EQ(ReadFile(out), StepStream(mode, text)) << "mode " << mode;
    }
    DeleteFileA(in.c_str());
    DeleteFileA(out.c_str());
}
