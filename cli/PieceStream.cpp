#include "cli/PieceStream.h"

#include <vector>

void ConvertStream(TDirectTable& table, const TReadFn& read, const TWriteFn& write, std::size_t pieceSize) {
    if (pieceSize == 0)
        pieceSize = 1;
    // One spare byte for the lead byte a piece may end with.
    std::vector<char> in(pieceSize + 1), out;
    std::size_t held = 0;
    for (;;) {
        const std::size_t got = read(in.data() + held, pieceSize);
        const std::size_t size = held + got;
        const TPieceResult piece = table.Convert(in.data(), size, got == 0, out);
        if (piece.Written > 0)
            write(out.data(), piece.Written);
        held = size - piece.Consumed;
        if (held > 0)
            in[0] = in[piece.Consumed];
        if (got == 0)
            return;
    }
}
