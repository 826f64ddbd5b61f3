#include "widgets/UiBmpBtn.h"

TUiBmpButton::TUiBmpButton(TComponent* owner) : TWindowedButton(owner, bkCaption) {
    SetTabStop(false);
    SetBounds(0, 0, 75, 25);
}

void TUiBmpButton::BitmapsChanged() {
    generatedDisabled_ = TBitmap();
    SetBounds(Left(), Top(), Width(), Height());
    Invalidate();
}

void TUiBmpButton::SetShowFocus(bool value) {
    showFocus_ = value;
    Invalidate();
}

void TUiBmpButton::Loaded() {
    TWindowedButton::Loaded();
    SetBounds(Left(), Top(), Width(), Height());
}

void TUiBmpButton::ApplyBounds(const TBounds& bounds, bool fromLayout) {
    TBounds fitted = bounds;
    // Whatever size is asked for, the button is its Up picture's size (no border).
    if (!bitmaps_.Up.Empty()) {
        fitted.Width = bitmaps_.Up.Width();
        fitted.Height = bitmaps_.Up.Height();
    }
    TWindowedButton::ApplyBounds(fitted, fromLayout);
}

TBitmap* TUiBmpButton::GeneratedDisabled() {
    TBitmap& up = bitmaps_.Up;
    if (generatedDisabled_.Empty()) {
        const int w = up.Width(), h = up.Height();
        const TColor key = ColorToRGB(bitmaps_.TransparentColor);
        generatedDisabled_.SetSize(w, h);
        TCanvas& out = generatedDisabled_.Canvas();
        out.FillRect(RECT{0, 0, w, h}, key);
        // Dark pixels of the picture become an engraved grey: highlight below right, shadow in place.
        auto dark = [&](int x, int y) {
            TColor c = up.Canvas().Pixel(x, y);
            return c != key && RedOf(c) * 77 + GreenOf(c) * 150 + BlueOf(c) * 29 < 192 * 256;
        };
        for (int pass = 0; pass < 2; ++pass)
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    if (dark(x, y)) {
                        if (pass == 0 && x + 1 < w && y + 1 < h)
                            out.SetPixel(x + 1, y + 1, clBtnHighlight);
                        else if (pass == 1)
                            out.SetPixel(x, y, clBtnShadow);
                    }
    }
    return &generatedDisabled_;
}

TBitmap* TUiBmpButton::CurrentPicture() {
    machine_.Sync(Enabled());
    auto present = [](TBitmap& picture) { return !picture.Empty(); };
    TUiButtonBitmaps& b = bitmaps_;
    if (!present(b.Up) && !(State() == bsDisabled && present(b.Disabled)))
        return nullptr;
    switch (State()) {
    case bsDisabled:
        return present(b.Disabled) ? &b.Disabled : GeneratedDisabled();
    case bsPressed:
        // Never the hot picture while pressed.
        return present(b.Down) ? &b.Down : &b.Up;
    default:
        if (Hot() && present(b.Hot))
            return &b.Hot;
        if (Focused() && showFocus_ && present(b.UpAndFocused))
            return &b.UpAndFocused;
        return &b.Up;
    }
}

void TUiBmpButton::EraseBackground(HDC) {
    // The paint composes the whole face off-screen.
}

void TUiBmpButton::Paint() {
    const int w = Width(), h = Height();
    if (w <= 0 || h <= 0)
        return;
    TBitmap face(w, h, pfDevice);
    // The window beneath (its skin and windowless controls) shows where the picture is see-through.
    DrawParentImage(this, face.Canvas().Handle());
    // The widget this button reproduces pauses here on every repaint; its timing is kept.
    Sleep(10);
    if (TBitmap* picture = CurrentPicture()) {
        if (picture->Width() == w && picture->Height() == h) {
            face.Canvas().DrawTransparent(0, 0, *picture, bitmaps_.TransparentColor);
        } else {
            TBitmap scaled(w, h);
            scaled.Canvas().StretchDraw(RECT{0, 0, w, h}, *picture);
            face.Canvas().DrawTransparent(0, 0, scaled, bitmaps_.TransparentColor);
        }
    }
    PaintCaption(face.Canvas());
    Canvas().Draw(0, 0, face);
}

void TUiBmpButton::PaintCaption(TCanvas& canvas) {
    const std::string caption = Caption();
    if (caption.empty())
        return;
    canvas.Font.Assign(Font());
    RECT text{0, 0, Width(), Height()};
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    canvas.DrawText(caption, text, format);
    if (Focused() && showFocus_) {
        RECT measured = text;
        canvas.DrawText(caption, measured, format | DT_CALCRECT);
        const int tw = measured.right - measured.left, th = measured.bottom - measured.top;
        RECT focus{(Width() - tw) / 2 - 2, (Height() - th) / 2 - 2, (Width() + tw) / 2 + 2,
                   (Height() + th) / 2 + 2};
        DrawFocusRect(canvas.Handle(), &focus);
    }
}
