#include "toolkit/Image.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 105, 105);
}

void TImage::PictureChanged() {
    if (autoSize_ && !picture_.Empty())
        SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    Invalidate();
}

void TImage::LoadFromResource(HINSTANCE instance, const char* name) {
    picture_.LoadFromResource(instance, name);
    PictureChanged();
}

void TImage::SetAutoSize(bool value) {
    autoSize_ = value;
    PictureChanged();
}

void TImage::SetTransparent(bool value) {
    transparent_ = value;
    Invalidate();
}

void TImage::SetStretch(bool value) {
    stretch_ = value;
    Invalidate();
}

void TImage::Paint() {
    if (picture_.Empty())
        return;
    if (stretch_) {
        Canvas().StretchDraw(ClientRect(), picture_);
        return;
    }
    if (transparent_)
        Canvas().DrawTransparent(0, 0, picture_, picture_.TransparentColor());
    else
        Canvas().Draw(0, 0, picture_);
}
