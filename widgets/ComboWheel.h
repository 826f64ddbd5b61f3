#pragma once
// The mode list's wheel stepping, without windows.h: deltas add up, every full notch (120) is one
// step, and what is left over, with its sign, waits for the next message.
class TWheelAccumulator {
public:
    static constexpr int Notch = 120;

    // Adds a delta; returns the whole steps it completes (positive away from the user).
    int Add(int delta);
    int Remainder() const { return remainder_; }

private:
    int remainder_ = 0;
};

// One step of the closed list: the position to select and whether OnClick and OnChange fire.
// Toward the user the next position is asked for without a bound check (from none, the first);
// away from the user the first entry (from the first or none) is selected without firing.
struct TWheelSelection {
    int Index;
    bool Notify;
};
TWheelSelection WheelStepSelection(int selected, bool towardUser);

// One step of the open list: its new first visible entry, moved by the system's wheel lines and
// never above the first entry (nor past the largest int).
int WheelStepTopIndex(int topIndex, int lines, bool towardUser);
