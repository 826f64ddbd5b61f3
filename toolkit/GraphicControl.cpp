#include "toolkit/GraphicControl.h"

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {
    // Windowless controls take their parent's colour unless given their own.
    SetParentColor(true);
}

void TGraphicControl::Invalidate() {
    if (!parent_ || !parent_->HandleAllocated() || !visible_)
        return;
    RECT r = BoundsRect();
    InvalidateRect(parent_->Handle(), &r, TRUE);
}

void TGraphicControl::Update() {
    if (parent_ && parent_->HandleAllocated())
        parent_->Update();
}

void TGraphicControl::PaintControl(HDC dc) {
    // The canvas draws in the control's font; re-create the GDI font only when it differs.
    const TFont& f = Font();
    if (canvas_.Font.Name() != f.Name() || canvas_.Font.Height() != f.Height() ||
        canvas_.Font.Bold() != f.Bold() || canvas_.Font.Color() != f.Color())
        canvas_.Font.Assign(f);
    canvas_.SetHandle(dc);
    try {
        Paint();
    } catch (...) {
        canvas_.SetHandle(nullptr);
        throw;
    }
    canvas_.SetHandle(nullptr);
}

void TGraphicControl::SetMouseCapture(bool capture) {
    if (!parent_)
        return;
    if (capture)
        parent_->SetCaptureControl(this);
    else if (parent_->captureControl_ == this)
        parent_->SetCaptureControl(nullptr);
}

bool TGraphicControl::MouseCaptured() const {
    return parent_ && parent_->captureControl_ == this;
}
