#include "widgets/UiSplit.h"

#include <algorithm>

TUiSplitterPane::TUiSplitterPane(TComponent* owner) : TUiCustomPanel(owner) {
    SetBorderOuter(fsNone);
    SetTabStop(false);
}

TUiSplitter::TUiSplitter(TComponent* owner) : TUiCustomPanel(owner) {
    SetBorderOuter(fsNone);
    // The controls of the description sit here only until they move into the panes: they are not
    // aligned to the whole splitter meanwhile (EnableAlign in Loaded).
    DisableAlign();
    upperLeft_ = new TUiSplitterPane(this);
    upperLeft_->SetName("UpperLeftPane");
    upperLeft_->SetParent(this);
    lowerRight_ = new TUiSplitterPane(this);
    lowerRight_->SetName("LowerRightPane");
    lowerRight_->SetParent(this);
    SetBounds(0, 0, 200, 100);
    LayoutPanes();
}

int TUiSplitter::ClampPosition(int position) const {
    if (!upperLeft_->Visible() || !lowerRight_->Visible())
        return position;
    int size = orientation_ == orHorizontal ? Width() : Height();
    position = std::max(position, marginMin_);
    // The upper limit wins over MarginMin.
    return std::min(position, size - marginMax_ - splitterWidth_);
}

void TUiSplitter::SetPosition(int position) {
    if (position == position_)
        return;
    position_ = ClampPosition(position);
    LayoutPanes();
    if (!Destroying())
        OnChange(this);
}

void TUiSplitter::SetSplitterWidth(int width) {
    splitterWidth_ = std::max(0, width);
    LayoutPanes();
}

void TUiSplitter::LayoutPanes() {
    if (Loading())
        return;
    int w = ClientWidth();
    int h = ClientHeight();
    bool both = upperLeft_->Visible() && lowerRight_->Visible();
    if (!both) {
        TUiSplitterPane* shown = upperLeft_->Visible() ? upperLeft_ : lowerRight_;
        TUiSplitterPane* hidden = shown == upperLeft_ ? lowerRight_ : upperLeft_;
        shown->SetBounds(0, 0, w, h);
        hidden->SetBounds(0, 0, 0, 0);
        bar_ = RECT{0, 0, 0, 0};
        return;
    }
    if (orientation_ == orHorizontal) {
        upperLeft_->SetBounds(0, 0, position_, h);
        bar_ = RECT{position_, 0, position_ + splitterWidth_, h};
        lowerRight_->SetBounds(position_ + splitterWidth_, 0, w - position_ - splitterWidth_, h);
    } else {
        upperLeft_->SetBounds(0, 0, w, position_);
        bar_ = RECT{0, position_, w, position_ + splitterWidth_};
        lowerRight_->SetBounds(0, position_ + splitterWidth_, w, h - position_ - splitterWidth_);
    }
}

void TUiSplitter::Resize() {
    if (!Loading()) {
        position_ = ClampPosition(position_);
        LayoutPanes();
    }
    TUiCustomPanel::Resize();
}

void TUiSplitter::AdoptControls(TUiSplitterPane* pane, const std::vector<std::string>& names) {
    int order = 0;
    for (const std::string& name : names) {
        // A name that matches nothing is skipped.
        auto* control = Owner() ? dynamic_cast<TControl*>(Owner()->FindComponent(name)) : nullptr;
        if (!control)
            continue;
        control->SetParent(pane);
        if (auto* windowed = dynamic_cast<TWinControl*>(control))
            windowed->SetTabOrder(order++);
    }
}

void TUiSplitter::Loaded() {
    TUiCustomPanel::Loaded();
    LayoutPanes();
    upperLeft_->DisableAlign();
    lowerRight_->DisableAlign();
    AdoptControls(upperLeft_, UpperLeftControls);
    AdoptControls(lowerRight_, LowerRightControls);
    upperLeft_->EnableAlign();
    lowerRight_->EnableAlign();
    EnableAlign();
}
