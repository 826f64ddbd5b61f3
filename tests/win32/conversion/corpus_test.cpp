// Real text (lines of Debian's zh_CN and zh_TW message catalogs, tests/data/corpus_*.txt, made by
// tools/make_corpus.py) through all four modes.

#include "tests/win32/conversion/ConversionTestSupport.h"

#include "conversion/ChineseMapping.h"
#include "conversion/TextConversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

namespace {

using TCharMap = std::map<wchar_t, wchar_t>;

struct TCharPairs {
    TCharMap ToTraditional, ToSimplified;
};

const TCharPairs& CharPairs() {
    static const TCharPairs pairs = [] {
        TCharPairs loaded;
        for (const std::string& line : ReadDataLines("chinese_pairs.txt")) {
            std::istringstream fields(line);
            std::string direction, from, to;
            fields >> direction >> from >> to;
            (direction == "T" ? loaded.ToTraditional : loaded.ToSimplified)[Decode(CP_UTF8, from)[0]] =
                Decode(CP_UTF8, to)[0];
        }
        return loaded;
    }();
    return pairs;
}

wchar_t Lookup(const TCharMap& map, wchar_t ch) {
    const auto found = map.find(ch);
    return found != map.end() ? found->second : ch;
}

// Simplified to Traditional and back gives the character again (no many-to-one pair in the way).
bool OneToOne(wchar_t ch) {
    const TCharPairs& pairs = CharPairs();
    return Lookup(pairs.ToSimplified, Lookup(pairs.ToTraditional, ch)) == ch;
}

// A corpus file as one text, lines joined by CR LF as an edit control holds them.
std::wstring Corpus(const char* name) {
    std::string joined;
    for (const std::string& line : ReadDataLines(name))
        joined += (joined.empty() ? "" : "\r\n") + line;
    return Decode(CP_UTF8, joined);
}

std::wstring Mapped(const TCharMap& map, const std::wstring& text) {
    std::wstring out = text;
    for (wchar_t& ch : out)
        ch = Lookup(map, ch);
    return out;
}

// What a mode gives: the system's character mapping where it maps, else the phrase converter's conversion
// (the same one the command line makes from UTF-8), with its words and phrases.
std::wstring Expected(TConversionId id, const TCharMap& map, const std::wstring& text) {
    if (SystemMapsChinese())
        return Mapped(map, text);
    TStreamConversion conversion(id, TEncoding::Utf8, TEncoding::Utf8);
    const std::string utf8 = Encode(CP_UTF8, text);
    std::string out;
    conversion.Convert(utf8.data(), utf8.size(), true, out);
    return Decode(CP_UTF8, out);
}

bool IsHan(wchar_t ch) {
    return ch >= 0x4E00 && ch <= 0x9FFF;
}

std::size_t Differences(const std::wstring& a, const std::wstring& b) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        count += a[i] != b[i];
    return count;
}

} // namespace

TEST(ConversionRealText, SimplifiedToTraditionalAndBackRestoresOneToOneCharacters) {
    const std::wstring source = Corpus("corpus_zh_CN.txt");
    const std::string gb = Encode(GbCodePage, source);
    ASSERT_GT(gb.size(), 5000u);

    const std::string traditional = SimplifiedToTraditional(gb);
    const std::wstring traditionalText = Decode(GbCodePage, traditional);
    EXPECT_EQ(traditionalText, Expected(TConversionId::S2T, CharPairs().ToTraditional, source));
    const std::size_t han = std::count_if(source.begin(), source.end(), IsHan);
    const std::size_t changed = Differences(source, traditionalText);
    EXPECT_GT(changed, han / 5) << "too few characters changed: " << changed << " of " << han;

    const std::string back = TraditionalToSimplified(traditional);
    const std::wstring backText = Decode(GbCodePage, back);
    ASSERT_EQ(backText.size(), source.size());
    std::size_t notOneToOne = 0;
    for (std::size_t i = 0; i < source.size(); ++i) {
        if (OneToOne(source[i])) {
            EXPECT_EQ(backText[i], source[i]) << "at " << i;
        } else {
            ++notOneToOne;
        }
    }
    if (notOneToOne == 0) {
        EXPECT_EQ(back, gb);
    }
    RecordProperty("HanCharacters", static_cast<int>(han));
    RecordProperty("ChangedToTraditional", static_cast<int>(changed));
    RecordProperty("NotOneToOne", static_cast<int>(notOneToOne));
}

TEST(ConversionRealText, SimplifiedGbToBig5AndBackRestoresOneToOneCharacters) {
    const std::wstring source = Corpus("corpus_zh_CN.txt");
    const std::string gb = Encode(GbCodePage, source);
    const std::string big5 = SimplifiedToBig5(gb);

    // The BIG5 bytes hold what mode 0 gives, except characters code page 950 has no code for.
    const std::wstring traditional = Decode(GbCodePage, SimplifiedToTraditional(gb));
    bool anyMissing = false;
    const std::string expected = Encode(Big5CodePage, traditional, &anyMissing);
    EXPECT_EQ(big5, expected);
    EXPECT_NE(big5, SimplifiedToTraditional(gb));

    const std::string back = Big5ToSimplified(big5);
    const std::wstring backText = Decode(GbCodePage, back);
    ASSERT_EQ(backText.size(), source.size());
    for (std::size_t i = 0; i < source.size(); ++i) {
        bool missing = false;
        Encode(Big5CodePage, std::wstring(1, traditional[i]), &missing);
        if (OneToOne(source[i]) && !missing) {
            EXPECT_EQ(backText[i], source[i]) << "at " << i;
        }
    }
    if (!anyMissing && Differences(source, backText) == 0) {
        EXPECT_EQ(back, gb);
    }
}

TEST(ConversionRealText, TraditionalTextGivesTheSameSimplifiedTextFromGbAndFromBig5) {
    const std::wstring source = Corpus("corpus_zh_TW.txt");
    const std::string gb = Encode(GbCodePage, source);
    const std::string big5 = Encode(Big5CodePage, source);
    ASSERT_GT(big5.size(), 5000u);

    const std::string fromGb = TraditionalToSimplified(gb);
    EXPECT_EQ(Decode(GbCodePage, fromGb), Expected(TConversionId::T2S, CharPairs().ToSimplified, source));
    EXPECT_EQ(Big5ToSimplified(big5), fromGb);
    const std::size_t han = std::count_if(source.begin(), source.end(), IsHan);
    EXPECT_GT(Differences(source, Decode(GbCodePage, fromGb)), han / 5);
}

TEST(ConversionRealText, AsciiAndLineBreaksComeThroughEveryModeUnchanged) {
    for (const char* file : {"corpus_zh_CN.txt", "corpus_zh_TW.txt"}) {
        const std::wstring source = Corpus(file);
        for (const TConversionModeEntry& mode : ConversionModes) {
            const UINT in = mode.Mode == 2 ? Big5CodePage : GbCodePage;
            const UINT out = mode.Mode == 3 ? Big5CodePage : GbCodePage;
            const std::wstring result = Decode(out, mode.Convert(Encode(in, source)));
            ASSERT_EQ(result.size(), source.size()) << file << ", mode " << mode.Mode;
            for (std::size_t i = 0; i < source.size(); ++i) {
                if (source[i] < 0x80) {
                    ASSERT_EQ(result[i], source[i]) << file << ", mode " << mode.Mode << " at " << i;
                }
            }
        }
    }
}
