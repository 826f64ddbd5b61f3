#pragma once
// A double-byte encoding from the generated tables of CodecTables.h: single bytes and lead-trail pairs
// (code page 936: GBK; 950: BIG5), with room for forms beyond the pairs (GB18030's four-byte forms).
// Portable: no windows.h.

#include "conversion/Codec.h"

class TDoubleByteCodec : public TCodec {
public:
    // otherForms: the encoding has forms beyond the pairs (DecodeOther and EncodeOther are asked).
    TDoubleByteCodec(const std::uint16_t* decode, const std::uint16_t* encode, bool otherForms = false);

    // A lead byte whose pair is no character is one invalid byte when the second is ASCII (decoded next,
    // so a line end is never swallowed), else the two are one invalid sequence.
    TDecodeStep Decode(const unsigned char* in, std::size_t size, bool atEnd, char32_t* out) const override;
    void Encode(const char32_t* in, std::size_t size, std::string& out, std::uint64_t& noForm) const override;
    std::size_t MaxBytes() const override { return 2; }

protected:
    // What a lead byte whose pair is no character of the table starts.
    struct TOtherForm {
        std::size_t Taken = 0;   // bytes of a character, decoded into c
        std::size_t Invalid = 0; // else: an invalid sequence of this length (0: the pair rule above)
        bool Cut = false;        // else: a form the end cuts, waiting for more bytes
    };
    virtual TOtherForm DecodeOther(const unsigned char*, std::size_t, bool, char32_t&) const { return {}; }
    // Writes the bytes of a code point without a code in the table at p and returns how many; 0: none.
    virtual std::size_t EncodeOther(char32_t, unsigned char*) const { return 0; }

private:
    const std::uint16_t* DecodeTable;
    const std::uint16_t* EncodeTable;
    bool OtherForms;
};
