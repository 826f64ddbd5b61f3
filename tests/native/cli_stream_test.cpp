// The threaded piece stream gives the single-thread conversion's bytes and counts, whatever the segment
// size and the number of threads; and the command line's words and output paths.

#include "cli/CliPaths.h"
#include "cli/CliReport.h"
#include "cli/PieceStream.h"
#include "cli/WorkerPool.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace {

// Real lines with a byte-order mark, invalid bytes, one long line and no final line end.
std::string Sample() {
    std::ifstream corpus(SINOSHIFT_SOURCE_DIR "/tests/data/corpus_zh_CN.txt");
    std::string text = "\xEF\xBB\xBF", line;
    for (int i = 0; i < 40 && std::getline(corpus, line); ++i)
        text += line + (i % 7 == 3 ? "\xFF\xC0 " : "") + (i % 2 ? "\r\n" : "\n");
    for (int i = 0; i < 50; ++i)
        text += "汉字头发软件";
    return text + "\n最后\xE6\xB1";
}

std::string Whole(const TConversionPlan& plan, const std::string& text, TConversionCounts& counts) {
    TStreamConversion conversion(plan.Id, plan.From, plan.To);
    std::string out;
    conversion.Convert(text.data(), text.size(), true, out);
    counts = conversion.Counts();
    return out;
}

} // namespace

TEST(CliPieceStream, EverySegmentSizeAndThreadCountGivesTheWholeConversion) {
    const std::string text = Sample();
    const TConversionPlan specs[] = {{TConversionId::S2TW, TEncoding::Utf8, TEncoding::Utf8},
                                     {TConversionId::S2T, TEncoding::Utf8, TEncoding::Big5}};
    for (const TConversionPlan& plan : specs) {
        TConversionCounts expectedCounts;
        const std::string expected = Whole(plan, text, expectedCounts);
        for (unsigned threads : {0u, 1u, 3u}) {
            std::unique_ptr<TWorkerPool> pool(threads > 0 ? new TWorkerPool(threads) : nullptr);
            for (std::size_t segment : {1, 2, 5, 64, 333, 4096, 1 << 20}) {
                std::atomic<std::uint64_t> done{0};
                TStreamTuning tuning{segment, segment * 4, &done};
                std::size_t at = 0, readSize = 7;
                std::string out;
                const TConversionCounts counts = ConvertStream(
                    plan, pool.get(),
                    [&](char* data, std::size_t size) { // short reads, as pipes give them
                        const std::size_t n = std::min({size, readSize++ % 900 + 1, text.size() - at});
                        std::copy_n(text.data() + at, n, data);
                        return at += n, n;
                    },
                    [&](const char* data, std::size_t size) { out.append(data, size); }, tuning);
                const std::string where =
                    "threads " + std::to_string(threads) + ", segment " + std::to_string(segment);
                ASSERT_EQ(out, expected) << where;
                EXPECT_EQ(counts.Invalid, expectedCounts.Invalid) << where;
                EXPECT_EQ(counts.NoForm, expectedCounts.NoForm) << where;
                EXPECT_EQ(counts.FirstInvalidOffset, expectedCounts.FirstInvalidOffset) << where;
                EXPECT_EQ(done.load(), text.size()) << where;
            }
        }
    }
}

TEST(CliReport, Lines) {
    TConversionCounts none, noForm, both;
    noForm.NoForm = 1;
    both.NoForm = 5, both.Invalid = 2, both.FirstInvalidOffset = 17;
    TRunTally tally;
    tally.Converted = 12, tally.Skipped = 1, tally.Failed = 2, tally.HeldBack = 3, tally.Lost = both;
    TProgressFigures stream{45200000, 0, 0, 1, 2.0}, batch{50000000, 200000000, 12, 2000, 2.0},
        slow{1000000, 200000000, 0, 1, 1.0};
    const std::pair<std::string, const char*> cases[] = {
        {LossLine(none, TEncoding::Gb, TEncoding::Big5), ""},
        {LossLine(noForm, TEncoding::Gb, TEncoding::Big5),
         "1 character has no form in BIG5; it was replaced"},
        {LossLine(both, TEncoding::Utf8, TEncoding::Gb),
         "5 characters have no form in GB and 2 byte sequences were not valid UTF-8 (the first at byte 17); "
         "they were replaced"},
        {SummaryLine(TRunTally()), "0 converted, 0 skipped as binary, 0 failed; 0 characters without a form"},
        {SummaryLine(tally), "12 converted, 1 skipped as binary, 2 failed, 3 left as they were (--strict); "
                             "5 characters without a form, 2 invalid byte sequences"},
        {ProgressLine(stream), "45.2 MB, 22.6 MB/s"},
        {ProgressLine(batch), "50.0 MB of 200.0 MB, 12 of 2000 files, 25.0 MB/s, 6 s left"},
        {ProgressLine(slow), "1.0 MB of 200.0 MB, 1.0 MB/s, 3 min 19 s left"},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(line, expected);

    TStatusLine status;
    EXPECT_EQ(status.Clear(), "");
    EXPECT_EQ(status.Show("12345"), "\r12345");
    EXPECT_EQ(status.Show("12"), "\r12   \r12");
    EXPECT_EQ(status.Clear(), "\r  \r");
}

TEST(CliPaths, OutputOfEachInput) {
    const TCliOptions folder = ParseCliArguments({"s2t", "-r", "src", "-o", "out/"}),
                      file = ParseCliArguments({"s2t", "in", "-o", "o.txt"}),
                      inPlace = ParseCliArguments({"s2t", "a", "--in-place"});
    struct TCase {
        const TCliOptions& Options;
        bool Folder;
        const char* Input;
        const char* Relative;
        const char* Output;
    } cases[] = {
        {folder, true, "src/a/b.txt", "a/b.txt", "out/a/b.txt"},
        {folder, true, "c:\\docs\\x.txt", "", "out/x.txt"},
        {file, false, "in", "", "o.txt"},
        {file, true, "dir/in", "", "o.txt/in"},
        {inPlace, false, "a/b", "b", "a/b"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(OutputPathFor(c.Options, c.Folder, c.Input, c.Relative), c.Output) << c.Input;
    EXPECT_EQ(BaseName("a/b//"), "b");
    EXPECT_TRUE(LooksBinary("ab\0c", 4));
    EXPECT_FALSE(LooksBinary(std::string(BinaryProbeSize, 'a').append(1, '\0').data(), BinaryProbeSize + 1));
}
