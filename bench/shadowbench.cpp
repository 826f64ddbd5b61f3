// Prints how long the shadow's pixel work takes at the main window's size: the blur and the alpha step on
// a 745 x 518 image (the 713 x 486 window plus 16 pixels on every side).
#include "chrome/ShadowLogic.h"
#include "chrome/ShadowPixels.h"

#include <chrono>
#include <cstdio>

int main() {
    const int32_t w = ShadowExtent(713), h = ShadowExtent(486);
    const IntRect outline{kShadowMargin, kShadowMargin, kShadowMargin + 713, kShadowMargin + 486};
    PixelImage img(w, h);
    constexpr int kRuns = 50;
    using Clock = std::chrono::steady_clock;
    Clock::duration blur{}, alpha{};
    uint32_t check = 0;
    for (int i = 0; i < kRuns; ++i) {
        img.Fill({0, 0, w, h}, PackBgra(0, 0, 0));
        img.Fill(outline, PackBgra(255, 255, 255));
        const auto t0 = Clock::now();
        BlurShadow(img.View());
        const auto t1 = Clock::now();
        img.Fill(outline, PackBgra(0, 0, 0));
        const auto t2 = Clock::now();
        PremultiplyShadow(img.View(), 0, 0, 0);
        const auto t3 = Clock::now();
        blur += t1 - t0;
        alpha += t3 - t2;
        check += img.At(w / 2, h - 1);
    }
    const auto ms = [](Clock::duration d) {
        return std::chrono::duration<double, std::milli>(d).count() / kRuns;
    };
    std::printf("shadow pixels %dx%d: blur %.3f ms, alpha %.3f ms, together %.3f ms per rebuild (%d runs, "
                "check %u)\n",
                w, h, ms(blur), ms(alpha), ms(blur + alpha), kRuns, check);
    return 0;
}
