#include "conversion/PhraseEngine.h"

#include <algorithm>

namespace {

// How far before a phrase its block may start: words reach back from it, and words cross those.
constexpr std::size_t LeftReach = TPhraseConverter::Window / 2;
constexpr std::uint32_t Unreached = 0xFFFFFFFFu;

} // namespace

TPhraseConverter::TPhraseConverter(TConversionId id, TSegmentation segmentation)
    : Lookup(id), Segmentation(segmentation), Stride(Lookup.MaxLength() + 1) {}

std::size_t TPhraseConverter::Convert(const char32_t* in, std::size_t size, bool atEnd, std::u32string& out) {
    if (Segmentation == TSegmentation::LongestMatch)
        return ConvertLongest(in, size, atEnd, out);
    // Every code point is mapped on its own straight into out as the scan passes it; where a phrase starts,
    // out goes back to its block's start and takes the block's conversion instead. Until then out holds
    // one code point per code point: written is where in[done] goes.
    std::size_t written = out.size();
    out.resize(written + size);
    // A phrase at i decides text up to i + Window; without the end in sight, look no further.
    const std::size_t limit = atEnd ? size : size > Window ? size - Window : 0;
    std::size_t done = 0, i = 0;
    while (i < limit) {
        // Most code points map on their own; the run stops short of the last so that each has a successor.
        i = done + Lookup.MapRun(in + done, i - done, std::min(limit, size - 1) - done, &out[written]);
        if (i == limit)
            break;
        const char32_t c = in[i];
        char32_t& mapped = out[written + (i - done)];
        if (!Lookup.MayStart(c)) {
            mapped = Lookup.MapChar(c);
            ++i;
            continue;
        }
        const char32_t next = i + 1 < size ? Lookup.Normalize(in[i + 1]) : 0;
        if (!Lookup.MayStart(Lookup.Normalize(c), next) ||
            Lookup.LongestPhrase(in + i, std::min<std::size_t>(size - i, PhraseData.MaxKey)).Length == 0) {
            const char32_t to = Lookup.MapChar(c);
            mapped = to != 0 ? to : c;
            ++i;
            continue;
        }
        const TBlock block = FindBlock(in, size, done, i);
        Scratch.clear();
        ConvertBlock(in, block, Scratch);
        written += block.Left - done;
        // A phrase may be longer than its key (埠 -> 端口): make room for the rest at one per code point.
        if (written + Scratch.size() + (size - block.Right) > out.size())
            out.resize(written + Scratch.size() + (size - block.Right));
        std::copy(Scratch.begin(), Scratch.end(), out.begin() + static_cast<std::ptrdiff_t>(written));
        written += Scratch.size();
        done = i = block.Right;
    }
    // A block found later starts at most LeftReach before its phrase, which starts at i or after.
    const std::size_t decided = atEnd ? size : std::max(done, i > LeftReach ? i - LeftReach : 0);
    out.resize(written + (decided - done));
    return decided;
}

std::size_t TPhraseConverter::ConvertLongest(const char32_t* in, std::size_t size, bool atEnd,
                                             std::u32string& out) {
    // The same scan as Convert's, with the longest phrase taken wherever one starts.
    const std::size_t maxKey = PhraseData.MaxKey;
    const std::size_t limit = atEnd ? size : size > maxKey ? size - maxKey : 0;
    std::size_t written = out.size(); // where in[i] goes; out has room for one code point per code point
    out.resize(written + size);
    std::size_t i = 0;
    while (i < limit) {
        const std::size_t run = Lookup.MapRun(in + i, 0, std::min(limit, size - 1) - i, &out[written]);
        i += run;
        written += run;
        if (i == limit)
            break;
        const char32_t next = i + 1 < size ? Lookup.Normalize(in[i + 1]) : 0;
        if (Lookup.MayStart(Lookup.Normalize(in[i]), next)) {
            const TPhraseMatch match = Lookup.LongestPhrase(in + i, std::min(size - i, maxKey));
            if (match.Length > 0) {
                const std::size_t room = written + match.ValueLength + (size - i - match.Length);
                if (room > out.size())
                    out.resize(room);
                std::copy(match.Value, match.Value + match.ValueLength,
                          out.begin() + static_cast<std::ptrdiff_t>(written));
                written += match.ValueLength;
                i += match.Length;
                continue;
            }
        }
        const char32_t to = Lookup.MapChar(in[i]);
        out[written++] = to != 0 ? to : in[i];
        ++i;
    }
    out.resize(written);
    return i;
}

TPhraseConverter::TBlock TPhraseConverter::FindBlock(const char32_t* in, std::size_t size, std::size_t clamp,
                                                     std::size_t at) {
    Text = in;
    Base = std::max(clamp, at > LeftReach ? at - LeftReach : 0);
    Upper = std::min(size, at + Window);
    Reaches.assign(Upper - Base, 0);
    Costs.resize((Upper - Base) * Stride);

    // Move the left end back while a word crosses it.
    const std::size_t span = Lookup.MaxLength() - 1;
    std::size_t left = at;
    for (bool moved = true; moved;) {
        moved = false;
        for (std::size_t j = std::max(Base, left > span ? left - span : 0); j < left; ++j) {
            if (j + Lookup.StartLength(in[j]) > left && Reach(j) > left) {
                left = j;
                moved = true;
                break;
            }
        }
    }
    // Move the right end on while a word crosses it, up to Window code points in all.
    const std::size_t cap = std::min(Upper, left + Window);
    std::size_t right = std::min(cap, Reach(at));
    for (std::size_t j = left; j < right; ++j)
        right = std::max(right, std::min(cap, Reach(j)));
    return {left, right};
}

std::size_t TPhraseConverter::Reach(std::size_t i) {
    std::size_t& reach = Reaches[i - Base];
    if (reach == 0)
        reach = i + Lookup.Costs(Text + i, Upper - i, &Costs[(i - Base) * Stride]);
    return reach;
}

void TPhraseConverter::ConvertBlock(const char32_t* in, TBlock block, std::u32string& out) {
    // The cheapest path of words through the block (Viterbi); every character is a word at worst.
    const std::size_t n = block.Right - block.Left;
    Best.assign(n + 1, Unreached);
    From.assign(n + 1, 0);
    Best[0] = 0;
    for (std::size_t p = 0; p < n; ++p) {
        const std::size_t at = block.Left + p;
        const std::size_t longest = std::min(Reach(at), block.Right) - at;
        const std::uint32_t* costs = &Costs[(at - Base) * Stride];
        for (std::size_t length = 1; length <= longest; ++length) {
            if (costs[length] == 0xFFFF)
                continue;
            const std::uint32_t cost = Best[p] + costs[length];
            if (cost < Best[p + length]) {
                Best[p + length] = cost;
                From[p + length] = p;
            }
        }
    }
    // The words from the end back, then converted front to back.
    Ends.clear();
    for (std::size_t q = n; q > 0; q = From[q])
        Ends.push_back(q);
    std::size_t from = block.Left;
    for (auto end = Ends.rbegin(); end != Ends.rend(); ++end) {
        ConvertSegment(in, from, block.Left + *end, out);
        from = block.Left + *end;
    }
}

void TPhraseConverter::ConvertSegment(const char32_t* in, std::size_t from, std::size_t to,
                                      std::u32string& out) {
    // Within one word, the longest phrase at each position.
    while (from < to) {
        const TPhraseMatch match = Lookup.LongestPhrase(in + from, to - from);
        if (match.Length > 0) {
            out.append(match.Value, match.ValueLength);
            from += match.Length;
        } else {
            const char32_t to = Lookup.MapChar(in[from]);
            out.push_back(to != 0 ? to : in[from]);
            ++from;
        }
    }
}
