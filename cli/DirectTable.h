#pragma once
// The command line's fast path: a direct table from each character of the source code page (a single
// byte, or a lead byte with the byte after it) to the bytes the step-by-step conversion makes of it.
// An entry is filled the first time its character occurs, by a filler that runs the step path on that one
// character, so a run costs a look-up per character (or per two plain single bytes) and one step conversion
// per distinct character.
// Portable: no windows.h; the filler that calls the system lives apart.

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

// What the step path makes of one character.
struct TUnitResult {
    std::string Bytes;
    bool Joined = true;     // for a pair: the decoder reads lead and trail as one character
    bool NoForm = false;    // the character has no code in the target code page
    bool Malformed = false; // the bytes form no character of the source code page, and are lost
};

class TUnitFiller {
public:
    virtual ~TUnitFiller() = default;
    virtual bool IsLead(unsigned char b) = 0;
    // A byte alone; for a lead byte, as it stands at the end of a run.
    virtual TUnitResult Single(unsigned char b) = 0;
    // A lead byte and the (non-NUL) byte after it.
    virtual TUnitResult Pair(unsigned char lead, unsigned char trail) = 0;
};

struct TUnitCounts {
    std::uint64_t NoForm = 0;
    std::uint64_t Malformed = 0;
};

struct TPieceResult {
    std::size_t Consumed; // input bytes converted
    std::size_t Written;  // output bytes at the start of the output buffer
};

class TDirectTable {
public:
    explicit TDirectTable(TUnitFiller& filler);

    // Converts the complete characters of in[0, size) into out (grown as needed; its size is not the
    // output length). Only a lead byte at the very end is left over, and only when more input may follow.
    // NUL bytes are copied through and end a run: each run converts as the whole text would on its own.
    TPieceResult Convert(const char* in, std::size_t size, bool atEnd, std::vector<char>& out);

    // Characters converted so far without a form in the target code page, and malformed ones.
    const TUnitCounts& Counts() const { return UnitCounts; }

private:
    std::uint32_t FillSingle(unsigned char b);
    std::uint32_t FillPair(unsigned char lead, unsigned char trail);
    std::uint32_t Encode(const TUnitResult& result, std::uint32_t key);
    std::uint32_t Compose(unsigned char b0, unsigned char b1) const;
    struct TSlowStep {
        std::size_t Taken; // input bytes; 0 for a lead byte whose trail is in the next piece
        std::size_t At;    // the output position after it
    };
    TSlowStep ConvertOne(const unsigned char* in, std::size_t left, bool atEnd, std::vector<char>& out,
                         std::size_t at);
    std::size_t Emit(std::uint32_t entry, std::uint32_t key, std::vector<char>& out, std::size_t at);

    TUnitFiller& Filler;
    bool Lead[256];
    std::uint32_t SingleEntries[256];
    std::vector<std::uint32_t> PairEntries;                     // lead << 8 | trail
    std::vector<std::uint32_t> StepEntries;                     // the two bytes at a position, first lowest
    std::unordered_map<std::uint32_t, std::string> LongOutputs; // entries of more than three bytes
    TUnitCounts UnitCounts;
};
