#include "widgets/WheelScroll.h"

#include <climits>
#include <cstdlib>

TWheelScroll WheelScroll(int delta, unsigned linesPerNotch) {
    const int notches = delta / 120;
    const long long count = std::llabs(static_cast<long long>(notches));
    if (linesPerNotch == kWheelPageScroll)
        return {notches > 0 ? TWheelStep::PageUp : TWheelStep::PageDown, static_cast<int>(count)};
    const long long lines = count * linesPerNotch;
    return {notches > 0 ? TWheelStep::LineUp : TWheelStep::LineDown,
            lines > INT_MAX ? INT_MAX : static_cast<int>(lines)};
}
