#include "fuzz/PieceCuts.h"

std::size_t TPieceCuts::Next() {
    // xorshift32: cheap, and the same cuts for the same seed.
    State ^= State << 13;
    State ^= State >> 17;
    State ^= State << 5;
    switch (State & 7) {
    case 0:
        return 0;
    case 1:
        return State >> 3 & 0x3FF;
    default:
        return 1 + (State >> 3 & 7);
    }
}
