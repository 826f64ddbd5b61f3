#pragma once
// TUiBmpButton: a windowed button whose face is one of its pictures, drawn over the image of the
// window beneath it, so that pixels of the transparent colour show the parent's painting. It takes
// the size of its Up picture. A left press and release inside it is a click; so are Enter, and a
// Space press and release, while it has the focus. Press and click rules: TButtonMachine.
#include "toolkit/Bitmap.h"
#include "widgets/WindowedButton.h"

// The pictures of a bitmap button. An empty picture falls back as the picture choice says.
struct TUiButtonBitmaps {
    TBitmap Up;
    TBitmap Hot;
    TBitmap UpAndFocused;
    TBitmap Down;
    TBitmap StayDown;
    TBitmap Disabled;
    // Pixels of this colour are not drawn (olive unless set).
    TColor TransparentColor = 0x008080;
};

class TUiBmpButton : public TWindowedButton {
public:
    explicit TUiBmpButton(TComponent* owner);

    TUiButtonBitmaps& Bitmaps() { return bitmaps_; }
    // Call after changing a picture: the button takes the Up picture's size and repaints.
    void BitmapsChanged();

    // Whether the focused look uses UpAndFocused (and a caption gets its focus rectangle).
    bool ShowFocus() const { return showFocus_; }
    void SetShowFocus(bool value);

    // The picture the next paint shows (null: none), after the paint's state check.
    TBitmap* CurrentPicture();

protected:
    void Loaded() override;
    void ApplyBounds(const TBounds& bounds, bool fromLayout) override;
    void Paint() override;
    void EraseBackground(HDC dc) override;
    // Without a Hot picture the face does not change.
    bool HoverRepaints() const override { return !bitmaps_.Hot.Empty(); }

private:
    // A grey embossed silhouette of Up, made once per change of the pictures.
    TBitmap* GeneratedDisabled();
    void PaintCaption(TCanvas& canvas);

    TUiButtonBitmaps bitmaps_;
    TBitmap generatedDisabled_;
    bool showFocus_ = true;
};
