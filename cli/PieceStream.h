#pragma once
// Converts a byte stream of any size in pieces: each piece is read into the space after the lead byte the
// last one may have left over, its complete characters are converted and written, and memory stays at a
// few pieces whatever the size. Portable: the reading and writing are the caller's.

#include "cli/DirectTable.h"

#include <cstddef>
#include <functional>

// Fills up to size bytes; returns how many, 0 at the end of the input.
using TReadFn = std::function<std::size_t(char* data, std::size_t size)>;
using TWriteFn = std::function<void(const char* data, std::size_t size)>;

constexpr std::size_t DefaultPieceSize = 1 << 20;

void ConvertStream(TDirectTable& table, const TReadFn& read, const TWriteFn& write,
                   std::size_t pieceSize = DefaultPieceSize);
