// Window management of the main window: moving by the title strip, the window menu under the icon,
// minimising and closing through the caption buttons and the menu, and the shadow's showing,
// hiding and destruction through WMShowWindow and FormClose.
#include "tests/win32/app/AppTestSupport.h"

#include "chrome/ufrmShadowFrame.h"

namespace {

// Takes the window's system commands out of its message callback, so that the system's modal
// move loop never starts, and records where the window moves; everything else passes on.
class TSysCommandRecorder {
public:
    explicit TSysCommandRecorder(TForm* form) : form_(form), saved_(form->WindowProc()) {
        form->SetWindowProc(TWndMethod::Bind<&TSysCommandRecorder::WndProc>(this));
    }
    ~TSysCommandRecorder() { form_->SetWindowProc(saved_); }
    std::vector<WPARAM> Commands;
    std::vector<LPARAM> Params;
    bool CaptureHeld = false;
    std::vector<POINT> Positions;
    std::vector<std::pair<int, int>> MovesFrom(const RECT& start) const {
        std::vector<std::pair<int, int>> moves;
        for (POINT p : Positions)
            moves.emplace_back(p.x - start.left, p.y - start.top);
        return moves;
    }

private:
    void WndProc(TMessage& message) {
        if (message.Msg == WM_WINDOWPOSCHANGED) {
            const auto* pos = reinterpret_cast<const WINDOWPOS*>(message.LParam);
            if (!(pos->flags & SWP_NOMOVE))
                Positions.push_back(POINT{pos->x, pos->y});
        }
        if (message.Msg == WM_SYSCOMMAND) {
            Commands.push_back(message.WParam);
            Params.push_back(message.LParam);
            CaptureHeld = GetCapture() != nullptr;
            return;
        }
        saved_(message);
    }
    TForm* form_;
    TWndMethod saved_;
};

class Window : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ShowWindowNow();
    }
    // Where the window menu would open, and with what; the menu loop never runs.
    struct Popped {
        int Count = 0;
        POINT At{};
        HWND Owner = nullptr;
        int Items = 0;
    };
    void RecordPopup(Popped& popped, UINT choose) {
        form->PopupMenu1.Track = [&popped, choose](HMENU menu, int x, int y, HWND owner) {
            ++popped.Count;
            popped.At = POINT{x, y};
            popped.Owner = owner;
            popped.Items = GetMenuItemCount(menu);
            return choose;
        };
    }
};

} // namespace

TEST_F(Window, EachButtonDragsTheWindowByTheUncoveredTitleStripOnlyWhileItIsHeld) {
    // Pressed at (X, Y), the pointer moves by (100, 40) with Held down, the button is released
    // there, then the pointer moves on by (30, 30) with no button. The left button hands the window
    // to the system's move loop (recorded, not run); the others move it here, while held only.
    struct Variant {
        const char* What;
        int X, Y;
        UINT Down, Up;
        WPARAM Held;
        bool CaptureTaken;
        std::vector<WPARAM> Commands;
        std::vector<std::pair<int, int>> Moves;
    };
    const Variant variants[] = {
        {"left on the strip", 300, 12, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, false, {0xF012}, {}},
        {"right on the strip", 500, 3, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, false, {}, {{100, 40}}},
        {"middle on the strip", 600, 24, WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON, false, {}, {{100, 40}}},
        {"right, its release unseen", 500, 3, WM_RBUTTONDOWN, WM_RBUTTONUP, 0, false, {}, {}},
        {"right, the capture taken away", 500, 3, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, true, {}, {}},
        {"on the icon", 12, 12, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, false, {}, {}},
        {"on the logo", 100, 20, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, false, {}, {}},
        {"below the strip", 600, 50, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, false, {}, {}},
        {"right below the strip", 600, 50, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, false, {}, {}},
    };
    Popped popped;
    RecordPopup(popped, 0);
    HWND window = form->Handle();
    for (const Variant& v : variants) {
        SCOPED_TRACE(v.What);
        RECT start;
        GetWindowRect(window, &start);
        {
            TSysCommandRecorder recorder(form);
            // The pointer at (dx, dy) from the press, in the window's coordinates as they are now.
            auto at = [&](int dx, int dy) {
                POINT p{start.left + v.X + dx, start.top + v.Y + dy};
                ScreenToClient(window, &p);
                return MAKELPARAM(p.x, p.y);
            };
            Press(window, v.X, v.Y, v.Down);
            // The drag holds the mouse (a control pressed by the left button may hold it too).
            if (v.Down != WM_LBUTTONDOWN && v.Y < 25) {
                EXPECT_EQ(window, GetCapture());
            }
            if (v.CaptureTaken) {
                SetCapture(form->BtnDo->Handle());
                ReleaseCapture();
            }
            SendMessageA(window, WM_MOUSEMOVE, v.Held, at(100, 40));
            SendMessageA(window, v.Up, 0, at(100, 40));
            SendMessageA(window, WM_MOUSEMOVE, 0, at(130, 70));
            EXPECT_EQ(v.Commands, recorder.Commands);
            EXPECT_EQ(std::vector<LPARAM>(v.Commands.size(), 0), recorder.Params);
            // The label's hold on the mouse is let go before the move loop takes it.
            EXPECT_FALSE(recorder.CaptureHeld);
            EXPECT_EQ(v.Moves, recorder.MovesFrom(start));
            EXPECT_EQ(nullptr, GetCapture());
        }
        SetWindowPos(window, nullptr, start.left, start.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

TEST_F(Window, IconOpensTheWindowMenuJustBelowItself) {
    Popped popped;
    RecordPopup(popped, 0);
    ClickControl(form->Image2);
    ASSERT_EQ(1, popped.Count);
    RECT window;
    GetWindowRect(form->Handle(), &window);
    EXPECT_EQ(window.left + 8, popped.At.x);
    EXPECT_EQ(window.top + 6 + 16, popped.At.y);
    EXPECT_EQ(form->Handle(), popped.Owner);
    EXPECT_EQ(3, popped.Items);
    // Moved elsewhere, the menu follows the icon.
    SetWindowPos(form->Handle(), nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ClickControl(form->Image2);
    EXPECT_EQ(48, popped.At.x);
    EXPECT_EQ(52, popped.At.y);
}

TEST_F(Window, MenuItemsMinimiseAndClose) {
    Popped popped;
    RecordPopup(popped, 1); // PM_MinSize
    ClickControl(form->Image2);
    EXPECT_TRUE(Application->Minimized());
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    Application->Restore();
    PumpUntil([&] { return IsWindowVisible(form->Handle()); }, "the restored window");
    RecordPopup(popped, 3); // PM_Close
    ClickControl(form->Image2);
    EXPECT_EQ(nullptr, form->Shadow());
    EXPECT_TRUE(QuitPosted());
}

TEST_F(Window, MinimiseButtonHidesTheWindowAndItsShadowUntilRestored) {
    ASSERT_NE(nullptr, form->Shadow());
    EXPECT_TRUE(form->Shadow()->ShadowVisible());
    ClickAt(form->BtnSysMin->Handle(), 12, 8);
    EXPECT_TRUE(Application->Minimized());
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(form->Shadow()->ShadowVisible());
    Application->Restore();
    PumpUntil([&] { return IsWindowVisible(form->Handle()); }, "the restored window");
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(form->Shadow()->ShadowVisible());
}

TEST_F(Window, CaptionButtonClicksOnlyOnALeftReleaseInside) {
    HWND close = form->BtnSysClose->Handle();
    // Released just outside (the row below, the column to the right): no close.
    Press(close, 5, 5);
    Release(close, 5, 17);
    Press(close, 5, 5);
    Release(close, 43, 5);
    // A right press takes the focus but presses nothing.
    Press(close, 5, 5, WM_RBUTTONDOWN);
    Release(close, 5, 5, WM_RBUTTONUP);
    EXPECT_TRUE(form->BtnSysClose->Focused());
    EXPECT_NE(nullptr, form->Shadow());
    EXPECT_FALSE(QuitPosted());
    ClickAt(close, 42, 16);
    EXPECT_EQ(nullptr, form->Shadow());
    EXPECT_TRUE(QuitPosted());
}

TEST_F(Window, ShowWindowTellsTheShadowAndCopesWithoutOne) {
    TFormShadow* shadow = form->Shadow();
    ASSERT_NE(nullptr, shadow);
    SendMessageA(form->Handle(), WM_SHOWWINDOW, FALSE, 0);
    EXPECT_FALSE(shadow->ShadowVisible());
    SendMessageA(form->Handle(), WM_SHOWWINDOW, TRUE, 0);
    EXPECT_TRUE(shadow->ShadowVisible());
    // The close handler destroys the shadow and gives the window its own callback back.
    TCloseAction action = caHide;
    form->FormClose(form, action);
    EXPECT_EQ(caHide, action);
    EXPECT_EQ(nullptr, form->Shadow());
    EXPECT_TRUE(form->WindowProc() == TWndMethod::Bind<&TControl::WndProc>(static_cast<TControl*>(form)));
    // A show or hide after the close touches no shadow.
    SendMessageA(form->Handle(), WM_SHOWWINDOW, FALSE, 0);
    SendMessageA(form->Handle(), WM_SHOWWINDOW, TRUE, 0);
    form->Hide();
    form->Show();
    EXPECT_TRUE(exceptions.empty());
}

TEST_F(Window, WindowMenuPicturesKeepTheMenuBackground) {
    // The menu asks its owner window for the pictures; drawn through their masks onto lime, the
    // close picture (a black X) leaves lime round it.
    TBitmap target(16, 16);
    target.Canvas().FillRect(RECT{0, 0, 16, 16}, clLime);
    TMenuHandle menu = form->PopupMenu1.Build(true);
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP | MIIM_DATA;
    ASSERT_TRUE(GetMenuItemInfoA(menu.Handle(), 2, TRUE, &info));
    EXPECT_EQ(HBMMENU_CALLBACK, info.hbmpItem);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = 3;
    draw.itemData = info.dwItemData;
    draw.hwndItem = reinterpret_cast<HWND>(menu.Handle());
    draw.hDC = target.Canvas().Handle();
    draw.rcItem = RECT{0, 0, 16, 16};
    TMessage message{WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw), 0};
    ASSERT_TRUE(form->PopupMenu1.DrawItemPicture(message));
    int lime = 0, black = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            TColor c = target.Canvas().Pixel(x, y);
            lime += c == clLime;
            black += c == clBlack;
        }
    EXPECT_GT(black, 8);
    EXPECT_GT(lime, 128);
    // Another menu's request is not answered.
    draw.itemData = 0;
    EXPECT_FALSE(form->PopupMenu1.DrawItemPicture(message));
}

TEST_F(Window, WindowOutlivingItsShadowWithoutACloseGoesQuietly) {
    // As when the application object ends first and destroys the shadow it owns, newest first.
    delete form->Shadow();
    EXPECT_TRUE(form->WindowProc() == TWndMethod::Bind<&TControl::WndProc>(static_cast<TControl*>(form)));
    delete form;
    form = nullptr;
    Pump();
}
