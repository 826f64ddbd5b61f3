// phrasebench FILE [--conversion NAME] [--runs N]
// Converts the UTF-8 text of FILE in-process, on one thread, in pieces of 1 MiB as a stream does: UTF-8 to
// code points, the phrase converter, code points to UTF-8. Prints the median of N runs (default 5) in
// MB/s of UTF-8 input for the word segmentation and for plain longest match, and beside them, in the same
// run, Debian's libopencc converting the same pieces with OpenCC's configuration of the same name.
// The file is read before the runs; only the conversions are timed, in the thread's CPU time.

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

constexpr std::size_t Piece = 1 << 20;

// A minimal UTF-8 decoder for the benchmark (the program's own codecs live in conversion/): valid text
// assumed, a stray byte becomes U+FFFD. Returns how many bytes it used; a sequence cut by the piece's end
// waits for the next piece.
std::size_t DecodeUtf8(const char* data, std::size_t size, bool atEnd, std::u32string& out) {
    const auto* s = reinterpret_cast<const unsigned char*>(data);
    const std::size_t start = out.size();
    out.resize(start + size);
    char32_t* target = &out[start];
    std::size_t i = 0;
    while (i < size) {
        const unsigned b = s[i];
        if (b < 0x80) {
            *target++ = b;
            ++i;
            continue;
        }
        std::size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        if (i + n > size) {
            if (!atEnd)
                break;
            n = 1; // cut at the end of the text
        }
        char32_t c = n == 4 ? b & 0x07 : n == 3 ? b & 0x0F : b & 0x1F;
        for (std::size_t k = 1; k < n; ++k)
            c = c << 6 | (s[i + k] & 0x3F);
        *target++ = n == 1 ? 0xFFFD : c;
        i += n;
    }
    out.resize(static_cast<std::size_t>(target - out.data()));
    return i;
}

void EncodeUtf8(const std::u32string& text, std::string& out) {
    out.resize(text.size() * 4);
    auto* target = reinterpret_cast<unsigned char*>(out.data());
    for (char32_t c : text) {
        if (c < 0x80) {
            *target++ = static_cast<unsigned char>(c);
        } else if (c < 0x800) {
            *target++ = static_cast<unsigned char>(0xC0 | c >> 6);
            *target++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            *target++ = static_cast<unsigned char>(0xE0 | c >> 12);
            *target++ = static_cast<unsigned char>(0x80 | (c >> 6 & 0x3F));
            *target++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
        } else {
            *target++ = static_cast<unsigned char>(0xF0 | c >> 18);
            *target++ = static_cast<unsigned char>(0x80 | (c >> 12 & 0x3F));
            *target++ = static_cast<unsigned char>(0x80 | (c >> 6 & 0x3F));
            *target++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
        }
    }
    out.resize(static_cast<std::size_t>(target - reinterpret_cast<unsigned char*>(out.data())));
}

// The UTF-8 output's size, so the compiler keeps the work.
std::size_t ConvertStream(const std::string& input, TConversionId id, TSegmentation segmentation) {
    TPhraseConverter converter(id, segmentation);
    std::u32string pending, converted;
    std::string output;
    std::size_t total = 0;
    for (std::size_t at = 0; at < input.size();) {
        const std::size_t take = std::min(Piece, input.size() - at);
        const bool atEnd = at + take == input.size();
        at += DecodeUtf8(input.data() + at, take, atEnd, pending);
        converted.clear();
        pending.erase(0, converter.Convert(pending.data(), pending.size(), atEnd, converted));
        EncodeUtf8(converted, output);
        total += output.size();
    }
    return total;
}

// OpenCC over the same pieces, each cut after a line end so that no character is split.
std::size_t ConvertOpenCC(const std::string& input, opencc_t od) {
    std::size_t total = 0;
    for (std::size_t at = 0; at < input.size();) {
        std::size_t end = std::min(input.size(), at + Piece);
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
