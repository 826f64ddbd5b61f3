#pragma once
// Helpers of the editing pane's Wine tests: a form holding a pane, a log of its notifications and
// handlers in the order they ran, a recorder in front of the pane's message callback, the theme
// test switched for one test, and the pixels of a window's frame.
#include "tests/win32/Clipboard.h"
#include "tests/win32/Pump.h"
#include "toolkit/Application.h"
#include "toolkit/GdiObject.h"
#include "toolkit/ThemeServices.h"
#include "widgets/UiEdit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

// Kept apart from the other widgets' helpers that share this test executable.
namespace uiedit_test {

using TLog = std::vector<std::string>;

// Sees every message of a control before it does; Filter may answer a message itself (returns
// true) instead of passing it on.
class TMessageSpy {
public:
    explicit TMessageSpy(TControl* control) : control_(control) {
        saved_ = control->WindowProc();
        control->SetWindowProc(TWndMethod::Bind<&TMessageSpy::Callback>(this));
    }
    ~TMessageSpy() { control_->SetWindowProc(saved_); }
    void Callback(TMessage& message) {
        Seen.push_back(message);
        if (Filter && Filter(message))
            return;
        saved_(message);
    }
    int Count(UINT msg) const {
        int n = 0;
        for (const TMessage& m : Seen)
            n += m.Msg == msg;
        return n;
    }
    std::vector<TMessage> Seen;
    std::function<bool(TMessage&)> Filter;

private:
    TControl* control_;
    TWndMethod saved_;
};

// Answers the visual-style question for one test.
class TThemeOverride {
public:
    explicit TThemeOverride(bool active) { previous_ = SetThemeTest(active ? &Yes : &No); }
    ~TThemeOverride() { SetThemeTest(previous_); }

private:
    static bool Yes() { return true; }
    static bool No() { return false; }
    TThemeTest previous_;
};

// The colours of a window's pixels along the middle of each side and at the corners, depth pixels
// in from the outer edge: what the frame shows there.
inline std::vector<COLORREF> FrameRing(HWND window, int depth) {
    RECT r;
    GetWindowRect(window, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    TWindowDC dc(window);
    const POINT points[] = {
        {depth, h / 2}, {w / 2, depth},         {w - 1 - depth, h / 2}, {w / 2, h - 1 - depth},
        {depth, depth}, {w - 1 - depth, depth}, {depth, h - 1 - depth}, {w - 1 - depth, h - 1 - depth}};
    std::vector<COLORREF> colours;
    for (const POINT& p : points)
        colours.push_back(GetPixel(dc.Handle(), p.x, p.y));
    return colours;
}

// A shown form holding one pane with text on the clipboard; every notification and handler of
// the pane writes to log.
class PaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        Application->OnException = [this](TObject*, std::exception_ptr e) {
            exceptions.push_back(TApplication::ExceptionMessage(e));
        };
        SetCursorPos(0, 0);
        form = new TForm(Application);
        form->SetBorderStyle(bsNone);
        form->SetBounds(100, 100, 400, 300);
        form->SetColor(clWhite);
        pane = new TUiMemo(form);
        pane->SetName("pane");
        pane->SetParent(form);
        pane->SetBounds(20, 20, 200, 150);
        pane->SetScrollBars(ssBoth);
        pane->SetHideSelection(false);
        pane->SetFrameVisible(true);
        PutClipboardText(Application->Handle(), "clip");
        form->AfterConstruction();
        form->Show();
        PumpUntilShown(form->Handle());
        Attach();
    }
    void TearDown() override {
        delete form;
        Pump();
        Application->OnException = nullptr;
        EXPECT_TRUE(exceptions.empty()) << exceptions.front();
    }
    void Attach() {
        pane->OnLineColChange = [this](TObject*, int line, int col) {
            log.push_back("lc " + std::to_string(line) + "," + std::to_string(col));
        };
        pane->OnClipboardChange = [this](TObject* sender, bool sel, bool text) {
            EXPECT_EQ(sender, pane);
            log.push_back(std::string("cb ") + (sel ? "sel" : "-") + (text ? " text" : " -"));
        };
        pane->OnChange = [this](TObject*) { log.push_back("change"); };
        pane->OnKeyDown = [this](TObject*, WORD&, TShiftState) { log.push_back("keydown"); };
        pane->OnKeyUp = [this](TObject*, WORD&, TShiftState) { log.push_back("keyup"); };
        pane->OnClick = [this](TObject*) { log.push_back("click"); };
        pane->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { log.push_back("mouseup"); };
    }

    TForm* form = nullptr;
    TUiMemo* pane = nullptr;
    TLog log;
    std::vector<std::string> exceptions;
};

} // namespace uiedit_test
