#include "chrome/SkinPainter.h"

#include "chrome/SkinLayout.h"
#include "chrome/UnitFace.h"
#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Canvas.h"
#include "toolkit/Form.h"
#include "toolkit/GdiObject.h"
#include "toolkit/Image.h"

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

void BuildSkin(TForm& form, TImage& fs) {
    if (!FrmFace)
        FrmFace = new TFrmFace(Application);
    // The client size of the live window: the window exists from here on, still hidden.
    form.HandleNeeded();
    const int32_t width = form.ClientWidth(), height = form.ClientHeight();
    TBitmap& surface = fs.Picture();
    surface.SetPixelFormat(pfDevice);
    surface.SetWidth(width);
    surface.SetHeight(height);
    // One column short: the last column keeps the fresh bitmap's white.
    DrawSkin(surface.Canvas(), FrmFace->ImageFace->Picture(), SkinPaintWidth(width), height);
    fs.PictureChanged();

    const IntRect bounds{fs.Left(), fs.Top(), fs.Left() + fs.Width(), fs.Top() + fs.Height()};
    const RoundRectArgs a = WindowOutlineArgs(bounds);
    GdiRegion outline =
        GdiRegion::RoundRect(a.left, a.top, a.right, a.bottom, a.ellipseWidth, a.ellipseHeight);
    if (!outline)
        return; // no region: the window stays rectangular
    HRGN region = outline.Release();
    // The system owns the region from here on; if it refuses it, the region comes back to be deleted.
    if (!SetWindowRgn(form.Handle(), region, TRUE))
        GdiRegion reclaimed(region);
}
