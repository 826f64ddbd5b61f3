#pragma once
#include "chrome/PixelImage.h"

#include <array>
#include <cstdint>

// The shadow image's pixel work: the blur that softens the white outline and the step that turns the grey
// result into premultiplied per-pixel alpha. Both run directly on the bitmap's memory.

// [i][j] = i * j / 255, truncated: the premultiplication as one lookup per channel.
using AlphaMulTableType = std::array<std::array<uint8_t, 256>, 256>;
extern const AlphaMulTableType AlphaMulTable;

// One pass at distance d, in place: each colour byte becomes the mean (sum >> 2) of the same byte at the
// four diagonal neighbours d away, coordinates clamped to the image. Rows run top to bottom and pixels left
// to right, so the row above has already been blurred by this pass and the row below has not; that is what
// makes the shadow short above an outline and long below it. Alpha bytes are left alone.
void BlurPass(const PixelView& image, int32_t d);

// The three passes at distances 1, 2 and 3.
void BlurShadow(const PixelView& image);

// Alpha takes the blue byte (the image is grey, so blue carries the density); then each colour byte becomes
// the shadow colour's channel premultiplied by that alpha.
void PremultiplyShadow(const PixelView& image, uint8_t red, uint8_t green, uint8_t blue);
