#include "conversion/DoubleByteCodec.h"

#include "conversion/CodecTables.h"

TDoubleByteCodec::TDoubleByteCodec(const std::uint16_t* decode, const std::uint16_t* encode)
    : DecodeTable(decode), EncodeTable(encode) {}

TDecodeStep TDoubleByteCodec::Decode(const unsigned char* in, std::size_t size, bool atEnd,
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
        const std::uint16_t single = DecodeTable[b];
        if (single == DecodeNone) {
            step.Invalid = 1;
            break;
        }
        if (single != DecodeLead) {
            out[o++] = single;
            ++i;
            continue;
        }
        if (i + 1 == size) {
            if (atEnd)
                step.Invalid = 1;
            break;
        }
        const unsigned trail = in[i + 1];
        const std::uint16_t pair = DecodeTable[256 + ((b - 0x80) << 8 | trail)];
        if (pair == 0) {
            step.Invalid = trail < 0x80 ? 1 : 2;
            break;
        }
        out[o++] = pair;
        i += 2;
    }
    step.Consumed = i;
    step.Written = o;
    return step;
}

void TDoubleByteCodec::Encode(const char32_t* in, std::size_t size, std::string& out,
                              std::uint64_t& noForm) const {
    const std::size_t start = out.size();
    out.resize(start + 2 * size);
    char* p = &out[start];
    // Without branches on the code's length, which real text mixes unpredictably: two bytes are always
    // written, and the pointer moves by one or two.
    for (std::size_t i = 0; i < size; ++i) {
        const char32_t c = in[i];
        unsigned code = c < 0x10000 ? EncodeTable[c] : 0;
        const bool none = code == 0 && c != 0;
        noForm += none;
        code = none ? '?' : code;
        const bool pair = code > 0xFF;
        p[0] = static_cast<char>(pair ? code >> 8 : code);
        p[1] = static_cast<char>(code);
        p += 1 + pair;
    }
    out.resize(static_cast<std::size_t>(p - out.data()));
}
