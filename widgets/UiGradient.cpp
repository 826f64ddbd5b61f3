#include "widgets/UiGradient.h"

#include "toolkit/Bitmap.h"
#include "widgets/ColorOps.h"

#include <algorithm>

void FillVerticalGradient(TCanvas& canvas, const RECT& rect, TColor start, TColor stop) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w < 1 || h < 1)
        return;
    const TColor s = ColorToRGB(start), t = ColorToRGB(stop);
    TBitmap image(w, h, pfDevice);
    TCanvas& c = image.Canvas();
    const int strip = std::min(w, 8);
    // Neighbouring rows of one colour share one fill.
    for (int y = 0; y < h;) {
        const TColor colour = GradientRow(s, t, h, y);
        int end = y + 1;
        while (end < h && GradientRow(s, t, h, end) == colour)
            ++end;
        c.FillRect(RECT{0, y, strip, end}, colour);
        y = end;
    }
    for (int done = strip; done < w; done *= 2) {
        const int part = std::min(done, w - done);
        c.CopyRect(RECT{done, 0, done + part, h}, c, RECT{0, 0, part, h});
    }
    canvas.Draw(rect.left, rect.top, image);
}
