#pragma once
// Helpers of the command line's tests: the step path over a whole stream, and the fast path's output.

#include "cli/DirectTable.h"
#include "conversion/CH_Functions.h"

#include <string>
#include <vector>

// What the window's conversion makes of a stream: each run between NUL bytes converted whole, the NULs
// copied.
inline std::string StepStream(int mode, const std::string& text) {
    std::string result;
    std::size_t start = 0;
    for (;;) {
        const std::size_t nul = text.find('\0', start);
        result += ConversionModes[mode].Convert(text.substr(start, nul - start));
        if (nul == std::string::npos)
            return result;
        result += '\0';
        start = nul + 1;
    }
}

// The fast path over the whole text, in one piece or in two cut at the given position.
inline std::string FastStream(TDirectTable& table, const std::string& text,
                              std::size_t cut = std::string::npos) {
    std::vector<char> out;
    if (cut >= text.size()) {
        const TPieceResult piece = table.Convert(text.data(), text.size(), true, out);
        return std::string(out.data(), piece.Written);
    }
    const TPieceResult first = table.Convert(text.data(), cut, false, out);
    std::string result(out.data(), first.Written);
    const std::string rest = text.substr(first.Consumed);
    const TPieceResult second = table.Convert(rest.data(), rest.size(), true, out);
    return result.append(out.data(), second.Written);
}

inline std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char b : bytes) {
        hex += digits[b >> 4];
        hex += digits[b & 15];
        hex += ' ';
    }
    return hex;
}
