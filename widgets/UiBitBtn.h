#pragma once
// TUiBitBtn: the convert button, a windowed, self-painted push button with hot tracking.
#include "toolkit/CustomControl.h"
#include "widgets/UiTypes.h"

// A push button that paints itself: a click on the left release inside it, on the release of
// Space, or at once on Enter (each repeat of a held Enter too). A press takes the focus.
class TUiCustomButton : public TCustomControl {
public:
    explicit TUiCustomButton(TComponent* owner);

    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool value);
    TColor HotTrackColor() const { return hotTrackColor_; }
    void SetHotTrackColor(TColor color);
    bool ShowFocusRect() const { return showFocusRect_; }
    void SetShowFocusRect(bool value);
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }

    bool Hot() const { return hot_; }
    bool PressedLook() const { return pressedLook_; }

protected:
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
    void SetPressedLook(bool value);
    bool Inside(int x, int y) const { return x >= 0 && x < Width() && y >= 0 && y < Height(); }

    bool hotTrack_ = false;
    TColor hotTrackColor_ = 0x149BF0;
    bool showFocusRect_ = true;
    TModalResult modalResult_ = mrNone;
    bool hot_ = false;
    bool pressedLook_ = false;
    bool tracking_ = false;
    bool keyFlag_ = false;
};

class TUiButton : public TUiCustomButton {
public:
    explicit TUiButton(TComponent* owner) : TUiCustomButton(owner) {}
};

// The push button with room for a picture beside its caption (none is used).
class TUiBitBtn : public TUiButton {
public:
    explicit TUiBitBtn(TComponent* owner) : TUiButton(owner) {}
};
