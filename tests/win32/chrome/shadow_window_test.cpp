// The shadow window under the window manager: where it goes, its stacking, when it shows.
#include "ShadowTestSupport.h"
#include "chrome/ShadowLogic.h"

namespace {

bool IsAbove(HWND upper, HWND lower) {
    for (HWND w = GetWindow(lower, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV))
        if (w == upper)
            return true;
    return false;
}

// The shadow sits 16 up and left of the form, 32 larger, directly below it, and shows as wanted.
void ExpectFollows(TShadowTestForm& form, bool shown, const char* when) {
    SCOPED_TRACE(when);
    TFormShadow& shadow = *form.Shadow;
    ASSERT_TRUE(shadow.HandleAllocated());
    const RECT f = WindowRectOf(form.Handle()), s = WindowRectOf(shadow.Handle());
    EXPECT_EQ(s.left, f.left - 16);
    EXPECT_EQ(s.top, f.top - 16);
    EXPECT_EQ(s.right - s.left, f.right - f.left + 32);
    EXPECT_EQ(s.bottom - s.top, f.bottom - f.top + 32);
    EXPECT_EQ(GetWindow(form.Handle(), GW_HWNDNEXT), shadow.Handle());
    EXPECT_EQ(IsWindowVisible(shadow.Handle()) != 0, shown);
}

TEST_F(ShadowTest, FollowsMovesRestackingMinimiseAndRestore) {
    const TBorderStyle styles[] = {bsNone, bsSingle};
    for (TBorderStyle style : styles) {
        SCOPED_TRACE(style == bsNone ? "borderless" : "bordered");
        auto* form = new TShadowTestForm(Application, style, 200, 150, 240, 160);
        form->AddShadow();
        form->ShowForm();
        Pump();
        ExpectFollows(*form, true, "shown");

        SetWindowPos(form->Handle(), nullptr, 321, 123, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ExpectFollows(*form, true, "moved");
        EXPECT_EQ(form->Left(), 321);

        // Another window comes to the front; then the form does again.
        auto* other = new TShadowTestForm(Application, bsNone, 250, 180, 100, 100);
        other->ShowForm();
        Pump();
        ASSERT_TRUE(IsAbove(other->Handle(), form->Handle()));
        SetWindowPos(form->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ExpectFollows(*form, true, "re-stacked");
        delete other;

        form->SetWindowState(wsMinimized);
        Pump();
        EXPECT_FALSE(IsWindowVisible(form->Shadow->Handle())) << "minimised";
        form->SetWindowState(wsNormal);
        Pump();
        ExpectFollows(*form, true, "restored");

        form->SetWindowState(wsMaximized);
        Pump();
        EXPECT_FALSE(IsWindowVisible(form->Shadow->Handle())) << "maximised";
        form->SetWindowState(wsNormal);
        Pump();
        ExpectFollows(*form, true, "restored from maximised");

        // Hidden with the form (the show flag clears wanted), back with it.
        form->HideForm();
        Pump();
        EXPECT_FALSE(form->Shadow->ShadowVisible());
        EXPECT_FALSE(IsWindowVisible(form->Shadow->Handle()));
        form->ShowForm();
        Pump();
        ExpectFollows(*form, true, "shown again");
        delete form;
    }
}

TEST_F(ShadowTest, ApplicationMinimiseHidesAndRestoreShows) {
    auto* form = new TShadowTestForm(Application, bsNone, 180, 140, 300, 200);
    form->AddShadow();
    form->ShowForm();
    Pump();
    Application->Minimize();
    Pump();
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(IsWindowVisible(form->Shadow->Handle()));
    Application->Restore();
    Pump();
    ExpectFollows(*form, true, "after the application's restore");
    delete form;
}

// Under Wine a window manager stacks the form but not the shadow, which would stay above every other window:
// there it shows only while its form is active. On Windows it stays beneath the form whatever is active.
TEST_F(ShadowTest, UnderWineItShowsOnlyWhileItsFormIsActive) {
    struct UnderWine {
        explicit UnderWine(bool value) { Application->SetUnderWine(value); }
        ~UnderWine() { Application->SetUnderWine(false); }
    };
    for (bool underWine : {true, false}) {
        SCOPED_TRACE(underWine ? "under Wine" : "on Windows");
        UnderWine setting(underWine);
        auto* form = new TShadowTestForm(Application, bsNone, 200, 150, 240, 160);
        form->AddShadow();
        form->ShowForm();
        Pump();
        ExpectFollows(*form, true, "shown, active");
        auto* other = new TShadowTestForm(Application, bsNone, 250, 180, 100, 100);
        other->ShowForm();
        Pump();
        ASSERT_NE(GetActiveWindow(), form->Handle());
        ExpectFollows(*form, !underWine, "another window active");
        SetActiveWindow(form->Handle());
        Pump();
        ExpectFollows(*form, true, "active again");
        delete other;
        delete form;
    }
}

TEST_F(ShadowTest, BeforeShownTheShadowIsPlacedHiddenWithoutImage) {
    auto* form = new TShadowTestForm(Application, bsNone, 100, 100, 200, 100);
    form->HandleNeeded();
    TFormShadow* shadow = form->AddShadow();
    // The attach nudges the form: the shadow window now exists, at 0 x 0 pixels, hidden.
    ASSERT_TRUE(shadow->HandleAllocated());
    const RECT s = WindowRectOf(shadow->Handle());
    EXPECT_EQ(s.right - s.left, 0);
    EXPECT_EQ(s.bottom - s.top, 0);
    EXPECT_EQ(s.left, 100 - 16);
    EXPECT_FALSE(IsWindowVisible(shadow->Handle()));
    SetWindowPos(form->Handle(), nullptr, 140, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(WindowRectOf(shadow->Handle()).left, 140 - 16);
    EXPECT_EQ(shadow->RebuildCount(), 0);
    EXPECT_EQ(shadow->ShadowImage().Width(), 0);
    delete form;
}

TEST_F(ShadowTest, RebuildsOnSizeOrKeyChangeButNotOnMove) {
    auto* form = new TShadowTestForm(Application, bsNone, 100, 100, 200, 100);
    TFormShadow* shadow = form->AddShadow();
    form->ShowForm();
    Pump();
    EXPECT_EQ(shadow->RebuildCount(), 1);
    for (int i = 0; i < 20; ++i)
        SetWindowPos(form->Handle(), nullptr, 100 + i * 7, 100 + i * 3, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(form->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(shadow->RebuildCount(), 1) << "moves and re-stacking rebuild nothing";

    SetWindowPos(form->Handle(), nullptr, 0, 0, 201, 100, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(shadow->RebuildCount(), 2);
    EXPECT_EQ(shadow->ShadowImage().Width(), 233);
    EXPECT_EQ(shadow->ShadowImage().Height(), 132);
    SetWindowPos(form->Handle(), nullptr, 0, 0, 201, 99, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(shadow->RebuildCount(), 3);
    EXPECT_EQ(shadow->ShadowImage().Height(), 131);

    // A new colour key counts only while the key is in use.
    form->SetTransparentColorValue(0x00FF00);
    SetWindowPos(form->Handle(), nullptr, 90, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(shadow->RebuildCount(), 3);
    form->SetTransparentColor(true);
    SetWindowPos(form->Handle(), nullptr, 80, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(shadow->RebuildCount(), 4);
    SetWindowPos(form->Handle(), nullptr, 70, 70, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(shadow->RebuildCount(), 4);
    delete form;
}

TEST_F(ShadowTest, DeclinesHitTestsSoClicksReachTheWindowBelow) {
    auto* below = new TShadowTestForm(Application, bsNone, 50, 50, 500, 400);
    below->ShowForm();
    auto* form = new TShadowTestForm(Application, bsNone, 150, 150, 200, 120);
    TFormShadow* shadow = form->AddShadow();
    form->ShowForm();
    PumpUntil([&] { return IsWindowVisible(shadow->Handle()); }, "the shadow shown");
    ASSERT_TRUE(IsWindowVisible(shadow->Handle()));

    const POINT beside{150 - 8, 150 + 60}; // in the shadow's margin, left of the form
    EXPECT_EQ(SendMessageA(shadow->Handle(), WM_NCHITTEST, 0, MAKELPARAM(beside.x, beside.y)), HTTRANSPARENT);
    EXPECT_EQ(WindowFromPoint(beside), below->Handle());

    int presses = 0;
    below->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++presses; };
    struct Spy {
        TWndMethod saved;
        int downs = 0;
        void Hook(TMessage& m) {
            if (m.Msg == WM_LBUTTONDOWN)
                ++downs;
            saved(m);
        }
    } spy{below->WindowProc()};
    below->SetWindowProc(TWndMethod::Bind<&Spy::Hook>(&spy));
    // Let the pointer arrive before the press.
    PumpUntilPointerAt(beside);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    PumpUntil([&] { return presses > 0; }, "the press below the shadow");
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(spy.downs, 1);
    below->SetWindowProc(spy.saved);
    delete form;
    delete below;
}

TEST_F(ShadowTest, SetShadowVisibleNudgesOnlyOnChange) {
    auto* form = new TShadowTestForm(Application, bsNone, 100, 100, 200, 100);
    form->HandleNeeded();
    {
        TPosRecorder rec(*form);
        TFormShadow* shadow = form->AddShadow();
        const std::vector<TPosRecorder::Entry> nudge = {{WM_WINDOWPOSCHANGING, kNudgeFlags},
                                                        {WM_WINDOWPOSCHANGED, kNudgeFlags}};
        const struct {
            const char* what;
            bool value;
            bool nudged;
        } steps[] = {{"first true", true, true},
                     {"true again", true, false},
                     {"false", false, true},
                     {"false again", false, false}};
        for (const auto& step : steps) {
            rec.log.clear();
            shadow->SetShadowVisible(step.value);
            // The system adds flags of its own to the changed message; ours must all be there.
            for (auto& e : rec.log)
                e.flags &= kNudgeFlags;
            EXPECT_EQ(rec.log, step.nudged ? nudge : std::vector<TPosRecorder::Entry>{}) << step.what;
        }
        rec.log.clear();
        shadow->AttachTo(form); // the same form: nothing
        EXPECT_TRUE(rec.log.empty());
        // The shadow goes before the recorder, which then puts the form's own callback back.
        delete form->Shadow;
        form->Shadow = nullptr;
    }
    delete form;
}

} // namespace
