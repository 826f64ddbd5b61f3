#include "conversion/PhraseEngine.h"

#include <algorithm>

namespace {

// How far before a phrase its block may start: words reach back from it, and words cross those.
constexpr std::size_t LeftReach = TPhraseConverter::Window / 2;
constexpr std::uint32_t Unreached = 0xFFFFFFFFu;

} // namespace

TPhraseConverter::TPhraseConverter(TConversionId id, TSegmentation segmentation)
    : Lookup(id), Segmentation(segmentation), Cost(Lookup.MaxLength() + 1) {}

std::size_t TPhraseConverter::Convert(const char32_t* in, std::size_t size, bool atEnd, std::u32string& out) {
    if (Segmentation == TSegmentation::LongestMatch)
        return ConvertLongest(in, size, atEnd, out);
    // A phrase at i decides text up to i + Window; without the end in sight, look no further.
    const std::size_t limit = atEnd ? size : size > Window ? size - Window : 0;
    std::size_t done = 0, i = 0;
    while (i < limit) {
        const char32_t next = i + 1 < size ? Lookup.Normalize(in[i + 1]) : 0;
        if (!Lookup.MayStart(Lookup.Normalize(in[i]), next) || !PhraseAt(in, size, i)) {
            ++i;
            continue;
        }
        const TBlock block = FindBlock(in, size, done, i);
        MapRun(in, done, block.Left, out);
        ConvertBlock(in, block, out);
        done = i = block.Right;
    }
    // A block found later starts at most LeftReach before its phrase, which starts at i or after.
    const std::size_t decided = atEnd ? size : std::max(done, i > LeftReach ? i - LeftReach : 0);
    MapRun(in, done, decided, out);
    return decided;
}

std::size_t TPhraseConverter::ConvertLongest(const char32_t* in, std::size_t size, bool atEnd,
                                             std::u32string& out) {
    const std::size_t maxKey = PhraseData.MaxKey;
    const std::size_t limit = atEnd ? size : size > maxKey ? size - maxKey : 0;
    char32_t text[64];
    std::size_t i = 0;
    while (i < limit) {
        const char32_t next = i + 1 < size ? Lookup.Normalize(in[i + 1]) : 0;
        if (Lookup.MayStart(Lookup.Normalize(in[i]), next)) {
            const std::size_t n = std::min(size - i, maxKey);
            for (std::size_t k = 0; k < n; ++k)
                text[k] = Lookup.Normalize(in[i + k]);
            const TPhraseMatch match = Lookup.LongestPhrase(text, n);
            if (match.Length > 0) {
                out.append(match.Value, match.ValueLength);
                i += match.Length;
                continue;
            }
        }
        MapRun(in, i, i + 1, out);
        ++i;
    }
    return i;
}

bool TPhraseConverter::PhraseAt(const char32_t* in, std::size_t size, std::size_t i) {
    char32_t text[64];
    const std::size_t n = std::min<std::size_t>(size - i, PhraseData.MaxKey);
    for (std::size_t k = 0; k < n; ++k)
        text[k] = Lookup.Normalize(in[i + k]);
    return Lookup.LongestPhrase(text, n).Length > 0;
}

TPhraseConverter::TBlock TPhraseConverter::FindBlock(const char32_t* in, std::size_t size, std::size_t clamp,
                                                     std::size_t at) {
    Base = std::max(clamp, at > LeftReach ? at - LeftReach : 0);
    const std::size_t upper = std::min(size, at + Window);
    Text.resize(upper - Base);
    for (std::size_t k = Base; k < upper; ++k)
        Text[k - Base] = Lookup.Normalize(in[k]);
    Reaches.assign(upper - Base, 0);

    // Move the left end back while a word crosses it.
    const std::size_t span = Lookup.MaxLength() - 1;
    std::size_t left = at;
    for (bool moved = true; moved;) {
        moved = false;
        for (std::size_t j = std::max(Base, left > span ? left - span : 0); j < left; ++j) {
            if (Reach(j) > left) {
                left = j;
                moved = true;
                break;
            }
        }
    }
    // Move the right end on while a word crosses it, up to Window code points in all.
    const std::size_t cap = std::min(upper, left + Window);
    std::size_t right = std::min(cap, Reach(at));
    for (std::size_t j = left; j < right; ++j)
        right = std::max(right, std::min(cap, Reach(j)));
    return {left, right};
}

std::size_t TPhraseConverter::Reach(std::size_t i) {
    std::size_t& reach = Reaches[i - Base];
    if (reach == 0)
        reach = i + Lookup.Costs(&Text[i - Base], Text.size() - (i - Base), Cost.data());
    return reach;
}

void TPhraseConverter::ConvertBlock(const char32_t* in, TBlock block, std::u32string& out) {
    // The cheapest path of words through the block (Viterbi); every character is a word at worst.
    const std::size_t n = block.Right - block.Left;
    Best.assign(n + 1, Unreached);
    From.assign(n + 1, 0);
    Best[0] = 0;
    for (std::size_t p = 0; p < n; ++p) {
        const std::size_t longest = Lookup.Costs(&Text[block.Left - Base + p], n - p, Cost.data());
        for (std::size_t length = 1; length <= longest; ++length) {
            if (Cost[length] == 0xFFFF)
                continue;
            const std::uint32_t cost = Best[p] + Cost[length];
            if (cost < Best[p + length]) {
                Best[p + length] = cost;
                From[p + length] = p;
            }
        }
    }
    // The words from the end back, then converted front to back.
    std::vector<std::size_t> ends;
    for (std::size_t q = n; q > 0; q = From[q])
        ends.push_back(q);
    std::size_t from = block.Left;
    for (auto end = ends.rbegin(); end != ends.rend(); ++end) {
        ConvertSegment(in, from, block.Left + *end, out);
        from = block.Left + *end;
    }
}

void TPhraseConverter::ConvertSegment(const char32_t* in, std::size_t from, std::size_t to, std::u32string& out) {
    // Within one word, the longest phrase at each position.
    while (from < to) {
        const TPhraseMatch match = Lookup.LongestPhrase(&Text[from - Base], to - from);
        if (match.Length > 0) {
            out.append(match.Value, match.ValueLength);
            from += match.Length;
        } else {
            MapRun(in, from, from + 1, out);
            ++from;
        }
    }
}

void TPhraseConverter::MapRun(const char32_t* in, std::size_t from, std::size_t to, std::u32string& out) const {
    const std::size_t start = out.size();
    out.resize(start + (to - from));
    char32_t* target = &out[start];
    for (std::size_t k = from; k < to; ++k) {
        const char32_t mapped = Lookup.MapChar(in[k]);
        // 0: a phrase on its own, which only a block converts; never left for here, but stay whole.
        *target++ = mapped != 0 ? mapped : in[k];
    }
}
