// The drop shadow's geometry and pixels for any size: the rebuild plan and placement for any form, and the
// blur and premultiplication on images of any shape and row padding. Input: the form and image sizes, the
// image shape, the shadow colour, then pixel bytes (repeated to fill the image).

#include "chrome/ShadowLogic.h"
#include "chrome/ShadowPixels.h"
#include "fuzz/FuzzInput.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace {

// Positions as the window system gives them: well inside the int range.
int32_t Position(std::uint32_t word) {
    return static_cast<int32_t>(word % (1u << 31)) - (1 << 30);
}

void CheckPlan(TFuzzInput& input) {
    ShadowRebuildInput in;
    in.imageWidth = static_cast<int32_t>(input.Word() & INT_MAX);
    in.imageHeight = static_cast<int32_t>(input.Word() & INT_MAX);
    in.formWidth = static_cast<int32_t>(input.Word() & INT_MAX);
    in.formHeight = static_cast<int32_t>(input.Word() & INT_MAX);
    const std::uint8_t flags = input.Byte();
    in.transparentColor = flags & 1;
    in.transparentColorValue = flags >> 1 & 1;
    in.rememberedKey = flags >> 2 & 1;
    in.stale = flags >> 3 & 1;
    const ShadowRebuildPlan plan = PlanShadowRebuild(in);
    // The image is the form and a margin on every side, as far as an int reaches.
    const auto extent = [](int32_t form) {
        return std::min<int64_t>(int64_t{form} + 2 * kShadowMargin, INT_MAX);
    };
    const bool sizeChanged = in.imageWidth != extent(in.formWidth) || in.imageHeight != extent(in.formHeight);
    FUZZ_CHECK(plan.resize == sizeChanged);
    FUZZ_CHECK(!plan.resize || (plan.width == extent(in.formWidth) && plan.height == extent(in.formHeight)));
    const bool keyChanged = in.transparentColor && in.transparentColorValue != in.rememberedKey;
    FUZZ_CHECK(plan.build == (in.stale || sizeChanged || keyChanged));

    const int32_t x = Position(input.Word()), y = Position(input.Word());
    const ShadowPoint origin = ShadowOrigin(x, y, 0);
    FUZZ_CHECK(origin.x == x - kShadowMargin && origin.y == y - kShadowMargin);
}

// Blurs a image of the chosen shape and checks what no pass may do: touch alpha or the row padding, or
// leave a colour byte outside the range that channel had.
void CheckPixels(TFuzzInput& input) {
    const int32_t width = input.Byte() % 80, height = input.Byte() % 80, padding = input.Pick(3) * 4;
    const std::uint8_t red = input.Byte(), green = input.Byte(), blue = input.Byte();
    const std::string bytes = input.Rest();
    const int32_t stride = width * 4 + padding;
    std::vector<std::uint8_t> memory(static_cast<std::size_t>(stride) * height);
    for (std::size_t i = 0; i < memory.size(); ++i)
        memory[i] = bytes.empty() ? 0 : static_cast<std::uint8_t>(bytes[i % bytes.size()]);
    const std::vector<std::uint8_t> before = memory;
    const PixelView view{memory.data(), width, height, stride};

    BlurShadow(view);
    for (int c = 0; c < 4; ++c) {
        std::uint8_t lo = 255, hi = 0;
        for (int32_t y = 0; y < height; ++y)
            for (int32_t x = 0; x < width; ++x) {
                lo = std::min(lo, before[y * stride + x * 4 + c]);
                hi = std::max(hi, before[y * stride + x * 4 + c]);
            }
        for (int32_t y = 0; y < height; ++y)
            for (int32_t x = 0; x < width; ++x) {
                const std::uint8_t v = memory[y * stride + x * 4 + c];
                FUZZ_CHECK(c == 3 ? v == before[y * stride + x * 4 + c] : v >= lo && v <= hi);
            }
    }
    for (int32_t y = 0; y < height; ++y)
        FUZZ_CHECK(std::equal(memory.begin() + y * stride + width * 4, memory.begin() + (y + 1) * stride,
                              before.begin() + y * stride + width * 4));

    // Premultiplied: alpha is the density (the blue byte), no colour byte exceeds it.
    const std::vector<std::uint8_t> blurred = memory;
    PremultiplyShadow(view, red, green, blue);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            const std::uint8_t* p = &memory[y * stride + x * 4];
            const std::uint8_t alpha = blurred[y * stride + x * 4];
            FUZZ_CHECK(p[3] == alpha && p[0] == alpha * blue / 255 && p[1] == alpha * green / 255 &&
                       p[2] == alpha * red / 255);
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFuzzInput input(data, size);
    CheckPlan(input);
    CheckPixels(input);
    return 0;
}
