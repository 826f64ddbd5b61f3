// clibench --mode N --in FILE [--repeat K]
// The command line's conversion core in-process: the direct table over the bytes of FILE, in pieces as the
// command line reads them. Prints the first pass (which fills the table's entries on the way) and the best
// of K later passes, in MB/s (10^6 bytes of input per second). Reading the file is not timed.

#include "cli/DirectTable.h"
#include "cli/PieceStream.h"
#include "cli/StepFiller.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One pass over the text in pieces; returns the output's size.
std::size_t Pass(TDirectTable& table, const std::string& text) {
    std::size_t at = 0, written = 0;
    ConvertStream(
        table,
        [&](char* data, std::size_t size) {
            const std::size_t n = size < text.size() - at ? size : text.size() - at;
            std::memcpy(data, text.data() + at, n);
            at += n;
            return n;
        },
        [&](const char*, std::size_t size) { written += size; });
    return written;
}

} // namespace

int main(int argc, char** argv) {
    int mode = -1, repeat = 5;
    const char* inPath = nullptr;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--mode") == 0)
            mode = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--in") == 0)
            inPath = argv[i + 1];
        else if (std::strcmp(argv[i], "--repeat") == 0)
            repeat = std::atoi(argv[i + 1]);
    }
    if (mode < 0 || mode > 3 || inPath == nullptr || repeat < 1) {
        std::fprintf(stderr, "usage: clibench --mode N --in FILE [--repeat K]\n");
        return 2;
    }
    std::ifstream in(inPath, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in && text.empty()) {
        std::fprintf(stderr, "clibench: cannot read %s\n", inPath);
        return 1;
    }
    TStepFiller filler(mode);
    TDirectTable table(filler);
    double start = Now();
    const std::size_t out = Pass(table, text);
    const double first = Now() - start;
    double best = 0;
    for (int i = 0; i < repeat; ++i) {
        start = Now();
        Pass(table, text);
        const double seconds = Now() - start;
        if (i == 0 || seconds < best)
            best = seconds;
    }
    const double megabytes = static_cast<double>(text.size()) / 1e6;
    std::printf(
        "mode %d: %.2f MB in, %.2f MB out; first pass %.1f ms, %.1f MB/s; best of %d: %.1f ms, %.1f MB/s\n",
        mode, megabytes, static_cast<double>(out) / 1e6, first * 1e3, megabytes / first, repeat, best * 1e3,
        megabytes / best);
    return 0;
}
