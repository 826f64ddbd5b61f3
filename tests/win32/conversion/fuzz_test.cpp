// A randomized run: random and mutated byte strings through all four functions, with the invariants
// every result must hold.

#include "tests/win32/conversion/ConversionTestSupport.h"

#include "conversion/ChineseMapping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

namespace {

constexpr int StringCount = 200000;

class TByteStrings {
public:
    TByteStrings() {
        for (const char* file : {"corpus_zh_CN.txt", "corpus_zh_TW.txt"}) {
            for (const std::string& line : ReadDataLines(file)) {
                Seeds.push_back(FromUtf8(GbCodePage, line));
                Seeds.push_back(FromUtf8(Big5CodePage, line));
            }
        }
    }

    // Kind 0: any bytes; 1: bytes of the double-byte ranges with NULs; 2: ASCII only; 3: a mutated line.
    std::string Next(int kind) {
        switch (kind) {
        case 0:
            return Random(0, 255);
        case 1:
            return Random(0x70, 0x10F); // 0x100 and up stand for NUL
        case 2:
            return Random(1, 0x7F);
        default:
            return Mutated();
        }
    }

private:
    std::mt19937 Engine{936950};
    std::vector<std::string> Seeds;

    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(Engine); }

    std::string Random(int low, int high) {
        std::string text(Uniform(0, 32), '\0');
        for (char& ch : text) {
            const int value = Uniform(low, high);
            ch = value > 0xFF ? '\0' : static_cast<char>(value);
        }
        return text;
    }

    char StrayByte() {
        const char strays[] = {'\x80', '\xFF', '\x81', '\xFE', '\xA1', '\x7F', '\0', '\r', '\n'};
        return Uniform(0, 1) ? strays[Uniform(0, sizeof strays - 1)] : static_cast<char>(Uniform(0, 255));
    }

    std::string Mutated() {
        std::string text = Seeds[Uniform(0, static_cast<int>(Seeds.size()) - 1)];
        for (int edits = Uniform(1, 4); edits > 0 && !text.empty(); --edits) {
            const std::size_t at = Uniform(0, static_cast<int>(text.size()) - 1);
            switch (Uniform(0, 3)) {
            case 0:
                text[at] = StrayByte();
                break;
            case 1:
                text.insert(text.begin() + at, StrayByte());
                break;
            case 2:
                text.erase(at, 1);
                break;
            default:
                text.resize(at); // may split a pair
                break;
            }
        }
        return text;
    }
};

int Units(UINT codePage, const char* text) {
    return MultiByteToWideChar(codePage, 0, text, -1, nullptr, 0);
}

} // namespace

TEST(ConversionRandomized, RandomAndMutatedBytesKeepTheInvariantsInEveryMode) {
    const bool ownTable = !SystemMapsChinese();
    TByteStrings strings;
    int counts[4] = {};
    for (int i = 0; i < StringCount; ++i) {
        const int kind = i % 4;
        const std::string text = strings.Next(kind);
        ++counts[kind];
        const std::string head = text.c_str(); // what the functions read
        const bool ascii = std::all_of(head.begin(), head.end(), [](char c) { return (c & 0x80) == 0; });
        const int n = Units(GbCodePage, head.c_str());

        for (const TConversionModeEntry& mode : ConversionModes) {
            const std::string result = mode.Convert(text);
            const auto where = [&] {
                return "mode " + std::to_string(mode.Mode) + ", " + testing::PrintToString(text);
            };
            ASSERT_EQ(result.find('\0'), std::string::npos) << where();
            if (ascii) {
                ASSERT_EQ(result, head) << where();
            }
            ASSERT_LE(result.size(), 2 * head.size()) << where();
            switch (mode.Mode) {
            case 0:
            case 1: // a capacity of 2n bytes, terminator included
                ASSERT_LT(result.size(), 2u * n) << where();
                if (ownTable) {
                    ASSERT_EQ(result.size(), head.size()) << where();
                }
                break;
            case 2: { // the GB re-encoding is m bytes, terminator included
                const std::string gb = Encode(GbCodePage, Decode(Big5CodePage, head));
                ASSERT_LE(result.size(), gb.size()) << where();
                if (ownTable) {
                    ASSERT_EQ(result.size(), gb.size()) << where();
                }
                break;
            }
            default: // n - 1 characters of at most two bytes
                ASSERT_LE(result.size(), 2u * (n - 1)) << where();
                break;
            }
        }
    }
    EXPECT_EQ(counts[0] + counts[1] + counts[2] + counts[3], StringCount);
    RecordProperty("Strings", StringCount);
}
