// The header's tool buttons under Wine: the pixels of every state, the picture choice with and
// without a disabled picture, clicks through the header's mouse routing (the click handler that
// disables its own button included), hints on disabled buttons, anchors, and the mouse given back
// when the capture is taken away or the pressed button goes.
#include "tests/win32/widgets/ButtonsTestSupport.h"

#include "widgets/UiPanel.h"
#include "widgets/UiToolButton.h"

namespace {

class ToolButtons : public ButtonsTest {
protected:
    void SetUp() override {
        ButtonsTest::SetUp();
        form->SetShowHint(true);
        FillSquares(images, 6);
        header = new TUiPanel(form);
        header->SetParent(form);
        header->SetBounds(10, 10, 342, 25);
        header->SetBorderOuter(fsFlat);
        header->SetBorderSides(sdLeft | sdTop | sdRight);
        header->SetVisualStyle(vsGradient);
        // Copy, cut and paste as on the source pane's header.
        for (int i = 0; i < 3; ++i) {
            auto* b = new TUiToolButton(form);
            b->SetParent(header);
            b->SetBounds(268 + 24 * i, 2, 22, 22);
            b->SetImages(&images);
            b->SetImageIndex(i);
            b->SetDisabledIndex(i + 3);
            b->SetVisualStyle(vsGradient);
            b->SetGradientColorStyle(gcsCustom);
            b->SetAnchors(akTop | akRight);
            b->SetHint(std::string("hint ") + char('0' + i));
            b->OnClick = [this, i](TObject*) { clicks.push_back(i); };
            buttons.push_back(b);
        }
        Start();
        h = header->Handle();
    }
    // Header coordinates of a point of button i.
    void Send(UINT msg, int i, int x, int y, WPARAM keys = 0) {
        SendMouse(h, msg, buttons[i]->Left() + x, buttons[i]->Top() + y, keys);
    }
    // Pixel (x, y) of button i as the header now paints it.
    std::string At(TBitmap& picture, int i, int x, int y) {
        return PixelText(picture, buttons[i]->Left() + x, buttons[i]->Top() + y);
    }
    TImageList images;
    TUiPanel* header = nullptr;
    std::vector<TUiToolButton*> buttons;
    std::vector<int> clicks;
    HWND h = nullptr;
};

TEST_F(ToolButtons, EachStatePaintsItsFaceAndPicture) {
    const TColor face = ColorToRGB(clBtnFace), shadow = ColorToRGB(clBtnShadow);
    const std::string outline = Rgb(ColorToRGB(cl3DDkShadow));
    // The header's gradient at button row y (the button sits at header row 2).
    auto header_row = [&](int y) { return Rgb(GradientRow(clWhite, face, 24, y + 1)); };
    enum Face { none, hot, pressed };
    struct State {
        const char* What;
        std::function<void()> Set;
        Face Look;
        int Picture;
    } states[] = {
        {"at rest", [] {}, none, 2},
        {"hot", [&] { Send(WM_MOUSEMOVE, 2, 5, 5); }, hot, 2},
        {"pressed", [&] { Send(WM_MOUSEMOVE, 2, 5, 5), Send(WM_LBUTTONDOWN, 2, 5, 5, MK_LBUTTON); }, pressed,
         2},
        {"dragged off", [&] { Send(WM_LBUTTONDOWN, 2, 5, 5, MK_LBUTTON), Send(WM_MOUSEMOVE, 2, 5, 22); },
         none, 2},
        {"disabled, pointer over it", [&] { buttons[2]->SetEnabled(false), Send(WM_MOUSEMOVE, 2, 5, 5); },
         none, 5},
    };
    for (const State& s : states) {
        SCOPED_TRACE(s.What);
        s.Set();
        TBitmap picture;
        Snapshot(header, picture);
        if (s.Look == none) {
            EXPECT_EQ(header_row(0), At(picture, 2, 0, 0));
            EXPECT_EQ(header_row(1), At(picture, 2, 1, 1));
            EXPECT_EQ(header_row(20), At(picture, 2, 20, 20));
            EXPECT_EQ(header_row(19), At(picture, 2, 19, 19)) << "beyond the picture";
        } else {
            const TColor top = s.Look == hot ? face : shadow, bottom = s.Look == hot ? shadow : face;
            for (int edge : {0, 21}) {
                EXPECT_EQ(outline, At(picture, 2, edge, 10));
                EXPECT_EQ(outline, At(picture, 2, 10, edge));
            }
            EXPECT_EQ(Rgb(GradientRow(top, bottom, 20, 0)), At(picture, 2, 1, 1));
            EXPECT_EQ(Rgb(GradientRow(top, bottom, 20, 10)), At(picture, 2, 20, 11));
            EXPECT_EQ(Rgb(bottom), At(picture, 2, 1, 20));
            // The picture's transparent corner shows the face.
            EXPECT_EQ(Rgb(GradientRow(top, bottom, 20, 2)), At(picture, 2, 3, 3));
            EXPECT_EQ(Rgb(GradientRow(top, bottom, 20, 18)), At(picture, 2, 19, 19)) << "beyond the picture";
        }
        // The picture at (3, 3), not moved when pressed.
        EXPECT_EQ(Rgb(Square(s.Picture)), At(picture, 2, 4, 3));
        EXPECT_EQ(Rgb(Square(s.Picture)), At(picture, 2, 18, 18));
        // Back to rest.
        Send(WM_LBUTTONUP, 2, 5, 30);
        SendMouse(h, WM_MOUSEMOVE, 100, 12);
        buttons[2]->SetEnabled(true);
    }
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ToolButtons, WithoutADisabledPictureTheListGreysTheNormalOne) {
    buttons[0]->SetDisabledIndex(-1);
    buttons[0]->SetHotIndex(4);
    buttons[0]->SetEnabled(false);
    Send(WM_MOUSEMOVE, 0, 5, 5);
    bool greyed = false;
    EXPECT_EQ(0, buttons[0]->CurrentImage(&greyed));
    EXPECT_TRUE(greyed);
    TBitmap picture;
    Snapshot(header, picture);
    TColor c = picture.Canvas().Pixel(buttons[0]->Left() + 10, 12);
    EXPECT_TRUE(RedOf(c) == GreenOf(c) && GreenOf(c) == BlueOf(c)) << Rgb(c);
    // Enabled again: the hot picture, drawn as it is.
    buttons[0]->SetEnabled(true);
    EXPECT_EQ(4, buttons[0]->CurrentImage(&greyed));
    EXPECT_FALSE(greyed);
}

TEST_F(ToolButtons, ReleaseInsideClicksOnceAndTheHotFaceComesBack) {
    Send(WM_MOUSEMOVE, 2, 5, 5);
    Send(WM_LBUTTONDOWN, 2, 5, 5, MK_LBUTTON);
    EXPECT_EQ(bsPressed, buttons[2]->State());
    Send(WM_LBUTTONUP, 2, 21, 21);
    EXPECT_EQ(std::vector<int>{2}, clicks);
    EXPECT_TRUE(buttons[2]->Hot());
    EXPECT_TRUE(buttons[2]->ShowsFace());
    EXPECT_EQ(nullptr, GetCapture());
    // The second press of a double click is a press: two clicks. The row below counts as outside.
    Send(WM_LBUTTONDBLCLK, 2, 5, 5, MK_LBUTTON);
    Send(WM_LBUTTONUP, 2, 5, 5);
    Send(WM_LBUTTONDOWN, 2, 5, 5, MK_LBUTTON);
    Send(WM_LBUTTONUP, 2, 5, 22);
    Send(WM_RBUTTONDOWN, 2, 5, 5, MK_RBUTTON);
    EXPECT_EQ(bsUp, buttons[2]->State());
    Send(WM_RBUTTONUP, 2, 5, 5);
    EXPECT_EQ((std::vector<int>{2, 2}), clicks);
}

TEST_F(ToolButtons, AClickThatDisablesItsOwnButtonEndsWithTheDisabledPicture) {
    // As a cut empties the selection.
    buttons[1]->OnClick = [this](TObject*) { buttons[1]->SetEnabled(false); };
    Send(WM_MOUSEMOVE, 1, 5, 5);
    Send(WM_LBUTTONDOWN, 1, 5, 5, MK_LBUTTON);
    Send(WM_LBUTTONUP, 1, 5, 5);
    TBitmap picture;
    Snapshot(header, picture);
    EXPECT_EQ(bsDisabled, buttons[1]->State());
    EXPECT_TRUE(buttons[1]->Hot());
    EXPECT_FALSE(buttons[1]->ShowsFace());
    EXPECT_EQ(Rgb(Square(4)), At(picture, 1, 10, 10));
    EXPECT_EQ(Rgb(GradientRow(clWhite, ColorToRGB(clBtnFace), 24, 2)), At(picture, 1, 1, 1));
    // A disabled button takes no press: it goes to the header.
    int headerPresses = 0;
    header->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++headerPresses; };
    Send(WM_LBUTTONDOWN, 1, 5, 5, MK_LBUTTON);
    Send(WM_LBUTTONUP, 1, 5, 5);
    EXPECT_EQ(1, headerPresses);
    EXPECT_EQ(bsDisabled, buttons[1]->State());
}

TEST_F(ToolButtons, TheMouseIsGivenBackWithoutAClick) {
    struct Case {
        const char* What;
        std::function<void()> TakeAway;
    } cases[] = {
        {"another window takes the capture", [&] { SetCapture(form->Handle()); }},
        {"the capture is released by someone else", [] { ReleaseCapture(); }},
        {"the pressed button is removed", [&] { delete buttons[0]; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        Send(WM_LBUTTONDOWN, 0, 5, 5, MK_LBUTTON);
        ASSERT_EQ(h, GetCapture());
        bool removed = std::string(c.What).find("removed") != std::string::npos;
        c.TakeAway();
        if (!removed) {
            EXPECT_FALSE(buttons[0]->Tracking());
            EXPECT_EQ(bsUp, buttons[0]->State());
            ReleaseCapture();
        }
        EXPECT_NE(h, GetCapture());
        SendMouse(h, WM_LBUTTONUP, 268 + 5, 7);
        EXPECT_TRUE(clicks.empty());
    }
}

TEST_F(ToolButtons, DisabledButtonsShowTheirHints) {
    Application->SetHintPause(30);
    buttons[0]->SetEnabled(false);
    for (int i : {0, 2}) {
        // The system's own move messages come first, then the hint after its pause.
        PumpUntilPointerAt(header->ClientToScreen(POINT{buttons[i]->Left() + 10, 12}));
        PostMessageA(h, WM_MOUSEMOVE, 0, MAKELPARAM(buttons[i]->Left() + 10, 12));
        PumpUntil([&] { return Application->HintVisible(); }, "the hint");
        EXPECT_TRUE(Application->HintVisible()) << i;
        EXPECT_EQ(std::string("hint ") + char('0' + i), Application->HintText());
        Application->CancelHint();
    }
    Application->SetHintPause(500);
}

TEST_F(ToolButtons, KeepTheirDistanceFromTheHeadersRightEdge) {
    for (int width : {200, 342, 500}) {
        header->SetWidth(width);
        EXPECT_EQ(width - 26, buttons[2]->Left()) << width;
        EXPECT_EQ(width - 74, buttons[0]->Left()) << width;
        EXPECT_EQ(2, buttons[2]->Top());
    }
}

} // namespace
