#include "chrome/ufrmShadowFrame.h"

#include "chrome/ShadowLogic.h"
#include "chrome/ShadowPixels.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

static_assert(kPosNoSize == SWP_NOSIZE && kPosNoMove == SWP_NOMOVE && kPosNoZOrder == SWP_NOZORDER &&
                  kPosNoActivate == SWP_NOACTIVATE && kPosFrameChanged == SWP_FRAMECHANGED &&
                  kPosShowWindow == SWP_SHOWWINDOW && kPosHideWindow == SWP_HIDEWINDOW,
              "window-position flags");

namespace {

ShadowFormState StateOf(const TForm& form) {
    switch (form.WindowState()) {
    case wsMinimized:
        return ShadowFormState::Minimized;
    case wsMaximized:
        return ShadowFormState::Maximized;
    default:
        return ShadowFormState::Normal;
    }
}

PixelView ViewOf(TBitmap& bmp) {
    return PixelView{bmp.Bits(), bmp.Width(), bmp.Height(), bmp.BytesPerLine()};
}

} // namespace

TFormShadow::TFormShadow(TComponent* owner) : TWinControl(owner), image_(0, 0, pf32bit) {}

TFormShadow::~TFormShadow() {
    AttachTo(nullptr);
    // The image and the region cache go with their members; the window goes with the base class.
}

void TFormShadow::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    // Hidden until placed, no taskbar button, per-pixel alpha, never activated.
    params.Style = WS_POPUP;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT;
    params.WindowClass.style = CS_DBLCLKS | CS_OWNDC;
    params.WndParent = Application->Handle();
    params.WinClassName = "TFormShadow";
}

void TFormShadow::AttachTo(TForm* form) {
    if (form == ownerForm_)
        return;
    if (ownerForm_ && savedWndProc_) {
        ownerForm_->SetWindowProc(savedWndProc_);
        savedWndProc_ = TWndMethod();
    }
    ownerForm_ = form;
    if (form) {
        savedWndProc_ = form->WindowProc();
        form->SetWindowProc(TWndMethod::Bind<&TFormShadow::OwnerWndProc>(this));
        rememberedKey_ = form->TransparentColorValue();
        ownerActive_ = form->HandleAllocated() && GetActiveWindow() == form->Handle();
    }
    stale_ = true;
    NudgeOwner();
}

void TFormShadow::SetShadowVisible(bool visible) {
    if (visible == wanted_)
        return;
    wanted_ = visible;
    NudgeOwner();
}

void TFormShadow::NudgeOwner() {
    // Sends the form both position messages without changing anything, so settings take the same path as
    // a real move.
    if (ownerForm_ && ownerForm_->HandleAllocated())
        SetWindowPos(ownerForm_->Handle(), nullptr, 0, 0, 0, 0, kNudgeFlags);
}

void TFormShadow::OwnerWndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_WINDOWPOSCHANGING:
        OwnerPosChanging(message);
        break;
    case WM_WINDOWPOSCHANGED:
        OwnerPosChanged(message);
        break;
    case WM_ACTIVATE:
        savedWndProc_(message);
        ownerActive_ = LOWORD(message.WParam) != WA_INACTIVE;
        if (StackedApart())
            NudgeOwner();
        break;
    default:
        savedWndProc_(message);
    }
}

void TFormShadow::OwnerPosChanging(TMessage& message) {
    savedWndProc_(message);
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(message.LParam);
    if (HideWhileChanging(StateOf(*ownerForm_), pos->flags))
        SetWindowPos(Handle(), ownerForm_->Handle(), 0, 0, 0, 0, kHideBelowFlags);
}

void TFormShadow::OwnerPosChanged(TMessage& message) {
    // The form takes its new bounds and state first.
    savedWndProc_(message);
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(message.LParam);
    const ShadowPoint at = FormPosition(pos->flags, pos->x, pos->y, ownerForm_->Left(), ownerForm_->Top());
    const ShadowFormState state = StateOf(*ownerForm_);
    if (RebuildAfterChange(state))
        RebuildShadow();
    const ShadowPoint origin = ShadowOrigin(at.x, at.y, offset_);
    SetWindowPos(Handle(), ownerForm_->Handle(), origin.x, origin.y, image_.Width(), image_.Height(),
                 kPlaceFlags);
    const bool show = ShowAfterChange(wanted_, state) && (ownerActive_ || !StackedApart());
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, kShowHideFlags[show ? 1 : 0]);
}

bool TFormShadow::StackedApart() const {
    // Under Wine a window manager stacks the form, but the shadow is an unmanaged X window, which stays above
    // every managed one: there it shows only while the form is active, that is in front of the others.
    return Application && Application->UnderWine();
}

void TFormShadow::RebuildShadow() {
    if (!wanted_ || !ownerForm_ || !ownerForm_->HandleAllocated())
        return;
    TForm& form = *ownerForm_;
    const ShadowRebuildPlan plan =
        PlanShadowRebuild({image_.Width(), image_.Height(), form.Width(), form.Height(),
                           form.TransparentColor(), form.TransparentColorValue(), rememberedKey_, stale_});
    try {
        if (plan.resize)
            image_.SetSize(plan.width, plan.height);
        if (!plan.build)
            return;
        stale_ = false;
        ++rebuilds_;
        PaintShadowImage();
    } catch (const EOutOfResources&) {
        // Out of GDI objects: the layered window keeps what it shows, and the next change tries again.
        // Nothing here may raise into the form's position handling.
        stale_ = true;
    }
}

void TFormShadow::PaintShadowImage() {
    TForm& form = *ownerForm_;
    const HDC dc = image_.Canvas().Handle();
    const GdiBrush black = GdiBrush::Solid(RGB(0, 0, 0));
    const GdiBrush white = GdiBrush::Solid(RGB(255, 255, 255));
    // The outline's clip goes on every path; the cache keeps its moved copy, which the next rebuild
    // overwrites.
    struct ClipReset {
        HDC dc;
        ~ClipReset() { SelectClipRgn(dc, nullptr); }
    } clipReset{dc};

    const RECT whole{0, 0, image_.Width(), image_.Height()};
    FillRect(dc, &whole, black.Handle());
    const RECT outline = FindOutline();
    FillRect(dc, &outline, white.Handle());
    if (form.TransparentColor())
        ApplyColorKeyMask(MaskMode::Stamp);
    BlurShadow();
    if (form.TransparentColor())
        ApplyColorKeyMask(MaskMode::Cut);
    else
        FillRect(dc, &outline, black.Handle());
    PresentShadow();
}

RECT TFormShadow::FindOutline() {
    // The form's own region when it has a shaped one; else its window rectangle.
    TForm& form = *ownerForm_;
    if (!regionCache_)
        regionCache_ = GdiRegion::Rect(0, 0, 1, 1);
    if (GetWindowRgn(form.Handle(), regionCache_.Handle()) != COMPLEXREGION)
        regionCache_.Reset();
    RECT outline{};
    if (regionCache_) {
        OffsetRgn(regionCache_.Handle(), kShadowMargin, kShadowMargin);
        SelectClipRgn(image_.Canvas().Handle(), regionCache_.Handle());
        GetRgnBox(regionCache_.Handle(), &outline);
        return outline;
    }
    GetWindowRect(form.Handle(), &outline);
    OffsetRect(&outline, -outline.left, -outline.top);
    if (form.BorderStyle() != bsNone) {
        WINDOWINFO info{};
        info.cbSize = sizeof(info);
        GetWindowInfo(form.Handle(), &info);
        InflateRect(&outline, BorderGrowth(int32_t(info.cxWindowBorders)),
                    BorderGrowth(int32_t(info.cyWindowBorders)));
    }
    OffsetRect(&outline, kShadowMargin, kShadowMargin);
    return outline;
}

void TFormShadow::BlurShadow() {
    ::BlurShadow(ViewOf(image_));
}

void TFormShadow::PresentShadow() {
    TForm& form = *ownerForm_;
    blend_.SourceConstantAlpha =
        ShadowConstantAlpha(form.AlphaBlend(), static_cast<uint8_t>(form.AlphaBlendValue()));
    const TColor rgb = ColorToRGB(color_);
    PremultiplyShadow(ViewOf(image_), RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
    SIZE size{image_.Width(), image_.Height()};
    POINT source{0, 0};
    UpdateLayeredWindow(Handle(), nullptr, nullptr, &size, image_.Canvas().Handle(), &source, 0, &blend_,
                        ULW_ALPHA);
}

void TFormShadow::ApplyColorKeyMask(MaskMode mode) {
    TForm& form = *ownerForm_;
    if (!form.TransparentColor())
        return;
    const POINT origin = form.ClientOrigin();
    rememberedKey_ = form.TransparentColorValue();
    const int w = form.ClientWidth(), h = form.ClientHeight();
    if (w <= 0 || h <= 0)
        return;

    // The form as it looks, then a one-bit mask with the key colour's pixels set.
    TBitmap picture(w, h, pfDevice);
    form.PaintTo(picture.Canvas().Handle(), 0, 0);
    GdiBitmap mask = GdiBitmap::Monochrome(w, h);
    TMemoryDC maskDC;
    TSelectGuard selected(maskDC.Handle(), mask.Handle());
    SetBkColor(picture.Canvas().Handle(), ColorToRGB(rememberedKey_));
    BitBlt(maskDC.Handle(), 0, 0, w, h, picture.Canvas().Handle(), 0, 0, SRCCOPY);

    // Set bits draw in the image's background colour, clear bits in its text colour.
    const HDC dc = image_.Canvas().Handle();
    const bool stamp = mode == MaskMode::Stamp;
    SetBkColor(dc, stamp ? RGB(0, 0, 0) : RGB(255, 255, 255));
    SetTextColor(dc, stamp ? RGB(255, 255, 255) : RGB(0, 0, 0));
    BitBlt(dc, origin.x - form.Left() + kShadowMargin, origin.y - form.Top() + kShadowMargin, w, h,
           maskDC.Handle(), 0, 0, stamp ? SRCCOPY : SRCAND);
}

void TFormShadow::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_NCHITTEST:
        WMNCHitTest(message);
        break;
    case WM_ERASEBKGND:
        WMEraseBkgnd(message);
        break;
    default:
        TWinControl::WndProc(message);
    }
}

void TFormShadow::WMNCHitTest(TMessage& message) {
    // Clicks go through to whatever lies below.
    message.Result = HTTRANSPARENT;
}

void TFormShadow::WMEraseBkgnd(TMessage& message) {
    // What shows comes only from the layered image; report the background as erased.
    TWinControl::WndProc(message);
    message.Result = 1;
}
