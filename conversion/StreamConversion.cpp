// TStreamConversion (declared in TextConversion.h): decode, the phrase converter, encode, piece by piece.
#include "conversion/Codec.h"
#include "conversion/PhraseEngine.h"
#include "conversion/TextConversion.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Input is decoded this many bytes at a time, whatever the caller's piece size, so memory stays flat.
constexpr std::size_t ChunkBytes = 64 * 1024;

const char Utf8Bom[] = "\xEF\xBB\xBF";

} // namespace

struct TStreamConversion::TState {
    TState(TConversionId id, TEncoding from, TEncoding to, std::uint64_t startOffset)
        : From(CodecFor(from)), To(CodecFor(to)), Converter(id), FromUtf8(from == TEncoding::Utf8),
          ToUtf8(to == TEncoding::Utf8), AtStart(startOffset == 0), Offset(startOffset) {
        // Invalid input becomes U+FFFD where the target has it, else "?" (not counted as a missing form).
        std::uint64_t none = 0;
        To.Encode(&ReplacementCharacter, 1, Replacement, none);
        if (none != 0)
            Replacement = "?";
    }

    // Converts the code points decoded so far; with atEnd the converter decides them all.
    void Flush(bool atEnd, std::string& out) {
        const std::size_t decided = Converter.Convert(Decoded.data(), DecodedSize, atEnd, Converted);
        To.Encode(Converted.data(), Converted.size(), out, Counts.NoForm);
        Converted.clear();
        std::copy(Decoded.begin() + static_cast<std::ptrdiff_t>(decided),
                  Decoded.begin() + static_cast<std::ptrdiff_t>(DecodedSize), Decoded.begin());
        DecodedSize -= decided;
    }

    const TCodec& From;
    const TCodec& To;
    TPhraseConverter Converter;
    const bool FromUtf8, ToUtf8;
    bool AtStart;
    std::uint64_t Offset; // of the next input byte in the whole input
    std::string Replacement;
    std::vector<char32_t> Decoded; // the converter's undecided code points, then the newly decoded ones
    std::size_t DecodedSize = 0;
    std::u32string Converted;
    TConversionCounts Counts;
};

TStreamConversion::TStreamConversion(TConversionId id, TEncoding from, TEncoding to,
                                     std::uint64_t startOffset)
    : State(new TState(id, from, to, startOffset)) {}

TStreamConversion::~TStreamConversion() {
    delete State;
}

std::size_t TStreamConversion::Convert(const char* in, std::size_t size, bool atEnd, std::string& out) {
    TState& s = *State;
    std::size_t pos = 0;
    if (s.AtStart && s.FromUtf8) {
        const std::size_t have = std::min<std::size_t>(size, 3);
        const bool bomSoFar = have == 0 || std::memcmp(in, Utf8Bom, have) == 0;
        if (bomSoFar && have < 3 && !atEnd)
            return 0; // too few bytes to tell
        if (bomSoFar && have == 3) {
            pos = 3;
            s.Offset += 3;
            if (s.ToUtf8)
                out += Utf8Bom;
        }
    }
    s.AtStart = false;

    const auto* bytes = reinterpret_cast<const unsigned char*>(in);
    for (;;) {
        const std::size_t chunk = std::min(size - pos, ChunkBytes);
        const bool lastChunk = pos + chunk == size;
        if (s.Decoded.size() < s.DecodedSize + chunk)
            s.Decoded.resize(s.DecodedSize + chunk);
        const TDecodeStep step =
            s.From.Decode(bytes + pos, chunk, atEnd && lastChunk, s.Decoded.data() + s.DecodedSize);
        s.DecodedSize += step.Written;
        pos += step.Consumed;
        s.Offset += step.Consumed;
        if (step.Invalid != 0) {
            // An invalid sequence ends what the converter sees as one text, in any cut of the input alike.
            s.Flush(true, out);
            if (s.Counts.Invalid++ == 0)
                s.Counts.FirstInvalidOffset = s.Offset;
            out += s.Replacement;
            pos += step.Invalid;
            s.Offset += step.Invalid;
            continue;
        }
        // Short of the last chunk, a character the chunk's end cuts starts the next chunk.
        s.Flush(atEnd && pos == size, out);
        if (lastChunk)
            return pos;
    }
}

const TConversionCounts& TStreamConversion::Counts() const {
    return State->Counts;
}
