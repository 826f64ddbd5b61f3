#pragma once
// TUiBmpButton: a windowed button whose face is one of its pictures, drawn over the image of the
// window beneath it, so that pixels of the transparent colour show the parent's painting. It takes
// the size of its Up picture. A left press and release inside it is a click; so are Enter, and a
// Space press and release, while it has the focus.
#include "toolkit/Bitmap.h"
#include "toolkit/CustomControl.h"

// The pictures of a bitmap button. An empty picture falls back to Up.
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
    enum TState { bsUp, bsPressed, bsDisabled };

    explicit TUiBmpButton(TComponent* owner);

    TUiButtonBitmaps& Bitmaps() { return bitmaps_; }
    // Call after changing a picture: the button takes the Up picture's size and repaints.
    void BitmapsChanged();

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }

    TState State() const { return state_; }
    bool Hot() const { return hot_; }
    // The picture the next paint shows (null: none).
    TBitmap* CurrentPicture();

protected:
    void ApplyBounds(const TBounds& bounds, bool fromLayout) override;
    void Paint() override;
    void EraseBackground(HDC dc) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyUp(WORD& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void Click() override;

private:
    void SetState(TState state);
    bool Inside(int x, int y) const { return x >= 0 && x < Width() && y >= 0 && y < Height(); }

    TUiButtonBitmaps bitmaps_;
    TModalResult modalResult_ = mrNone;
    TState state_ = bsUp;
    bool hot_ = false;
    bool tracking_ = false;
};
