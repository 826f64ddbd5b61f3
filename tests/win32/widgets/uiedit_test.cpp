// The editing pane under Wine: its notifications at exactly the moments of its table, in order and
// with the state of that instant; a new window on FrameVisible; the wheel's EM_SCROLL sequences;
// the frame's pixels under both looks and when it is asked to repaint.
#include "tests/win32/widgets/UiEditTestSupport.h"

#include <windowsx.h>

using namespace uiedit_test;

namespace {

void HoldShift(bool held) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = held ? 0x80 : 0;
    keys[VK_CONTROL] = 0;
    keys[VK_MENU] = 0;
    SetKeyboardState(keys);
}

void Key(HWND window, UINT msg, WORD key, bool shift = false) {
    HoldShift(shift);
    SendMessageA(window, msg, key, msg == WM_KEYDOWN ? 1 : 0xC0000001);
    HoldShift(false);
}

void Mouse(HWND window, UINT msg, int x, int y) {
    WPARAM keys = msg == WM_LBUTTONDOWN ? MK_LBUTTON : msg == WM_MBUTTONDOWN ? MK_MBUTTON : 0;
    SendMessageA(window, msg, keys, MAKELPARAM(x, y));
}

class Pane : public PaneTest {};

} // namespace

TEST_F(Pane, FiresAtExactlyTheMomentsOfItsTableInOrderWithTheStateOfThatInstant) {
    struct Case {
        const char* Moment;
        std::function<void(HWND)> Prepare;
        std::function<void(HWND)> Act;
        TLog Expected;
    };
    auto text = [this](const char* t) { return [this, t](HWND) { pane->SetText(t); }; };
    auto none = [](HWND) {};
    auto selectAll = [this](HWND) {
        pane->SetText("abc");
        pane->SelectAll();
    };
    const TLog quiet;
    const Case cases[] = {
        {"window made again",
         text("abc"),
         [this](HWND) { pane->RecreateWnd(); },
         {"lc 1,1", "cb - text", "cb - text"}},
        {"FrameVisible changed",
         text("abc"),
         [this](HWND) { pane->SetFrameVisible(false); },
         {"lc 1,1", "cb - text", "cb - text"}},
        {"typing", none, [](HWND w) { SendMessageA(w, WM_CHAR, 'x', 1); }, {"change", "lc 1,2", "cb - text"}},
        {"the owner's different text", text("old"), text("new"), {"change", "lc 1,1", "cb - text"}},
        {"the owner's equal text", text("same"), text("same"), quiet},
        {"key down, before its effect",
         text("abc"),
         [](HWND w) { Key(w, WM_KEYDOWN, VK_RIGHT); },
         {"keydown", "lc 1,1", "cb - text"}},
        {"key up, after its effect",
         text("abc"),
         [](HWND w) {
             Key(w, WM_KEYDOWN, VK_RIGHT);
             Key(w, WM_KEYUP, VK_RIGHT);
         },
         {"keydown", "lc 1,1", "cb - text", "keyup", "lc 1,2", "cb - text"}},
        {"Shift+Right: the selection before, then the extended one",
         text("abc"),
         [](HWND w) {
             Key(w, WM_KEYDOWN, VK_RIGHT, true);
             Key(w, WM_KEYUP, VK_RIGHT, true);
         },
         {"keydown", "lc 1,1", "cb - text", "keyup", "lc 1,2", "cb sel text"}},
        {"a click: click, then mouse-up",
         text("abc"),
         [](HWND w) {
             Mouse(w, WM_LBUTTONDOWN, 5, 5);
             Mouse(w, WM_LBUTTONUP, 5, 5);
         },
         {"click", "lc 1,1", "cb - text", "mouseup", "cb - text"}},
        {"a drag selection: nothing until the release",
         text("abc"),
         [this](HWND w) {
             Mouse(w, WM_LBUTTONDOWN, 2, 5);
             SendMessageA(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(120, 5));
             EXPECT_TRUE(log.empty());
             Mouse(w, WM_LBUTTONUP, 120, 5);
         },
         {"click", "lc 1,4", "cb sel text", "mouseup", "cb sel text"}},
        {"released outside the client area: mouse-up only",
         text("abc"),
         [](HWND w) {
             Mouse(w, WM_LBUTTONDOWN, 5, 5);
             Mouse(w, WM_LBUTTONUP, 5, 400);
         },
         {"mouseup", "cb - text"}},
        {"the right button released",
         text("abc"),
         [](HWND w) {
             Mouse(w, WM_RBUTTONDOWN, 5, 5);
             Mouse(w, WM_RBUTTONUP, 5, 5);
         },
         {"mouseup", "cb - text"}},
        {"the middle button released",
         text("abc"),
         [](HWND w) {
             Mouse(w, WM_MBUTTONDOWN, 5, 5);
             Mouse(w, WM_MBUTTONUP, 5, 5);
         },
         {"mouseup", "cb - text"}},
        {"cut", selectAll, [this](HWND) { pane->CutToClipboard(); }, {"change", "lc 1,1", "cb - text"}},
        {"paste over the selection",
         selectAll,
         [this](HWND) { pane->PasteFromClipboard(); },
         {"change", "lc 1,5", "cb - text"}},
        {"the clipboard emptied elsewhere shows at the next moment",
         [](HWND) { EmptyTheClipboard(Application->Handle()); },
         [](HWND w) { Key(w, WM_KEYUP, VK_SHIFT); },
         {"keyup", "lc 1,1", "cb - -"}},
        {"copy", selectAll, [this](HWND) { pane->CopyToClipboard(); }, quiet},
        {"focus gained and lost", none,
         [this](HWND) {
             pane->SetFocus();
             ::SetFocus(form->Handle());
         },
         quiet},
        {"mouse movement", none, [](HWND w) { SendMessageA(w, WM_MOUSEMOVE, 0, MAKELPARAM(9, 9)); }, quiet},
        {"scrolling", text("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n13"),
         [](HWND w) { SendMessageA(w, WM_VSCROLL, SB_LINEDOWN, 0); }, quiet},
        {"a selection by the owner", text("abc"), [this](HWND) { pane->SelectAll(); }, quiet},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Moment);
        pane->SetFrameVisible(true);
        pane->SetText("");
        PutClipboardText(Application->Handle(), "clip");
        // The edit's context menu would wait for the user; Wine's edit pastes on a middle press.
        TMessageSpy spy(pane);
        spy.Filter = [](TMessage& m) { return m.Msg == WM_CONTEXTMENU || m.Msg == WM_MBUTTONDOWN; };
        c.Prepare(pane->Handle());
        log.clear();
        c.Act(pane->Handle());
        EXPECT_EQ(log, c.Expected);
    }
}

TEST_F(Pane, ReportsTheCaretsLineAndColumnFromOne) {
    const struct {
        int Caret;
        const char* Expected;
    } cases[] = {{0, "lc 1,1"}, {2, "lc 1,3"}, {4, "lc 2,1"}, {6, "lc 2,3"}, {7, "lc 2,4"}};
    pane->SetText("ab\r\ncde");
    for (const auto& c : cases) {
        pane->SetSelStart(c.Caret);
        log.clear();
        Key(pane->Handle(), WM_KEYUP, VK_SHIFT);
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(log[1], c.Expected) << c.Caret;
    }
}

// With no handler nothing is even asked of the edit; the line and column only for their handler.
TEST_F(Pane, EvaluatesOnlyWhatAHandlerIsAttachedFor) {
    const struct {
        bool LineCol, Clipboard;
        int Expected;
    } cases[] = {{false, false, 0}, {false, true, 1}, {true, false, 1}, {true, true, 2}};
    for (const auto& c : cases) {
        Attach();
        if (!c.LineCol)
            pane->OnLineColChange = nullptr;
        if (!c.Clipboard)
            pane->OnClipboardChange = nullptr;
        TMessageSpy spy(pane);
        Key(pane->Handle(), WM_KEYUP, VK_SHIFT);
        EXPECT_EQ(spy.Count(EM_GETSEL), c.Expected) << c.LineCol << c.Clipboard;
        EXPECT_EQ(spy.Count(EM_LINEFROMCHAR), c.LineCol ? 1 : 0) << c.LineCol << c.Clipboard;
    }
}

TEST_F(Pane, FrameVisibleMakesTheWindowAgainWithTheSunkenEdgeOnlyWhenItChanges) {
    HWND first = pane->Handle();
    pane->SetText("kept");
    log.clear();
    pane->SetFrameVisible(true);
    EXPECT_EQ(pane->Handle(), first);
    EXPECT_TRUE(log.empty());
    pane->SetFrameVisible(false);
    pane->SetCtl3D(false);
    EXPECT_FALSE(GetWindowLongA(pane->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    log.clear();
    pane->SetFrameVisible(true);
    EXPECT_NE(pane->Handle(), first);
    EXPECT_TRUE(pane->Ctl3D());
    EXPECT_TRUE(GetWindowLongA(pane->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(log, (TLog{"lc 1,1", "cb - text", "cb - text"}));
    EXPECT_EQ(pane->Text(), "kept");
}

TEST_F(Pane, SettingsStartAtTheirDefaults) {
    TUiMemo fresh(nullptr);
    EXPECT_FALSE(fresh.FrameVisible());
    EXPECT_EQ(fresh.FrameStyle(), fsFlat);
    EXPECT_EQ(fresh.FrameColor(), clBtnShadow);
    EXPECT_EQ(fresh.FrameSides(), sdAll);
    EXPECT_FALSE(fresh.FrameHotTrack());
    EXPECT_EQ(fresh.FrameHotStyle(), fsFlatBold);
    EXPECT_EQ(fresh.FrameHotColor(), clBtnShadow);
    EXPECT_EQ(fresh.FramingPreference(), fpXPThemes);
    EXPECT_TRUE(fresh.Ctl3D());
    EXPECT_EQ(fresh.Color(), clWindow);
    EXPECT_FALSE(fresh.OnClipboardChange);
    EXPECT_FALSE(fresh.OnLineColChange);
    EXPECT_FALSE(fresh.OnMouseWheel);
}
