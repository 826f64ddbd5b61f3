#include "chrome/NearestStretch.h"

#include <algorithm>

int32_t NearestSource(int32_t dst, int32_t srcLen, int32_t dstLen) {
    if (srcLen <= 0 || dstLen <= 0)
        return 0;
    // The centre of the destination pixel mapped back; a centre exactly on a border takes the left pixel.
    const int64_t pos = ((2 * int64_t(dst) + 1) * srcLen - 1) / (2 * int64_t(dstLen));
    return static_cast<int32_t>(std::min<int64_t>(pos, srcLen - 1));
}

void StretchCopy(const PixelImage& src, const IntRect& s, PixelImage& dst, const IntRect& d) {
    for (int32_t y = 0; y < d.Height(); ++y) {
        const int32_t sy = s.top + NearestSource(y, s.Height(), d.Height());
        for (int32_t x = 0; x < d.Width(); ++x)
            dst.Set(d.left + x, d.top + y, src.At(s.left + NearestSource(x, s.Width(), d.Width()), sy));
    }
}
