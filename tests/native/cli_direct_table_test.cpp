// The command line's direct table and piece splitting, over a toy code page whose filler makes every kind
// of entry: empty, long, flagged, a lead byte that a trail byte does not join.

#include "cli/DirectTable.h"
#include "cli/PieceStream.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// Leads 0x81-0xFE. A pair comes out with its bytes swapped, except that a lead before LF is a character of
// its own and a pair with trail 0xFF has no form. Singles: letters upper-cased, 'e' vanishes, 'w' becomes
// five bytes, a lone lead becomes a malformed "?".
class TToyFiller : public TUnitFiller {
public:
    bool IsLead(unsigned char b) override { return b >= 0x81 && b <= 0xFE; }
    TUnitResult Single(unsigned char b) override {
        ++Fills[std::string(1, static_cast<char>(b))];
        if (IsLead(b))
            return {"?", true, false, true};
        if (b == 'e')
            return {"", true};
        if (b == 'w')
            return {"WWWWW", true};
        return {std::string(1, static_cast<char>(b >= 'a' && b <= 'z' ? b - 32 : b)), true};
    }
    TUnitResult Pair(unsigned char lead, unsigned char trail) override {
        ++Fills[std::string{static_cast<char>(lead), static_cast<char>(trail)}];
        if (trail == '\n')
            return {"", false};
        if (trail == 0xFF)
            return {"?", true, true};
        return {std::string{static_cast<char>(trail), static_cast<char>(lead)}, true};
    }
    std::map<std::string, int> Fills;
};

std::string ConvertWhole(TDirectTable& table, const std::string& text) {
    std::vector<char> out;
    const TPieceResult piece = table.Convert(text.data(), text.size(), true, out);
    EXPECT_EQ(piece.Consumed, text.size());
    return std::string(out.data(), piece.Written);
}

std::string ConvertInPieces(TDirectTable& table, const std::string& text, std::size_t pieceSize) {
    std::size_t at = 0;
    std::string result;
    ConvertStream(
        table,
        [&](char* data, std::size_t size) {
            const std::size_t n = std::min(size, text.size() - at);
            text.copy(data, n, at);
            at += n;
            return n;
        },
        [&](const char* data, std::size_t size) { result.append(data, size); }, pieceSize);
    return result;
}

const std::string Sample = std::string("ab\x81\x41\r\n\x81\n\x82\xFFwe\0z\x83", 16) + '\0' + "\x84\x85\x86" +
                           "\xFE\x40\xFE\x40w\r\x87";

} // namespace

TEST(CliDirectTable, ConvertsEachKindOfCharacter) {
    struct TCase {
        const char* Name;
        std::string In, Out;
        std::uint64_t NoForm, Malformed;
    } cases[] = {
        {"ascii and line ends", "ab\r\nc\rd\n", "AB\r\nC\rD\n", 0, 0},
        {"pair", "\x81\x41", "\x41\x81", 0, 0},
        {"empty and long outputs", "ewe", "WWWWW", 0, 0},
        {"NUL copied, lead before it alone", std::string("\x81\0\x41", 3), std::string("?\0A", 3), 0, 1},
        {"lone lead at the end", "a\x81", "A?", 0, 1},
        {"lead the trail does not join", "\x81\n", "?\n", 0, 1},
        {"lead bytes pair up in order", "\x81\x82\x83", "\x82\x81?", 0, 1},
        {"no form", "\x82\xFF\x82\xFF", "??", 2, 0},
    };
    for (const TCase& c : cases) {
        TToyFiller filler;
        TDirectTable table(filler);
        EXPECT_EQ(ConvertWhole(table, c.In), c.Out) << c.Name;
        EXPECT_EQ(table.Counts().NoForm, c.NoForm) << c.Name;
        EXPECT_EQ(table.Counts().Malformed, c.Malformed) << c.Name;
    }
}

TEST(CliDirectTable, FillsEachCharacterOnceAndNeverNul) {
    TToyFiller filler;
    TDirectTable table(filler);
    const std::string once = ConvertWhole(table, Sample);
    EXPECT_EQ(ConvertWhole(table, Sample), once);
    for (const auto& [unit, fills] : filler.Fills) {
        EXPECT_EQ(fills, 1) << unit.size();
        EXPECT_EQ(unit.find('\0'), std::string::npos);
    }
}

TEST(CliPieceStream, EveryPieceSizeGivesTheWholeTextsOutputAndCounts) {
    TToyFiller wholeFiller;
    TDirectTable whole(wholeFiller);
    const std::string expected = ConvertWhole(whole, Sample);
    for (std::size_t pieceSize = 1; pieceSize <= Sample.size() + 1; ++pieceSize) {
        TToyFiller filler;
        TDirectTable table(filler);
        EXPECT_EQ(ConvertInPieces(table, Sample, pieceSize), expected) << pieceSize;
        EXPECT_EQ(table.Counts().NoForm, whole.Counts().NoForm) << pieceSize;
        EXPECT_EQ(table.Counts().Malformed, whole.Counts().Malformed) << pieceSize;
    }
}
