#pragma once
// GB18030: ASCII, the two-byte codes, and the four-byte forms of the rest of the BMP (by runs) and of the
// supplementary planes (linear from 90 30 81 30), so every Unicode scalar value has a code.
// Portable: no windows.h.

#include "conversion/Codec.h"

class TGb18030Codec : public TCodec {
public:
    // Invalid sequences follow the two-byte code pages' rule; a four-byte start whose third or fourth byte
    // does not fit is one invalid byte (the digits after it decode as ASCII); a whole four-byte form
    // without a character is one invalid sequence.
    TDecodeStep Decode(const unsigned char* in, std::size_t size, bool atEnd, char32_t* out) const override;
    void Encode(const char32_t* in, std::size_t size, std::string& out, std::uint64_t& noForm) const override;
    std::size_t MaxBytes() const override { return 4; }

private:
    // The four-byte form's index (from 81 30 81 30) of a BMP code point without a two-byte code, and back.
    static std::uint32_t LinearOf(char32_t c);
    static char32_t CodePointOf(std::uint32_t linear);
};
