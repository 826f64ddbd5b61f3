// The wheel arithmetic of the panes and the mode list: any deltas, any wheel setting, any list position.
// Input: groups of nine bytes (a delta, a lines setting or position, a choice).

#include "fuzz/FuzzInput.h"
#include "widgets/ComboWheel.h"
#include "widgets/WheelScroll.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFuzzInput input(data, size);
    TWheelAccumulator wheel;
    long long total = 0, stepped = 0;
    while (input.Left() > 0) {
        const auto delta = static_cast<int>(input.Word());
        const std::uint32_t other = input.Word();
        const bool towardUser = input.Byte() & 1;

        // The list's notches: what was turned is whole steps plus a remainder under a notch.
        total += delta;
        stepped += wheel.Add(delta);
        FUZZ_CHECK(stepped * TWheelAccumulator::Notch + wheel.Remainder() == total);
        FUZZ_CHECK(std::llabs(wheel.Remainder()) < TWheelAccumulator::Notch);

        // The pane: whole notches of this message alone, times the lines, capped; or a page a notch.
        const TWheelScroll scroll = WheelScroll(delta, other);
        const long long notches = std::llabs(static_cast<long long>(delta / 120));
        const bool page = other == kWheelPageScroll;
        const long long lines = page ? notches : std::min<long long>(notches * other, INT_MAX);
        FUZZ_CHECK(scroll.Count == lines);
        FUZZ_CHECK(scroll.Step == (delta >= 120 ? (page ? TWheelStep::PageUp : TWheelStep::LineUp)
                                                : (page ? TWheelStep::PageDown : TWheelStep::LineDown)));

        // The closed list: a position from the list (none, or 0 up to the last int) moves by one.
        const int selected = static_cast<int>(other % static_cast<std::uint32_t>(INT_MAX)) - 1;
        const TWheelSelection s = WheelStepSelection(selected, towardUser);
        FUZZ_CHECK(s.Index >= 0);
        FUZZ_CHECK(s.Index == (towardUser ? selected + 1 : std::max(selected - 1, 0)));
        FUZZ_CHECK(s.Notify == (towardUser || selected >= 1));

        // The open list: its first visible entry moves by the wheel lines, never above the first entry.
        const int top = static_cast<int>(other & INT_MAX);
        const int step = delta & INT_MAX;
        const int moved = WheelStepTopIndex(top, step, towardUser);
        FUZZ_CHECK(moved >= 0);
        FUZZ_CHECK(moved ==
                   (towardUser ? std::min<long long>(0LL + top + step, INT_MAX) : std::max(top - step, 0)));
    }
    return 0;
}
