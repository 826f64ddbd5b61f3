#include "chrome/SkinReference.h"

#include "chrome/NearestStretch.h"
#include "chrome/SkinLayout.h"

void PaintSkinReference(PixelImage& canvas, const PixelImage& skin, int32_t width, int32_t height) {
    for (const SkinPiece& piece : SkinPieces(skin.Width(), skin.Height(), width, height)) {
        if (!piece.Staged()) {
            StretchCopy(skin, piece.source, canvas, piece.dest);
            continue;
        }
        PixelImage stage(piece.stageWidth, piece.stageHeight);
        const IntRect whole{0, 0, piece.stageWidth, piece.stageHeight};
        StretchCopy(skin, piece.source, stage, whole);
        StretchCopy(stage, whole, canvas, piece.dest);
    }
}
