#pragma once
#include "chrome/PixelImage.h"

#include <cstdint>

// The nine-slice skin paint done in memory, piece by piece as the window painter does it through the
// system (staging copy, then a nearest-pixel stretch). What the window shows must equal this pixel for pixel.
void PaintSkinReference(PixelImage& canvas, const PixelImage& skin, int32_t width, int32_t height);
