#pragma once
// A byte encoding: decodes bytes to Unicode code points and encodes code points to bytes. The codecs keep
// no state between calls, so one instance per encoding serves every stream. Portable: no windows.h.

#include "conversion/TextConversion.h"

#include <cstddef>
#include <cstdint>
#include <string>

struct TDecodeStep {
    std::size_t Consumed = 0; // bytes decoded
    std::size_t Written = 0;  // code points written for them
    std::size_t Invalid = 0;  // when not 0: the bytes at Consumed start an invalid sequence of this length
};

class TCodec {
public:
    virtual ~TCodec() = default;

    // Decodes in[0, size) into out, which has room for size code points. Stops at the end, before an
    // invalid sequence (the longest start of a character the bytes make, at least one byte: it is
    // replaced as one), or, unless atEnd, before a character the end cuts.
    virtual TDecodeStep Decode(const unsigned char* in, std::size_t size, bool atEnd,
                               char32_t* out) const = 0;

    // Appends the bytes of in[0, size) to out; a code point without a code becomes "?" and is counted.
    virtual void Encode(const char32_t* in, std::size_t size, std::string& out,
                        std::uint64_t& noForm) const = 0;

    // The most bytes one code point encodes to.
    virtual std::size_t MaxBytes() const = 0;
};

const TCodec& CodecFor(TEncoding encoding);

constexpr char32_t ReplacementCharacter = 0xFFFD;
