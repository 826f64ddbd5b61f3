#include "conversion/PhraseLookup.h"

#include <algorithm>
#include <iterator>
#include <mutex>

namespace {

// A phrase that jieba does not list as a word costs as much as a word of frequency about 50 in its
// 60 million: less likely than a common word, more than a rare one, so a phrase holds unless the
// text reads better as other words around it.
constexpr std::uint32_t PhraseCost = 900;

// The child of node under c in a breadth-first trie, or 0.
template <class Char>
std::uint32_t Child(const Char* chars, const std::uint32_t* first, const std::uint32_t* root,
                    std::uint32_t node, char32_t c) {
    if (node == 0 && c - RootFirst < RootEnd - RootFirst)
        return root[c - RootFirst];
    // A binary search without branches on the data: the children of one node are too many to predict.
    const Char* base = chars + first[node];
    std::size_t n = first[node + 1] - first[node];
    if (n == 0)
        return 0;
    while (n > 1) {
        const std::size_t half = n / 2;
        base = char32_t(base[half]) <= c ? base + half : base;
        n -= half;
    }
    return char32_t(*base) == c ? static_cast<std::uint32_t>(base - chars) : 0;
}

// The value of a sorted (from, to) pair list for c, or fallback.
char32_t FindPair(const char32_t* pairs, std::size_t count, char32_t c, char32_t fallback) {
    std::size_t low = 0, high = count;
    while (low < high) {
        const std::size_t mid = (low + high) / 2;
        if (pairs[2 * mid] < c)
            low = mid + 1;
        else
            high = mid;
    }
    return low < count && pairs[2 * low] == c ? pairs[2 * low + 1] : fallback;
}

} // namespace

// Built on first use from the generated tables (a fraction of a millisecond), then shared by every thread.
const std::uint32_t* TPhraseLookup::BuildFastTable(const TPhraseLookup& lookup) {
    auto* table = new std::uint32_t[0x10000];
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        const char32_t to = lookup.MapChar(c);
        std::uint32_t entry = to <= 0xFFFF ? to : 0;
        if (lookup.Conversion.StartBits[c >> 5] >> (c & 31) & 1)
            entry |= FastStart;
        if ((to == 0 && c != 0) || to > 0xFFFF || lookup.Normalize(c) != c)
            entry |= FastAlways;
        table[c] = entry;
    }
    return table;
}

TPhraseLookup::TPhraseLookup(TConversionId id)
    : Conversion(PhraseData.Conversions[static_cast<int>(id)]),
      Mask(static_cast<std::uint16_t>(1u << static_cast<int>(id))),
      // The window's modes keep every character of code page 936 as it is, compatibility ideographs too.
      Normalizes(static_cast<int>(id) >= 4), MaxLen(std::max(PhraseData.MaxKey, PhraseData.MaxWord)) {
    static std::once_flag built[std::size(PhraseData.Conversions)];
    static const std::uint32_t* tables[std::size(PhraseData.Conversions)];
    const int index = static_cast<int>(id);
    std::call_once(built[index], [&] { tables[index] = BuildFastTable(*this); });
    FastTable = tables[index];
}

char32_t TPhraseLookup::MapException(char32_t c) const {
    return FindPair(Conversion.Chars.Exceptions, Conversion.Chars.ExceptionCount, c, c);
}

char32_t TPhraseLookup::NormalException(char32_t c) const {
    return FindPair(PhraseData.Normal, PhraseData.NormalCount, c, c);
}

char16_t TPhraseLookup::Fold(char32_t c) const {
    if (c > 0xFFFF)
        return 0; // no word has one
    const std::uint16_t page = PhraseData.Fold.PageIndex[c >> 8];
    return page == 0xFFFF ? static_cast<char16_t>(c) : PhraseData.Fold.Pages[page * 256u + (c & 0xFF)];
}

TPhraseMatch TPhraseLookup::LongestPhrase(const char32_t* text, std::size_t size) const {
    const TPhraseKeys& keys = PhraseData.Keys;
    TPhraseMatch match;
    std::uint32_t node = 0;
    for (std::size_t i = 0; i < size && i < PhraseData.MaxKey; ++i) {
        node = Child(keys.Char, keys.First, keys.Root, node, Normalize(text[i]));
        if (node == 0)
            break;
        for (std::uint32_t v = keys.ValueFirst[node]; v < keys.ValueFirst[node + 1]; ++v) {
            if (keys.ValueMask[v] & Mask) {
                const char32_t* value = keys.Pool + keys.ValueOffset[v];
                match = {i + 1, value + 1, static_cast<std::size_t>(value[0])};
                break;
            }
        }
    }
    return match;
}

std::size_t TPhraseLookup::Costs(const char32_t* text, std::size_t size, std::uint32_t* cost) const {
    const std::size_t limit = std::min(size, MaxLen);
    std::fill(cost + 1, cost + limit + 1, 0xFFFFu);
    std::size_t longest = 1;
    const TWordTrie& words = PhraseData.Words;
    std::uint32_t node = 0;
    for (std::size_t i = 0; i < limit && i < PhraseData.MaxWord; ++i) {
        const char16_t folded = Fold(Normalize(text[i]));
        node = folded ? Child(words.Char, words.First, words.Root, node, folded) : 0;
        if (node == 0)
            break;
        if (words.Cost[node] != 0xFFFF) {
            cost[i + 1] = words.Cost[node];
            longest = i + 1;
        }
    }
    // Most positions start no phrase of this conversion, as the pair filter tells without a walk.
    const char32_t next = limit > 1 ? Normalize(text[1]) : 0;
    const TPhraseKeys& keys = PhraseData.Keys;
    node = 0;
    for (std::size_t i = 0; i < limit && i < PhraseData.MaxKey && MayStart(Normalize(text[0]), next); ++i) {
        node = Child(keys.Char, keys.First, keys.Root, node, Normalize(text[i]));
        if (node == 0)
            break;
        for (std::uint32_t v = keys.ValueFirst[node]; v < keys.ValueFirst[node + 1]; ++v) {
            if ((keys.ValueMask[v] & Mask) && cost[i + 1] == 0xFFFF) {
                cost[i + 1] = PhraseCost;
                longest = std::max(longest, i + 1);
            }
        }
    }
    if (cost[1] == 0xFFFF)
        cost[1] = PhraseData.UnknownCost;
    return longest;
}
