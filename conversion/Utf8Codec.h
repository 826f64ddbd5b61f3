#pragma once
// UTF-8, strict: overlong forms, surrogates and values above U+10FFFF are invalid, and each maximal
// invalid subpart is one invalid sequence, as the Unicode standard recommends. Portable: no windows.h.

#include "conversion/Codec.h"

class TUtf8Codec : public TCodec {
public:
    TDecodeStep Decode(const unsigned char* in, std::size_t size, bool atEnd, char32_t* out) const override;
    // Code points that are no Unicode scalar value (none of the decoders makes one) become U+FFFD, counted.
    void Encode(const char32_t* in, std::size_t size, std::string& out, std::uint64_t& noForm) const override;
    std::size_t MaxBytes() const override { return 4; }

    // How many of the bytes at in form the start of a well-formed sequence (1 to 4), and whether they are a
    // whole character; 0 for a byte that starts none. size is at least 1.
    static std::size_t ValidPrefix(const unsigned char* in, std::size_t size, bool& whole);
};
