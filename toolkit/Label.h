#pragma once
// TLabel: a windowless caption. Opaque labels fill their rectangle with Color (the parent's by
// default); transparent ones draw only their text. With AutoSize (the default) the label takes
// the size of its text, keeping its right edge for right-aligned text and its centre for
// centred text.
#include "toolkit/GraphicControl.h"

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    // Whether "&" marks an accelerator (shown underlined) instead of standing for itself.
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);

    void WndProc(TMessage& message) override;
    void Loaded() override;

protected:
    void Paint() override;

private:
    UINT TextFormat() const;
    void AdjustBounds();

    bool autoSize_ = true;
    bool transparent_ = false;
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
};
