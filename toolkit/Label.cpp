#include "toolkit/Label.h"

#include "toolkit/GdiObject.h"

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 65, 17);
}

void TLabel::SetAutoSize(bool value) {
    autoSize_ = value;
    AdjustBounds();
}

void TLabel::SetTransparent(bool value) {
    transparent_ = value;
    Invalidate();
}

void TLabel::SetAlignment(TAlignment value) {
    alignment_ = value;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout value) {
    layout_ = value;
    Invalidate();
}

void TLabel::SetWordWrap(bool value) {
    wordWrap_ = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetShowAccelChar(bool value) {
    showAccelChar_ = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

UINT TLabel::TextFormat() const {
    UINT format = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0) | (showAccelChar_ ? 0 : DT_NOPREFIX);
    switch (alignment_) {
    case taRightJustify:
        return format | DT_RIGHT;
    case taCenter:
        return format | DT_CENTER;
    default:
        return format | DT_LEFT;
    }
}

void TLabel::AdjustBounds() {
    if (!autoSize_ || Loading())
        return;
    // Measured on the screen in the label's font; an empty caption keeps one line's height.
    std::string text = Caption();
    if (text.empty())
        text = " ";
    TClientDC screen(nullptr);
    TCanvas canvas(screen.Handle());
    canvas.Font.Assign(Font());
    RECT r{0, 0, wordWrap_ ? Width() : 0, 0};
    canvas.DrawText(text, r, TextFormat() | DT_CALCRECT);
    int width = r.right - r.left;
    int height = r.bottom - r.top;
    int left = Left();
    if (!wordWrap_) {
        if (alignment_ == taRightJustify)
            left = Left() + Width() - width;
        else if (alignment_ == taCenter)
            left = Left() + (Width() - width) / 2;
    } else {
        width = Width();
    }
    SetBounds(left, Top(), width, height);
}

void TLabel::WndProc(TMessage& message) {
    TGraphicControl::WndProc(message);
    if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED)
        AdjustBounds();
}

void TLabel::Paint() {
    RECT r = ClientRect();
    if (!transparent_)
        Canvas().FillRect(r, Color());
    std::string text = Caption();
    if (text.empty())
        return;
    UINT format = TextFormat();
    if (layout_ != tlTop) {
        RECT measure = r;
        int height = Canvas().DrawText(text, measure, format | DT_CALCRECT);
        int space = (r.bottom - r.top) - height;
        r.top += layout_ == tlCenter ? space / 2 : space;
    }
    if (Enabled()) {
        Canvas().DrawText(text, r, format);
        return;
    }
    // Disabled: the engraved look, a highlight below and right of a shadow.
    TColor colour = Canvas().Font.Color();
    RECT shifted = r;
    OffsetRect(&shifted, 1, 1);
    Canvas().Font.SetColor(clBtnHighlight);
    Canvas().DrawText(text, shifted, format);
    Canvas().Font.SetColor(clBtnShadow);
    Canvas().DrawText(text, r, format);
    Canvas().Font.SetColor(colour);
}
