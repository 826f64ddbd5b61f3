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
    for (std::size_t i = 0; i < size; ++i) {
        const char32_t c = in[i];
        if (c < 0x80) {
            *p++ = static_cast<char>(c);
            continue;
        }
        const unsigned code = c < 0x10000 ? EncodeTable[c] : 0;
        if (code == 0) {
            *p++ = '?';
            ++noForm;
        } else if (code < 0x100) {
            *p++ = static_cast<char>(code);
        } else {
            *p++ = static_cast<char>(code >> 8);
            *p++ = static_cast<char>(code);
        }
    }
    out.resize(static_cast<std::size_t>(p - out.data()));
}
