#include "widgets/UiBitBtn.h"

#include "toolkit/ThemeServices.h"
#include "widgets/ColorOps.h"

#include <uxtheme.h>
#include <vssym32.h>

namespace {

// DrawTextA flags: measuring, then drawing the caption.
constexpr UINT kMeasureCaption = DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER | DT_CENTER;
constexpr UINT kDrawCaption = DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS;

void HLine(TCanvas& c, int x1, int x2, int y, TColor color) {
    c.FillRect(RECT{x1, y, x2, y + 1}, color);
}

void VLine(TCanvas& c, int x, int y1, int y2, TColor color) {
    c.FillRect(RECT{x, y1, x + 1, y2}, color);
}

// The theme data of a window for one class of parts, closed when it goes.
class TThemeData {
public:
    TThemeData(HWND window, const wchar_t* classList) : theme_(OpenThemeData(window, classList)) {}
    ~TThemeData() {
        if (theme_)
            CloseThemeData(theme_);
    }
    TThemeData(const TThemeData&) = delete;
    TThemeData& operator=(const TThemeData&) = delete;
    HTHEME Handle() const { return theme_; }
    explicit operator bool() const { return theme_ != nullptr; }

private:
    HTHEME theme_;
};

bool MoreThan256Colours(HDC dc) {
    return GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES) > 8;
}

} // namespace

TUiCustomButton::TUiCustomButton(TComponent* owner) : TWindowedButton(owner, bkPush) {
    // Painted through a buffer of the button's size: the face never flickers.
    SetTabStop(true);
    SetDoubleBuffered(true);
    SetBounds(0, 0, 75, 25);
}

bool TUiCustomButton::UsesThemedFace() const {
    return themeAware_ && StyleServicesEnabled();
}

// --- painting ---

void TUiCustomButton::EraseBackground(HDC dc) {
    if (hotTrack_)
        DrawParentImage(this, dc);
    else
        TWindowedButton::EraseBackground(dc);
}

void TUiCustomButton::Paint() {
    machine_.Sync(Enabled());
    RECT r = ClientRect();
    bool themed = false;
    if (UsesThemedFace()) {
        themed = true;
        PaintThemedFace(r);
    } else if (hotTrack_ && Enabled()) {
        PaintClassicFace(r);
    } else if (hotTrack_) {
        PaintDisabledFace(r);
    } else {
        RECT face = r;
        UINT state = DFCS_BUTTONPUSH | (PressedLook() ? DFCS_PUSHED : 0) | (Enabled() ? 0 : DFCS_INACTIVE);
        DrawFrameControl(Canvas().Handle(), &face, DFC_BUTTON, state);
    }
    PaintCaption(r);
    if (Focused() && showFocusRect_) {
        int inset = hotTrack_ || themed ? 3 : 4;
        PaintFocusDots(RECT{r.left + inset, r.top + inset, r.right - inset, r.bottom - inset});
    }
}

void TUiCustomButton::PaintThemedFace(const RECT& r) {
    HDC dc = Canvas().Handle();
    TThemeData theme(Handle(), L"BUTTON");
    if (!theme) {
        hotTrack_&& Enabled() ? PaintClassicFace(r) : PaintDisabledFace(r);
        return;
    }
    // A transparent button has the parent's image beneath it already.
    if (!hotTrack_)
        DrawParentImage(this, dc);
    int state = !Enabled()             ? PBS_DISABLED
                : PressedLook()        ? PBS_PRESSED
                : Hot()                ? PBS_HOT
                : active_ || Focused() ? PBS_DEFAULTED
                                       : PBS_NORMAL;
    DrawThemeBackground(theme.Handle(), dc, BP_PUSHBUTTON, state, &r, nullptr);
}

void TUiCustomButton::PaintClassicFace(const RECT& r) {
    TCanvas& c = Canvas();
    const int w = r.right, h = r.bottom;
    TPushButtonBase base{ColorToRGB(clBtnFace),      ColorToRGB(clBtnShadow), ColorToRGB(Color()),
                         Color() == clBtnFace,       ColorToRGB(frameColor_), ColorToRGB(highlightColor_),
                         ColorToRGB(hotTrackColor_), hotTrackColorType_};
    TPushButtonRing ring = PushButtonRingFor(Hot(), active_ || Focused(), false);
    TPushButtonColors k = PushButtonColors(base, ring);
    // Outer ring, rounded: each corner's three outer pixels stay the parent's.
    VLine(c, 0, 2, h - 2, k.OuterDark);
    HLine(c, 2, w - 2, 0, k.OuterDark);
    VLine(c, w - 1, 2, h - 2, k.OuterLight);
    HLine(c, 2, w - 2, h - 1, k.OuterLight);
    c.SetPixel(1, 1, k.OuterDark);
    c.SetPixel(w - 2, 1, k.OuterDark);
    c.SetPixel(1, h - 2, k.OuterDark);
    c.SetPixel(w - 2, h - 2, k.OuterLight);
    // Frame ring, its corners left out.
    VLine(c, 1, 2, h - 2, k.Frame);
    VLine(c, w - 2, 2, h - 2, k.Frame);
    HLine(c, 2, w - 2, 1, k.Frame);
    HLine(c, 2, w - 2, h - 2, k.Frame);
    const RECT inner{2, 2, w - 2, h - 2};
    if (PressedLook()) {
        c.FillRect(inner, k.PressedFace);
        return;
    }
    HLine(c, inner.left, inner.right, h - 4, k.ShadowUpper);
    HLine(c, inner.left, inner.right, h - 3, k.ShadowLower);
    const bool rich = MoreThan256Colours(c.Handle());
    const int faceRows = h - 6;
    for (int y = 0; y < faceRows; ++y)
        HLine(c, inner.left, inner.right, 2 + y,
              rich ? GradientRow(k.FaceTop, k.FaceBottom, faceRows, y) : base.Color);
    if (ring == prNone || !rich)
        return;
    const int rows = inner.bottom - inner.top;
    for (int y = inner.top; y < inner.bottom; ++y) {
        TColor row = GradientRow(k.RingTop, k.RingBottom, rows, y - inner.top);
        if (y < inner.top + 2 || y >= inner.bottom - 2) {
            HLine(c, inner.left, inner.right, y, row);
        } else {
            HLine(c, inner.left, inner.left + 2, y, row);
            HLine(c, inner.right - 2, inner.right, y, row);
        }
    }
}

void TUiCustomButton::PaintDisabledFace(const RECT& r) {
    TCanvas& c = Canvas();
    const int w = r.right, h = r.bottom;
    TColor frame =
        Color() == clBtnFace ? Lighten(ColorToRGB(clBtnShadow), 30) : Darken(ColorToRGB(Color()), 80);
    VLine(c, 1, 2, h - 2, frame);
    VLine(c, w - 2, 2, h - 2, frame);
    HLine(c, 2, w - 2, 1, frame);
    HLine(c, 2, w - 2, h - 2, frame);
    c.FillRect(RECT{2, 2, w - 2, h - 2}, Color());
}

void TUiCustomButton::PaintCaption(const RECT& r) {
    std::string caption = Caption();
    if (caption.empty())
        return;
    TCanvas& c = Canvas();
    RECT text{r.left + 5, r.top + 5, r.right - 5, r.bottom - 5};
    RECT measured = text;
    int h = c.DrawText(caption, measured, kMeasureCaption);
    text.top = (text.bottom + text.top - h) / 2;
    text.bottom = text.top + h;
    if (Enabled()) {
        c.DrawText(caption, text, kDrawCaption);
        return;
    }
    TColor colour = c.Font.Color();
    RECT moved{text.left + 1, text.top + 1, text.right + 1, text.bottom + 1};
    c.Font.SetColor(clBtnHighlight);
    c.DrawText(caption, moved, kDrawCaption);
    c.Font.SetColor(clBtnShadow);
    c.DrawText(caption, text, kDrawCaption);
    c.Font.SetColor(colour);
}

void TUiCustomButton::PaintFocusDots(const RECT& f) {
    TCanvas& c = Canvas();
    for (int y = f.top + 1; y < f.bottom; y += 2) {
        c.SetPixel(f.left, y, clBlack);
        c.SetPixel(f.right - 1, y, clBlack);
    }
    for (int x = f.left + 1; x < f.right; x += 2) {
        c.SetPixel(x, f.top, clBlack);
        c.SetPixel(x, f.bottom - 1, clBlack);
    }
}

// --- focus and click ---

void TUiCustomButton::DoEnter() {
    active_ = true;
    TWindowedButton::DoEnter();
}

void TUiCustomButton::DoExit() {
    active_ = false;
    TWindowedButton::DoExit();
}

void TUiCustomButton::Click() {
    Repaint();
    TWindowedButton::Click();
}
