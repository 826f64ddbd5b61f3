#pragma once
// TUiBmpButton: a windowed button whose face is one of its pictures, drawn over the image of the
// window beneath it, so that pixels of the transparent colour show the parent's painting. It takes
// the size of its Up picture. A left press and release inside it is a click; so are Enter, and a
// Space press and release, while it has the focus. Press and click rules: TButtonMachine.
#include "toolkit/Bitmap.h"
#include "toolkit/CustomControl.h"
#include "widgets/ButtonMachine.h"

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

class TUiBmpButton : public TCustomControl {
public:
    using TState = TButtonState;

    explicit TUiBmpButton(TComponent* owner);

    TUiButtonBitmaps& Bitmaps() { return bitmaps_; }
    // Call after changing a picture: the button takes the Up picture's size and repaints.
    void BitmapsChanged();

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    // Whether the focused look uses UpAndFocused (and a caption gets its focus rectangle).
    bool ShowFocus() const { return showFocus_; }
    void SetShowFocus(bool value);

    TState State() const { return machine_.State(); }
    bool Hot() const { return machine_.Hot(); }
    bool Tracking() const { return machine_.Tracking(); }
    // The picture the next paint shows (null: none), after the paint's state check.
    TBitmap* CurrentPicture();

protected:
    void Loaded() override;
    void ApplyBounds(const TBounds& bounds, bool fromLayout) override;
    void Paint() override;
    void EraseBackground(HDC dc) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseCaptureLost() override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyUp(WORD& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void Click() override;

private:
    // Repaints now for a step that asks for it, then runs its click.
    void Apply(const TButtonStep& step);
    bool Inside(int x, int y) const { return x >= 0 && x < Width() && y >= 0 && y < Height(); }
    // A grey embossed silhouette of Up, made once per change of the pictures.
    TBitmap* GeneratedDisabled();
    void PaintCaption(TCanvas& canvas);

    TUiButtonBitmaps bitmaps_;
    TBitmap generatedDisabled_;
    TButtonMachine machine_{bkCaption};
    TModalResult modalResult_ = mrNone;
    bool showFocus_ = true;
};
