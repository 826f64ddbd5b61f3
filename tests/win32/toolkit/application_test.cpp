// The application: minimising and restoring all forms, hints for the control under the pointer
// (windowless and disabled ones included), Tab navigation across nested containers, timers,
// and the message loop.
#include "tests/win32/toolkit/ToolkitTestUtil.h"

#include "toolkit/Button.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/Memo.h"
#include "toolkit/Panel.h"
#include "toolkit/Timer.h"

#include <stdexcept>

namespace {

// Records the WM_SHOWWINDOW flags a form receives, in front of its own handling.
class TShowRecorder {
public:
    TShowRecorder(TForm* form, std::vector<std::string>& log, std::string name)
        : form_(form), log_(log), name_(std::move(name)) {
        saved_ = form->WindowProc();
        form->SetWindowProc(TWndMethod::Bind<&TShowRecorder::Callback>(this));
    }
    ~TShowRecorder() { form_->SetWindowProc(saved_); }
    void Callback(TMessage& message) {
        if (message.Msg == WM_SHOWWINDOW)
            log_.push_back(name_ + (message.WParam ? " shown" : " hidden"));
        saved_(message);
    }

private:
    TForm* form_;
    std::vector<std::string>& log_;
    std::string name_;
    TWndMethod saved_;
};

class ApplicationTest : public ToolkitTest {
protected:
    void TearDown() override {
        for (TForm* f : forms)
            delete f;
        ToolkitTest::TearDown();
    }
    TForm* NewForm(int x, int y, int w = 200, int h = 100) {
        auto* f = new TForm(Application);
        f->SetBorderStyle(bsNone);
        f->SetBounds(x, y, w, h);
        forms.push_back(f);
        return f;
    }
    std::vector<TForm*> forms;
    std::vector<std::string> log;
};

TEST_F(ApplicationTest, MinimizeHidesTheVisibleFormsAndRestoreShowsThemAgain) {
    TForm* first = NewForm(10, 10);
    TForm* second = NewForm(300, 10);
    TForm* hidden = NewForm(600, 10);
    for (TForm* f : forms)
        f->AfterConstruction();
    first->Show();
    second->Show();
    hidden->Handle();
    TShowRecorder r1(first, log, "first"), r2(second, log, "second"), r3(hidden, log, "hidden");

    Application->Minimize();
    EXPECT_TRUE(Application->Minimized());
    EXPECT_EQ(log, (std::vector<std::string>{"first hidden", "second hidden"}));
    EXPECT_FALSE(IsWindowVisible(first->Handle()));
    // The taskbar button stays: the application window is minimised, not hidden.
    EXPECT_TRUE(IsIconic(Application->Handle()));
    EXPECT_TRUE(IsWindowVisible(Application->Handle()));
    // The forms still count as visible: they come back.
    EXPECT_TRUE(first->Visible());

    log.clear();
    // The taskbar button restores through the application window's system command.
    SendMessageA(Application->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(Application->Minimized());
    EXPECT_EQ(log, (std::vector<std::string>{"first shown", "second shown"}));
    EXPECT_TRUE(IsWindowVisible(first->Handle()));
    EXPECT_TRUE(IsWindowVisible(second->Handle()));
    EXPECT_FALSE(IsWindowVisible(hidden->Handle()));
    EXPECT_FALSE(IsIconic(Application->Handle()));

    // Minimising twice changes nothing the second time.
    Application->Minimize();
    log.clear();
    Application->Minimize();
    EXPECT_TRUE(log.empty());
    Application->Restore();
}

TEST_F(ApplicationTest, TheTitleIsTheApplicationWindowsText) {
    Application->SetTitle("Sinoshift");
    char text[32] = {};
    GetWindowTextA(Application->Handle(), text, sizeof(text));
    EXPECT_STREQ(text, "Sinoshift");
    LONG style = GetWindowLongA(Application->Handle(), GWL_STYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX),
              static_cast<LONG>(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
}

TEST_F(ApplicationTest, TheTaskbarWindowCarriesTheProgramsIcon) {
    if (!FindResourceA(GetModuleHandleA(nullptr), "MAINICON", MAKEINTRESOURCEA(14)))
        GTEST_SKIP() << "no icon resource linked";
    EXPECT_TRUE(GetClassLongPtrA(Application->Handle(), GCLP_HICON));
}

// Under Wine the hidden window is no X window of the desktop unless minimised: the main form stands for the
// application there, with the title and icon; a window manager's minimise of it minimises the application,
// and after a restore the application window goes back off the screen wherever the manager had put it.
TEST_F(ApplicationTest, UnderWineTheMainFormStandsForTheApplication) {
    if (Application->MainForm())
        GTEST_SKIP() << "a main form exists already";
    struct UnderWine {
        UnderWine() { Application->SetUnderWine(true); }
        ~UnderWine() { Application->SetUnderWine(false); }
    } underWine;
    Application->SetTitle("Sinoshift");
    TForm* main = Application->CreateForm<TForm>();
    forms.push_back(main);
    main->SetBorderStyle(bsNone);
    main->SetBounds(10, 10, 100, 50);
    main->Show();
    TForm* other = NewForm(200, 10);
    other->AfterConstruction();
    other->Show();
    HWND hwnd = main->Handle(), app = Application->Handle();

    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), nullptr);
    EXPECT_EQ(GetWindow(other->Handle(), GW_OWNER), app);
    EXPECT_TRUE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_MINIMIZEBOX), static_cast<LONG>(WS_POPUP | WS_MINIMIZEBOX));
    char text[32] = {};
    GetWindowTextA(hwnd, text, sizeof(text));
    EXPECT_STREQ(text, "Sinoshift");
    EXPECT_EQ(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0),
              static_cast<LRESULT>(GetClassLongPtrA(app, GCLP_HICON)));

    SendMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(Application->Minimized());
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_TRUE(IsIconic(app));
    SendMessageA(app, WM_SYSCOMMAND, SC_RESTORE, 0);
    // As a window manager places it while it restores the application.
    SetWindowPos(app, nullptr, 144, 309, 1, 1, SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_TRUE(IsWindowVisible(app));
    RECT parked{};
    GetWindowRect(app, &parked);
    EXPECT_EQ((std::vector<LONG>{parked.left, parked.top, parked.right, parked.bottom}),
              (std::vector<LONG>{-100, -100, -100, -100}));
}

class Hints : public ApplicationTest {
protected:
    void SetUp() override {
        ApplicationTest::SetUp();
        Application->SetHintPause(30);
        form = NewForm(100, 100, 300, 100);
        form->SetShowHint(true);
        form->SetHint("form hint");
        enabledLabel = AddLabel("label hint", 10, 10);
        disabledLabel = AddLabel("disabled label hint", 60, 10);
        disabledLabel->SetEnabled(false);
        plainLabel = AddLabel("", 110, 10);
        edit = new TEdit(form);
        edit->SetParent(form);
        edit->SetBounds(160, 10, 60, 21);
        edit->SetHint("disabled edit hint");
        edit->SetEnabled(false);
        form->AfterConstruction();
        form->Show();
        PumpUntilShown(form->Handle());
    }
    void TearDown() override {
        Application->CancelHint();
        Application->SetHintPause(500);
        ApplicationTest::TearDown();
    }
    TLabel* AddLabel(const std::string& hint, int x, int y) {
        auto* l = new TLabel(form);
        l->SetParent(form);
        l->SetAutoSize(false);
        l->SetBounds(x, y, 40, 20);
        l->SetHint(hint);
        return l;
    }
    // Puts the pointer on a client point and waits for the hint it should show; for none (nullptr), waits
    // longer than the hint pause, a duration the behaviour defines.
    void RestAt(int x, int y, const char* hint) {
        // The system's own move messages from the pointer's way there come first.
        PumpUntilPointerAt(form->ClientToScreen(POINT{x, y}));
        PostMessageA(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        if (!hint)
            return Pump(200);
        PumpUntil([&] { return Application->HintVisible() && Application->HintText() == hint; },
                  std::string("the hint \"") + hint + "\"");
    }
    TForm* form = nullptr;
    TLabel *enabledLabel = nullptr, *disabledLabel = nullptr, *plainLabel = nullptr;
    TEdit* edit = nullptr;
};

TEST_F(Hints, TheHintOfTheControlUnderThePointerShowsAfterThePause) {
    struct Case {
        int X, Y;
        const char* Expected;
    } cases[] = {
        {20, 20, "label hint"},
        {70, 20, "disabled label hint"},
        // No hint of its own: the parent's.
        {120, 20, "form hint"},
        {170, 20, "disabled edit hint"},
        {250, 80, "form hint"},
    };
    for (const Case& c : cases) {
        // Away first, so every case starts without a hint.
        RestAt(290, 5, "form hint");
        RestAt(c.X, c.Y, c.Expected);
        EXPECT_TRUE(Application->HintVisible()) << c.Expected;
        EXPECT_EQ(Application->HintText(), c.Expected);
        ASSERT_TRUE(Application->HintWindow());
        EXPECT_TRUE(IsWindowVisible(Application->HintWindow()));
    }
}

TEST_F(Hints, APressHidesTheHintUntilThePointerMovesToAnotherControl) {
    RestAt(20, 20, "label hint");
    ASSERT_TRUE(Application->HintVisible());
    PostMessageA(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    PostMessageA(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
    Pump();
    EXPECT_FALSE(Application->HintVisible());
    RestAt(21, 21, nullptr);
    EXPECT_FALSE(Application->HintVisible()) << "same control";
    RestAt(70, 20, "disabled label hint");
    EXPECT_EQ(Application->HintText(), "disabled label hint");
}

TEST_F(Hints, NoHintWithoutShowHintOrWhenTheControlGoes) {
    enabledLabel->SetShowHint(false);
    RestAt(20, 20, nullptr);
    EXPECT_FALSE(Application->HintVisible());
    RestAt(70, 20, "disabled label hint");
    ASSERT_TRUE(Application->HintVisible());
    delete disabledLabel;
    EXPECT_FALSE(Application->HintVisible());
}

class TabOrder : public ApplicationTest {
protected:
    // combo, button, then a panel holding two edits (the second before the first) and a memo.
    void SetUp() override {
        ApplicationTest::SetUp();
        form = NewForm(100, 100, 300, 200);
        combo = Make<TComboBox>(form, "combo", 2);
        panel = Make<TPanel>(form, "panel", 1);
        panel->SetBounds(0, 40, 300, 150);
        edit1 = Make<TEdit>(panel, "edit1", 1);
        edit2 = Make<TEdit>(panel, "edit2", 0);
        memo = Make<TMemo>(panel, "memo", 2);
        button = Make<TButton>(form, "button", 0);
        noStop = Make<TEdit>(form, "noStop", 4);
        noStop->SetTabStop(false);
        form->AfterConstruction();
        form->Show();
        PumpUntilShown(form->Handle());
    }
    template <typename T> T* Make(TWinControl* parent, const std::string& name, int order) {
        auto* c = new T(form);
        c->SetName(name);
        c->SetParent(parent);
        c->SetTabOrder(order);
        return c;
    }
    // The focus may be in a system control's own inner window (a combo box's edit).
    std::string FocusedName() {
        TWinControl* c = nullptr;
        for (HWND h = GetFocus(); h && !c; h = GetParent(h))
            c = TWinControl::FindControl(h);
        return c ? c->Name() : "(none)";
    }
    void PressTab(bool shift = false) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
        Pump();
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    }
    TForm* form = nullptr;
    TComboBox* combo;
    TPanel* panel;
    TEdit *edit1, *edit2, *noStop;
    TMemo* memo;
    TButton* button;
};

TEST_F(TabOrder, TheDescriptionsTabOrderIsSettledAtItsEnd) {
    // Set in the description in any sequence, the orders hold once all siblings exist.
    EXPECT_EQ(button->TabOrder(), 0);
    EXPECT_EQ(panel->TabOrder(), 1);
    EXPECT_EQ(combo->TabOrder(), 2);
    EXPECT_EQ(edit2->TabOrder(), 0);
    EXPECT_EQ(edit1->TabOrder(), 1);
    std::vector<TWinControl*> list;
    form->GetTabOrderList(list);
    std::vector<std::string> names;
    for (TWinControl* c : list)
        names.push_back(c->Name());
    EXPECT_EQ(names,
              (std::vector<std::string>{"button", "panel", "edit2", "edit1", "memo", "combo", "noStop"}));
}

TEST_F(TabOrder, TabAndShiftTabWalkTheTabStopsAcrossContainersAndWrapAround) {
    EXPECT_EQ(FocusedName(), "button") << "the first tab stop gets the focus when the form activates";
    std::vector<std::string> forward;
    for (int i = 0; i < 6; ++i) {
        PressTab();
        forward.push_back(FocusedName());
    }
    // The panel is no tab stop; noStop is skipped; a memo does not keep the Tab key.
    EXPECT_EQ(forward, (std::vector<std::string>{"edit2", "edit1", "memo", "combo", "button", "edit2"}));
    std::vector<std::string> backward;
    for (int i = 0; i < 3; ++i) {
        PressTab(true);
        backward.push_back(FocusedName());
    }
    EXPECT_EQ(backward, (std::vector<std::string>{"button", "combo", "memo"}));
}

TEST_F(TabOrder, DisabledOrHiddenControlsAreSkippedAndAMemoCanKeepTheTab) {
    edit2->SetFocus();
    edit1->SetEnabled(false);
    PressTab();
    EXPECT_EQ(FocusedName(), "memo");
    memo->SetWantTabs(true);
    PressTab();
    EXPECT_EQ(FocusedName(), "memo");
    EXPECT_EQ(memo->Text(), "\t");
    panel->SetVisible(false);
    button->SetFocus();
    PressTab();
    EXPECT_EQ(FocusedName(), "combo");
    // The form remembers where the focus was.
    EXPECT_EQ(form->ActiveControl(), combo);
}

TEST_F(ApplicationTest, ATimerFiresUntilDisabledAndSettingItRestartsThePeriod) {
    auto* owner = new TComponent(nullptr);
    auto* timer = new TTimer(owner);
    int fired = 0;
    timer->OnTimer = [&](TObject* sender) {
        EXPECT_EQ(sender, timer);
        ++fired;
    };
    timer->SetInterval(20);
    PumpUntil([&] { return fired >= 3; }, "three firings");
    timer->SetEnabled(false);
    int stopped = fired;
    Pump(100); // five periods: a duration, in which a disabled timer must not fire
    EXPECT_EQ(fired, stopped);

    // Restarted well before it is due, the timer waits a whole period again: no firing within 600 ms of the
    // restart (the old period would have fired 200 ms after it); late is only slow.
    fired = 0;
    timer->SetInterval(600);
    Pump(400); // two thirds of the old period
    timer->SetEnabled(true);
    const DWORD restarted = GetTickCount();
    PumpUntil([&] { return fired >= 1; }, "the restarted timer's firing");
    EXPECT_GE(GetTickCount() - restarted, 600u - 20u) << "fired before a whole period (tick granularity allowed)";
    // Owned components go with their owner: no timer message comes afterwards.
    delete owner;
    Pump();
}

TEST_F(ApplicationTest, AnExceptionFromOnTimerReachesTheHandler) {
    TTimer timer(nullptr);
    timer.SetInterval(10);
    timer.OnTimer = [&](TObject*) {
        timer.SetEnabled(false);
        throw std::runtime_error("tick failed");
    };
    PumpUntil([&] { return !exceptions.empty(); }, "the exception");
    EXPECT_EQ(exceptions, (std::vector<std::string>{"tick failed"}));
}

TEST_F(ApplicationTest, ATimerInADescriptionStartsWhenTheDescriptionEnds) {
    TForm* form = NewForm(0, 0);
    auto* timer = new TTimer(form);
    timer->SetInterval(10);
    int fired = 0;
    timer->OnTimer = [&](TObject*) { ++fired; };
    Pump(60); // six periods: a duration, in which the timer must not start
    EXPECT_EQ(fired, 0);
    form->AfterConstruction();
    PumpUntil([&] { return fired > 0; }, "a firing");
}

TEST_F(ApplicationTest, ChildrenGoWithTheirParentEvenWhenSomeoneElseOwnsThem) {
    TForm* form = NewForm(0, 0);
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    // Owned by the form, placed in the panel (as a splitter's pane holds the form's edits).
    auto* edit = new TEdit(form);
    edit->SetName("edit");
    edit->SetParent(panel);
    form->Handle();
    int components = form->ComponentCount();
    delete panel;
    EXPECT_EQ(form->ComponentCount(), components - 2);
    EXPECT_EQ(form->FindComponent("edit"), nullptr);
}

TEST_F(ApplicationTest, AWindowMovesToItsNewParentWindowAsItIs) {
    TForm* form = NewForm(0, 0, 300, 200);
    auto* left = new TPanel(form);
    left->SetParent(form);
    auto* right = new TPanel(form);
    right->SetParent(form);
    auto* edit = new TEdit(form);
    edit->SetParent(left);
    edit->SetText("kept");
    HWND hwnd = edit->Handle();
    edit->SetParent(right);
    EXPECT_EQ(edit->Handle(), hwnd);
    EXPECT_EQ(GetParent(hwnd), right->Handle());
    EXPECT_EQ(edit->Text(), "kept");
    // Without a parent there is no window; it comes back under the next parent.
    edit->SetParent(nullptr);
    EXPECT_FALSE(edit->HandleAllocated());
    edit->SetParent(left);
    EXPECT_TRUE(edit->HandleAllocated());
    EXPECT_EQ(GetParent(edit->Handle()), left->Handle());
    EXPECT_EQ(edit->Text(), "kept");
}

// Logs which control a wheel message reached, in front of the control's own handling.
class TWheelRecorder {
public:
    TWheelRecorder(TControl* control, std::vector<std::string>& log) : control_(control), log_(log) {
        saved_ = control->WindowProc();
        control->SetWindowProc(TWndMethod::Bind<&TWheelRecorder::Callback>(this));
    }
    ~TWheelRecorder() { control_->SetWindowProc(saved_); }
    void Callback(TMessage& message) {
        if (message.Msg == WM_MOUSEWHEEL || message.Msg == WM_MOUSEHWHEEL)
            log_.push_back(control_->Name());
        saved_(message);
    }

private:
    TControl* control_;
    std::vector<std::string>& log_;
    TWndMethod saved_;
};

// Wine gives a notch to the window under the pointer; within a form it belongs to the focused
// control. Another form, or a focus outside the form, leaves it where it was sent.
TEST_F(ApplicationTest, AWheelNotchGoesToTheFocusedControlOfItsForm) {
    TForm* form = NewForm(100, 100, 300, 200);
    form->SetName("form");
    TForm* other = NewForm(450, 100, 100, 100);
    other->SetName("other");
    auto* panel = new TPanel(form);
    panel->SetName("panel");
    panel->SetParent(form);
    panel->SetBounds(0, 100, 300, 100);
    auto make = [&](TWinControl* parent, const char* name, int left) {
        auto* memo = new TMemo(form);
        memo->SetName(name);
        memo->SetParent(parent);
        memo->SetBounds(left, 0, 100, 80);
        return memo;
    };
    TMemo* focused = make(form, "focused", 0);
    TMemo* under = make(form, "under", 150);
    TMemo* nested = make(panel, "nested", 0);
    auto* elsewhere = new TMemo(other);
    elsewhere->SetName("elsewhere");
    elsewhere->SetParent(other);
    for (TForm* f : {other, form}) {
        f->AfterConstruction();
        f->Show();
    }
    PumpUntilShown(form->Handle());
    std::vector<TWheelRecorder*> recorders;
    for (TControl* c : std::initializer_list<TControl*>{form, panel, focused, under, nested, elsewhere})
        recorders.push_back(new TWheelRecorder(c, log));
    struct Case {
        TWinControl* Focus;
        TWinControl* SentTo;
        UINT Msg;
        std::string Reached;
    };
    const Case cases[] = {
        {focused, under, WM_MOUSEWHEEL, "focused"},       {focused, under, WM_MOUSEHWHEEL, "focused"},
        {focused, form, WM_MOUSEWHEEL, "focused"},        {focused, panel, WM_MOUSEWHEEL, "focused"},
        {nested, under, WM_MOUSEWHEEL, "nested"},         {focused, focused, WM_MOUSEWHEEL, "focused"},
        {focused, elsewhere, WM_MOUSEWHEEL, "elsewhere"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.SentTo->Name() + " with the focus on " + c.Focus->Name());
        c.Focus->SetFocus();
        ASSERT_EQ(GetFocus(), c.Focus->Handle());
        log.clear();
        PostMessageA(c.SentTo->Handle(), c.Msg, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(200, 150));
        Pump();
        // A control that does not take the wheel lets its parents see it: the first one counts.
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(log.front(), c.Reached);
    }
    for (TWheelRecorder* r : recorders)
        delete r;
}

TEST_F(ApplicationTest, ClosingTheMainFormEndsTheLoop) {
    if (Application->MainForm())
        GTEST_SKIP() << "a main form exists already";
    TForm* main = Application->CreateForm<TForm>();
    forms.push_back(main);
    EXPECT_EQ(Application->MainForm(), main);
    main->SetBorderStyle(bsNone);
    main->SetBounds(10, 10, 100, 50);
    bool closed = false;
    main->OnClose = [&](TObject*, TCloseAction&) { closed = true; };
    TTimer closer(nullptr);
    closer.SetInterval(50);
    closer.OnTimer = [&](TObject*) {
        closer.SetEnabled(false);
        EXPECT_TRUE(IsWindowVisible(main->Handle())) << "Run shows the main form";
        main->Close();
    };
    Application->Run();
    EXPECT_TRUE(closed);
    EXPECT_TRUE(Application->Terminated());
    delete main;
    forms.clear();
    EXPECT_EQ(Application->MainForm(), nullptr);
}

} // namespace
