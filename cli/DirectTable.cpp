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

// Keys of the long-output map: singles below 0x100, pairs above.
constexpr std::uint32_t SingleKey(unsigned char b) {
    return b;
}
constexpr std::uint32_t PairKey(unsigned char lead, unsigned char trail) {
    return 0x10000u | static_cast<std::uint32_t>(lead) << 8 | trail;
}

} // namespace

TDirectTable::TDirectTable(TUnitFiller& filler) : Filler(filler), PairEntries(0x10000, 0) {
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

// One character the slow way: filling entries, lone lead bytes, counted and long entries. Returns the input
// bytes taken, 0 for a lead byte whose trail is in the next piece.
std::size_t TDirectTable::ConvertOne(const unsigned char* in, std::size_t left, bool atEnd,
                                     std::vector<char>& out, std::size_t& at) {
    const unsigned char b = in[0];
    std::uint32_t entry, key = SingleKey(b);
    std::size_t taken = 1;
    if (!Lead[b] || (left == 1 && atEnd)) {
        entry = SingleEntries[b];
        if (!(entry & Filled))
            entry = FillSingle(b);
    } else if (left == 1) {
        return 0;
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
    at = Emit(entry, key, out, at);
    return taken;
}

TPieceResult TDirectTable::Convert(const char* in, std::size_t size, bool atEnd, std::vector<char>& out) {
    // Every short entry writes at most three bytes per input byte, as four bytes of which the last may be
    // overwritten by the next.
    if (out.size() < 3 * size + 4)
        out.resize(3 * size + 4);
    const auto* begin = reinterpret_cast<const unsigned char*>(in);
    const unsigned char* p = begin;
    const unsigned char* const end = begin + size;
    // Locals, so the stores through char pointers do not make the compiler reload the tables.
    const std::uint32_t* const singles = SingleEntries;
    const std::uint32_t* const pairs = PairEntries.data();
    const bool* const lead = Lead;
    char* o = out.data();
    std::size_t at = 0;
    while (p < end) {
        // The common cases: a filled single byte, or a filled pair of a lead and its trail. An entry's bytes
        // are stored as one little-endian word (x86), its first output byte lowest.
        const unsigned char b = *p;
        if (!lead[b]) {
            const std::uint32_t entry = singles[b];
            if ((entry & (Filled | Rare)) == Filled) {
                const std::uint32_t bytes = entry >> 8;
                std::memcpy(o + at, &bytes, 4);
                at += entry & LengthMask;
                ++p;
                continue;
            }
        } else if (end - p > 1) {
            const std::uint32_t entry = pairs[static_cast<std::size_t>(b) << 8 | p[1]];
            if ((entry & (Filled | Joined | Rare)) == (Filled | Joined)) {
                const std::uint32_t bytes = entry >> 8;
                std::memcpy(o + at, &bytes, 4);
                at += entry & LengthMask;
                p += 2;
                continue;
            }
        }
        const std::size_t taken = ConvertOne(p, static_cast<std::size_t>(end - p), atEnd, out, at);
        if (taken == 0)
            break; // the trail byte is in the next piece
        p += taken;
        o = out.data(); // a long entry may have grown the buffer
    }
    return {static_cast<std::size_t>(p - begin), at};
}
