#pragma once
// Cuts a text into pieces the way a stream reader meets it, and feeds a piecewise converter with them.

#include "fuzz/FuzzInput.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// Piece sizes from a seed the fuzzer chooses: mostly a few units, so every character and phrase boundary
// gets cut somewhere, now and then empty or long.
class TPieceCuts {
public:
    explicit TPieceCuts(std::uint32_t seed) : State(seed | 1) {}
    std::size_t Next();

private:
    std::uint32_t State;
};

// A copy of text in a buffer of exactly its size, so AddressSanitizer sees a read past the end.
template <class TChar> std::unique_ptr<TChar[]> ExactCopy(const std::basic_string<TChar>& text) {
    std::unique_ptr<TChar[]> copy(new TChar[text.size()]);
    std::copy(text.begin(), text.end(), copy.get());
    return copy;
}

// Feeds text to convert(data, size, atEnd, out) in the pieces cuts gives, passing what each call leaves
// undecided again at the start of the next, as a stream reader does. The undecided rest must stay within
// maxCarry units (memory stays flat), and at the end everything must be decided.
template <class TChar, class TConvert>
std::basic_string<TChar> ConvertInPieces(const std::basic_string<TChar>& text, TPieceCuts& cuts,
                                         std::size_t maxCarry, TConvert convert) {
    std::basic_string<TChar> out, pending;
    std::size_t at = 0;
    for (;;) {
        const std::size_t piece = std::min(cuts.Next(), text.size() - at);
        pending.append(text, at, piece);
        at += piece;
        const bool atEnd = at == text.size();
        const std::size_t decided = convert(ExactCopy(pending).get(), pending.size(), atEnd, out);
        FUZZ_CHECK(decided <= pending.size());
        FUZZ_CHECK(!atEnd || decided == pending.size());
        pending.erase(0, decided);
        FUZZ_CHECK(pending.size() <= maxCarry);
        if (atEnd)
            return out;
    }
}
