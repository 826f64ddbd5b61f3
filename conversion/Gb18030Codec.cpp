#include "conversion/Gb18030Codec.h"

#include "conversion/CodecTables.h"

#include <algorithm>

namespace {

// The index of 90 30 81 30, the four-byte form of U+10000.
constexpr std::uint32_t SupplementaryLinear = 189000;
constexpr std::uint32_t LinearEnd = SupplementaryLinear + 0x100000;

bool IsDigit(unsigned b) {
    return b - 0x30u < 10u;
}

bool IsFourByteThird(unsigned b) {
    return b - 0x81u < 0x7Eu;
}

} // namespace

std::uint32_t TGb18030Codec::LinearOf(char32_t c) {
    const TGb18030Run* end = Gb18030Runs + Gb18030RunCount;
    const TGb18030Run* run = std::upper_bound(
        Gb18030Runs, end, c, [](char32_t v, const TGb18030Run& r) { return v < r.CodePoint; });
    if (run == Gb18030Runs)
        return LinearEnd;
    --run;
    return c - run->CodePoint < run->Count ? run->Linear + (c - run->CodePoint) : LinearEnd;
}

char32_t TGb18030Codec::CodePointOf(std::uint32_t linear) {
    if (linear >= SupplementaryLinear)
        return linear < LinearEnd ? 0x10000 + (linear - SupplementaryLinear) : 0;
    const TGb18030Run* end = Gb18030Runs + Gb18030RunCount;
    const TGb18030Run* run = std::upper_bound(
        Gb18030Runs, end, linear, [](std::uint32_t v, const TGb18030Run& r) { return v < r.Linear; });
    if (run == Gb18030Runs)
        return 0;
    --run;
    return linear - run->Linear < run->Count ? run->CodePoint + (linear - run->Linear) : 0;
}

TDecodeStep TGb18030Codec::Decode(const unsigned char* in, std::size_t size, bool atEnd,
                                  char32_t* out) const {
    TDecodeStep step;
    std::size_t i = 0, o = 0;
    while (i < size) {
        const unsigned b = in[i];
        if (b < 0x80) {
            out[o++] = b;
            ++i;
            continue;
        }
        if (b == 0x80 || b == 0xFF) {
            step.Invalid = 1;
            break;
        }
        if (i + 1 == size) {
            if (atEnd)
                step.Invalid = 1;
            break;
        }
        const unsigned second = in[i + 1];
        if (!IsDigit(second)) {
            const std::uint16_t pair = Gb18030Decode[256 + ((b - 0x80) << 8 | second)];
            if (pair == 0) {
                step.Invalid = second < 0x80 ? 1 : 2;
                break;
            }
            out[o++] = pair;
            i += 2;
            continue;
        }
        // A four-byte form: lead, digit, 81-FE, digit.
        const std::size_t have = std::min<std::size_t>(size - i, 4);
        if ((have > 2 && !IsFourByteThird(in[i + 2])) || (have > 3 && !IsDigit(in[i + 3]))) {
            step.Invalid = 1;
            break;
        }
        if (have < 4) {
            if (atEnd)
                step.Invalid = 1;
            break;
        }
        const std::uint32_t linear =
            (((b - 0x81) * 10 + (second - 0x30)) * 126 + (in[i + 2] - 0x81)) * 10 + (in[i + 3] - 0x30);
        const char32_t c = CodePointOf(linear);
        if (c == 0) {
            step.Invalid = 4;
            break;
        }
        out[o++] = c;
        i += 4;
    }
    step.Consumed = i;
    step.Written = o;
    return step;
}

void TGb18030Codec::Encode(const char32_t* in, std::size_t size, std::string& out,
                           std::uint64_t& noForm) const {
    const std::size_t start = out.size();
    out.resize(start + 4 * size);
    auto* p = reinterpret_cast<unsigned char*>(&out[start]);
    for (std::size_t i = 0; i < size; ++i) {
        const char32_t c = in[i];
        if (c < 0x80) {
            *p++ = static_cast<unsigned char>(c);
            continue;
        }
        const unsigned code = c < 0x10000 ? Gb18030Encode[c] : 0;
        if (code != 0) {
            *p++ = static_cast<unsigned char>(code >> 8);
            *p++ = static_cast<unsigned char>(code);
            continue;
        }
        std::uint32_t linear = c < 0x10000     ? LinearOf(c)
                               : c <= 0x10FFFF ? SupplementaryLinear + (c - 0x10000)
                                               : LinearEnd;
        if (linear == LinearEnd) {
            *p++ = '?';
            ++noForm;
            continue;
        }
        p[3] = static_cast<unsigned char>(0x30 + linear % 10);
        linear /= 10;
        p[2] = static_cast<unsigned char>(0x81 + linear % 126);
        linear /= 126;
        p[1] = static_cast<unsigned char>(0x30 + linear % 10);
        p[0] = static_cast<unsigned char>(0x81 + linear / 10);
        p += 4;
    }
    out.resize(static_cast<std::size_t>(reinterpret_cast<char*>(p) - out.data()));
}
