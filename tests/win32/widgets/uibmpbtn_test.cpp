// The bitmap caption button under Wine: picture choice with its fallbacks, the face composed over
// what lies beneath it (and only that), sizing, the modal result written before OnClick, pointer
// entry and exit, presses of the other mouse buttons, and the press ended by a capture taken away.
#include "tests/win32/widgets/ButtonsTestSupport.h"

#include "widgets/UiBmpBtn.h"

namespace {

// A windowless control that counts its paints.
class TPaintCounter : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    int Paints = 0;

protected:
    void Paint() override { ++Paints; }
};

class BmpButton : public ButtonsTest {
protected:
    void SetUp() override {
        ButtonsTest::SetUp();
        form->SetColor(clLime);
        button = new TUiBmpButton(form);
        button->SetParent(form);
        button->SetBounds(20, 20, 80, 40);
        button->OnClick = [this](TObject*) { log.push_back("click " + std::to_string(form->ModalResult())); };
        button->OnMouseEnter = [this](TObject*) { log.push_back("enter"); };
        button->OnMouseLeave = [this](TObject*) { log.push_back("leave"); };
    }
    // Picture name: a 10 x 6 picture, its left half in the transparent colour, its right half colour.
    void Give(TBitmap& picture, TColor colour) {
        picture.SetSize(10, 6);
        picture.Canvas().FillRect(RECT{0, 0, 5, 6}, clFuchsia);
        picture.Canvas().FillRect(RECT{5, 0, 10, 6}, colour);
    }
    std::string Shown() {
        TUiButtonBitmaps& b = button->Bitmaps();
        TBitmap* p = button->CurrentPicture();
        return !p                     ? "none"
               : p == &b.Up           ? "Up"
               : p == &b.Hot          ? "Hot"
               : p == &b.UpAndFocused ? "UpAndFocused"
               : p == &b.Down         ? "Down"
               : p == &b.Disabled     ? "Disabled"
                                      : "generated";
    }
    TUiBmpButton* button = nullptr;
    std::vector<std::string> log;
};

TEST_F(BmpButton, PicturesFallBackInTheirOrder) {
    struct Case {
        const char* Present; // initials: U H F D X (Up, Hot, UpAndFocused, Down, Disabled)
        const char* Condition;
        bool ShowFocus;
        const char* Expected;
    } cases[] = {
        {"UHFDX", "", true, "Up"},
        {"UHFDX", "hot", true, "Hot"},
        {"U", "hot", true, "Up"},
        {"UF", "focused", true, "UpAndFocused"},
        {"UF", "focused", false, "Up"},
        {"UHF", "focused hot", true, "Hot"},
        {"UHD", "pressed hot", true, "Down"},
        {"UH", "pressed hot", true, "Up"},
        {"UX", "disabled", true, "Disabled"},
        {"U", "disabled", true, "generated"},
        {"X", "disabled", true, "Disabled"},
        {"H", "hot", true, "none"},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Present) + " " + c.Condition);
        TUiButtonBitmaps& b = button->Bitmaps();
        std::string present = c.Present, condition = c.Condition;
        std::pair<char, TBitmap*> pictures[] = {
            {'U', &b.Up}, {'H', &b.Hot}, {'F', &b.UpAndFocused}, {'D', &b.Down}, {'X', &b.Disabled}};
        for (auto& [initial, picture] : pictures) {
            if (present.find(initial) != std::string::npos)
                Give(*picture, clBlue);
            else
                *picture = TBitmap();
        }
        button->BitmapsChanged();
        button->SetShowFocus(c.ShowFocus);
        button->SetEnabled(condition.find("disabled") == std::string::npos);
        if (condition.find("focused") != std::string::npos || condition.find("pressed") != std::string::npos)
            button->SetFocus();
        if (condition.find("pressed") != std::string::npos)
            SendMouse(button->Handle(), WM_LBUTTONDOWN, 2, 2, MK_LBUTTON);
        button->Perform(condition.find("hot") != std::string::npos ? CM_MOUSEENTER : CM_MOUSELEAVE);
        EXPECT_EQ(c.Expected, Shown());
        SendMouse(button->Handle(), WM_LBUTTONUP, 50, 50);
        form->SetFocus();
    }
}

TEST_F(BmpButton, FaceShowsWhatLiesBeneathThroughTheTransparentColourAndOnlyThatIsRedrawn) {
    form->SetDoubleBuffered(true); // as the main window is
    auto* beneath = new TPaintCounter(form);
    beneath->SetParent(form);
    beneath->SetBounds(15, 15, 10, 10);
    auto* away = new TPaintCounter(form);
    away->SetParent(form);
    away->SetBounds(300, 80, 10, 10);
    Give(button->Bitmaps().Up, clBlue);
    Give(button->Bitmaps().Hot, clRed);
    button->Bitmaps().TransparentColor = clFuchsia;
    button->BitmapsChanged();
    Start();
    for (const char* look : {"Up", "Hot"}) {
        SCOPED_TRACE(look);
        button->Perform(std::string(look) == "Hot" ? CM_MOUSEENTER : CM_MOUSELEAVE);
        TBitmap picture;
        Snapshot(form, picture);
        EXPECT_EQ("0,255,0", PixelText(picture, 22, 22));
        EXPECT_EQ(std::string(look) == "Hot" ? "255,0,0" : "0,0,255", PixelText(picture, 27, 22));
        EXPECT_EQ("0,255,0", PixelText(picture, 31, 22)) << "outside the 10 x 6 button";
    }
    // A repaint of the button paints the parent's controls beneath it, not the others.
    const int beneathBefore = beneath->Paints, awayBefore = away->Paints;
    button->Repaint();
    EXPECT_GT(beneath->Paints, beneathBefore);
    EXPECT_EQ(awayBefore, away->Paints);
}

TEST_F(BmpButton, TakesItsUpPicturesSizeAtLoadingAndAfterEveryChange) {
    Give(button->Bitmaps().Up, clBlue);
    Start(); // loading fits it, without BitmapsChanged
    EXPECT_EQ(10, button->Width());
    EXPECT_EQ(6, button->Height());
    button->SetBounds(0, 0, 43, 17);
    EXPECT_EQ(10, button->Width());
    button->Bitmaps().Up.SetSize(25, 17);
    button->BitmapsChanged();
    EXPECT_EQ(25, button->Width());
    EXPECT_EQ(17, button->Height());
}

TEST_F(BmpButton, ClickWritesTheModalResultFirstAndEntryAndExitAreReported) {
    Give(button->Bitmaps().Up, clBlue);
    button->SetModalResult(7);
    Start();
    HWND b = button->Handle();
    SendMouse(b, WM_MOUSEMOVE, 2, 2);
    SendMouse(b, WM_LBUTTONDOWN, 2, 2, MK_LBUTTON);
    SendMouse(b, WM_LBUTTONUP, 2, 2);
    SendMessageA(b, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ((std::vector<std::string>{"enter", "click 7", "leave"}), log);
}

TEST_F(BmpButton, OtherMouseButtonsOnlyTakeTheFocus) {
    Give(button->Bitmaps().Up, clBlue);
    Start();
    for (UINT down : {WM_RBUTTONDOWN, WM_MBUTTONDOWN}) {
        form->SetFocus();
        SendMouse(button->Handle(), down, 2, 2);
        EXPECT_TRUE(button->Focused());
        EXPECT_EQ(bsUp, button->State());
        SendMouse(button->Handle(), down + 1, 2, 2);
    }
    EXPECT_TRUE(log.empty());
}

TEST_F(BmpButton, CaptureTakenAwayEndsThePressSoALaterKeyReleaseFiresNothing) {
    Give(button->Bitmaps().Up, clBlue);
    Start();
    HWND b = button->Handle();
    // While the button holds the mouse, any key's release clicks.
    SendMouse(b, WM_LBUTTONDOWN, 2, 2, MK_LBUTTON);
    SendKey(b, WM_KEYUP, 'Q');
    EXPECT_EQ(std::vector<std::string>{"click 0"}, log);
    SendMouse(b, WM_LBUTTONUP, 2, 2);
    // Taken away: nothing fires, neither the key nor the release.
    SendMouse(b, WM_LBUTTONDOWN, 2, 2, MK_LBUTTON);
    ASSERT_EQ(b, GetCapture());
    SetCapture(form->Handle());
    EXPECT_FALSE(button->Tracking());
    EXPECT_EQ(bsUp, button->State());
    SendKey(b, WM_KEYUP, 'Q');
    SendMouse(b, WM_LBUTTONUP, 2, 2);
    ReleaseCapture();
    EXPECT_EQ(std::vector<std::string>{"click 0"}, log);
    // Space still presses and clicks on its release; Enter clicks at once.
    SendKey(b, WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(bsPressed, button->State());
    SetCapture(form->Handle());
    ReleaseCapture();
    SendKey(b, WM_KEYUP, VK_SPACE);
    SendKey(b, WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ((std::vector<std::string>{"click 0", "click 0", "click 0"}), log);
}

} // namespace
