// The main window's commands: converting in every mode, the shared Ctrl+A key handler, the copy,
// cut and paste buttons and the clipboard-state handlers that enable them.
#include "tests/win32/app/AppTestSupport.h"

#include "conversion/CH_Functions.h"

namespace {

// "汉字 发展" CR LF "電腦 BIG5": Simplified and Traditional characters, ASCII and a line break.
const std::string kSource = "\xBA\xBA\xD7\xD6 \xB7\xA2\xD5\xB9\r\n\xEB\x8A\xC4\x58 BIG5";

class Commands : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ShowWindowNow();
    }
    void Convert() { ClickAt(form->BtnDo->Handle(), 36, 11); }
    HWND Clip() const { return Application->Handle(); }
};

} // namespace

TEST_F(Commands, ConvertRunsTheSelectedModesFunctionAndLeavesTheSourceAlone) {
    for (const TConversionModeEntry& mode : ConversionModes) {
        SCOPED_TRACE(mode.Mode);
        form->MemoO->SetText(kSource);
        form->MemoD->SetText("old result");
        form->UiComboBox1->SetItemIndex(mode.Mode);
        Convert();
        const std::string expected = mode.Convert(kSource);
        EXPECT_EQ(expected, form->MemoD->Text());
        EXPECT_EQ(kSource, form->MemoO->Text());
        // Converting again gives the same result pane.
        Convert();
        EXPECT_EQ(expected, form->MemoD->Text());
        EXPECT_EQ(kSource, form->MemoO->Text());
        // An empty source empties the result.
        form->MemoO->SetText("");
        Convert();
        EXPECT_EQ("", form->MemoD->Text());
    }
}

TEST_F(Commands, ConvertWithNoEntrySelectedDoesNothing) {
    form->MemoO->SetText(kSource);
    form->MemoD->SetText("kept");
    form->UiComboBox1->SetItemIndex(-1);
    ASSERT_EQ(-1, form->UiComboBox1->ItemIndex());
    Convert();
    EXPECT_EQ("kept", form->MemoD->Text());
    EXPECT_EQ(kSource, form->MemoO->Text());
}

TEST_F(Commands, ConvertButtonClicksOnReleaseInsideOnSpaceReleaseAndOnEnter) {
    form->UiComboBox1->SetItemIndex(0);
    form->MemoO->SetText("a");
    HWND button = form->BtnDo->Handle();
    auto converted = [this] {
        bool done = form->MemoD->Text() == "a";
        form->MemoD->SetText("");
        return done;
    };
    // Pressed, dragged off and released outside: nothing; the press took the focus.
    Press(button, 10, 10);
    EXPECT_TRUE(form->BtnDo->Focused());
    EXPECT_TRUE(form->BtnDo->PressedLook());
    SendMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 22));
    EXPECT_FALSE(form->BtnDo->PressedLook());
    Release(button, 10, 22); // the row just below counts as outside
    EXPECT_FALSE(converted());
    ClickAt(button, 72, 21);
    EXPECT_TRUE(converted());
    // Space clicks on its release, Enter at once, each repeat again.
    KeyDown(button, VK_SPACE);
    EXPECT_FALSE(converted());
    KeyUp(button, VK_SPACE);
    EXPECT_TRUE(converted());
    KeyDown(button, VK_RETURN);
    EXPECT_TRUE(converted());
    KeyDown(button, VK_RETURN);
    EXPECT_TRUE(converted());
    // A double click converts twice.
    int clicks = 0;
    form->BtnDo->OnClick = [&](TObject*) { ++clicks; };
    ClickAt(button, 5, 5);
    SendMessageA(button, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    Release(button, 5, 5);
    EXPECT_EQ(2, clicks);
}

// Ctrl with the A key, Shift or Alt held as well, selects the whole pane that had the key, not
// the other; the firing of that same key-down already sees the selection.
TEST_F(Commands, CtrlASelectsAllOfThePaneThatRaisedIt) {
    struct Variant {
        TShiftState Shift;
        bool Selects;
    };
    const Variant variants[] = {{ssCtrl, true}, {ssCtrl | ssShift, true}, {ssCtrl | ssAlt, true},
                                {0, false},     {ssShift, false},         {ssAlt, false}};
    for (TUiMemo* pane : {form->MemoO, form->MemoD}) {
        TUiMemo* other = pane == form->MemoO ? form->MemoD : form->MemoO;
        for (const Variant& v : variants) {
            SCOPED_TRACE(pane->Name() + " shift " + std::to_string(v.Shift));
            pane->SetText("some text");
            other->SetText("other text");
            pane->SetSelStart(0);
            other->SetSelStart(0);
            KeyDown(pane->Handle(), 'A', v.Shift);
            EXPECT_EQ(v.Selects ? 9 : 0, pane->SelLength());
            EXPECT_EQ(0, other->SelLength());
            TUiToolButton* copy = pane == form->MemoO ? form->BtnCopyO : form->BtnCopyD;
            EXPECT_EQ(v.Selects, copy->Enabled());
        }
    }
    // Without Ctrl the key types its letter.
    form->MemoO->SetText("");
    form->MemoO->SetFocus();
    KeyDown(form->MemoO->Handle(), 'A');
    SendMessageA(form->MemoO->Handle(), WM_CHAR, 'a', 1);
    EXPECT_EQ("a", form->MemoO->Text());
}

TEST_F(Commands, SourceButtonsFollowSelectionAndClipboardAtThePanesMoments) {
    HWND memo = form->MemoO->Handle();
    PutClipboardText(Clip(), "clip");
    ClickAt(memo, 5, 5);
    EXPECT_TRUE(form->BtnPasteO->Enabled());
    // Another program empties the clipboard: paste stays until the pane's next moment.
    EmptyTheClipboard(Clip());
    EXPECT_TRUE(form->BtnPasteO->Enabled());
    KeyUp(memo, VK_SHIFT);
    EXPECT_FALSE(form->BtnPasteO->Enabled());
    // A selection made by the program shows at the next moment too.
    form->MemoO->SetText("abcdef");
    form->MemoO->SetSelStart(1);
    form->MemoO->SetSelLength(3);
    EXPECT_FALSE(form->BtnCopyO->Enabled());
    KeyUp(memo, VK_SHIFT);
    EXPECT_TRUE(form->BtnCopyO->Enabled());
    EXPECT_TRUE(form->BtnCutO->Enabled());
    // Copy: the clipboard has text, but paste waits for the pane's next moment.
    ClickControl(form->BtnCopyO);
    EXPECT_EQ("bcd", ClipboardText(Clip()));
    EXPECT_FALSE(form->BtnPasteO->Enabled());
    KeyUp(memo, VK_SHIFT);
    EXPECT_TRUE(form->BtnPasteO->Enabled());
    // Cut changes the text: no selection is left, and the clipboard has text.
    ClickControl(form->BtnCutO);
    EXPECT_EQ("aef", form->MemoO->Text());
    EXPECT_EQ("bcd", ClipboardText(Clip()));
    EXPECT_FALSE(form->BtnCopyO->Enabled());
    EXPECT_FALSE(form->BtnCutO->Enabled());
    EXPECT_TRUE(form->BtnPasteO->Enabled());
    // Paste goes in at the caret; a double click pastes twice.
    form->MemoO->SetSelStart(1);
    ClickControl(form->BtnPasteO);
    EXPECT_EQ("abcdef", form->MemoO->Text());
    HWND header = form->UiPanel1->Handle();
    int x = form->BtnPasteO->Left() + 5, y = form->BtnPasteO->Top() + 5;
    ClickAt(header, x, y);
    SendMessageA(header, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
    Release(header, x, y);
    EXPECT_EQ("abcdbcdbcdef", form->MemoO->Text());
}

TEST_F(Commands, DisabledToolButtonsIgnorePresses) {
    PutClipboardText(Clip(), "kept");
    form->MemoO->SetText("text");
    KeyUp(form->MemoO->Handle(), VK_SHIFT);
    ASSERT_FALSE(form->BtnCutO->Enabled());
    ClickControl(form->BtnCutO);
    ClickControl(form->BtnCopyO);
    EXPECT_EQ("text", form->MemoO->Text());
    EXPECT_EQ("kept", ClipboardText(Clip()));
}

TEST_F(Commands, ResultButtonsFollowTheSelectionOnlyAndAConversionReportsTheNewText) {
    HWND memo = form->MemoD->Handle();
    EmptyTheClipboard(Clip());
    form->MemoD->SetText("result");
    form->MemoD->SelectAll();
    KeyUp(memo, VK_SHIFT);
    EXPECT_TRUE(form->BtnCopyD->Enabled());
    EXPECT_TRUE(form->BtnCutD->Enabled());
    ClickControl(form->BtnCopyD);
    EXPECT_EQ("result", ClipboardText(Clip()));
    // Converting to a different text fires: the buttons follow what the replacement left.
    form->MemoO->SetText("new");
    form->UiComboBox1->SetItemIndex(0);
    Convert();
    EXPECT_EQ("new", form->MemoD->Text());
    EXPECT_EQ(form->MemoD->HasSelection(), form->BtnCopyD->Enabled());
    EXPECT_EQ(form->MemoD->HasSelection(), form->BtnCutD->Enabled());
    // The same text again fires nothing: the selection made since is not reported.
    form->MemoD->SelectAll();
    form->BtnCopyD->SetEnabled(false);
    Convert();
    EXPECT_EQ("new", form->MemoD->Text());
    EXPECT_FALSE(form->BtnCopyD->Enabled());
    // Cut empties the result pane.
    form->MemoD->SelectAll();
    KeyUp(memo, VK_SHIFT);
    ClickControl(form->BtnCutD);
    EXPECT_EQ("", form->MemoD->Text());
    EXPECT_EQ("new", ClipboardText(Clip()));
    EXPECT_FALSE(form->BtnCutD->Enabled());
}
