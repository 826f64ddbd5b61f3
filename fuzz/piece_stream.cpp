// The command line's direct table and piece reader: over a model code page whose filler makes every kind
// of entry, any text read in any pieces gives what converting it character by character gives, and each
// character is filled once. Input: model seed, piece size, read pattern seed, then the text.

#include "cli/PieceStream.h"
#include "fuzz/PieceCuts.h"

#include <algorithm>
#include <map>

namespace {

std::uint32_t Mix(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    return x ^ (x >> 16);
}

// A code page drawn from the seed: which bytes lead, which pairs join, and outputs of 0-6 bytes (so short,
// long and empty entries all occur), some without a form or malformed.
class TModelFiller : public TUnitFiller {
public:
    explicit TModelFiller(std::uint32_t seed) : Seed(seed) {}

    bool IsLead(unsigned char b) override {
        return b >= 0x81 && (Seed & 1 ? b != 0xFF : Mix(Seed ^ b) % 3 == 0);
    }
    TUnitResult Single(unsigned char b) override {
        FUZZ_CHECK(++Fills[b] == 1);
        return Unit(Mix(Seed + b));
    }
    TUnitResult Pair(unsigned char lead, unsigned char trail) override {
        FUZZ_CHECK(trail != 0 && ++Fills[0x10000u | lead << 8 | trail] == 1);
        TUnitResult result = Unit(Mix(Seed ^ (0x10000u | lead << 8 | trail)));
        result.Joined = Mix(Seed * 3 + (lead << 8 | trail)) % 4 != 0;
        return result;
    }

private:
    static TUnitResult Unit(std::uint32_t h) {
        TUnitResult result;
        for (std::uint32_t i = 0, n = h % 7; i < n; ++i)
            result.Bytes.push_back(static_cast<char>(Mix(h + i)));
        result.NoForm = (h >> 8) % 11 == 0;
        result.Malformed = (h >> 12) % 13 == 0;
        return result;
    }

    std::uint32_t Seed;
    std::map<std::uint32_t, int> Fills;
};

// The conversion the table stands for: character by character, NUL copied, a pair the filler does not
// join taken as its lead byte alone.
std::string Expected(TUnitFiller& filler, const std::string& text, TUnitCounts& counts) {
    std::string out;
    const auto add = [&](const TUnitResult& unit) {
        out += unit.Bytes;
        counts.NoForm += unit.NoForm;
        counts.Malformed += unit.Malformed;
    };
    std::map<std::uint32_t, TUnitResult> seen; // the filler answers once per character
    const auto unit = [&](std::uint32_t key, auto fill) {
        auto found = seen.find(key);
        return found != seen.end() ? found->second : seen[key] = fill();
    };
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b != 0 && filler.IsLead(b) && i + 1 < text.size() && text[i + 1] != 0) {
            const auto t = static_cast<unsigned char>(text[i + 1]);
            const TUnitResult pair = unit(0x10000u | b << 8 | t, [&] { return filler.Pair(b, t); });
            if (pair.Joined) {
                add(pair);
                i += 2;
                continue;
            }
        }
        if (b == 0)
            out += '\0';
        else
            add(unit(b, [&] { return filler.Single(b); }));
        ++i;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFuzzInput input(data, size);
    const std::uint32_t seed = input.Word();
    const std::size_t pieceSize = input.Byte() % 40;
    TPieceCuts reads(input.Word());
    const std::string text = input.Rest();

    TModelFiller model(seed);
    TUnitCounts expectedCounts;
    const std::string expected = Expected(model, text, expectedCounts);

    TModelFiller filler(seed);
    TDirectTable table(filler);
    std::string out;
    std::size_t at = 0;
    ConvertStream(
        table,
        [&](char* buffer, std::size_t room) {
            // A reader may return less than asked, never more.
            const std::size_t n = std::min({room, text.size() - at, reads.Next() + 1});
            text.copy(buffer, n, at);
            at += n;
            return n;
        },
        [&](const char* bytes, std::size_t n) { out.append(bytes, n); }, pieceSize);
    FUZZ_CHECK(out == expected);
    FUZZ_CHECK(table.Counts().NoForm == expectedCounts.NoForm);
    FUZZ_CHECK(table.Counts().Malformed == expectedCounts.Malformed);
    return 0;
}
