#pragma once
// The press, tracking and hot logic of the program's three buttons, written once, without
// windows.h: the caption buttons (TUiBmpButton), the header tool buttons (TUiToolButton) and the
// push button (TUiBitBtn). The kinds differ only in a few rules (TButtonPolicy).
//
// How a button uses it: TButtonInput (windowed or windowless) hands it the mouse events in
// button coordinates (Press after the focus change the policy asks for, Move, Release), the loss
// of the mouse capture and pointer entry and exit; TWindowedButton adds the keys while focused and
// the loss of the focus. The button calls Sync with its enabling at the start of every paint and
// draws from State() and Hot(). Every event answers with a TButtonStep: repaint now, and whether
// the click runs (repaint first, then the click).
#include "toolkit/ControlTypes.h"

enum TButtonState { bsUp, bsPressed, bsDisabled };
enum TButtonKind { bkCaption, bkTool, bkPush };

// What a press has started: nothing, a mouse press (which holds the capture) or a key.
enum TButtonTracking { btNone, btMouse, btKey };

// Where the kinds differ.
struct TButtonPolicy {
    // A left press counts only while the button has the keyboard focus (it takes it first).
    bool PressNeedsFocus;
    // Any mouse button's release ends a press; otherwise only the left one's.
    bool AnyButtonReleases;
    // A release clears the hot flag (the class tests again where the pointer is).
    bool ReleaseClearsHot;
    // Keys: none (windowless), the caption button's rule (Space tracks, any key release clicks,
    // Enter clicks) or the push button's (Space sets the key flag, its release clicks, Enter
    // without modifiers clicks).
    enum { None, Caption, Push } Keys;
    // Losing the focus lifts the pressed look and clears the key flag.
    bool FocusLossLifts;
    // Which presses on an enabled button take the keyboard focus first: none (windowless), a left
    // press (the push button), any press (the caption button, although it is no tab stop).
    enum { NoPress, LeftPress, AnyPress } PressFocuses;
};

TButtonPolicy PolicyOf(TButtonKind kind);

struct TButtonStep {
    bool Repaint = false;
    bool Click = false;
};

class TButtonMachine {
public:
    explicit TButtonMachine(TButtonKind kind) : policy_(PolicyOf(kind)) {}

    // Whether a press of this mouse button takes the keyboard focus before it is handed to Press.
    bool PressTakesFocus(TMouseButton button, bool enabled) const;
    TButtonStep Press(TMouseButton button, bool enabled, bool focused);
    TButtonStep Move(bool inside);
    TButtonStep Release(TMouseButton button, bool inside);
    // Virtual key codes; a step with Click on KeyDown consumes the key.
    TButtonStep KeyDown(unsigned key, TShiftState shift, bool enabled);
    TButtonStep KeyUp(unsigned key);
    TButtonStep FocusLost();
    // The capture was taken away (another window, a system dialog): the mouse press ends
    // without a click, so that no later key release can fire the button.
    TButtonStep CaptureLost();
    TButtonStep Enter();
    TButtonStep Leave();
    // At the start of every paint: a disabled button takes the disabled state and stops
    // tracking; an enabled one still marked disabled returns to up.
    void Sync(bool enabled);

    const TButtonPolicy& Policy() const { return policy_; }
    TButtonState State() const { return state_; }
    bool Pressed() const { return state_ == bsPressed; }
    bool Hot() const { return hot_; }
    // The pointer is over an enabled button: the hot look (faces, rings) shows.
    bool HotLook() const { return hot_ && state_ != bsDisabled; }
    bool Tracking() const { return tracking_ != btNone; }
    TButtonTracking TrackingBy() const { return tracking_; }
    bool KeyFlag() const { return keyFlag_; }

private:
    TButtonStep SetState(TButtonState state);
    TButtonStep EndTracking(bool click);

    TButtonPolicy policy_;
    TButtonState state_ = bsUp;
    TButtonTracking tracking_ = btNone;
    bool hot_ = false;
    bool keyFlag_ = false;
};
