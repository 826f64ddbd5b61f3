// Windowless controls: the parent routes the mouse to the topmost enabled one under the
// pointer, holds the mouse for it while pressed, tells it of pointer entry and exit (disabled
// ones included), paints them in creation order and repaints beneath them on Invalidate.
#include "tests/win32/toolkit/ToolkitTestUtil.h"

#include "toolkit/Form.h"
#include "toolkit/GdiObject.h"

#include <windowsx.h>

namespace {

class TProbe : public TGraphicControl {
public:
    TProbe(TComponent* owner, std::vector<std::string>& log, const std::string& name, TColor colour)
        : TGraphicControl(owner), log_(log), colour_(colour) {
        SetName(name);
    }
    int Paints = 0;

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override {
        Record("down", x, y, button);
        TGraphicControl::MouseDown(button, shift, x, y);
    }
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override {
        Record("up", x, y, button);
        TGraphicControl::MouseUp(button, shift, x, y);
    }
    void MouseMove(TShiftState, int x, int y) override { Record("move", x, y, mbLeft); }
    void Click() override { log_.push_back(Name() + " click"); }
    void MouseEnter() override { log_.push_back(Name() + " enter"); }
    void MouseLeave() override { log_.push_back(Name() + " leave"); }
    void Paint() override {
        ++Paints;
        Canvas().FillRect(ClientRect(), colour_);
        log_.push_back(Name() + " paint");
    }

private:
    void Record(const char* what, int x, int y, TMouseButton button) {
        std::string b = button == mbLeft ? "" : button == mbRight ? " right" : " middle";
        log_.push_back(Name() + " " + what + b + " " + std::to_string(x) + "," + std::to_string(y));
    }
    std::vector<std::string>& log_;
    TColor colour_;
};

using Log = std::vector<std::string>;

class GraphicControls : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        form = new TForm(Application);
        form->SetBorderStyle(bsNone);
        form->SetBounds(100, 100, 200, 100);
        form->SetColor(clWhite);
        // A and B overlap on x 30..49; C is disabled.
        a = Add("A", 10, 10, clRed);
        b = Add("B", 30, 10, clLime);
        c = Add("C", 100, 10, clBlue);
        c->SetEnabled(false);
        form->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int x, int y) {
            log.push_back("form down " + std::to_string(x) + "," + std::to_string(y));
        };
        form->AfterConstruction();
        // The pointer starts away from the form.
        SetCursorPos(0, 0);
        form->Show();
        PumpUntilShown(form->Handle());
        SendMessageA(form->Handle(), WM_MOUSELEAVE, 0, 0);
        log.clear();
    }
    void TearDown() override {
        delete form;
        ToolkitTest::TearDown();
    }
    TProbe* Add(const std::string& name, int x, int y, TColor colour) {
        auto* p = new TProbe(form, log, name, colour);
        p->SetParent(form);
        p->SetBounds(x, y, 40, 20);
        return p;
    }
    // The pointer really goes there (so entry and exit tracking agree), then the message.
    void Mouse(UINT msg, int x, int y, WPARAM keys = 0) {
        POINT p = form->ClientToScreen(POINT{x, y});
        SetCursorPos(p.x, p.y);
        SendMessageA(form->Handle(), msg, keys, MAKELPARAM(x, y));
    }
    Log log;
    TForm* form = nullptr;
    TProbe *a = nullptr, *b = nullptr, *c = nullptr;
};

TEST_F(GraphicControls, PressesGoToTheTopmostEnabledControlInItsCoordinates) {
    struct Case {
        int X, Y;
        Log Expected;
    } cases[] = {
        // The click comes before the release's own event, as for windowed controls.
        {15, 15, {"A down 5,5", "A click", "A up 5,5"}},
        // Where A and B overlap the newer one, B, is on top.
        {35, 15, {"B down 5,5", "B click", "B up 5,5"}},
        // A disabled control leaves the press to its parent.
        {105, 15, {"form down 105,15"}},
        {180, 80, {"form down 180,80"}},
    };
    for (const Case& k : cases) {
        log.clear();
        Mouse(WM_LBUTTONDOWN, k.X, k.Y, MK_LBUTTON);
        Mouse(WM_LBUTTONUP, k.X, k.Y);
        Log got;
        for (const auto& e : log)
            if (e.find("enter") == std::string::npos && e.find("leave") == std::string::npos)
                got.push_back(e);
        EXPECT_EQ(got, k.Expected) << "at " << k.X << "," << k.Y;
    }
}

TEST_F(GraphicControls, APressHoldsTheMouseForTheControlUntilRelease) {
    Mouse(WM_LBUTTONDOWN, 15, 15, MK_LBUTTON);
    EXPECT_EQ(GetCapture(), form->Handle());
    // Moving over B and off the window still goes to A, in A's coordinates.
    Mouse(WM_MOUSEMOVE, 40, 15, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, 250, -20, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 250, -20);
    EXPECT_EQ(GetCapture(), nullptr);
    Log got;
    for (const auto& e : log)
        if (e.rfind("A ", 0) == 0 && e.find("enter") == std::string::npos &&
            e.find("leave") == std::string::npos)
            got.push_back(e);
    // Released outside: no click.
    EXPECT_EQ(got, (Log{"A down 5,5", "A move 30,5", "A move 240,-30", "A up 240,-30"}));
    // Released back inside after leaving: a click.
    log.clear();
    Mouse(WM_LBUTTONDOWN, 15, 15, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, 150, 50, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, 20, 20, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 20, 20);
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], "A click");
}

TEST_F(GraphicControls, OtherButtonsNeitherHoldTheMouseNorClick) {
    Mouse(WM_RBUTTONDOWN, 15, 15, MK_RBUTTON);
    EXPECT_EQ(GetCapture(), nullptr);
    Mouse(WM_RBUTTONUP, 15, 15);
    Log got;
    for (const auto& e : log)
        if (e.rfind("A ", 0) == 0 && e.find("enter") == std::string::npos)
            got.push_back(e);
    EXPECT_EQ(got, (Log{"A down right 5,5", "A up right 5,5"}));
}

TEST_F(GraphicControls, EntryAndExitFollowThePointerDisabledControlsIncluded) {
    Mouse(WM_MOUSEMOVE, 5, 50);
    Mouse(WM_MOUSEMOVE, 15, 15);
    Mouse(WM_MOUSEMOVE, 60, 15);
    Mouse(WM_MOUSEMOVE, 105, 15);
    Mouse(WM_MOUSEMOVE, 106, 16);
    Mouse(WM_MOUSEMOVE, 180, 80);
    Log got;
    for (const auto& e : log)
        if (e.find("enter") != std::string::npos || e.find("leave") != std::string::npos)
            got.push_back(e);
    EXPECT_EQ(got, (Log{"A enter", "A leave", "B enter", "B leave", "C enter", "C leave"}));
    EXPECT_TRUE(form->MouseInControl());
    // Leaving the window: the control under the pointer and the window are told.
    Mouse(WM_MOUSEMOVE, 15, 15);
    log.clear();
    SendMessageA(form->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(log, (Log{"A leave"}));
    EXPECT_FALSE(form->MouseInControl());
}

TEST_F(GraphicControls, ParentPaintsThemInCreationOrderAfterItsBackground) {
    TMemoryDC dc;
    GdiBitmap bitmap = GdiBitmap::Compatible(TClientDC(nullptr).Handle(), 200, 100);
    TSelectGuard select(dc.Handle(), bitmap.Handle());
    log.clear();
    form->PaintTo(dc.Handle(), 0, 0);
    EXPECT_EQ(log, (Log{"A paint", "B paint", "C paint"}));
    // B is drawn over A where they overlap; the background shows elsewhere.
    EXPECT_EQ(GetPixel(dc.Handle(), 35, 15), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(dc.Handle(), 15, 15), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc.Handle(), 5, 5), RGB(255, 255, 255));
}

TEST_F(GraphicControls, InvalidateRepaintsTheControlsRectangleOnTheParent) {
    UpdateWindow(form->Handle());
    PumpUntilShown(form->Handle());
    int before = a->Paints;
    int otherBefore = c->Paints;
    a->Invalidate();
    RECT update;
    ASSERT_TRUE(GetUpdateRect(form->Handle(), &update, FALSE));
    EXPECT_EQ(update.left, 10);
    EXPECT_EQ(update.top, 10);
    EXPECT_EQ(update.right, 50);
    EXPECT_EQ(update.bottom, 30);
    UpdateWindow(form->Handle());
    EXPECT_EQ(a->Paints, before + 1);
    // C lies outside the invalid rectangle and is not painted again.
    EXPECT_EQ(c->Paints, otherBefore);
}

TEST_F(GraphicControls, ADeletedControlsAreaIsPaintedAgain) {
    UpdateWindow(form->Handle());
    delete b;
    RECT update;
    ASSERT_TRUE(GetUpdateRect(form->Handle(), &update, FALSE));
    EXPECT_EQ(update.left, 30);
    EXPECT_EQ(update.right, 70);
}

TEST_F(GraphicControls, RemovingTheHeldControlReleasesTheMouse) {
    Mouse(WM_LBUTTONDOWN, 15, 15, MK_LBUTTON);
    ASSERT_EQ(GetCapture(), form->Handle());
    delete a;
    EXPECT_EQ(GetCapture(), nullptr);
    // The release goes to the form; nothing reaches the deleted control.
    Mouse(WM_LBUTTONUP, 15, 15);
    EXPECT_EQ(log.back(), "A down 5,5");
}

} // namespace
