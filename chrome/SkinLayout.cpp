#include "chrome/SkinLayout.h"

std::array<SkinPiece, kSkinPieceCount> SkinPieces(int32_t sw, int32_t sh, int32_t w, int32_t h) {
    // Fixed numbers stay fixed at any size; only the terms with the sizes follow them. The title band's
    // source (columns 21..80) is narrower than its staging bitmap, so that piece stretches twice.
    return {{
        {{0, 0, 20, 28}, 0, 0, {0, 0, 20, 28}},                              // top-left corner
        {{sw - 20, 0, sw, 28}, 0, 0, {w - 20, 0, w, 28}},                    // top-right corner
        {{21, 0, 81, 28}, 80, 28, {20, 0, w - 20, 28}},                      // title band
        {{0, sh - 10, 10, sh}, 0, 0, {0, h - 10, 10, h}},                    // bottom-left corner
        {{sw - 10, sh - 10, sw, sh}, 0, 0, {w - 10, h - 10, w, h}},          // bottom-right corner
        {{0, 28, 10, 40}, 10, 12, {0, 28, 10, h - 10}},                      // left edge
        {{sw - 10, 28, sw, 40}, 10, 12, {w - 10, 28, w, h - 10}},            // right edge
        {{10, sh - 10, sw - 10, sh}, sw - 20, 10, {10, h - 10, w - 10, h}},  // bottom edge
        {{10, 28, sw - 10, sh - 10}, sw - 20, 12, {10, 28, w - 10, h - 10}}, // centre
    }};
}

RoundRectArgs WindowOutlineArgs(const IntRect& b) {
    return {b.left + 1, b.top + 1, b.right, b.bottom, kWindowCornerEllipse, kWindowCornerEllipse};
}
