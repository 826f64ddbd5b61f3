#include "fuzz/EncodingCheck.h"

namespace {

constexpr bool In(unsigned char b, unsigned lo, unsigned hi) {
    return b >= lo && b <= hi;
}

struct TSequence {
    std::size_t Length; // what the first byte announces
    std::size_t Valid;  // how many of the bytes present fit it
};

TSequence Utf8Sequence(const unsigned char* p, std::size_t left) {
    const unsigned char b = p[0];
    if (b < 0x80)
        return {1, 1};
    std::size_t length;
    unsigned lo = 0x80, hi = 0xBF; // the second byte's range, narrower after some leads
    if (In(b, 0xC2, 0xDF))
        length = 2;
    else if (In(b, 0xE0, 0xEF))
        length = 3, lo = b == 0xE0 ? 0xA0 : 0x80, hi = b == 0xED ? 0x9F : 0xBF;
    else if (In(b, 0xF0, 0xF4))
        length = 4, lo = b == 0xF0 ? 0x90 : 0x80, hi = b == 0xF4 ? 0x8F : 0xBF;
    else
        return {1, 0};
    std::size_t valid = 1;
    while (valid < length && valid < left && In(p[valid], valid == 1 ? lo : 0x80, valid == 1 ? hi : 0xBF))
        ++valid;
    return {length, valid};
}

TSequence LegacySequence(TEncoding encoding, const unsigned char* p, std::size_t left) {
    if (!In(p[0], 0x81, 0xFE))
        return {1, 1};
    if (left < 2)
        return {2, 1};
    const unsigned char t = p[1];
    if (encoding == TEncoding::Big5)
        return {2, In(t, 0x40, 0x7E) || In(t, 0xA1, 0xFE) ? 2u : 1u};
    if (In(t, 0x40, 0x7E) || In(t, 0x80, 0xFE))
        return {2, 2};
    if (encoding != TEncoding::Gb18030 || !In(t, 0x30, 0x39))
        return {2, 1};
    // GB18030's four bytes: lead, digit, lead, digit.
    std::size_t valid = 2;
    while (valid < 4 && valid < left && (valid == 2 ? In(p[2], 0x81, 0xFE) : In(p[3], 0x30, 0x39)))
        ++valid;
    return {4, valid};
}

} // namespace

std::size_t FirstMalformed(TEncoding encoding, const std::string& text, bool cutAtEnd) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t left = text.size() - i;
        const TSequence s =
            encoding == TEncoding::Utf8 ? Utf8Sequence(p + i, left) : LegacySequence(encoding, p + i, left);
        if (s.Valid == s.Length)
            i += s.Length;
        else if (cutAtEnd && s.Valid == left)
            return kNoMalformed;
        else
            return i;
    }
    return kNoMalformed;
}

bool WellFormedOutput(TEncoding encoding, const std::string& text) {
    if (FirstMalformed(encoding, text) != kNoMalformed)
        return false;
    // Code pages 936 and 950 give a lone 0xFF a private-use character (U+F8F5, U+F8F8) and write it back;
    // GB18030 has no such byte.
    if (encoding != TEncoding::Gb18030)
        return true;
    // A lead byte 0xFF does not exist, so any 0xFF outside a pair's trail is lone.
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    for (std::size_t i = 0; i < text.size();) {
        if (p[i] == 0xFF)
            return false;
        i += LegacySequence(encoding, p + i, text.size() - i).Length;
    }
    return true;
}

std::u32string DecodeUtf8(const std::string& text) {
    std::u32string out;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    for (std::size_t i = 0; i < text.size();) {
        const TSequence s = Utf8Sequence(p + i, text.size() - i);
        if (s.Valid < s.Length) {
            out.push_back(0xFFFD);
            i += s.Valid > 0 ? s.Valid : 1;
            continue;
        }
        char32_t c = s.Length == 1 ? p[i] : p[i] & (0x7F >> s.Length);
        for (std::size_t k = 1; k < s.Length; ++k)
            c = c << 6 | (p[i + k] & 0x3F);
        out.push_back(c);
        i += s.Length;
    }
    return out;
}
