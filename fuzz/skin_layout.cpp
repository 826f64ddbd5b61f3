// The skin's nine-slice layout for any window size: the pieces tile the area exactly, read only inside the
// skin, and painting them leaves no pixel unpainted. Input: the area's size, then the painting's size.

#include "chrome/SkinLayout.h"
#include "chrome/SkinReference.h"
#include "fuzz/FuzzInput.h"

#include <climits>

namespace {

bool Inside(const IntRect& r, int32_t width, int32_t height) {
    return r.left >= 0 && r.top >= 0 && r.left <= r.right && r.top <= r.bottom && r.right <= width &&
           r.bottom <= height;
}

bool Overlap(const IntRect& a, const IntRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFuzzInput input(data, size);
    // Any size the corners and bands fit into, up to the largest int.
    const int32_t width = kSkinMinWidth + static_cast<int32_t>(input.Word() % (INT_MAX - kSkinMinWidth + 1u));
    const int32_t height =
        kSkinMinHeight + static_cast<int32_t>(input.Word() % (INT_MAX - kSkinMinHeight + 1u));
    const auto pieces = SkinPieces(kSkinWidth, kSkinHeight, width, height);
    int64_t area = 0;
    for (int i = 0; i < kSkinPieceCount; ++i) {
        const SkinPiece& piece = pieces[i];
        FUZZ_CHECK(Inside(piece.dest, width, height));
        FUZZ_CHECK(Inside(piece.source, kSkinWidth, kSkinHeight));
        FUZZ_CHECK(piece.Staged() || (piece.source.Width() == piece.dest.Width() &&
                                      piece.source.Height() == piece.dest.Height()));
        area += int64_t{piece.dest.Width()} * piece.dest.Height();
        for (int j = 0; j < i; ++j)
            FUZZ_CHECK(!Overlap(piece.dest, pieces[j].dest));
    }
    FUZZ_CHECK(area == int64_t{width} * height);

    // Painted in memory at a size that stays quick: every pixel comes from the skin.
    const int32_t paintWidth = kSkinMinWidth + input.Byte() % 200,
                  paintHeight = kSkinMinHeight + input.Byte() % 200;
    constexpr uint32_t kUnpainted = 0x01020304;
    PixelImage skin(kSkinWidth, kSkinHeight, 0xFF000000);
    PixelImage canvas(paintWidth, paintHeight, kUnpainted);
    PaintSkinReference(canvas, skin, paintWidth, paintHeight);
    for (int32_t y = 0; y < paintHeight; ++y)
        for (int32_t x = 0; x < paintWidth; ++x)
            FUZZ_CHECK(canvas.At(x, y) == 0xFF000000);
    return 0;
}
