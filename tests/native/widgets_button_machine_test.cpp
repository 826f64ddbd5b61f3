// The shared button state machine: each kind's transitions as event sequences with the state,
// clicks, tracking and hot flag they end in.
#include "widgets/ButtonMachine.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>
#include <string>

namespace {

// Plays a sequence of space-separated events and counts the clicks. P Pu Pd: left press (focused,
// unfocused, disabled); Pr Pm: right, middle press; i o: move inside, outside; R Ro Rr: left release
// inside, outside, right release inside; Sd Sx Su As: Space down (enabled, disabled), up, Alt+Space;
// Ed Ec: Enter, Ctrl+Enter; Qu: Q up; F C: focus, capture lost; H+ H-: entry, exit; D E: paint disabled,
// enabled.
int Play(TButtonMachine& m, const std::string& events) {
    using Event = std::function<TButtonStep(TButtonMachine&)>;
    static const std::map<std::string, Event> table = {
        {"P", [](auto& b) { return b.Press(mbLeft, true, true); }},
        {"Pu", [](auto& b) { return b.Press(mbLeft, true, false); }},
        {"Pd", [](auto& b) { return b.Press(mbLeft, false, false); }},
        {"Pr", [](auto& b) { return b.Press(mbRight, true, true); }},
        {"Pm", [](auto& b) { return b.Press(mbMiddle, true, true); }},
        {"i", [](auto& b) { return b.Move(true); }},
        {"o", [](auto& b) { return b.Move(false); }},
        {"R", [](auto& b) { return b.Release(mbLeft, true); }},
        {"Ro", [](auto& b) { return b.Release(mbLeft, false); }},
        {"Rr", [](auto& b) { return b.Release(mbRight, true); }},
        {"Sd", [](auto& b) { return b.KeyDown(32, 0, true); }},
        {"Sx", [](auto& b) { return b.KeyDown(32, 0, false); }},
        {"As", [](auto& b) { return b.KeyDown(32, ssAlt, true); }},
        {"Su", [](auto& b) { return b.KeyUp(32); }},
        {"Ed", [](auto& b) { return b.KeyDown(13, 0, true); }},
        {"Ec", [](auto& b) { return b.KeyDown(13, ssCtrl, true); }},
        {"Qu", [](auto& b) { return b.KeyUp('Q'); }},
        {"F", [](auto& b) { return b.FocusLost(); }},
        {"C", [](auto& b) { return b.CaptureLost(); }},
        {"H+", [](auto& b) { return b.Enter(); }},
        {"H-", [](auto& b) { return b.Leave(); }},
        {"D", [](auto& b) { return b.Sync(false), TButtonStep{}; }},
        {"E", [](auto& b) { return b.Sync(true), TButtonStep{}; }},
    };
    std::istringstream in(events);
    std::string e;
    int clicks = 0;
    while (in >> e)
        clicks += table.at(e)(m).Click;
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
        EXPECT_EQ(r.Hot && r.State != bsDisabled, m.HotLook());
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

TEST(ButtonMachine, PressesThatTakeTheFocusFirst) {
    struct FocusRow {
        TButtonKind Kind;
        bool Left, Right, Middle, LeftWhenDisabled;
    };
    const FocusRow rows[] = {
        {bkCaption, true, true, true, false},
        {bkTool, false, false, false, false},
        {bkPush, true, false, false, false},
    };
    for (const FocusRow& r : rows) {
        SCOPED_TRACE(KindName(r.Kind));
        const TButtonMachine m(r.Kind);
        EXPECT_EQ(r.Left, m.PressTakesFocus(mbLeft, true));
        EXPECT_EQ(r.Right, m.PressTakesFocus(mbRight, true));
        EXPECT_EQ(r.Middle, m.PressTakesFocus(mbMiddle, true));
        EXPECT_EQ(r.LeftWhenDisabled, m.PressTakesFocus(mbLeft, false));
    }
}

} // namespace
