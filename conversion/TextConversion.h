#pragma once
// Conversions of whole texts between encodings, through the phrase-aware converter: the window's four
// modes and the regional conversions, each read from and written to GB (code page 936), GB18030, BIG5
// (code page 950) or UTF-8 bytes, in pieces of any size. Portable: no windows.h.

#include <cstddef>
#include <cstdint>
#include <string>

// In the window's mode order first (0-3), then the regional conversions.
enum class TConversionId { S2T, T2S, B2S, S2B, S2TW, TW2S, S2TWP, TW2SP, S2HK, HK2S };

// "s2t", "t2s", "b2s", "s2b" (or "0"-"3"), "s2tw", "tw2s", "s2twp", "tw2sp", "s2hk", "hk2s".
bool ParseConversionName(const std::string& name, TConversionId& id);
const char* ConversionName(TConversionId id);

enum class TEncoding { Gb, Gb18030, Big5, Utf8 };

// "gb", "gb18030", "big5", "utf-8" (also "utf8").
bool ParseEncodingName(const std::string& name, TEncoding& encoding);
const char* EncodingName(TEncoding encoding);

// A conversion's encodings when none is named: the window's modes read and write what the window does
// (s2t and t2s GB to GB, b2s BIG5 to GB, s2b GB to BIG5), the regional conversions UTF-8 to UTF-8.
TEncoding DefaultSourceEncoding(TConversionId id);
TEncoding DefaultTargetEncoding(TConversionId id);

// What a conversion lost on the way, by kind.
struct TConversionCounts {
    std::uint64_t Invalid = 0;                     // byte sequences no character of the source encoding
    std::uint64_t FirstInvalidOffset = UINT64_MAX; // the input byte offset of the first of them
    std::uint64_t NoForm = 0;                      // characters the target encoding has no code for
};

// Converts a stream of bytes in pieces. Each call converts what it can decide and returns how many
// input bytes it took; the rest (a character cut by the piece's end) must be passed again at the start of
// the next call. A phrase still undecided is taken and kept until the text after it decides it (a bounded
// number of characters). With atEnd everything is converted. Any cut of the input into pieces gives the
// same bytes as the whole. Invalid input becomes U+FFFD where the target has it (UTF-8, GB18030), "?"
// elsewhere (GB, BIG5), one per invalid sequence, counted; characters the target lacks become "?", counted.
// A UTF-8 byte-order mark at the start is kept when the output is UTF-8 and dropped otherwise.
class TStreamConversion {
public:
    // startOffset: where in the whole input this stream starts (0: at the beginning, where a byte-order
    // mark may stand); it is added to the offsets the counts report.
    TStreamConversion(TConversionId id, TEncoding from, TEncoding to, std::uint64_t startOffset = 0);
    ~TStreamConversion();
    TStreamConversion(const TStreamConversion&) = delete;
    TStreamConversion& operator=(const TStreamConversion&) = delete;

    std::size_t Convert(const char* in, std::size_t size, bool atEnd, std::string& out);
    const TConversionCounts& Counts() const;

private:
    struct TState;
    TState* State;
};

// The encoding of a text from its first bytes (at most 64 KB are read): UTF-8 (also for plain ASCII), GB or
// BIG5, and GB18030 for GB text with four-byte forms.
TEncoding DetectEncoding(const char* data, std::size_t size);
