// The committed table on real text (tests/data/corpus_large_*.txt.gz, made by tools/make_corpus.py from
// Debian's message catalogs): it converts nearly every character that has a counterpart in the other
// script, and Simplified text comes back from Traditional unchanged.

#include "conversion/GbChineseMap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iconv.h>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Output(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[65536];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

// The text's characters, each as its UTF-8 bytes and its double-byte GB code (0 if it has none).
std::vector<std::pair<std::string, std::uint16_t>> Corpus(const char* name) {
    const std::string text =
        Output("gzip -dc '" + (fs::path(SINOSHIFT_SOURCE_DIR) / "tests/data" / name).string() + "'");
    iconv_t toGb = iconv_open("GBK", "UTF-8");
    std::map<std::string, std::uint16_t> codes;
    std::vector<std::pair<std::string, std::uint16_t>> chars;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = text[i];
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::string ch = text.substr(i, length);
        i += length;
        auto [code, added] = codes.emplace(ch, 0);
        if (added) {
            char in[4], out[4];
            std::copy(ch.begin(), ch.end(), in);
            char *inp = in, *outp = out;
            std::size_t inLeft = ch.size(), outLeft = sizeof out;
            if (iconv(toGb, &inp, &inLeft, &outp, &outLeft) != static_cast<std::size_t>(-1) && outLeft == 2)
                code->second = static_cast<std::uint16_t>(static_cast<unsigned char>(out[0]) << 8 |
                                                          static_cast<unsigned char>(out[1]));
        }
        chars.emplace_back(ch, code->second);
    }
    iconv_close(toGb);
    return chars;
}

// One of OpenCC's character lists in third_party/: {source: counterparts}.
std::map<std::string, std::vector<std::string>> OpenCC(const char* name) {
    std::ifstream lines(fs::path(SINOSHIFT_SOURCE_DIR) / "third_party/opencc-1.4.2/data/dictionary" /
                        (std::string(name) + ".txt"));
    std::map<std::string, std::vector<std::string>> list;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t tab = line.find('\t');
        if (line.empty() || line[0] == '#' || tab == std::string::npos)
            continue;
        std::istringstream values(line.substr(tab + 1));
        for (std::string value; values >> value;)
            list[line.substr(0, tab)].push_back(value);
    }
    return list;
}

std::string Listed(const std::map<std::string, int>& counts) {
    std::string list;
    for (const auto& [ch, count] : counts)
        list += " " + ch + "x" + std::to_string(count);
    return list;
}

} // namespace

// Of the characters whose OpenCC counterparts do not include themselves, at most 0.05% stay. To
// Traditional the counterparts are taken in their Taiwan standard forms, as OpenCC's s2tw does and as
// the table does (OpenCC's 羣 for 群 is 群 there).
TEST(GbChineseTableOnRealText, LeavesAtMostOneIn2000CharactersWithACounterpartUnchanged) {
    const auto taiwan = OpenCC("TWVariants");
    const struct {
        const char* Corpus;
        const char* List;
        TChineseForm Form;
    } directions[] = {{"corpus_large_zh_CN.txt.gz", "STCharacters", TChineseForm::Traditional},
                      {"corpus_large_zh_TW.txt.gz", "TSCharacters", TChineseForm::Simplified}};
    for (const auto& direction : directions) {
        const auto counterparts = OpenCC(direction.List);
        ASSERT_GT(counterparts.size(), 3000u) << direction.List;
        std::size_t withCounterpart = 0, unchanged = 0;
        std::map<std::string, int> missed;
        for (const auto& [ch, code] : Corpus(direction.Corpus)) {
            const auto found = counterparts.find(ch);
            if (code == 0 || found == counterparts.end())
                continue;
            std::set<std::string> forms;
            for (const std::string& b : found->second) {
                const auto standard =
                    direction.Form == TChineseForm::Traditional ? taiwan.find(b) : taiwan.end();
                forms.insert(standard != taiwan.end() ? standard->second[0] : b);
            }
            if (forms.count(ch) != 0)
                continue;
            ++withCounterpart;
            if (MapGbCode(direction.Form, code) == code) {
                ++unchanged;
                ++missed[ch];
            }
        }
        EXPECT_GT(withCounterpart, 30000u) << direction.Corpus;
        EXPECT_LE(unchanged * 2000, withCounterpart) << direction.Corpus << ": " << unchanged << " of "
                                                     << withCounterpart << " unchanged:" << Listed(missed);
        RecordProperty(direction.Corpus,
                       std::to_string(unchanged) + " of " + std::to_string(withCounterpart));
    }
}

TEST(GbChineseTableOnRealText, SimplifiedTextComesBackWholeFromTraditional) {
    std::size_t characters = 0;
    std::map<std::string, int> lost;
    for (const auto& [ch, code] : Corpus("corpus_large_zh_CN.txt.gz")) {
        if (code == 0)
            continue;
        ++characters;
        if (MapGbCode(TChineseForm::Simplified, MapGbCode(TChineseForm::Traditional, code)) != code)
            ++lost[ch];
    }
    EXPECT_GT(characters, 100000u);
    EXPECT_TRUE(lost.empty()) << "lost on the way:" << Listed(lost);
}
