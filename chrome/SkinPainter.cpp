#include "chrome/SkinPainter.h"

#include "chrome/SkinLayout.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Canvas.h"

namespace {

RECT ToRect(const IntRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

} // namespace

void DrawSkin(TCanvas& canvas, TBitmap& skin, int32_t width, int32_t height) {
    // One staging bitmap for all pieces; as a local it goes on every path, also when a step throws.
    TBitmap stage;
    for (const SkinPiece& piece : SkinPieces(skin.Width(), skin.Height(), width, height)) {
        if (!piece.Staged()) {
            canvas.CopyRect(ToRect(piece.dest), skin.Canvas(), ToRect(piece.source));
            continue;
        }
        stage.SetSize(piece.stageWidth, piece.stageHeight);
        stage.Canvas().CopyRect(RECT{0, 0, piece.stageWidth, piece.stageHeight}, skin.Canvas(),
                                ToRect(piece.source));
        canvas.SetStretchMode(COLORONCOLOR);
        canvas.StretchDraw(ToRect(piece.dest), stage);
    }
}
