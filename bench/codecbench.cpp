// codecbench GB_FILE UTF8_FILE [--repeat K]
// The encodings' cost in-process, natively: GB decode, BIG5 encode, UTF-8 decode and encode, and whole
// stream conversions (GB -> BIG5 as s2b, UTF-8 -> UTF-8 as s2tw) through TStreamConversion in 1 MiB
// pieces, and the window's fallback mapping on 1 MB, beside glibc's iconv (GBK -> BIG5 and UTF-8 -> BIG5,
// skipping what BIG5 lacks, as iconv -c does) on the same bytes in the same run. Prints the median of K runs
// (default 5) in MB/s of input (10^6 bytes) per second of the thread's processor time.

#include "conversion/Codec.h"
#include "conversion/GbPhraseMap.h"
#include "conversion/TextConversion.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <iconv.h>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr std::size_t Piece = 1 << 20;

std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The thread's processor time: on a machine shared with other work it counts what the row costs, not what
// the others take meanwhile.
double Seconds(const std::function<void()>& run) {
    timespec start{}, stop{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &start);
    run();
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &stop);
    return double(stop.tv_sec - start.tv_sec) + double(stop.tv_nsec - start.tv_nsec) / 1e9;
}

// Decodes text piece by piece into one reused buffer; returns the code points.
std::size_t DecodeAll(const TCodec& codec, const std::string& text, std::vector<char32_t>& buffer) {
    std::size_t total = 0;
    const auto* in = reinterpret_cast<const unsigned char*>(text.data());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t size = std::min(Piece, text.size() - pos);
        const TDecodeStep step = codec.Decode(in + pos, size, pos + size == text.size(), buffer.data());
        pos += step.Consumed + step.Invalid;
        total += step.Written;
    }
    return total;
}

std::size_t EncodeAll(const TCodec& codec, const std::u32string& text, std::string& out) {
    std::uint64_t noForm = 0;
    std::size_t total = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += Piece) {
        out.clear();
        codec.Encode(text.data() + pos, std::min(Piece, text.size() - pos), out, noForm);
        total += out.size();
    }
    return total;
}

std::size_t StreamAll(TConversionId id, TEncoding from, TEncoding to, const std::string& text,
                      std::string& out) {
    TStreamConversion stream(id, from, to);
    std::size_t total = 0, pos = 0;
    while (pos < text.size()) {
        const std::size_t size = std::min(Piece, text.size() - pos);
        out.clear();
        pos += stream.Convert(text.data() + pos, size, pos + size == text.size(), out);
        total += out.size();
    }
    return total;
}

// iconv over the whole text, skipping what the target lacks.
std::size_t IconvAll(const char* from, const std::string& text, std::string& out) {
    iconv_t cd = iconv_open("BIG5//IGNORE", from);
    out.resize(text.size() * 2 + 16);
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size(), outLeft = out.size();
    char* o = &out[0];
    while (inLeft > 0) {
        const std::size_t before = inLeft;
        iconv(cd, &in, &inLeft, &o, &outLeft);
        if (inLeft == before) { // a sequence iconv does not pass even ignoring errors: skip a byte
            ++in;
            --inLeft;
        }
    }
    iconv_close(cd);
    return out.size() - outLeft;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: codecbench GB_FILE UTF8_FILE [--repeat K]\n");
        return 2;
    }
    const int repeat = argc >= 5 && std::strcmp(argv[3], "--repeat") == 0 ? std::atoi(argv[4]) : 5;
    const std::string gb = ReadFile(argv[1]), utf8 = ReadFile(argv[2]);
    std::vector<char32_t> buffer(Piece);
    std::u32string decoded(gb.size(), U'\0');
    decoded.resize(
        CodecFor(TEncoding::Gb)
            .Decode(reinterpret_cast<const unsigned char*>(gb.data()), gb.size(), true, &decoded[0])
            .Written);
    std::string out;

    struct Row {
        const char* Name;
        double Bytes;
        std::function<void()> Run;
    } rows[] = {
        {"decode GB", double(gb.size()), [&] { DecodeAll(CodecFor(TEncoding::Gb), gb, buffer); }},
        {"encode BIG5 (GB's code points)", double(gb.size()),
         [&] { EncodeAll(CodecFor(TEncoding::Big5), decoded, out); }},
        {"decode UTF-8", double(utf8.size()), [&] { DecodeAll(CodecFor(TEncoding::Utf8), utf8, buffer); }},
        {"encode UTF-8 (GB's code points)", double(gb.size()),
         [&] { EncodeAll(CodecFor(TEncoding::Utf8), decoded, out); }},
        {"window's fallback mapping, 1 MB", 1e6,
         [&] {
             std::vector<char> mapped(1000001);
             MapGbTextPhrases(TChineseForm::Traditional, gb.data(), 1000000, mapped.data(), 1000001);
         }},
        {"stream s2b GB -> BIG5", double(gb.size()),
         [&] { StreamAll(TConversionId::S2B, TEncoding::Gb, TEncoding::Big5, gb, out); }},
        {"iconv GBK -> BIG5", double(gb.size()), [&] { IconvAll("GBK", gb, out); }},
        {"stream s2tw UTF-8 -> UTF-8", double(utf8.size()),
         [&] { StreamAll(TConversionId::S2TW, TEncoding::Utf8, TEncoding::Utf8, utf8, out); }},
        {"iconv UTF-8 -> BIG5", double(utf8.size()), [&] { IconvAll("UTF-8", utf8, out); }},
    };
    // Round after round of every row, so a machine busy for a while slows all rows alike.
    std::vector<std::vector<double>> times(std::size(rows));
    for (int round = 0; round < repeat; ++round)
        for (std::size_t i = 0; i < std::size(rows); ++i)
            times[i].push_back(Seconds(rows[i].Run));
    std::printf("GB %.1f MB, UTF-8 %.1f MB, median of %d runs\n%-34s %10s\n", gb.size() / 1e6,
                utf8.size() / 1e6, repeat, "", "MB/s");
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        std::sort(times[i].begin(), times[i].end());
        std::printf("%-34s %10.1f\n", rows[i].Name, rows[i].Bytes / 1e6 / times[i][times[i].size() / 2]);
    }
    return 0;
}
