#pragma once
// A double-byte code page as Windows defines it (936: GBK; 950: BIG5): single bytes and lead-trail pairs,
// from the generated tables of CodecTables.h. Portable: no windows.h.

#include "conversion/Codec.h"

class TDoubleByteCodec : public TCodec {
public:
    TDoubleByteCodec(const std::uint16_t* decode, const std::uint16_t* encode);

    // A lead byte whose pair is no character is one invalid byte when the second is ASCII (decoded next,
    // so a line end is never swallowed), else the two are one invalid sequence.
    TDecodeStep Decode(const unsigned char* in, std::size_t size, bool atEnd, char32_t* out) const override;
    void Encode(const char32_t* in, std::size_t size, std::string& out, std::uint64_t& noForm) const override;
    std::size_t MaxBytes() const override { return 2; }

private:
    const std::uint16_t* DecodeTable;
    const std::uint16_t* EncodeTable;
};
