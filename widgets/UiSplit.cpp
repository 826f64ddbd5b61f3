#include "widgets/UiSplit.h"

#include <algorithm>

namespace {

// Rows of the ghost's 8 x 8 pattern, word-aligned: set (white, inverting) where x + y is even.
const BYTE kGhostRows[16] = {0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0};

} // namespace

TOwnedCursor::TOwnedCursor(const char* resourceName)
    : cursor_(static_cast<HCURSOR>(
          LoadImageA(GetModuleHandleA(nullptr), resourceName, IMAGE_CURSOR, 0, 0, LR_DEFAULTCOLOR))) {}

TOwnedCursor::~TOwnedCursor() {
    if (cursor_)
        DestroyCursor(cursor_);
}

TUiSplitter::TUiSplitter(TComponent* owner) : TUiCustomPanel(owner) {
    SetBorderOuter(fsNone);
    // The splitter takes the mouse itself, and only for a drag of the bar.
    SetControlStyle(ControlStyle() & ~csCaptureMouse);
    // The controls of the description sit here only until they move into the panes: they are not
    // aligned to the whole splitter meanwhile (EnableAlign in Loaded).
    DisableAlign();
    upperLeft_ = new TUiSplitterPane(this);
    upperLeft_->SetName("UpperLeftPane");
    upperLeft_->SetParent(this);
    lowerRight_ = new TUiSplitterPane(this);
    lowerRight_->SetName("LowerRightPane");
    lowerRight_->SetParent(this);
    // Shown again, a pane is kept apart from the other as any position is.
    upperLeft_->OnVisibleChanged = [this] { GeometryChanged(); };
    lowerRight_->OnVisibleChanged = [this] { GeometryChanged(); };
    upperLeftData_ = std::make_unique<TUiPaneData>(*upperLeft_);
    lowerRightData_ = std::make_unique<TUiPaneData>(*lowerRight_);
    pattern_ = GdiBitmap::Monochrome(8, 8);
    SetBitmapBits(pattern_.Handle(), sizeof(kGhostRows), kGhostRows);
    SetBounds(0, 0, 200, 100);
    LayoutPanes();
}

TUiSplitter::~TUiSplitter() {
    // A splitter that goes mid-drag leaves no outline behind.
    drag_.CaptureLost();
    // The panes go with the window, while this object is whole.
    SetDestroying();
    DestroyHandle();
    upperLeft_->OnVisibleChanged = nullptr;
    lowerRight_->OnVisibleChanged = nullptr;
}

// --- settings ---

void TUiSplitter::GeometryChanged() {
    if (!Loading())
        TakePosition(position_, true);
}

void TUiSplitter::SetOrientation(TUiOrientation orientation) {
    if (orientation == orientation_)
        return;
    orientation_ = orientation;
    GeometryChanged();
}

void TUiSplitter::SetSplitterWidth(std::uint16_t width) {
    splitterWidth_ = width;
    GeometryChanged();
}

void TUiSplitter::SetMarginMin(int value) {
    marginMin_ = value;
    GeometryChanged();
}

void TUiSplitter::SetMarginMax(int value) {
    marginMax_ = value;
    GeometryChanged();
}

void TUiSplitter::SetFixedPane(TUiFixedPane pane) {
    fixedPane_ = pane;
    fixedSize_ = FixedSizeOf(position_);
    restore_ = fixedSize_;
}

void TUiSplitter::SetSplitterStyle(TUiSplitterStyle style) {
    splitterStyle_ = style;
    Invalidate();
}

void TUiSplitter::SetBorderInner(TFrameStyleEx style) {
    borderInner_ = style;
    GeometryChanged();
    Invalidate();
}

void TUiSplitter::SetBorderWidth(int width) {
    borderWidth_ = std::max(0, width);
    GeometryChanged();
    Invalidate();
}

int TUiSplitter::BorderThickness() const {
    RECT outer = BorderRect();
    int outerWidth = std::max({outer.left, outer.top, outer.right, outer.bottom});
    return outerWidth + FrameStyleWidth(borderInner_) + borderWidth_;
}

void TUiSplitter::SetPercent(int percent) {
    percent_ = percent;
    if (usePercent_ && !Loading())
        TakePosition(
            DivideRoundHalfEven(static_cast<long long>(percent) * (AxisSize() - splitterWidth_ / 2), 100),
            false);
}

// --- position ---

int TUiSplitter::AxisSize() const {
    return orientation_ == orHorizontal ? Width() : Height();
}

int TUiSplitter::FixedSizeOf(int position) const {
    return fixedPane_ == fpUpperLeft ? position : AxisSize() - position;
}

int TUiSplitter::ClampPosition(int position) const {
    TSplitLimits limits;
    limits.Size = AxisSize();
    limits.MarginMin = marginMin_;
    limits.MarginMax = marginMax_;
    limits.SplitterWidth = splitterWidth_;
    limits.Border = BorderThickness();
    limits.BothVisible = upperLeft_->Visible() && lowerRight_->Visible();
    return ClampSplitPosition(position, limits);
}

void TUiSplitter::SetPosition(int position) {
    TakePosition(position, false);
}

void TUiSplitter::TakePosition(int position, bool forced) {
    if (position == position_ && !forced && !resizing_)
        return;
    position = ClampPosition(position);
    if (!DragAllowed(position))
        return;
    position_ = position;
    percent_ = SplitPercent(position_, AxisSize(), splitterWidth_);
    LayoutPanes();
    fixedSize_ = FixedSizeOf(position_);
    if (!Destroying())
        OnChange(this);
}

bool TUiSplitter::DragAllowed(int candidate) {
    bool allow = true;
    if (!Destroying())
        OnChanging(this, candidate, allow);
    return allow;
}

void TUiSplitter::LayoutPanes() {
    if (Loading())
        return;
    TSplitGeometry g;
    g.Orientation = orientation_;
    g.Width = ClientWidth();
    g.Height = ClientHeight();
    g.Position = position_;
    g.SplitterWidth = splitterWidth_;
    g.Border = BorderThickness();
    g.UpperLeftVisible = upperLeft_->Visible();
    g.LowerRightVisible = lowerRight_->Visible();
    TSplitLayout layout = LayoutSplit(g);
    const TBounds& a = layout.UpperLeft;
    const TBounds& b = layout.LowerRight;
    upperLeft_->SetBounds(a.Left, a.Top, a.Width, a.Height);
    lowerRight_->SetBounds(b.Left, b.Top, b.Width, b.Height);
    RECT old = bar_;
    bar_ = RECT{layout.Bar[0], layout.Bar[1], layout.Bar[2], layout.Bar[3]};
    // A splitter directly inside a pane follows its pane.
    for (TUiSplitterPane* pane : {upperLeft_, lowerRight_})
        for (int i = 0; i < pane->ControlCount(); ++i)
            if (auto* nested = dynamic_cast<TUiSplitter*>(pane->Controls(i)))
                nested->LayoutPanes();
    if (realTimeDrag_) {
        upperLeft_->Update();
        lowerRight_->Update();
    }
    if (HandleAllocated() && (splitterStyle_ != ssStandard || hotSpotVisible_)) {
        InvalidateRect(Handle(), &old, TRUE);
        InvalidateRect(Handle(), &bar_, TRUE);
        if (realTimeDrag_)
            Update();
    }
}

void TUiSplitter::DragRestore(int position) {
    // Dragged away from the end it was closed to, no pane is held closed any more.
    if (hotSpotClosed_ && position != ClampPosition(hotSpotClosedToMin_ ? -AxisSize() : 2 * AxisSize()))
        hotSpotClosed_ = hotSpotClosedToMin_ = hotSpotClosedToMax_ = false;
    restore_ = FixedSizeOf(position);
}

void TUiSplitter::Resize() {
    if (!Loading() && !Destroying() && upperLeft_) {
        resizing_ = true;
        try {
            const int size = AxisSize();
            if (usePercent_) {
                int keep = std::min(std::max(percent_, percentMin_), percentMax_);
                TakePosition(
                    DivideRoundHalfEven(static_cast<long long>(keep) * (size - splitterWidth_ / 2), 100),
                    true);
            } else {
                // The fixed pane keeps its size; squeezed by a smaller splitter, it grows back towards
                // the size the user last chose, never past the limit.
                TakePosition(fixedPane_ == fpUpperLeft ? fixedSize_ : size - fixedSize_, true);
                if (FixedSizeOf(position_) < restore_ && !hotSpotClosed_)
                    TakePosition(fixedPane_ == fpUpperLeft ? restore_ : size - restore_, true);
            }
        } catch (...) {
            resizing_ = false;
            throw;
        }
        resizing_ = false;
    }
    TUiCustomPanel::Resize();
}

// --- mouse, keys, cursor ---

bool TUiSplitter::OnBar(int x, int y) const {
    return x >= bar_.left && x < bar_.right && y >= bar_.top && y < bar_.bottom;
}

void TUiSplitter::DragTakeFocus() {
    SetFocus();
}

void TUiSplitter::DragCapture(bool capture) {
    SetMouseCapture(capture);
}

bool TUiSplitter::OnHotSpot(int x, int y) const {
    RECT r = HotSpotRect();
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

void TUiSplitter::SetHotSpotVisible(bool value) {
    hotSpotVisible_ = value;
    Invalidate();
}

RECT TUiSplitter::HotSpotRect() const {
    const LONG half = 20;
    if (!hotSpotVisible_ || bar_.right <= bar_.left || bar_.bottom <= bar_.top)
        return RECT{0, 0, 0, 0};
    if (orientation_ == orHorizontal) {
        LONG mid = (bar_.top + bar_.bottom) / 2;
        return RECT{bar_.left, std::max(bar_.top, mid - half), bar_.right, std::min(bar_.bottom, mid + half)};
    }
    LONG mid = (bar_.left + bar_.right) / 2;
    return RECT{std::max(bar_.left, mid - half), bar_.top, std::min(bar_.right, mid + half), bar_.bottom};
}

void TUiSplitter::ToggleHotSpot() {
    if (hotSpotClosed_) {
        hotSpotClosed_ = hotSpotClosedToMin_ = hotSpotClosedToMax_ = false;
        TakePosition(hotSpotPosition_, false);
        return;
    }
    // The fixed pane closes: the bar goes as far towards it as clamping lets it.
    const bool toMin = fixedPane_ == fpUpperLeft;
    const int before = position_;
    TakePosition(toMin ? -AxisSize() : 2 * AxisSize(), false);
    if (position_ == before)
        return;
    hotSpotPosition_ = before;
    hotSpotClosed_ = true;
    hotSpotClosedToMin_ = toMin;
    hotSpotClosedToMax_ = !toMin;
}

void TUiSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && !drag_.Dragging() && OnHotSpot(x, y))
        ToggleHotSpot();
    else
        drag_.Press(button, AxisOf(x, y), AxisSize(), OnBar(x, y), lockBar_, realTimeDrag_);
    TUiCustomPanel::MouseDown(button, shift, x, y);
}

void TUiSplitter::MouseMove(TShiftState shift, int x, int y) {
    drag_.Move(AxisOf(x, y), AxisSize());
    TUiCustomPanel::MouseMove(shift, x, y);
}

void TUiSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    drag_.Release(button);
    TUiCustomPanel::MouseUp(button, shift, x, y);
}

void TUiSplitter::KeyDown(WORD& key, TShiftState shift) {
    drag_.Key(key);
    TUiCustomPanel::KeyDown(key, shift);
}

void TUiSplitter::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(message.WParam) == Handle() && LOWORD(message.LParam) == HTCLIENT &&
            !lockBar_) {
            POINT point = ScreenToClient([] {
                POINT p;
                GetCursorPos(&p);
                return p;
            }());
            const bool horizontal = orientation_ == orHorizontal;
            HCURSOR cursor = OnHotSpot(point.x, point.y)
                                 ? (horizontal ? cursorHorzHotSpot_ : cursorVertHotSpot_).Handle()
                                 : (horizontal ? cursorHorz_ : cursorVert_).Handle();
            if (cursor && OnBar(point.x, point.y)) {
                ::SetCursor(cursor);
                message.Result = TRUE;
                return;
            }
        }
        break;
    case WM_CAPTURECHANGED:
        // Another window took the mouse mid-drag: the drag ends as Escape ends it.
        if (reinterpret_cast<HWND>(message.LParam) != Handle())
            drag_.CaptureLost();
        break;
    default:
        break;
    }
    TUiCustomPanel::WndProc(message);
}
