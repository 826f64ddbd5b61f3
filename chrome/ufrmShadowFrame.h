#pragma once
// The drop shadow: a layered, click-through pop-up that follows a form one step below it in the z-order,
// 16 pixels larger on every side. It puts its own callback in front of the form's message callback and
// reacts to the form's two window-position messages; its image is the form's outline, blurred, with the
// form itself cut out, handed to the system as per-pixel alpha.
#include "toolkit/Bitmap.h"
#include "toolkit/Colors.h"
#include "toolkit/WinControl.h"
#include "toolkit/GdiObject.h"
#include "toolkit/Message.h"

#include <windows.h>

#include <cstdint>

class TForm;

class TFormShadow : public TWinControl {
public:
    explicit TFormShadow(TComponent* owner);
    ~TFormShadow() override;

    // Follows form from now on (null: none). Gives the previous form its own callback back; attaching the
    // form already attached does nothing.
    void AttachTo(TForm* form);
    // Whether the shadow is to be shown; a change is applied at once through the form's position messages.
    void SetShadowVisible(bool visible);

    TForm* OwnerForm() const { return ownerForm_; }
    bool ShadowVisible() const { return wanted_; }
    int32_t Offset() const { return offset_; }
    TColor ShadowColor() const { return color_; }
    // The computed image (32 bits, premultiplied), and how many times it has been computed.
    TBitmap& ShadowImage() { return image_; }
    int RebuildCount() const { return rebuilds_; }

    // Every message of the attached form passes through here first.
    virtual void OwnerWndProc(TMessage& message);

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    enum class MaskMode { Stamp, Cut };

    void NudgeOwner();
    bool StackedApart() const;
    void OwnerPosChanging(TMessage& message);
    void OwnerPosChanged(TMessage& message);
    void RebuildShadow();
    void PaintShadowImage();
    RECT FindOutline();
    void BlurShadow();
    void PresentShadow();
    void ApplyColorKeyMask(MaskMode mode);
    void WMNCHitTest(TMessage& message);
    void WMEraseBkgnd(TMessage& message);

    TForm* ownerForm_ = nullptr;
    bool wanted_ = false;
    bool ownerActive_ = false;
    int32_t offset_ = 0;
    TColor color_ = clBlack;
    TWndMethod savedWndProc_;
    TColor rememberedKey_ = clBlack;
    GdiRegion regionCache_;
    TBitmap image_;
    BLENDFUNCTION blend_{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    bool stale_ = true;
    int rebuilds_ = 0;
};
