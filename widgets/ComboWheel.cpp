#include "widgets/ComboWheel.h"

#include <climits>

int TWheelAccumulator::Add(int delta) {
    // Wide enough for any delta on top of the remainder; division toward zero keeps the remainder's sign.
    const long long total = static_cast<long long>(remainder_) + delta;
    remainder_ = static_cast<int>(total % Notch);
    return static_cast<int>(total / Notch);
}

TWheelSelection WheelStepSelection(int selected, bool towardUser) {
    if (towardUser)
        return {selected < 0 ? 0 : selected + 1, true};
    if (selected < 1)
        return {0, false};
    return {selected - 1, true};
}

int WheelStepTopIndex(int topIndex, int lines, bool towardUser) {
    // A huge wheel setting stops at the ends of the int range instead of wrapping around.
    const long long top =
        towardUser ? static_cast<long long>(topIndex) + lines : static_cast<long long>(topIndex) - lines;
    return top < 0 ? 0 : top > INT_MAX ? INT_MAX : static_cast<int>(top);
}
