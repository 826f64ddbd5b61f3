#pragma once
// How far one wheel message scrolls an edit: whole notches only (120 a notch, truncated toward
// zero, nothing carried over), times the system's lines per notch, or a page a notch when the
// system says so. Without windows.h.

// The system's "a page per notch" setting (WHEEL_PAGESCROLL).
constexpr unsigned kWheelPageScroll = 0xFFFFFFFFu;

// The EM_SCROLL actions, by their values (SB_LINEUP ... SB_PAGEDOWN).
enum class TWheelStep { LineUp = 0, LineDown = 1, PageUp = 2, PageDown = 3 };

struct TWheelScroll {
    TWheelStep Step;
    int Count;
};

// A positive delta (away from the user) scrolls up. A huge product saturates at the largest int.
TWheelScroll WheelScroll(int delta, unsigned linesPerNotch);
