#pragma once
#include "chrome/PixelImage.h"

#include <cstdint>

// Nearest-pixel stretching as the system's stretch mode COLORONCOLOR does it: whole rows and columns are
// repeated or dropped, never blended. Used to check what the system drew without a device context.

// The source index (0..srcLen-1) that destination index dst (0..dstLen-1) takes: the pixel under the centre
// of the destination pixel, rounded down on a tie. This is what the system does when it enlarges or copies
// one to one; how it drops pixels when shrinking differs between the axes and is not modelled here.
int32_t NearestSource(int32_t dst, int32_t srcLen, int32_t dstLen);

// Copies src's rectangle onto dst's rectangle, scaled with NearestSource on each axis.
void StretchCopy(const PixelImage& src, const IntRect& srcRect, PixelImage& dst, const IntRect& dstRect);
