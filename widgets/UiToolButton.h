#pragma once
// TUiToolButton: the pane headers' windowless picture buttons, drawn from an image list.
#include "toolkit/ImageList.h"
#include "widgets/ButtonInput.h"
#include "widgets/UiTypes.h"

// A flat picture button drawn on its parent. At rest only the picture shows; while the pointer is
// over it, or it is held down, a framed gradient face is drawn under the picture (light to dark
// when hot, dark to light when pressed). A disabled button shows DisabledIndex unaltered, or
// without one the image list's greyed form, and takes no presses (they go to the parent). A left
// press and release inside it is a click; a double click gives two. Rules: TButtonMachine.
class TUiToolButton : public TButtonInput<TGraphicControl> {
public:
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
    TGradientColorStyle GradientColorStyle() const { return gradientColorStyle_; }
    void SetGradientColorStyle(TGradientColorStyle style);
    TColor SelectionColorStart() const { return selectionColorStart_; }
    void SetSelectionColorStart(TColor color);
    TColor SelectionColorStop() const { return selectionColorStop_; }
    void SetSelectionColorStop(TColor color);
    TColor SelectionFrameColor() const { return selectionFrameColor_; }
    void SetSelectionFrameColor(TColor color);

    // The image the next paint draws (-1: none), after the paint's state check; greyed tells
    // whether the image list draws it in its greyed form.
    int CurrentImage(bool* greyed = nullptr);
    // Whether the next paint draws the framed face.
    bool ShowsFace() const { return machine_.Pressed() || machine_.HotLook(); }

protected:
    void Paint() override;

private:
    void Changed();

    TImageList* images_ = nullptr;
    int imageIndex_ = -1;
    int disabledIndex_ = -1;
    int hotIndex_ = -1;
    int downIndex_ = -1;
    TVisualStyle visualStyle_ = vsWinXP;
    TGradientColorStyle gradientColorStyle_ = gcsSystem;
    TColor selectionColorStart_ = clBtnFace;
    TColor selectionColorStop_ = clBtnShadow;
    TColor selectionFrameColor_ = cl3DDkShadow;
};
