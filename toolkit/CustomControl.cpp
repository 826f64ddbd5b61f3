#include "toolkit/CustomControl.h"

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::PaintWindow(HDC dc) {
    // The canvas draws in the control's font; the GDI font is made again only after a change.
    const TFont& f = Font();
    if (canvas_.Font.Name() != f.Name() || canvas_.Font.Height() != f.Height() ||
        canvas_.Font.Bold() != f.Bold() || canvas_.Font.Color() != f.Color())
        canvas_.Font.Assign(f);
    HDC previous = canvas_.Handle();
    canvas_.SetHandle(dc);
    try {
        Paint();
    } catch (...) {
        canvas_.SetHandle(previous);
        throw;
    }
    canvas_.SetHandle(previous);
}
