#include "widgets/ComboWheel.h"

int TWheelAccumulator::Add(int delta) {
    int total = remainder_ + delta;
    // Division toward zero keeps the remainder's sign.
    remainder_ = total % Notch;
    return total / Notch;
}

TWheelSelection WheelStepSelection(int selected, bool towardUser) {
    if (towardUser)
        return {selected < 0 ? 0 : selected + 1, true};
    if (selected < 1)
        return {0, false};
    return {selected - 1, true};
}

int WheelStepTopIndex(int topIndex, int lines, bool towardUser) {
    if (towardUser)
        return topIndex + lines;
    return topIndex - lines < 0 ? 0 : topIndex - lines;
}
