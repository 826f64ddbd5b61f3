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

TGb18030Codec::TGb18030Codec() : TDoubleByteCodec(Gb18030Decode, Gb18030Encode, true) {}

TDoubleByteCodec::TOtherForm TGb18030Codec::DecodeOther(const unsigned char* in, std::size_t size, bool atEnd,
                                                        char32_t& c) const {
    TOtherForm form;
    if (!IsDigit(in[1]))
        return form;
    // A four-byte form: lead, digit, 81-FE, digit.
    const std::size_t have = std::min<std::size_t>(size, 4);
    if ((have > 2 && !IsFourByteThird(in[2])) || (have > 3 && !IsDigit(in[3]))) {
        form.Invalid = 1;
    } else if (have < 4) {
        form.Invalid = atEnd ? 1 : 0;
        form.Cut = !atEnd;
    } else {
        c = CodePointOf((((in[0] - 0x81) * 10 + (in[1] - 0x30)) * 126 + (in[2] - 0x81)) * 10 +
                        (in[3] - 0x30));
        form.Taken = c != 0 ? 4 : 0;
        form.Invalid = c != 0 ? 0 : 4;
    }
    return form;
}

std::size_t TGb18030Codec::EncodeOther(char32_t c, unsigned char* p) const {
    std::uint32_t linear = c < 0x10000     ? LinearOf(c)
                           : c <= 0x10FFFF ? SupplementaryLinear + (c - 0x10000)
                                           : LinearEnd;
    if (linear == LinearEnd)
        return 0;
    p[3] = static_cast<unsigned char>(0x30 + linear % 10);
    linear /= 10;
    p[2] = static_cast<unsigned char>(0x81 + linear % 126);
    linear /= 126;
    p[1] = static_cast<unsigned char>(0x30 + linear % 10);
    p[0] = static_cast<unsigned char>(0x81 + linear / 10);
    return 4;
}
