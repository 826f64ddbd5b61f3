#include "conversion/Utf8Codec.h"

#include <cstring>

namespace {

// The allowed range of the second byte by lead byte (the Unicode standard's table of well-formed
// sequences); later bytes are always 80-BF.
struct TLeadRule {
    unsigned char Length, Low, High;
};

TLeadRule RuleFor(unsigned b) {
    static constexpr struct {
        unsigned char From, To;
        TLeadRule Rule;
    } Rules[] = {{0xC2, 0xDF, {2, 0x80, 0xBF}}, {0xE0, 0xE0, {3, 0xA0, 0xBF}}, {0xE1, 0xEC, {3, 0x80, 0xBF}},
                 {0xED, 0xED, {3, 0x80, 0x9F}}, {0xEE, 0xEF, {3, 0x80, 0xBF}}, {0xF0, 0xF0, {4, 0x90, 0xBF}},
                 {0xF1, 0xF3, {4, 0x80, 0xBF}}, {0xF4, 0xF4, {4, 0x80, 0x8F}}};
    for (const auto& rule : Rules)
        if (b >= rule.From && b <= rule.To)
            return rule.Rule;
    return {0, 0, 0};
}

} // namespace

std::size_t TUtf8Codec::ValidPrefix(const unsigned char* in, std::size_t size, bool& whole) {
    const TLeadRule rule = RuleFor(in[0]);
    whole = false;
    if (rule.Length == 0)
        return 0;
    std::size_t n = 1;
    for (; n < rule.Length && n < size; ++n) {
        const unsigned low = n == 1 ? rule.Low : 0x80, high = n == 1 ? rule.High : 0xBF;
        if (in[n] < low || in[n] > high)
            return n;
    }
    whole = n == rule.Length;
    return n;
}

TDecodeStep TUtf8Codec::Decode(const unsigned char* in, std::size_t size, bool atEnd, char32_t* out) const {
    TDecodeStep step;
    std::size_t i = 0, o = 0;
    while (i < size) {
        // The common forms in a tight loop: ASCII and the three-byte form (most of the BMP, every CJK
        // ideograph there), as Chinese text mixes them; everything else below.
        for (; i + 2 < size; ++o) {
            const unsigned b = in[i];
            if (b < 0x80) {
                out[o] = b;
                ++i;
                continue;
            }
            const unsigned b1 = in[i + 1] ^ 0x80u, b2 = in[i + 2] ^ 0x80u; // continuation bytes: below 0x40
            if (b - 0xE1u >= 0x0Fu || b == 0xED || (b1 | b2) >= 0x40)
                break;
            out[o] = (b & 0x0F) << 12 | b1 << 6 | b2;
            i += 3;
        }
        if (i == size)
            break;
        const unsigned b = in[i];
        if (b < 0x80) {
            out[o++] = b;
            ++i;
            continue;
        }
        bool whole;
        const std::size_t n = ValidPrefix(in + i, size - i, whole);
        if (!whole) {
            // A start cut by the end waits for the rest of its bytes.
            if (n == 0 || i + n < size || atEnd)
                step.Invalid = n == 0 ? 1 : n;
            break;
        }
        char32_t c = n == 2 ? b & 0x1F : n == 3 ? b & 0x0F : b & 0x07;
        for (std::size_t k = 1; k < n; ++k)
            c = c << 6 | (in[i + k] & 0x3F);
        out[o++] = c;
        i += n;
    }
    step.Consumed = i;
    step.Written = o;
    return step;
}

void TUtf8Codec::Encode(const char32_t* in, std::size_t size, std::string& out, std::uint64_t& noForm) const {
    const std::size_t start = out.size();
    out.resize(start + 4 * size);
    auto* p = reinterpret_cast<unsigned char*>(&out[start]);
    for (std::size_t i = 0; i < size; ++i) {
        char32_t c = in[i];
        if (c < 0x80) {
            *p++ = static_cast<unsigned char>(c);
            continue;
        }
        // The three-byte form first: every CJK ideograph of the BMP.
        if (c - 0x800u < 0xD800u - 0x800u || c - 0xE000u < 0x10000u - 0xE000u) {
            p[0] = static_cast<unsigned char>(0xE0 | c >> 12);
            p[1] = static_cast<unsigned char>(0x80 | (c >> 6 & 0x3F));
            p[2] = static_cast<unsigned char>(0x80 | (c & 0x3F));
            p += 3;
            continue;
        }
        if (c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
            c = ReplacementCharacter;
            ++noForm;
        }
        if (c < 0x800) {
            *p++ = static_cast<unsigned char>(0xC0 | c >> 6);
        } else if (c < 0x10000) {
            *p++ = static_cast<unsigned char>(0xE0 | c >> 12);
            *p++ = static_cast<unsigned char>(0x80 | (c >> 6 & 0x3F));
        } else {
            *p++ = static_cast<unsigned char>(0xF0 | c >> 18);
            *p++ = static_cast<unsigned char>(0x80 | (c >> 12 & 0x3F));
            *p++ = static_cast<unsigned char>(0x80 | (c >> 6 & 0x3F));
        }
        *p++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
    }
    out.resize(static_cast<std::size_t>(reinterpret_cast<char*>(p) - out.data()));
}
