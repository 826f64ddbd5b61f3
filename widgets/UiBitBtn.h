#pragma once
// TUiBitBtn: the convert button, a windowed, self-painted push button. Under visual styles its face
// is the system's themed push button; in the classic look with HotTrack it draws its own rounded
// two-ring face with a hot or focus ring; a click fires on the left release inside it, on the
// release of Space, or at once on Enter (each repeat of a held Enter too).
#include "widgets/PushButtonLook.h"
#include "widgets/UiTypes.h"
#include "widgets/WindowedButton.h"

class TUiCustomButton : public TWindowedButton {
public:
    explicit TUiCustomButton(TComponent* owner);

    // HotTrack also makes the button transparent: the parent's image is drawn beneath it.
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool value) { SetLook(hotTrack_, value); }
    TColor HotTrackColor() const { return hotTrackColor_; }
    void SetHotTrackColor(TColor value) { SetLook(hotTrackColor_, value); }
    TUiHotTrackColorType HotTrackColorType() const { return hotTrackColorType_; }
    void SetHotTrackColorType(TUiHotTrackColorType value) { SetLook(hotTrackColorType_, value); }
    TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(TColor value) { SetLook(highlightColor_, value); }
    TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(TColor value) { SetLook(frameColor_, value); }
    bool ThemeAware() const { return themeAware_; }
    void SetThemeAware(bool value) { SetLook(themeAware_, value); }
    bool ShowFocusRect() const { return showFocusRect_; }
    void SetShowFocusRect(bool value) { SetLook(showFocusRect_, value); }
    bool PressedLook() const { return machine_.Pressed(); }
    bool KeyFlag() const { return machine_.KeyFlag(); }
    // The focused button (this program has no default button).
    bool Active() const { return active_; }
    // Whether this paint uses the system's themed face.
    bool UsesThemedFace() const;

protected:
    void Paint() override;
    void EraseBackground(HDC dc) override;
    bool HoverRepaints() const override { return hotTrack_ || UsesThemedFace(); }
    void DoEnter() override;
    void DoExit() override;
    void Click() override;

private:
    template <typename T> void SetLook(T& field, T value) {
        field = value;
        Invalidate();
    }
    void PaintThemedFace(const RECT& r);
    void PaintClassicFace(const RECT& r);
    void PaintDisabledFace(const RECT& r);
    void PaintCaption(const RECT& r);
    void PaintFocusDots(const RECT& f);

    bool hotTrack_ = false;
    TColor hotTrackColor_ = 0x149BF0;
    TUiHotTrackColorType hotTrackColorType_ = htctActual;
    TColor highlightColor_ = clHighlight;
    TColor frameColor_ = cl3DDkShadow;
    bool themeAware_ = true;
    bool showFocusRect_ = true;
    bool active_ = false;
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
