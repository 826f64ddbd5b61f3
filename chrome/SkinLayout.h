#pragma once
#include "chrome/IntRect.h"

#include <array>
#include <cstdint>

// The nine-slice layout of the window skin: which part of the skin bitmap goes where on the window.
// Pure geometry, so the painter and its tests share one table.

// The skin bitmap the fixed numbers below were drawn for.
constexpr int32_t kSkinWidth = 100;
constexpr int32_t kSkinHeight = 50;

// The rounding of the window outline: a 13 x 13 corner ellipse.
constexpr int32_t kWindowCornerEllipse = 13;

struct SkinPiece {
    IntRect source;
    // Size of the staging bitmap the source is first copied onto; 0 x 0 for a corner, which is copied
    // straight.
    int32_t stageWidth = 0;
    int32_t stageHeight = 0;
    IntRect dest;

    constexpr bool Staged() const { return stageWidth > 0 && stageHeight > 0; }
};

constexpr int kSkinPieceCount = 9;

// The pieces in painting order: four corners and the title band first, then the edges and the centre.
// width and height bound the painted area (pixels 0..width-1, 0..height-1).
std::array<SkinPiece, kSkinPieceCount> SkinPieces(int32_t skinWidth, int32_t skinHeight, int32_t width,
                                                  int32_t height);

// The smallest area the fixed-size corners and bands fit into.
constexpr int32_t kSkinMinWidth = 40;
constexpr int32_t kSkinMinHeight = 38;

struct RoundRectArgs {
    int32_t left, top, right, bottom, ellipseWidth, ellipseHeight;
};

// The window's rounded outline from the skin image's bounds. Only left and top move in by one: the painted
// top and left outline fall outside the window, while right and bottom are taken as they are.
RoundRectArgs WindowOutlineArgs(const IntRect& imageBounds);

// The width handed to the painter for a client area: one short, so the last column keeps its white.
constexpr int32_t SkinPaintWidth(int32_t clientWidth) {
    return clientWidth - 1;
}
