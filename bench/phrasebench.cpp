// phrasebench FILE [--conversion NAME] [--runs N]
// Converts the UTF-8 text of FILE in-process, on one thread, in pieces of 64 KiB as the program's streams
// do: the program's UTF-8 decoder, the phrase converter, the program's UTF-8 encoder. Prints the median of N
// runs (default 5) in MB/s of UTF-8 input for the word segmentation and for plain longest match, and beside
// them, in the same run, Debian's libopencc converting the same pieces with OpenCC's configuration of the
// same name. The file is read before the runs; only the conversions are timed, in the thread's CPU time.

#include "conversion/Codec.h"
#include "conversion/PhraseEngine.h"

#include <opencc/opencc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include <time.h>

namespace {

constexpr std::size_t Piece = 64 << 10;
constexpr std::size_t OpenCCPiece = 1 << 20; // its cost per call is no concern here

// The UTF-8 output's size, so the compiler keeps the work.
std::size_t ConvertStream(const std::string& input, TConversionId id, TSegmentation segmentation) {
    const TCodec& utf8 = CodecFor(TEncoding::Utf8);
    TPhraseConverter converter(id, segmentation);
    std::vector<char32_t> pending;
    std::u32string converted;
    std::string output;
    std::uint64_t noForm = 0;
    std::size_t total = 0, kept = 0;
    for (std::size_t at = 0; at < input.size();) {
        const std::size_t take = std::min(Piece, input.size() - at);
        const bool atEnd = at + take == input.size();
        pending.resize(kept + take);
        const TDecodeStep step = utf8.Decode(reinterpret_cast<const unsigned char*>(input.data() + at), take,
                                             atEnd, &pending[kept]);
        if (step.Invalid != 0) {
            std::fprintf(stderr, "phrasebench: the text is not valid UTF-8\n");
            std::exit(1);
        }
        at += step.Consumed;
        kept += step.Written;
        converted.clear();
        const std::size_t decided = converter.Convert(pending.data(), kept, atEnd, converted);
        std::copy(pending.begin() + static_cast<std::ptrdiff_t>(decided),
                  pending.begin() + static_cast<std::ptrdiff_t>(kept), pending.begin());
        kept -= decided;
        output.clear();
        utf8.Encode(converted.data(), converted.size(), output, noForm);
        total += output.size();
    }
    return total;
}

// OpenCC over the same pieces, each cut after a line end so that no character is split.
std::size_t ConvertOpenCC(const std::string& input, opencc_t od) {
    std::size_t total = 0;
    for (std::size_t at = 0; at < input.size();) {
        std::size_t end = std::min(input.size(), at + OpenCCPiece);
        const std::size_t newline = input.rfind('\n', end - 1);
        if (end < input.size() && newline != std::string::npos && newline >= at)
            end = newline + 1;
        char* out = opencc_convert_utf8(od, input.data() + at, end - at);
        if (out == nullptr) {
            std::fprintf(stderr, "libopencc: %s\n", opencc_error());
            std::exit(1);
        }
        total += std::strlen(out);
        opencc_convert_utf8_free(out);
        at = end;
    }
    return total;
}

// The thread's CPU time: on a busy machine wall time would count the other jobs too.
double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9;
}

double MedianSpeed(const std::string& input, int runs, const std::function<std::size_t()>& convert) {
    std::vector<double> speeds;
    for (int i = 0; i < runs; ++i) {
        const double start = CpuSeconds();
        const std::size_t size = convert();
        const double took = CpuSeconds() - start;
        if (size == 0)
            std::exit(1);
        speeds.push_back(input.size() / took / 1e6);
    }
    std::sort(speeds.begin(), speeds.end());
    return speeds[speeds.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: phrasebench FILE [--conversion NAME] [--runs N]\n");
        return 2;
    }
    std::string name = "s2tw";
    int runs = 5;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--conversion") == 0)
            name = argv[i + 1];
        else if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
    }
    TConversionId id;
    if (!ParseConversionName(name, id))
        return 2;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::ifstream file(argv[1], std::ios::binary);
    const std::string input((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());

    std::printf("%s, %.1f MB of UTF-8, median of %d runs, one thread\n", name.c_str(), input.size() / 1e6,
                runs);
    std::printf("  words (the program)    %8.1f MB/s\n",
                MedianSpeed(input, runs, [&] { return ConvertStream(input, id, TSegmentation::Words); }));
    std::printf("  longest match          %8.1f MB/s\n", MedianSpeed(input, runs, [&] {
                    return ConvertStream(input, id, TSegmentation::LongestMatch);
                }));
    const opencc_t od = opencc_open((name + ".json").c_str());
    if (od == reinterpret_cast<opencc_t>(-1)) {
        std::printf("  libopencc              (no %s.json)\n", name.c_str());
        return 0;
    }
    std::printf("  libopencc (Debian)     %8.1f MB/s\n",
                MedianSpeed(input, runs, [&] { return ConvertOpenCC(input, od); }));
    opencc_close(od);
    return 0;
}
