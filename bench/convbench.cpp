// convbench --mode N --in FILE --out FILE [--repeat K]
// Converts the bytes of FILE with ConversionMode N (0-3) through the program's conversions, writes the
// result, and prints the speed of the best of K runs in MB/s (10^6 bytes of input per second).
// Only the conversion is timed: reading and writing the files are not. Beside it, the speed of the mode's
// code page calls alone (the system's MultiByteToWideChar and WideCharToMultiByte on the same text, into
// buffers allocated beforehand): the part of the time that the program does not control.

#include "conversion/CH_Functions.h"
#include "conversion/ChineseMapping.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

const char* const FunctionNames[ConversionModeCount] = {"SimplifiedToTraditional", "TraditionalToSimplified",
                                                        "Big5ToSimplified", "SimplifiedToBig5"};

int Usage() {
    std::fprintf(stderr, "usage: convbench --mode N --in FILE --out FILE [--repeat K]\n");
    return 2;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <typename F> double Best(int repeat, F run) {
    double best = 0;
    for (int i = 0; i < repeat; ++i) {
        LARGE_INTEGER start, stop;
        QueryPerformanceCounter(&start);
        run();
        QueryPerformanceCounter(&stop);
        const double seconds = Seconds(start, stop);
        if (i == 0 || seconds < best)
            best = seconds;
    }
    return best;
}

// The mode's code page calls, as its steps make them, on the text each step gets.
double CodePageCallsSeconds(int mode, const std::string& text, int repeat) {
    const UINT from = mode == 2 ? 950 : 936;
    const UINT to = mode == 2 ? 936 : 950;
    // Mode 3 decodes the mapped text, which has the source's length.
    const std::string decoded = mode == 3 ? SimplifiedToTraditional(text) : text;
    const int n = MultiByteToWideChar(from, 0, decoded.c_str(), -1, nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(from, 0, decoded.c_str(), -1, &wide[0], n);
    const int m = WideCharToMultiByte(to, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(m, '\0');
    return Best(repeat, [&] {
        MultiByteToWideChar(from, 0, decoded.c_str(), -1, nullptr, 0);
        if (mode < 2)
            return;
        MultiByteToWideChar(from, 0, decoded.c_str(), -1, &wide[0], n);
        WideCharToMultiByte(to, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
        WideCharToMultiByte(to, 0, wide.c_str(), -1, &out[0], m, nullptr, nullptr);
    });
}

} // namespace

int main(int argc, char** argv) {
    int mode = -1, repeat = 1;
    const char* inPath = nullptr;
    const char* outPath = nullptr;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--mode") == 0)
            mode = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--in") == 0)
            inPath = argv[i + 1];
        else if (std::strcmp(argv[i], "--out") == 0)
            outPath = argv[i + 1];
        else if (std::strcmp(argv[i], "--repeat") == 0)
            repeat = std::atoi(argv[i + 1]);
        else
            return Usage();
    }
    const TConversionModeEntry* entry = FindConversionMode(mode);
    if (argc % 2 == 0 || entry == nullptr || inPath == nullptr || outPath == nullptr || repeat < 1)
        return Usage();

    std::ifstream in(inPath, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "convbench: cannot read %s\n", inPath);
        return 1;
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};

    std::string result;
    const double best = Best(repeat, [&] { result = entry->Convert(text); });
    const double calls = CodePageCallsSeconds(mode, text, repeat);

    std::ofstream out(outPath, std::ios::binary);
    out.write(result.data(), static_cast<std::streamsize>(result.size()));
    if (!out) {
        std::fprintf(stderr, "convbench: cannot write %s\n", outPath);
        return 1;
    }
    const double megabytes = static_cast<double>(text.size()) / 1e6;
    std::printf("mode %d %s: %.2f MB in, %.2f MB out, best of %d: %.1f ms, %.1f MB/s (%s mapping); "
                "code page calls alone: %.1f ms, %.1f MB/s\n",
                mode, FunctionNames[mode], megabytes, static_cast<double>(result.size()) / 1e6, repeat,
                best * 1e3, best > 0 ? megabytes / best : 0.0, SystemMapsChinese() ? "system" : "own table",
                calls * 1e3, calls > 0 ? megabytes / calls : 0.0);
    return 0;
}
