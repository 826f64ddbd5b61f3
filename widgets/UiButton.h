#pragma once
// The pane headers' tool buttons (TUiToolButton: windowless picture buttons from an image list)
// and the convert button (TUiBitBtn: a windowed, self-painted push button with hot tracking).
#include "toolkit/CustomControl.h"
#include "toolkit/GraphicControl.h"
#include "toolkit/ImageList.h"
#include "widgets/UiTypes.h"

// A flat 16 x 16 picture button drawn on its parent. At rest only the picture shows; while the
// pointer is over it, or it is held down, a framed face is drawn under the picture. A disabled
// button shows DisabledIndex and takes no presses (they go to the parent). A left press and
// release inside it is a click; a double click gives two.
class TUiToolButton : public TGraphicControl {
public:
    enum TState { bsUp, bsPressed, bsDisabled };

    explicit TUiToolButton(TComponent* owner);

    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int DisabledIndex() const { return disabledIndex_; }
    void SetDisabledIndex(int index);
    int HotIndex() const { return hotIndex_; }
    void SetHotIndex(int index);
    int DownIndex() const { return downIndex_; }
    void SetDownIndex(int index);
    TVisualStyle VisualStyle() const { return visualStyle_; }
    void SetVisualStyle(TVisualStyle style);

    TState State() const { return state_; }
    bool Hot() const { return hot_; }
    // The image the next paint draws (-1: none), after the state check of the paint.
    int CurrentImage();
    // Whether the next paint draws the framed face.
    bool ShowsFace() const { return state_ == bsPressed || (hot_ && state_ != bsDisabled); }

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void UpdateState();
    void SetState(TState state);
    bool Inside(int x, int y) const { return x >= 0 && x < Width() && y >= 0 && y < Height(); }

    TImageList* images_ = nullptr;
    int imageIndex_ = -1;
    int disabledIndex_ = -1;
    int hotIndex_ = -1;
    int downIndex_ = -1;
    TVisualStyle visualStyle_ = vsWinXP;
    TState state_ = bsUp;
    bool hot_ = false;
    bool tracking_ = false;
};

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
