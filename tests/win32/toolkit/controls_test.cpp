// The standard controls: the system-control wrappers report their notifications back as
// events, a self-painted windowed control holds the mouse and tells entry and exit, labels
// size themselves to their text, images to their picture.
#include "tests/win32/Clipboard.h"
#include "tests/win32/toolkit/ToolkitTestUtil.h"

#include "toolkit/Button.h"
#include "toolkit/ComboBox.h"
#include "toolkit/CustomControl.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/GdiObject.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Memo.h"

#include <cstring>

namespace {

using Log = std::vector<std::string>;

class Controls : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        form = new TForm(Application);
        form->SetBorderStyle(bsNone);
        form->SetBounds(100, 100, 300, 200);
        form->SetColor(clWhite);
    }
    void TearDown() override {
        delete form;
        ToolkitTest::TearDown();
    }
    void ShowForm() {
        // The pointer starts away from the form.
        SetCursorPos(0, 0);
        form->AfterConstruction();
        form->Show();
        PumpUntilShown(form->Handle());
    }
    TForm* form = nullptr;
    Log log;
};

TEST_F(Controls, EditReportsEveryTextChangeButNotAnEqualText) {
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    int changes = 0;
    edit->OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, edit);
        ++changes;
    };
    ShowForm();
    SendMessageA(edit->Handle(), WM_CHAR, 'x', 1);
    EXPECT_EQ(edit->Text(), "x");
    EXPECT_EQ(changes, 1);
    edit->SetText("abc");
    EXPECT_EQ(changes, 2);
    edit->SetText("abc");
    EXPECT_EQ(changes, 2);
    edit->SelectAll();
    EXPECT_EQ(edit->SelLength(), 3);
    edit->SetSelStart(1);
    edit->SetSelLength(1);
    EXPECT_EQ(edit->SelText(), "b");
}

TEST_F(Controls, MemoKeepsLineBreaksAndWrapsAtItsWidth) {
    auto* memo = new TMemo(form);
    memo->SetParent(form);
    memo->SetScrollBars(ssBoth);
    memo->SetHideSelection(false);
    memo->SetText("one\r\ntwo");
    ShowForm();
    EXPECT_EQ(memo->Text(), "one\r\ntwo");
    LONG style = GetWindowLongA(memo->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_TRUE(style & ES_NOHIDESEL);
    // Word wrap: nothing that would make the edit scroll sideways instead.
    EXPECT_FALSE(style & (ES_AUTOHSCROLL | WS_HSCROLL));
    memo->SetText("a few words that need more than one line in a memo this narrow");
    EXPECT_GT(memo->LineCount(), 1);
    memo->SetWordWrap(false);
    EXPECT_EQ(memo->LineCount(), 1);
    EXPECT_TRUE(GetWindowLongA(memo->Handle(), GWL_STYLE) & WS_HSCROLL);
    EXPECT_FALSE(memo->WantsTabKey());
}

// The system edit stops at 30,000 characters unless told otherwise: a longer text pasted or typed
// was cut short without a word. Without MaxLength there is no limit; with it, it holds.
TEST_F(Controls, EditsTakeAnyLengthPastedOrTypedUnlessMaxLengthIsSet) {
    TCustomEdit* edits[] = {new TEdit(form), new TMemo(form)};
    for (TCustomEdit* edit : edits)
        edit->SetParent(form);
    ShowForm();
    for (TCustomEdit* edit : edits) {
        // Lines of words for the memo, as a document has them: under Wine a multi-line edit wraps
        // a paragraph at a cost that grows with the square of its length.
        const bool memo = dynamic_cast<TMemo*>(edit) != nullptr;
        std::string big;
        while (big.size() < 100000)
            big += memo ? "Sinoshift pastes and converts long documents whole\r\n" : "whole ";
        PutClipboardText(nullptr, big);
        for (int maxLength : {0, 5}) {
            SCOPED_TRACE(std::string(memo ? "memo" : "edit") + " MaxLength " + std::to_string(maxLength));
            edit->SetMaxLength(maxLength);
            edit->SetText("");
            edit->PasteFromClipboard();
            const size_t pasted = maxLength ? maxLength : big.size();
            EXPECT_EQ(edit->Text().size(), pasted);
            SendMessageA(edit->Handle(), WM_CHAR, 'y', 1);
            EXPECT_EQ(edit->Text().size(), maxLength ? pasted : pasted + 1);
            // Made again, the window keeps the setting and the whole text.
            const std::string kept = edit->Text();
            edit->RecreateWnd();
            EXPECT_EQ(edit->Text(), kept);
            edit->SetText("");
            edit->PasteFromClipboard();
            EXPECT_EQ(edit->Text().size(), pasted);
        }
    }
}

TEST_F(Controls, ComboBoxListsItsItemsAndReportsTheUsersChoice) {
    auto* combo = new TComboBox(form);
    combo->SetParent(form);
    combo->SetStyle(csDropDownList);
    combo->SetBounds(10, 10, 132, 21);
    combo->SetItems({"zero", "one", "two", "three"});
    combo->SetItemIndex(0);
    combo->OnClick = [&](TObject*) { log.push_back("click " + std::to_string(combo->ItemIndex())); };
    combo->OnChange = [&](TObject*) { log.push_back("change " + std::to_string(combo->ItemIndex())); };
    ShowForm();
    HWND hwnd = combo->Handle();
    EXPECT_TRUE((GetWindowLongA(hwnd, GWL_STYLE) & 3) == CBS_DROPDOWNLIST);
    EXPECT_EQ(SendMessageA(hwnd, CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(combo->ItemIndex(), 0);
    // The control is the height of its field, not of field and list.
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_LT(r.bottom - r.top, 40);
    EXPECT_EQ(combo->Height(), r.bottom - r.top);

    combo->SetFocus();
    SendMessageA(hwnd, WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_EQ(log, (Log{"click 1", "change 1"}));
    // The program's own choice is no user's choice.
    log.clear();
    combo->SetItemIndex(3);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(combo->ItemIndex(), 3);
    combo->SetItemIndex(7);
    EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(Controls, ButtonClickSetsTheFormsModalResultThenFires) {
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetCaption("OK");
    button->SetModalResult(mrOk);
    button->OnClick = [&](TObject*) {
        log.push_back("click, result " + std::to_string(form->ModalResult()));
    };
    ShowForm();
    SendMessageA(button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(log, (Log{"click, result 1"}));
}

class TSelfPainted : public TCustomControl {
public:
    TSelfPainted(TComponent* owner, Log& log) : TCustomControl(owner), log_(log) {}

protected:
    void Paint() override { Canvas().FillRect(ClientRect(), clRed); }
    void Click() override { log_.push_back("click"); }
    void MouseEnter() override { log_.push_back("enter"); }
    void MouseLeave() override { log_.push_back("leave"); }

private:
    Log& log_;
};

TEST_F(Controls, ASelfPaintedControlHoldsTheMouseWhilePressedAndClicksOnlyInside) {
    auto* control = new TSelfPainted(form, log);
    control->SetParent(form);
    control->SetBounds(10, 10, 73, 22);
    ShowForm();
    HWND hwnd = control->Handle();
    struct Case {
        int X, Y;
        bool Click;
    } releases[] = {{5, 5, true}, {72, 21, true}, {73, 5, false}, {5, 22, false}, {-1, 5, false}};
    for (const Case& c : releases) {
        log.clear();
        SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        EXPECT_EQ(GetCapture(), hwnd);
        SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(c.X, c.Y));
        EXPECT_EQ(GetCapture(), nullptr);
        bool clicked = std::find(log.begin(), log.end(), "click") != log.end();
        EXPECT_EQ(clicked, c.Click) << "release at " << c.X << "," << c.Y;
    }
    // A double click is a second press (and a second click) for a control without csDoubleClicks.
    control->SetControlStyle(control->ControlStyle() & ~csDoubleClicks);
    log.clear();
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(std::count(log.begin(), log.end(), "click"), 2);
}

TEST_F(Controls, AWindowedControlIsToldOfPointerEntryAndExit) {
    auto* control = new TSelfPainted(form, log);
    control->SetParent(form);
    control->SetBounds(10, 10, 73, 22);
    ShowForm();
    HWND hwnd = control->Handle();
    SendMessageA(hwnd, WM_MOUSELEAVE, 0, 0);
    log.clear();
    POINT p = control->ClientToScreen(POINT{5, 5});
    SetCursorPos(p.x, p.y);
    SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
    EXPECT_EQ(log, (Log{"enter"}));
    EXPECT_TRUE(control->MouseInControl());
    // The system reports the exit once the pointer is elsewhere.
    SetCursorPos(p.x + 150, p.y + 100);
    PumpUntil([&] { return log.size() >= 2; }, "the exit");
    EXPECT_EQ(log, (Log{"enter", "leave"}));
    EXPECT_FALSE(control->MouseInControl());
}

TEST_F(Controls, DrawParentImageGivesWhatTheParentShowsBeneathAControl) {
    form->SetDoubleBuffered(true);
    auto* under = new TImage(form);
    under->SetParent(form);
    under->SetBounds(0, 0, 300, 200);
    under->Picture().SetSize(300, 200);
    under->Picture().Canvas().FillRect(RECT{0, 0, 300, 200}, clBlue);
    under->Picture().Canvas().FillRect(RECT{40, 20, 45, 25}, clRed);
    auto* button = new TSelfPainted(form, log);
    button->SetParent(form);
    button->SetBounds(30, 10, 43, 17);
    ShowForm();
    TClientDC screen(nullptr);
    TMemoryDC dc(screen.Handle());
    GdiBitmap bitmap = GdiBitmap::Compatible(screen.Handle(), 43, 17);
    TSelectGuard select(dc.Handle(), bitmap.Handle());
    DrawParentImage(button, dc.Handle());
    // The parent's picture at the control's place: (40, 20) on the form is (10, 10) here.
    EXPECT_EQ(GetPixel(dc.Handle(), 10, 10), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc.Handle(), 9, 9), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc.Handle(), 42, 16), RGB(0, 0, 255));
    // The DC is left as it was: drawing at (0, 0) lands at (0, 0).
    POINT origin;
    GetViewportOrgEx(dc.Handle(), &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
}

TEST_F(Controls, AnAutoSizedLabelFitsItsTextKeepingItsRightEdgeWhenRightAligned) {
    auto* left = new TLabel(form);
    left->SetParent(form);
    left->SetBounds(10, 10, 200, 40);
    auto* right = new TLabel(form);
    right->SetParent(form);
    right->SetAlignment(taRightJustify);
    right->SetBounds(10, 60, 200, 40);
    ShowForm();
    left->SetCaption("Version 1.6.8.0");
    right->SetCaption("Version 1.6.8.0");
    EXPECT_EQ(left->Left(), 10);
    EXPECT_LT(left->Width(), 200);
    EXPECT_GT(left->Width(), 20);
    EXPECT_LT(left->Height(), 40);
    EXPECT_EQ(right->Left() + right->Width(), 210);
    EXPECT_EQ(right->Width(), left->Width());
    // A larger font makes a larger label.
    int before = left->Height();
    left->Font().SetHeight(-24);
    EXPECT_GT(left->Height(), before);
    // Without AutoSize the bounds stay as set.
    auto* fixed = new TLabel(form);
    fixed->SetParent(form);
    fixed->SetAutoSize(false);
    fixed->SetBounds(0, 0, 713, 25);
    fixed->SetCaption("x");
    EXPECT_EQ(fixed->Width(), 713);
}

TEST_F(Controls, ATransparentLabelDrawsOnlyItsText) {
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 60, 20);
    label->SetColor(clLime);
    label->SetCaption("");
    ShowForm();
    TClientDC screen(nullptr);
    TMemoryDC dc(screen.Handle());
    GdiBitmap bitmap = GdiBitmap::Compatible(screen.Handle(), 300, 200);
    TSelectGuard select(dc.Handle(), bitmap.Handle());
    form->PaintTo(dc.Handle(), 0, 0);
    EXPECT_EQ(GetPixel(dc.Handle(), 30, 10), RGB(0, 255, 0));
    label->SetTransparent(true);
    form->PaintTo(dc.Handle(), 0, 0);
    EXPECT_EQ(GetPixel(dc.Handle(), 30, 10), RGB(255, 255, 255));
}

TEST_F(Controls, AnAutoSizedImageTakesItsPicturesSize) {
    auto* image = new TImage(form);
    image->SetParent(form);
    image->SetAutoSize(true);
    image->SetBounds(14, 14, 10, 10);
    image->Picture().SetSize(320, 79);
    image->PictureChanged();
    EXPECT_EQ(image->Width(), 320);
    EXPECT_EQ(image->Height(), 79);
    EXPECT_EQ(image->Left(), 14);
    auto* fixed = new TImage(form);
    fixed->SetParent(form);
    fixed->SetBounds(0, 0, 16, 16);
    fixed->Picture().SetSize(40, 40);
    fixed->PictureChanged();
    EXPECT_EQ(fixed->Width(), 16);
}

} // namespace
