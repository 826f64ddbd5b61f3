// The widget stand-ins on a form of their own: when the editing pane reports its clipboard state,
// how the splitter takes its panes' controls, and how the bitmap and tool buttons size themselves
// and turn presses into clicks.
#include "tests/win32/app/AppTestSupport.h"

namespace {

using Log = std::vector<std::string>;

class Widgets : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        Application->OnException = [this](TObject*, std::exception_ptr e) {
            log.push_back("exception " + TApplication::ExceptionMessage(e));
        };
        form = new TForm(Application);
        form->SetBorderStyle(bsNone);
        form->SetBounds(50, 50, 400, 300);
        HoldModifiers(0);
    }
    void TearDown() override {
        delete form;
        Application->OnException = nullptr;
    }
    // A pane that logs both notifications: "lc" for line/column, "cb S T" for the clipboard state.
    TUiMemo* AddMemo() {
        auto* memo = new TUiMemo(form);
        memo->SetParent(form);
        memo->SetBounds(10, 10, 200, 100);
        memo->OnLineColChange = [this](TObject*, int, int) { log.push_back("lc"); };
        memo->OnClipboardChange = [this](TObject*, bool selection, bool text) {
            log.push_back(std::string("cb ") + (selection ? "S" : "-") + (text ? "T" : "-"));
        };
        return memo;
    }
    void Start() {
        form->AfterConstruction();
        form->Show();
        PumpUntilShown(form->Handle());
    }
    Log Take() { return std::exchange(log, {}); }

    TForm* form = nullptr;
    Log log;
};

} // namespace

// Each moment of the pane, with the notifications it gives, in order.
TEST_F(Widgets, PaneReportsItsClipboardStateAtItsMomentsOnly) {
    TUiMemo* memo = AddMemo();
    PutClipboardText(Application->Handle(), "x");
    Start();
    HWND edit = memo->Handle();
    struct Moment {
        const char* What;
        std::function<void()> Act;
        Log Expected;
    };
    const Moment moments[] = {
        {"new text", [&] { memo->SetText("hello world"); }, {"lc", "cb -T"}},
        {"the same text", [&] { memo->SetText("hello world"); }, {}},
        {"selection by the program", [&] { memo->SetSelLength(5); }, {}},
        {"key down", [&] { KeyDown(edit, VK_RIGHT); }, {"lc", "cb ST"}},
        {"key up", [&] { KeyUp(edit, VK_RIGHT); }, {"lc", "cb -T"}},
        {"typing", [&] { SendMessageA(edit, WM_CHAR, 'x', 1); }, {"lc", "cb -T"}},
        {"copy", [&] { memo->CopyToClipboard(); }, {}},
        {"left click inside", [&] { ClickAt(edit, 5, 5); }, {"lc", "cb -T", "cb -T"}},
        {"left release outside", [&] { Press(edit, 5, 5), Release(edit, 500, 5); }, {"cb -T"}},
        {"mouse move", [&] { SendMessageA(edit, WM_MOUSEMOVE, 0, MAKELPARAM(9, 9)); }, {}},
        {"window made again", [&] { memo->RecreateWnd(); }, {"lc", "cb -T", "cb -T"}},
    };
    Take();
    for (const Moment& m : moments) {
        SCOPED_TRACE(m.What);
        m.Act();
        EXPECT_EQ(m.Expected, Take());
    }
    // The clipboard is asked each time, not remembered.
    EmptyTheClipboard(Application->Handle());
    KeyUp(memo->Handle(), VK_SHIFT);
    EXPECT_EQ((Log{"lc", "cb --"}), Take());
}

TEST_F(Widgets, PaneReportsTwiceWhenItsWindowIsMade) {
    EmptyTheClipboard(Application->Handle());
    AddMemo();
    Start();
    EXPECT_EQ((Log{"lc", "cb --", "cb --"}), Take());
}

TEST_F(Widgets, SplitterTakesTheNamedControlsIntoItsPanesAtTheEnd) {
    auto* splitter = new TUiSplitter(form);
    splitter->SetParent(form);
    splitter->SetBounds(0, 0, 300, 200);
    splitter->SetPosition(100);
    splitter->UpperLeftControls = {"Left", "Missing"};
    splitter->LowerRightControls = {"Right"};
    auto* left = new TUiMemo(form);
    left->SetName("Left");
    left->SetParent(splitter);
    left->SetAlign(alClient);
    auto* right = new TUiPanel(form);
    right->SetName("Right");
    right->SetParent(splitter);
    right->SetAlign(alTop);
    right->SetHeight(25);
    // Until the end of the description nothing moves or aligns.
    EXPECT_EQ(splitter, left->Parent());
    EXPECT_EQ(185, left->Width()); // its own default width
    Start();
    EXPECT_EQ(splitter->UpperLeftPane(), left->Parent());
    EXPECT_EQ(splitter->LowerRightPane(), right->Parent());
    EXPECT_EQ(100, left->Width());
    EXPECT_EQ(200, left->Height());
    EXPECT_EQ(196, right->Width());
    EXPECT_EQ(104, splitter->LowerRightPane()->Left());
    // The bar stays within the splitter: down to zero, up to the width less the bar.
    splitter->SetPosition(-50);
    EXPECT_EQ(0, splitter->Position());
    splitter->SetPosition(1000);
    EXPECT_EQ(296, splitter->Position());
    EXPECT_EQ(0, splitter->LowerRightPane()->Width());
    // A narrower splitter pushes the bar in.
    splitter->SetWidth(250);
    EXPECT_EQ(246, splitter->Position());
    EXPECT_FALSE(splitter->UpperLeftPane()->TabStop());
}

TEST_F(Widgets, BitmapButtonKeepsItsPicturesSizeAndClicksOnLeftReleaseInside) {
    auto* button = new TUiBmpButton(form);
    button->SetParent(form);
    button->Bitmaps().Up.SetSize(20, 10);
    button->Bitmaps().Hot.SetSize(20, 10);
    button->BitmapsChanged();
    button->SetBounds(5, 5, 80, 40);
    EXPECT_EQ(20, button->Width());
    EXPECT_EQ(10, button->Height());
    EXPECT_EQ(&button->Bitmaps().Up, button->CurrentPicture());
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    Start();
    HWND h = button->Handle();
    // Held down it still shows Up; dragged off and released outside it does nothing.
    Press(h, 3, 3);
    EXPECT_EQ(bsPressed, button->State());
    EXPECT_EQ(&button->Bitmaps().Up, button->CurrentPicture());
    SendMessageA(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 3));
    EXPECT_EQ(bsUp, button->State());
    Release(h, 3, 10);
    EXPECT_EQ(0, clicks);
    ClickAt(h, 19, 9);
    EXPECT_EQ(1, clicks);
    // Focused after a press: Enter clicks at once, Space on its release, any key up ends a press.
    EXPECT_TRUE(button->Focused());
    KeyDown(h, VK_RETURN);
    EXPECT_EQ(2, clicks);
    KeyDown(h, VK_SPACE);
    KeyUp(h, VK_SPACE);
    EXPECT_EQ(3, clicks);
    Press(h, 3, 3);
    KeyUp(h, 'Q');
    EXPECT_EQ(4, clicks);
    Release(h, 3, 3);
    EXPECT_EQ(4, clicks);
    // The pointer over it shows Hot.
    SendMessageA(h, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(button->Hot());
    EXPECT_EQ(&button->Bitmaps().Hot, button->CurrentPicture());
}

TEST_F(Widgets, ToolButtonClicksOnReleaseInsideAndShowsItsFaceWhenHotOrPressed) {
    TImageList images;
    TBitmap strip(32, 16);
    strip.Canvas().FillRect(RECT{0, 0, 32, 16}, clRed);
    images.AddMasked(strip, clFuchsia);
    auto* button = new TUiToolButton(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 22, 22);
    button->SetImages(&images);
    button->SetImageIndex(0);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    Start();
    HWND h = form->Handle();
    EXPECT_FALSE(button->ShowsFace());
    Press(h, 15, 15);
    EXPECT_TRUE(button->ShowsFace());
    SendMessageA(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(15, 32)); // the row below: outside
    EXPECT_EQ(bsUp, button->State());
    Release(h, 15, 32);
    EXPECT_EQ(0, clicks);
    ClickAt(h, 31, 31);
    EXPECT_EQ(1, clicks);
    // Without a disabled picture the normal one is drawn greyed; a right press does nothing.
    Press(h, 15, 15, WM_RBUTTONDOWN);
    Release(h, 15, 15, WM_RBUTTONUP);
    EXPECT_EQ(1, clicks);
    button->SetEnabled(false);
    EXPECT_EQ(0, button->CurrentImage());
    EXPECT_EQ(bsDisabled, button->State());
    ClickAt(h, 15, 15);
    EXPECT_EQ(1, clicks);
    EXPECT_FALSE(button->ShowsFace());
    delete button;
}
