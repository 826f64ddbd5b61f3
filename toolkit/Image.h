#pragma once
// TImage: a windowless picture (a TBitmap), drawn at its top-left corner, stretched to the
// control with Stretch, or with the colour of its bottom-left pixel left out with Transparent.
// After drawing into Picture() directly, call PictureChanged() so the control resizes (AutoSize)
// and repaints.
#include "toolkit/Bitmap.h"
#include "toolkit/GraphicControl.h"

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);

    TBitmap& Picture() { return picture_; }
    void PictureChanged();
    // Loads a BITMAP resource into the picture.
    void LoadFromResource(HINSTANCE instance, const char* name);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);

protected:
    void Paint() override;

private:
    TBitmap picture_;
    bool autoSize_ = false;
    bool transparent_ = false;
    bool stretch_ = false;
};
