#include "conversion/DoubleByteCodec.h"

#include "conversion/CodecTables.h"

TDoubleByteCodec::TDoubleByteCodec(const std::uint16_t* decode, const std::uint16_t* encode, bool otherForms)
    : DecodeTable(decode), EncodeTable(encode), OtherForms(otherForms) {}

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
        if (pair != 0) {
            out[o++] = pair;
            i += 2;
            continue;
        }
        char32_t c = 0;
        const TOtherForm other = DecodeOther(in + i, size - i, atEnd, c);
        if (other.Taken != 0) {
            out[o++] = c;
            i += other.Taken;
            continue;
        }
        if (!other.Cut)
            step.Invalid = other.Invalid != 0 ? other.Invalid : trail < 0x80 ? 1 : 2;
        break;
    }
    step.Consumed = i;
    step.Written = o;
    return step;
}

void TDoubleByteCodec::Encode(const char32_t* in, std::size_t size, std::string& out,
                              std::uint64_t& noForm) const {
    const std::size_t start = out.size();
    out.resize(start + MaxBytes() * size);
    auto* p = reinterpret_cast<unsigned char*>(&out[start]);
    // Two bytes are always written and the pointer moves by one or two, without a branch on the code's
    // length, which real text mixes unpredictably.
    for (std::size_t i = 0; i < size; ++i) {
        const char32_t c = in[i];
        unsigned code = c < 0x10000 ? EncodeTable[c] : 0;
        if (code == 0 && c != 0) {
            const std::size_t written = OtherForms ? EncodeOther(c, p) : 0;
            if (written != 0) {
                p += written;
                continue;
            }
            ++noForm;
            code = '?';
        }
        const bool pair = code > 0xFF;
        p[0] = static_cast<unsigned char>(pair ? code >> 8 : code);
        p[1] = static_cast<unsigned char>(code);
        p += 1 + pair;
    }
    out.resize(static_cast<std::size_t>(reinterpret_cast<char*>(p) - out.data()));
}
