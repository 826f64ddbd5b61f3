#pragma once
// TUiComboBox: the mode list, the system's drop-down list (csDropDownList: no free text) with a
// flat frame painted over the system's border under the classic look, type-ahead search over its
// own character messages, Esc back to the first entry, and wheel stepping of its own.
#include "toolkit/ComboBox.h"
#include "toolkit/GdiObject.h"
#include "widgets/ComboTypeAhead.h"
#include "widgets/ComboWheel.h"
#include "widgets/UiTypes.h"

class TUiCustomComboBox : public TComboBox, private TTypeAheadHost {
public:
    explicit TUiCustomComboBox(TComponent* owner);

    // --- the flat frame ---
    bool FrameVisible() const { return frameVisible_; }
    void SetFrameVisible(bool value) { SetFrameSetting(frameVisible_, value); }
    TFrameStyleEx FrameStyle() const { return frameStyle_; }
    void SetFrameStyle(TFrameStyleEx value) { SetFrameSetting(frameStyle_, value); }
    TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(TColor value) { SetFrameSetting(frameColor_, value); }
    TSides FrameSides() const { return frameSides_; }
    void SetFrameSides(TSides value) { SetFrameSetting(frameSides_, value); }
    bool FrameHotTrack() const { return frameHotTrack_; }
    void SetFrameHotTrack(bool value) { SetFrameSetting(frameHotTrack_, value); }
    TFrameStyleEx FrameHotStyle() const { return frameHotStyle_; }
    void SetFrameHotStyle(TFrameStyleEx value) { SetFrameSetting(frameHotStyle_, value); }
    TColor FrameHotColor() const { return frameHotColor_; }
    void SetFrameHotColor(TColor value) { SetFrameSetting(frameHotColor_, value); }
    TFramingPreference FramingPreference() const { return framingPreference_; }
    void SetFramingPreference(TFramingPreference value) { SetFrameSetting(framingPreference_, value); }
    bool FlatButtons() const { return flatButtons_; }
    void SetFlatButtons(bool value) { SetFrameSetting(flatButtons_, value); }
    TColor FlatButtonColor() const { return flatButtonColor_; }
    void SetFlatButtonColor(TColor value) { SetFrameSetting(flatButtonColor_, value); }

    // --- colours: Color is the current one; these are chosen by state ---
    // The colour when neither focused, disabled nor read-only (what Color was last set to).
    TColor NormalColor() const { return normalColor_; }
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor value);
    TColor DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(TColor value);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    TColor ReadOnlyColor() const { return readOnlyColor_; }
    void SetReadOnlyColor(TColor value);

    // --- keyboard ---
    bool AutoComplete() const { return autoComplete_; }
    void SetAutoComplete(bool value) { autoComplete_ = value; }
    bool BeepOnInvalidKey() const { return typeAhead_.BeepOnInvalidKey; }
    void SetBeepOnInvalidKey(bool value) { typeAhead_.BeepOnInvalidKey = value; }
    const std::string& SearchPrefix() const { return typeAhead_.Prefix(); }

    // Whether the frame gives way to the system's themed list now.
    bool FrameYieldsToTheme() const;

    void WndProc(TMessage& message) override;

protected:
    // The invalid-key sound; tests count it instead.
    void Beep() override;
    void DoEnter() override;
    void DoExit() override;
    void MouseEnter() override;
    void MouseLeave() override;
    // Paints the frame (or the themed touches) over what the system drew.
    virtual void PaintFrame(HDC dc);

private:
    template <typename T> void SetFrameSetting(T& field, T value) {
        field = value;
        Invalidate();
    }
    void UpdateColors();
    void SetCurrentColor(TColor color);
    void HandleChar(TMessage& message);
    void HandleWheel(TMessage& message);
    void SetTopIndex(int index);
    bool BlockedByReadOnly(const TMessage& message) const;
    LRESULT ColorMessage(HDC dc);
    void PaintFlatButton(HDC dc, const RECT& button);

    // TTypeAheadHost
    int FindPrefix(const std::string& prefix) override;
    void SelectAndNotify(int index) override;
    void RestartTimer() override;
    bool IsLeadByte(unsigned char byte) override;

    bool frameVisible_ = false;
    TFrameStyleEx frameStyle_ = fsFlat;
    TColor frameColor_ = clBtnShadow;
    TSides frameSides_ = sdAll;
    bool frameHotTrack_ = false;
    TFrameStyleEx frameHotStyle_ = fsFlatBold;
    TColor frameHotColor_ = clBtnShadow;
    TFramingPreference framingPreference_ = fpXPThemes;
    bool flatButtons_ = false;
    TColor flatButtonColor_ = clBtnFace;
    TColor normalColor_ = clWindow;
    TColor focusColor_ = clWindow;
    TColor disabledColor_ = clBtnFace;
    bool readOnly_ = false;
    TColor readOnlyColor_ = clInfoBk;
    bool autoComplete_ = true;
    bool settingColor_ = false;
    TComboTypeAhead typeAhead_{*this};
    TWheelAccumulator wheel_;
    GdiBrush brush_;
    TColor brushColor_ = clNone;
};

class TUiComboBox : public TUiCustomComboBox {
public:
    explicit TUiComboBox(TComponent* owner) : TUiCustomComboBox(owner) {}
};
