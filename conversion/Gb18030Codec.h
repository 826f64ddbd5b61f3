#pragma once
// GB18030: ASCII, the two-byte codes, and the four-byte forms of the rest of the BMP (by runs) and of the
// supplementary planes (linear from 90 30 81 30), so every Unicode scalar value has a code.
// Portable: no windows.h.

#include "conversion/DoubleByteCodec.h"

class TGb18030Codec : public TDoubleByteCodec {
public:
    TGb18030Codec();
    std::size_t MaxBytes() const override { return 4; }

protected:
    // A four-byte start whose third or fourth byte does not fit is one invalid byte (the digits after it
    // decode as ASCII); a whole four-byte form without a character is one invalid sequence.
    TOtherForm DecodeOther(const unsigned char* in, std::size_t size, bool atEnd, char32_t& c) const override;
    std::size_t EncodeOther(char32_t c, unsigned char* p) const override;

private:
    // The four-byte form's index (from 81 30 81 30) of a BMP code point without a two-byte code, and back.
    static std::uint32_t LinearOf(char32_t c);
    static char32_t CodePointOf(std::uint32_t linear);
};
