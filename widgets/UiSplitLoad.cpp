// TUiSplitter's description: the keys it stores and the end of loading, when the named controls move
// into the panes.
#include "widgets/UiSplit.h"

#include "toolkit/Form.h"

#include <stdexcept>

bool TUiSplitter::ReadStoredKey(const std::string& key, const std::string& value) {
    auto fail = [&] {
        throw std::invalid_argument("Invalid value '" + value + "' of " + Name() + "." + key);
    };
    auto readInt = [&](int& out) {
        if (!ParseStoredInt(value, out))
            fail();
    };
    auto readBool = [&](bool& out) {
        if (!ParseStoredBool(value, out))
            fail();
    };
    if (key == "BarSize") {
        std::vector<std::string> words = ParseStoredList(value);
        int v[4];
        if (words.size() != 4)
            fail();
        for (int i = 0; i < 4; ++i)
            if (!ParseStoredInt(words[static_cast<size_t>(i)], v[i]))
                fail();
        bar_ = RECT{v[0], v[1], v[2], v[3]};
    } else if (key == "UpperLeftControls") {
        UpperLeftControls = ParseStoredList(value);
    } else if (key == "LowerRightControls") {
        LowerRightControls = ParseStoredList(value);
    } else if (key == "HotSpotClosed") {
        readBool(hotSpotClosed_);
    } else if (key == "HotSpotClosedToMin") {
        readBool(hotSpotClosedToMin_);
    } else if (key == "HotSpotClosedToMax") {
        readBool(hotSpotClosedToMax_);
    } else if (key == "HotSpotPosition") {
        readInt(hotSpotPosition_);
    } else if (key == "PositionMin" || key == "PositionMax") {
        // From older descriptions: read and dropped.
        int discarded = 0;
        readInt(discarded);
    } else {
        return false;
    }
    return true;
}

void TUiSplitter::AdoptControls(TUiSplitterPane* pane, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        // A name that matches nothing is skipped.
        auto* control = Owner() ? dynamic_cast<TControl*>(Owner()->FindComponent(name)) : nullptr;
        if (control)
            control->SetParent(pane);
    }
    // The pane's tab order is the list's order.
    int order = 0;
    for (const std::string& name : names)
        for (int i = 0; i < pane->ControlCount(); ++i)
            if (auto* windowed = dynamic_cast<TWinControl*>(pane->Controls(i)))
                if (windowed->Name() == name)
                    windowed->SetTabOrder(order++);
}

void TUiSplitter::Loaded() {
    TUiCustomPanel::Loaded();
    // Moving a focused control out and back would lose the window's active control.
    TForm* form = GetParentForm(this);
    TWinControl* active = form ? form->ActiveControl() : nullptr;
    restore_ = FixedSizeOf(position_);
    fixedSize_ = restore_;
    LayoutPanes();
    upperLeft_->DisableAlign();
    lowerRight_->DisableAlign();
    AdoptControls(upperLeft_, UpperLeftControls);
    AdoptControls(lowerRight_, LowerRightControls);
    upperLeft_->EnableAlign();
    lowerRight_->EnableAlign();
    EnableAlign();
    if (form && active && form->ActiveControl() != active)
        form->SetActiveControl(active);
}
