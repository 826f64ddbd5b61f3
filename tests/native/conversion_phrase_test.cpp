// The phrase converter: the sentence set (tests/data/phrase_sentences.tsv) against plain longest match,
// the one-to-many traps, any cut giving the whole text's result, and what it must leave alone.

#include "conversion/PhraseEngine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <fstream>
#include <iconv.h>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Iconv(const char* to, const char* from, const std::string& text) {
    iconv_t cd = iconv_open(to, from);
    std::string out(text.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(text.data());
    char* target = out.data();
    std::size_t inLeft = text.size(), outLeft = out.size();
    iconv(cd, &in, &inLeft, &target, &outLeft);
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

std::u32string Decode(const std::string& utf8) {
    const std::string bytes = Iconv("UTF-32LE", "UTF-8", utf8);
    return std::u32string(reinterpret_cast<const char32_t*>(bytes.data()), bytes.size() / 4);
}

std::string Encode(const std::u32string& text) {
    return Iconv("UTF-8", "UTF-32LE",
                 std::string(reinterpret_cast<const char*>(text.data()), text.size() * 4));
}

TConversionId Id(const std::string& name) {
    TConversionId id{};
    EXPECT_TRUE(ParseConversionName(name, id)) << name;
    return id;
}

std::string Convert(const std::string& name, const std::string& utf8,
                    TSegmentation segmentation = TSegmentation::Words) {
    const std::u32string text = Decode(utf8);
    std::u32string out;
    TPhraseConverter(Id(name), segmentation).Convert(text.data(), text.size(), true, out);
    return Encode(out);
}

struct TRow {
    const char *Name, *Input, *Expected;
};

void ExpectConversions(std::initializer_list<TRow> rows) {
    for (const TRow& row : rows)
        EXPECT_EQ(Convert(row.Name, row.Input), row.Expected) << row.Name << " " << row.Input;
}

// Converts text in pieces of the given size, passing the undecided rest again as a stream does.
std::u32string ConvertInPieces(TConversionId id, const std::u32string& text, std::size_t piece) {
    TPhraseConverter converter(id);
    std::u32string pending, out;
    for (std::size_t at = 0; at < text.size() || !pending.empty();) {
        const std::size_t take = std::min(piece, text.size() - at);
        pending.append(text, at, take);
        at += take;
        const bool atEnd = at == text.size();
        pending.erase(0, converter.Convert(pending.data(), pending.size(), atEnd, out));
        if (atEnd)
            break;
    }
    return out;
}

} // namespace

TEST(PhraseConverter, MakesAtMostAThirdOfLongestMatchsErrorsOnTheSentenceSet) {
    std::ifstream in(fs::path(SINOSHIFT_SOURCE_DIR) / "tests/data/phrase_sentences.tsv");
    int sentences = 0, wordErrors = 0, longestErrors = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string name, input, expected;
        std::getline(fields, name, '\t');
        std::getline(fields, input, '\t');
        std::getline(fields, expected, '\t');
        ++sentences;
        const std::string words = Convert(name, input);
        wordErrors += words != expected;
        longestErrors += Convert(name, input, TSegmentation::LongestMatch) != expected;
        if (words != expected)
            std::printf("  %s %s -> %s (expected %s)\n", name.c_str(), input.c_str(), words.c_str(),
                        expected.c_str());
    }
    std::printf("%d sentences: %d wrong by words, %d by longest match\n", sentences, wordErrors,
                longestErrors);
    EXPECT_GE(sentences, 150);
    EXPECT_LE(wordErrors * 3, longestErrors);
}

TEST(PhraseConverter, ConvertsTheOneToManyTraps) {
    ExpectConversions({
        // where longest match crosses a word boundary
        {"s2tw", "前头发生了什么事", "前頭發生了什麼事"},
        {"s2tw", "电灯被发明以后", "電燈被發明以後"},
        {"s2twp", "勇敢的士兵", "勇敢的士兵"},
        {"s2tw", "学校里面包括", "學校裡面包括"},
        {"s2tw", "他用手表达", "他用手表達"},
        // what longest match gets right
        {"s2tw", "头发很长", "頭髮很長"},
        {"s2tw", "理发", "理髮"},
        {"s2tw", "发展", "發展"},
        // one character, several counterparts
        {"s2tw", "饼干很干燥，干部在干活", "餅乾很乾燥，幹部在幹活"},
        {"s2tw", "皇后以后", "皇后以後"},
        {"s2tw", "一英里，屋里", "一英里，屋裡"},
        {"s2tw", "两只手只能", "兩隻手只能"},
        {"s2tw", "批准，标准", "批准，標準"},
        {"s2tw", "复杂，恢复，答复", "複雜，恢復，答覆"},
        {"s2tw", "面条，见面", "麵條，見面"},
        {"s2tw", "关系，系统，系鞋带", "關係，系統，繫鞋帶"},
        {"s2tw", "台风，舞台", "颱風，舞臺"},
        {"s2tw", "钟表，钟情", "鐘錶，鍾情"},
        {"s2tw", "放松，松树", "放鬆，松樹"},
        {"s2tw", "白云，人云亦云", "白雲，人云亦云"},
        {"s2tw", "历史，日历", "歷史，日曆"},
        {"s2twp", "软件，鼠标", "軟體，滑鼠"},
        {"tw2s", "乾隆，乾淨，穿著", "乾隆，干净，穿着"},
    });
}

TEST(PhraseConverter, AnyCutGivesTheWholeResult) {
    std::string utf8;
    std::ifstream in(fs::path(SINOSHIFT_SOURCE_DIR) / "tests/data/corpus_zh_CN.txt");
    for (std::string line; std::getline(in, line);)
        utf8 += line + "\n";
    const std::u32string text = Decode(utf8 + "前头发生了什么事，电灯被发明以后，勇敢的士兵头发很长");
    for (const char* name : {"s2tw", "s2twp", "s2hk", "tw2s", "s2t", "t2s"}) {
        std::u32string whole;
        TPhraseConverter(Id(name)).Convert(text.data(), text.size(), true, whole);
        for (std::size_t piece : {1, 2, 3, 5, 31, 64, 65, 97, 128, 1000, 4099})
            EXPECT_TRUE(ConvertInPieces(Id(name), text, piece) == whole) << name << " in pieces of " << piece;
    }
}

TEST(PhraseConverter, WindowModesKeepTheTextInCodePage936AndBringItBack) {
    std::string corpus;
    const fs::path path = fs::path(SINOSHIFT_SOURCE_DIR) / "tests/data/corpus_large_zh_CN.txt.gz";
    if (FILE* pipe = popen(("gzip -dc '" + path.string() + "'").c_str(), "r")) {
        char buffer[65536];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            corpus.append(buffer, n);
        pclose(pipe);
    }
    ASSERT_GT(corpus.size(), 100000u);
    const std::size_t gbSize = Iconv("GBK", "UTF-8", corpus).size();
    for (const auto& [there, back] : {std::pair{"s2t", "t2s"}, std::pair{"s2b", "b2s"}}) {
        const std::string converted = Convert(there, corpus);
        EXPECT_EQ(Decode(converted).size(), Decode(corpus).size()) << there;
        EXPECT_EQ(Iconv("GBK", "UTF-8", converted).size(), gbSize) << there;
        EXPECT_TRUE(Convert(back, converted) == corpus) << there << " then " << back;
    }
}

TEST(PhraseConverter, PassesWhatItDoesNotKnow) {
    // emoji, supplementary-plane ideographs, other scripts, controls
    const std::string unknown = "😀👍🏽 𠀀𪚥𰀀 Ωмир ㄅㄆ ｶﾀｶﾅ \t\r\n\x01 ";
    for (int i = 0; i < 10; ++i) {
        const char* name = ConversionName(static_cast<TConversionId>(i));
        EXPECT_EQ(Convert(name, unknown), unknown) << name;
        EXPECT_EQ(Convert(name, unknown, TSegmentation::LongestMatch), unknown) << name;
    }
}

TEST(PhraseConverter, EveryConversionConvertsByItsName) {
    ExpectConversions({
        {"s2t", "为了启动，头发", "為了啟動，頭髮"},
        {"0", "群体", "群體"},
        {"t2s", "為了啟動，頭髮", "为了启动，头发"},
        {"b2s", "後來", "后来"},
        {"s2b", "为了启动", "為了啟動"},
        {"s2tw", "为了启动，软件", "為了啟動，軟件"},
        {"tw2s", "為了啟動，軟體", "为了启动，软体"},
        {"s2twp", "为了启动，软件", "為了啟動，軟體"},
        {"tw2sp", "為了啟動，軟體", "为了启动，软件"},
        {"s2hk", "为了启动，着数", "為了啓動，着數"},
        {"hk2s", "為了啓動，着數", "为了启动，着数"},
    });
}
