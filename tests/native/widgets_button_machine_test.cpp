// The shared button state machine: each kind's transitions as event sequences with the state,
// clicks, tracking and hot flag they end in.
#include "widgets/ButtonMachine.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// Plays a sequence of space-separated events and counts the clicks. Events:
//   P Pu Pd Pr Pm   left press (focused, unfocused, disabled), right press, middle press
//   i o             pointer move inside, outside
//   R Ro Rr         left release inside, outside; right release inside
//   Sd Sx Su As     Space down (enabled, disabled), Space up, Alt+Space down
//   Ed Ec Qu        Enter down, Ctrl+Enter down, another key (Q) up
//   F C H+ H- D E   focus lost, capture lost, pointer entry, exit, paint disabled, paint enabled
int Play(TButtonMachine& m, const std::string& events) {
    std::istringstream in(events);
    std::string e;
    int clicks = 0;
    while (in >> e) {
        TButtonStep step;
        if (e == "P")
            step = m.Press(mbLeft, true, true);
        else if (e == "Pu")
            step = m.Press(mbLeft, true, false);
        else if (e == "Pd")
            step = m.Press(mbLeft, false, false);
        else if (e == "Pr")
            step = m.Press(mbRight, true, true);
        else if (e == "Pm")
            step = m.Press(mbMiddle, true, true);
        else if (e == "i" || e == "o")
            step = m.Move(e == "i");
        else if (e == "R" || e == "Ro")
            step = m.Release(mbLeft, e == "R");
        else if (e == "Rr")
            step = m.Release(mbRight, true);
        else if (e == "Sd" || e == "Sx")
            step = m.KeyDown(32, 0, e == "Sd");
        else if (e == "As")
            step = m.KeyDown(32, ssAlt, true);
        else if (e == "Su")
            step = m.KeyUp(32);
        else if (e == "Ed")
            step = m.KeyDown(13, 0, true);
        else if (e == "Ec")
            step = m.KeyDown(13, ssCtrl, true);
        else if (e == "Qu")
            step = m.KeyUp('Q');
        else if (e == "F")
            step = m.FocusLost();
        else if (e == "C")
            step = m.CaptureLost();
        else if (e == "H+")
            step = m.Enter();
        else if (e == "H-")
            step = m.Leave();
        else if (e == "D" || e == "E")
            m.Sync(e == "E");
        else
            ADD_FAILURE() << "unknown event " << e;
        clicks += step.Click;
    }
    return clicks;
}

struct Row {
    TButtonKind Kind;
    const char* Name;
    const char* Events;
    TButtonState State;
    int Clicks;
    bool Tracking;
    bool Hot;
};

const Row kRows[] = {
    // Caption button.
    {bkCaption, "left press on the focused button presses", "P", bsPressed, 0, true, false},
    {bkCaption, "a press without the focus does nothing", "Pu", bsUp, 0, false, false},
    {bkCaption, "drag off lifts, still tracking", "P o", bsUp, 0, true, false},
    {bkCaption, "drag back presses again", "P o i", bsPressed, 0, true, false},
    {bkCaption, "release inside clicks", "P R", bsUp, 1, false, false},
    {bkCaption, "release outside does not click", "P o Ro", bsUp, 0, false, false},
    {bkCaption, "drag off and back, release clicks", "P o i R", bsUp, 1, false, false},
    {bkCaption, "right and middle presses neither press nor click", "Pr Rr Pm", bsUp, 0, false, false},
    {bkCaption, "a right release does not end a left press", "P Rr", bsPressed, 0, true, false},
    {bkCaption, "Space presses, its release clicks", "Sd Su", bsUp, 1, false, false},
    {bkCaption, "Space on a disabled button does nothing", "Sx Su", bsUp, 0, false, false},
    {bkCaption, "Enter clicks at once, each repeat again", "Ed Ed", bsUp, 2, false, false},
    {bkCaption, "any key release ends a mouse press with a click", "P Qu R", bsUp, 1, false, false},
    {bkCaption, "a double click is two clicks", "P R P R", bsUp, 2, false, false},
    {bkCaption, "disabled at paint: tracking stops", "P D R", bsDisabled, 0, false, false},
    {bkCaption, "enabled again at paint: up", "D E", bsUp, 0, false, false},
    {bkCaption, "capture loss ends the press; a key release later fires nothing", "P C Qu R", bsUp, 0, false,
     false},
    {bkCaption, "capture loss leaves a Space press alone", "Sd C Su", bsUp, 1, false, false},
    {bkCaption, "focus loss has no rule", "P F", bsPressed, 0, true, false},
    {bkCaption, "hot while pressed", "H+ P", bsPressed, 0, true, true},
    // Tool button.
    {bkTool, "left press presses without any focus", "Pu", bsPressed, 0, true, false},
    {bkTool, "a disabled button ignores presses", "D Pd", bsDisabled, 0, false, false},
    {bkTool, "drag off lifts, drag back presses", "P o i", bsPressed, 0, true, false},
    {bkTool, "release inside clicks and clears hot", "H+ P R", bsUp, 1, false, false},
    {bkTool, "release outside does not click", "H+ P o Ro", bsUp, 0, false, false},
    {bkTool, "any button's release ends the press", "P Rr", bsUp, 1, false, false},
    {bkTool, "a right press does nothing", "Pr Rr", bsUp, 0, false, false},
    {bkTool, "no keyboard", "Sd Su Ed", bsUp, 0, false, false},
    {bkTool, "a double click is two clicks", "P R P R", bsUp, 2, false, false},
    {bkTool, "the click handler disables it: disabled, hot, no face", "H+ P R D H+", bsDisabled, 1, false,
     true},
    {bkTool, "enabled again at paint: up", "D E", bsUp, 0, false, false},
    {bkTool, "capture loss ends the press without a click", "P C R", bsUp, 0, false, false},
    {bkTool, "exit clears hot", "H+ H-", bsUp, 0, false, false},
    // Push button.
    {bkPush, "left press on the focused button presses", "P", bsPressed, 0, true, false},
    {bkPush, "a press that did not get the focus does nothing", "Pu", bsUp, 0, false, false},
    {bkPush, "drag off and back", "P o i", bsPressed, 0, true, false},
    {bkPush, "release inside clicks", "P R", bsUp, 1, false, false},
    {bkPush, "release outside does not click", "P o Ro", bsUp, 0, false, false},
    {bkPush, "any button's release ends the press", "P Rr", bsUp, 1, false, false},
    {bkPush, "Space down presses, its release clicks", "Sd Su", bsUp, 1, false, false},
    {bkPush, "the key flag stays until the focus goes", "Sd Su Su", bsUp, 2, false, false},
    {bkPush, "Alt+Space does nothing", "As Su", bsUp, 0, false, false},
    {bkPush, "Enter clicks, each repeat again; Ctrl+Enter does not", "Ed Ed Ec", bsUp, 2, false, false},
    {bkPush, "focus loss lifts and clears the key flag", "Sd F Su", bsUp, 0, false, false},
    {bkPush, "another key's release does not click", "P Qu", bsPressed, 0, true, false},
    {bkPush, "capture loss ends the press without a click", "P C R", bsUp, 0, false, false},
    {bkPush, "a double click is two clicks", "P R P R", bsUp, 2, false, false},
    {bkPush, "disabled at paint", "P D", bsDisabled, 0, false, false},
};

const char* KindName(TButtonKind kind) {
    return kind == bkCaption ? "caption" : kind == bkTool ? "tool" : "push";
}

TEST(ButtonMachine, EveryTransitionOfEachKind) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(std::string(KindName(r.Kind)) + ": " + r.Name + " [" + r.Events + "]");
        TButtonMachine m(r.Kind);
        EXPECT_EQ(r.Clicks, Play(m, r.Events));
        EXPECT_EQ(r.State, m.State());
        EXPECT_EQ(r.Tracking, m.Tracking());
        EXPECT_EQ(r.Hot, m.Hot());
    }
}

TEST(ButtonMachine, RepaintsOnlyWhenTheLookChanges) {
    for (TButtonKind kind : {bkCaption, bkTool, bkPush}) {
        SCOPED_TRACE(KindName(kind));
        TButtonMachine m(kind);
        EXPECT_TRUE(m.Press(mbLeft, true, true).Repaint);
        EXPECT_FALSE(m.Move(true).Repaint);
        EXPECT_TRUE(m.Move(false).Repaint);
        EXPECT_FALSE(m.Move(false).Repaint);
        EXPECT_TRUE(m.Enter().Repaint);
        EXPECT_FALSE(m.Enter().Repaint);
        TButtonStep release = m.Release(mbLeft, false);
        EXPECT_TRUE(release.Repaint);
        EXPECT_FALSE(release.Click);
        EXPECT_FALSE(m.Release(mbLeft, true).Repaint); // no longer tracking
    }
}

TEST(ButtonMachine, DisabledButtonShowsNoHotLook) {
    TButtonMachine m(bkTool);
    m.Enter();
    EXPECT_TRUE(m.HotLook());
    m.Sync(false);
    EXPECT_TRUE(m.Hot());
    EXPECT_FALSE(m.HotLook());
    m.Sync(true);
    EXPECT_TRUE(m.HotLook());
}

} // namespace
