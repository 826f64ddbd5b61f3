#pragma once
// TUiToolButton: the pane headers' windowless picture buttons, drawn from an image list.
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
