// clibench --in FILE [--conversion s2tw] [--threads N] [--repeat K]
// The command line's conversion in-process, without files: the threaded piece stream over the bytes of
// FILE on one thread and on N (default: every core), K runs each (default 5), alternating. Prints the
// median of each in MB/s (10^6 input bytes per second) and whether both outputs are the same bytes.
// Portable: built natively and by mingw (run under Wine).

#include "cli/PieceStream.h"
#include "cli/WorkerPool.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

// One conversion of the whole text; returns the seconds and a hash of the output.
double Run(const TConversionPlan& plan, TWorkerPool* pool, const std::string& text, std::size_t& hash) {
    std::size_t at = 0;
    hash = 0;
    const auto start = std::chrono::steady_clock::now();
    ConvertStream(
        plan, pool,
        [&](char* data, std::size_t size) {
            const std::size_t n = std::min(size, text.size() - at);
            std::memcpy(data, text.data() + at, n);
            at += n;
            return n;
        },
        [&](const char* data, std::size_t size) {
            hash = hash * 1000003u ^ std::hash<std::string_view>()(std::string_view(data, size));
        });
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const char *inPath = nullptr, *name = "s2tw";
    unsigned threads = TWorkerPool::AllCores();
    int repeat = 5;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--in") == 0)
            inPath = argv[i + 1];
        else if (std::strcmp(argv[i], "--conversion") == 0)
            name = argv[i + 1];
        else if (std::strcmp(argv[i], "--threads") == 0)
            threads = static_cast<unsigned>(std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--repeat") == 0)
            repeat = std::atoi(argv[i + 1]);
    }
    TConversionPlan plan{TConversionId::S2TW, TEncoding::Utf8, TEncoding::Utf8};
    if (inPath == nullptr || repeat < 1 || threads < 1 || !ParseConversionName(name, plan.Id)) {
        std::fprintf(stderr, "usage: clibench --in FILE [--conversion NAME] [--threads N] [--repeat K]\n");
        return 2;
    }
    plan.From = DefaultSourceEncoding(plan.Id);
    plan.To = DefaultTargetEncoding(plan.Id);
    std::ifstream in(inPath, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (text.empty()) {
        std::fprintf(stderr, "clibench: cannot read %s\n", inPath);
        return 1;
    }
    TWorkerPool pool(threads);
    std::vector<double> one, all;
    std::size_t hashOne = 0, hashAll = 0;
    for (int i = 0; i < repeat; ++i) {
        one.push_back(Run(plan, nullptr, text, hashOne));
        all.push_back(Run(plan, &pool, text, hashAll));
    }
    const double megabytes = static_cast<double>(text.size()) / 1e6;
    std::printf("%s, %.1f MB, median of %d: one thread %.1f MB/s, %u threads %.1f MB/s, %.2fx, output %s\n", name,
                megabytes, repeat, megabytes / Median(one), threads, megabytes / Median(all),
                Median(one) / Median(all), hashOne == hashAll ? "identical" : "DIFFERS");
    return hashOne == hashAll ? 0 : 1;
}
