#include "cli/DirectTable.h"

#include <cstring>

namespace {

// An entry: the output's length and flags in the low byte, up to three output bytes above it.
constexpr std::uint32_t LengthMask = 0x3;
constexpr std::uint32_t Filled = 0x4;
constexpr std::uint32_t Joined = 0x8;
constexpr std::uint32_t NoForm = 0x10;
constexpr std::uint32_t Malformed = 0x20;
constexpr std::uint32_t Long = 0x40;
constexpr std::uint32_t Rare = NoForm | Malformed | Long;

// A step entry: what the two bytes at a position make, one character or two plain single bytes at once, laid
// out as a character entry (up to three output bytes) with Two set when both bytes are taken. Steps that
// would make more than three bytes are left to the slow way.
constexpr std::uint32_t Composed = Filled;
constexpr std::uint32_t Two = Joined;

constexpr bool Plain(std::uint32_t entry) {
    return (entry & (Filled | Rare)) == Filled;
}

// Keys of the long-output map: singles below 0x100, pairs above.
constexpr std::uint32_t SingleKey(unsigned char b) {
    return b;
}
constexpr std::uint32_t PairKey(unsigned char lead, unsigned char trail) {
    return 0x10000u | static_cast<std::uint32_t>(lead) << 8 | trail;
}

} // namespace

TDirectTable::TDirectTable(TUnitFiller& filler)
    : Filler(filler), PairEntries(0x10000, 0), StepEntries(0x10000, 0) {
    for (int b = 0; b < 256; ++b) {
        Lead[b] = b != 0 && Filler.IsLead(static_cast<unsigned char>(b));
        SingleEntries[b] = 0;
    }
    // A NUL ends the run before it and is copied: it is never the step path's to convert.
    SingleEntries[0] = Filled | 1;
}

std::uint32_t TDirectTable::Encode(const TUnitResult& result, std::uint32_t key) {
    std::uint32_t entry = Filled | (result.Joined ? Joined : 0) | (result.NoForm ? NoForm : 0) |
                          (result.Malformed ? Malformed : 0);
    if (result.Bytes.size() > 3) {
        LongOutputs[key] = result.Bytes;
        return entry | Long;
    }
    entry |= static_cast<std::uint32_t>(result.Bytes.size());
    for (std::size_t i = 0; i < result.Bytes.size(); ++i)
        entry |= static_cast<std::uint32_t>(static_cast<unsigned char>(result.Bytes[i])) << (8 * (i + 1));
    return entry;
}

std::uint32_t TDirectTable::FillSingle(unsigned char b) {
    return SingleEntries[b] = Encode(Filler.Single(b), SingleKey(b));
}

std::uint32_t TDirectTable::FillPair(unsigned char lead, unsigned char trail) {
    std::uint32_t& entry = PairEntries[static_cast<std::size_t>(lead) << 8 | trail];
    if (trail == 0) {
        entry = Filled; // not joined: the lead byte ends its run
        return entry;
    }
    TUnitResult result = Filler.Pair(lead, trail);
    if (!result.Joined)
        result = TUnitResult{{}, false};
    return entry = Encode(result, PairKey(lead, trail));
}

// The rare entries: counted, and long outputs copied from the side map.
std::size_t TDirectTable::Emit(std::uint32_t entry, std::uint32_t key, std::vector<char>& out,
                               std::size_t at) {
    if (entry & NoForm)
        ++UnitCounts.NoForm;
    if (entry & Malformed)
        ++UnitCounts.Malformed;
    if (!(entry & Long)) {
        for (std::uint32_t i = 0; i < (entry & LengthMask); ++i)
            out[at + i] = static_cast<char>(entry >> (8 * (i + 1)));
        return at + (entry & LengthMask);
    }
    const std::string& bytes = LongOutputs[key];
    // Keep the three bytes of slack per remaining input byte that the caller sized for.
    out.resize(out.size() + bytes.size());
    std::memcpy(out.data() + at, bytes.data(), bytes.size());
    return at + bytes.size();
}

// One character the slow way: filling entries, lone lead bytes, counted and long entries.
TDirectTable::TSlowStep TDirectTable::ConvertOne(const unsigned char* in, std::size_t left, bool atEnd,
                                                 std::vector<char>& out, std::size_t at) {
    const unsigned char b = in[0];
    std::uint32_t entry, key = SingleKey(b);
    std::size_t taken = 1;
    if (!Lead[b] || (left == 1 && atEnd)) {
        entry = SingleEntries[b];
        if (!(entry & Filled))
            entry = FillSingle(b);
    } else if (left == 1) {
        return {0, at};
    } else {
        entry = PairEntries[static_cast<std::size_t>(b) << 8 | in[1]];
        if (!(entry & Filled))
            entry = FillPair(b, in[1]);
        if (entry & Joined) {
            key = PairKey(b, in[1]);
            taken = 2;
        } else {
            entry = SingleEntries[b];
            if (!(entry & Filled))
                entry = FillSingle(b);
        }
    }
    return {taken, Emit(entry, key, out, at)};
}

// The step entry of two bytes from the character entries already filled; 0 while one is missing, or rare
// (counted, or long), which the slow way handles every time. Kept out of line: the loop needs its registers.
#if defined(__GNUC__)
__attribute__((noinline))
#endif
std::uint32_t
TDirectTable::Compose(unsigned char b0, unsigned char b1) const {
    std::uint32_t first, second = 0;
    if (Lead[b0]) {
        const std::uint32_t pair = PairEntries[static_cast<std::size_t>(b0) << 8 | b1];
        if (!(pair & Filled))
            return 0;
        first = (pair & Joined) ? pair : SingleEntries[b0];
        if (!Plain(first))
            return 0;
        return (first & ~Joined) | (pair & Joined ? Two : 0);
    }
    first = SingleEntries[b0];
    if (!Plain(first))
        return 0;
    second = SingleEntries[b1];
    if (Lead[b1] || !Plain(second) || (first & LengthMask) + (second & LengthMask) > 3)
        return first & ~Joined;
    const std::uint32_t length = first & LengthMask;
    return ((first & 0xFFFFFF00u) | (second & 0xFFFFFF00u) << (8 * length)) |
           (length + (second & LengthMask)) | Composed | Two;
}

// The advance by one or two bytes stays a branch: predicted, it lets the next look-up start before this one
// has loaded, where the branch-free form GCC would choose chains every look-up to the last.
#if defined(__GNUC__) && !defined(__clang__)
__attribute__((optimize("no-if-conversion", "no-if-conversion2")))
#endif
TPieceResult
TDirectTable::Convert(const char* in, std::size_t size, bool atEnd, std::vector<char>& out) {
    // At most three output bytes per input byte, stored as four bytes of which the last may be overwritten
    // by the next store.
    if (out.size() < 3 * size + 8)
        out.resize(3 * size + 8);
    const auto* begin = reinterpret_cast<const unsigned char*>(in);
    const unsigned char* p = begin;
    const unsigned char* const end = begin + size;
    // Locals, so the stores through char pointers do not make the compiler reload them.
    std::uint32_t* const steps = StepEntries.data();
    char* o = out.data();
    std::size_t at = 0;
    // Two bytes at a time, one look-up for a character or two plain single bytes. Bytes and entries are
    // read and stored as little-endian words (x86): the first byte lowest.
    while (end - p > 1) {
        std::uint16_t key;
        std::memcpy(&key, p, 2);
        std::uint32_t step = steps[key];
        if (!(step & Composed)) {
            step = Compose(p[0], p[1]);
            if (step == 0) {
                const TSlowStep slow = ConvertOne(p, static_cast<std::size_t>(end - p), atEnd, out, at);
                p += slow.Taken;
                at = slow.At;
                o = out.data(); // a long entry may have grown the buffer
                continue;
            }
            steps[key] = step;
        }
        const std::uint32_t bytes = step >> 8;
        std::memcpy(o + at, &bytes, 4);
        at += step & LengthMask;
        if (step & Two)
            p += 2;
        else
            ++p;
    }
    // The last byte: a lead byte waits for its trail unless the input ends here.
    if (p < end) {
        const TSlowStep slow = ConvertOne(p, 1, atEnd, out, at);
        p += slow.Taken;
        at = slow.At;
    }
    return {static_cast<std::size_t>(p - begin), at};
}
