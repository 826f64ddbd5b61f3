// The main window's description: the control tree in creation order, positions and sizes once the
// splitter has taken its panes' controls, captions, hints, fonts, tab order, the window menu, the
// settings FormCreate makes, and which tool buttons start enabled.
#include "tests/win32/app/AppTestSupport.h"

#include "chrome/ufrmShadowFrame.h"
#include "conversion/CH_Functions.h"

namespace {

// GB bytes of the texts under test.
const std::string kSimSun = "\xCB\xCE\xCC\xE5"; // 宋体

struct Placement {
    const char* Name;
    const char* Parent;
    int Left, Top, Width, Height; // -1: taken from the content
};

// Positions in the parent's client area.
const Placement kPlacements[] = {
    {"FS", "FrmRuvo", 0, 0, 713, 486},
    {"LabelTitle", "FrmRuvo", 0, 0, 713, 25},
    {"Image1", "FrmRuvo", 14, 14, 320, 79},
    {"Label2", "FrmRuvo", 338, 42, -1, -1},
    {"Image2", "FrmRuvo", 8, 6, 16, 16},
    {"BtnSysClose", "FrmRuvo", 661, 1, 43, 17},
    {"BtnSysMin", "FrmRuvo", 636, 1, 25, 17},
    {"UiComboBox1", "FrmRuvo", 145, 70, 132, -1},
    {"UiSplitter1", "FrmRuvo", 12, 97, 688, 377},
    {"MemoO", "UpperLeftPane", 0, 25, 342, 352},
    {"UiPanel1", "UpperLeftPane", 0, 0, 342, 25},
    {"BtnCopyO", "UiPanel1", 268, 2, 22, 22},
    {"BtnCutO", "UiPanel1", 292, 2, 22, 22},
    {"BtnPasteO", "UiPanel1", 316, 2, 22, 22},
    {"MemoD", "LowerRightPane", 0, 25, 342, 352},
    {"UiPanel2", "LowerRightPane", 0, 0, 342, 25},
    {"BtnCopyD", "UiPanel2", 292, 2, 22, 22},
    {"BtnCutD", "UiPanel2", 316, 2, 22, 22},
    {"BtnDo", "FrmRuvo", 282, 69, 73, 22},
};

TControl* Find(TFrmRuvo* form, const std::string& name) {
    return dynamic_cast<TControl*>(form->FindComponent(name));
}

} // namespace

TEST_F(MainWindowTest, ComponentsAreCreatedInTheDescriptionsOrder) {
    const std::vector<std::string> expected = {
        "FS",        "LabelTitle",  "Image1",      "Label1",   "Label2",   "Image2",   "BtnSysClose",
        "BtnSysMin", "UiComboBox1", "UiSplitter1", "MemoO",    "UiPanel1", "BtnCopyO", "BtnCutO",
        "BtnPasteO", "MemoD",       "UiPanel2",    "BtnCopyD", "BtnCutD",  "BtnDo"};
    std::vector<std::string> names;
    for (int i = 0; i < form->ComponentCount(); ++i)
        names.push_back(form->Components(i)->Name());
    EXPECT_EQ(expected, names);
    // Windowless controls paint in creation order, the skin first.
    std::vector<std::string> painted;
    for (int i = 0; i < form->ControlCount(); ++i)
        if (!dynamic_cast<TWinControl*>(form->Controls(i)))
            painted.push_back(form->Controls(i)->Name());
    EXPECT_EQ((std::vector<std::string>{"FS", "LabelTitle", "Image1", "Label1", "Label2", "Image2"}),
              painted);
}

TEST_F(MainWindowTest, ControlsSitWhereTheDescriptionAndTheSplitterPutThem) {
    for (const Placement& p : kPlacements) {
        SCOPED_TRACE(p.Name);
        TControl* control = Find(form, p.Name);
        ASSERT_NE(nullptr, control);
        ASSERT_NE(nullptr, control->Parent());
        EXPECT_EQ(p.Parent, control->Parent()->Name());
        EXPECT_EQ(p.Left, control->Left());
        EXPECT_EQ(p.Top, control->Top());
        if (p.Width >= 0) {
            EXPECT_EQ(p.Width, control->Width());
        }
        if (p.Height >= 0) {
            EXPECT_EQ(p.Height, control->Height());
        }
    }
    // The panes either side of the four-pixel bar, each 342 pixels wide.
    EXPECT_EQ(form->UiSplitter1, form->UiSplitter1->UpperLeftPane()->Parent());
    RECT left = form->UiSplitter1->UpperLeftPane()->BoundsRect();
    RECT right = form->UiSplitter1->LowerRightPane()->BoundsRect();
    RECT bar = form->UiSplitter1->BarRect();
    EXPECT_EQ((std::vector<LONG>{0, 0, 342, 377}),
              (std::vector<LONG>{left.left, left.top, left.right, left.bottom}));
    EXPECT_EQ((std::vector<LONG>{346, 0, 688, 377}),
              (std::vector<LONG>{right.left, right.top, right.right, right.bottom}));
    EXPECT_EQ((std::vector<LONG>{342, 0, 346, 377}),
              (std::vector<LONG>{bar.left, bar.top, bar.right, bar.bottom}));
    // The maker's notice keeps its right edge whatever its text's width.
    EXPECT_EQ(693, form->Label1->Left() + form->Label1->Width());
    EXPECT_EQ(74, form->Label1->Top());
    // The windows agree with the bounds.
    RECT memo;
    GetWindowRect(form->MemoO->Handle(), &memo);
    MapWindowPoints(HWND_DESKTOP, form->Handle(), reinterpret_cast<POINT*>(&memo), 2);
    EXPECT_EQ((std::vector<LONG>{12, 122, 354, 474}),
              (std::vector<LONG>{memo.left, memo.top, memo.right, memo.bottom}));
}

TEST_F(MainWindowTest, WindowIsBorderlessWhiteAndCentredWithItsLayeredSettingsOff) {
    EXPECT_EQ(bsNone, form->BorderStyle());
    EXPECT_EQ(713, form->ClientWidth());
    EXPECT_EQ(486, form->ClientHeight());
    EXPECT_EQ(clWhite, form->Color());
    EXPECT_EQ(poScreenCenter, form->Position());
    EXPECT_FALSE(form->AlphaBlend());
    EXPECT_FALSE(form->TransparentColor());
    EXPECT_EQ(clFuchsia, form->TransparentColorValue());
    EXPECT_EQ("", form->Caption());
    EXPECT_TRUE(form->ShowHint());
}

TEST_F(MainWindowTest, CreationSetsBufferingFontVersionTitleSkinAndShadow) {
    EXPECT_TRUE(form->DoubleBuffered());
    EXPECT_EQ(kSimSun, form->Font().Name());
    EXPECT_EQ(9, form->Font().Size());
    // Controls that follow their parent's font show it.
    for (TControl* c : std::vector<TControl*>{form->MemoO, form->MemoD, form->UiComboBox1, form->BtnDo}) {
        SCOPED_TRACE(c->Name());
        EXPECT_EQ(kSimSun, c->Font().Name());
        EXPECT_EQ(form->Font().Height(), c->Font().Height());
    }
    EXPECT_EQ("Version 1.6.8.0", form->Label2->Caption());
    EXPECT_EQ("Sinoshift", Application->Title());
    char title[64] = {};
    GetWindowTextA(Application->Handle(), title, sizeof title);
    EXPECT_STREQ("Sinoshift", title);
    // The skin fills FS, and the shadow follows the window.
    EXPECT_EQ(713, form->FS->Picture().Width());
    EXPECT_EQ(486, form->FS->Picture().Height());
    ASSERT_NE(nullptr, form->Shadow());
    EXPECT_EQ(form, form->Shadow()->OwnerForm());
    EXPECT_EQ(Application, form->Shadow()->Owner());
}

TEST_F(MainWindowTest, LabelsAndHeadersHaveTheirOwnFonts) {
    EXPECT_EQ("Tahoma", form->Label2->Font().Name());
    EXPECT_EQ(-11, form->Label2->Font().Height());
    EXPECT_TRUE(form->Label2->Font().Bold());
    EXPECT_EQ(TColor(4276545), form->Label2->Font().Color());
    EXPECT_EQ("Tahoma", form->Label1->Font().Name());
    EXPECT_EQ(-9, form->Label1->Font().Height());
    EXPECT_EQ(taRightJustify, form->Label1->Alignment());
    EXPECT_FALSE(form->Label1->Caption().empty());
    for (TUiPanel* header : {form->UiPanel1, form->UiPanel2}) {
        SCOPED_TRACE(header->Name());
        EXPECT_EQ(kSimSun, header->Font().Name());
        EXPECT_EQ(-12, header->Font().Height());
        EXPECT_TRUE(header->Font().Bold());
        EXPECT_EQ(alTop, header->Align());
        EXPECT_EQ(taLeftJustify, header->Alignment());
        EXPECT_EQ(fsFlat, header->BorderOuter());
        EXPECT_EQ(TSides(sdLeft | sdTop | sdRight), header->BorderSides());
        EXPECT_EQ(TColor(9867923), header->FlatColor());
        EXPECT_EQ(vsGradient, header->VisualStyle());
    }
    EXPECT_TRUE(form->LabelTitle->Transparent());
    EXPECT_FALSE(form->LabelTitle->AutoSize());
    EXPECT_EQ(TAnchors(akLeft | akTop | akRight), form->LabelTitle->Anchors());
}

TEST_F(MainWindowTest, CaptionsHintsAndModeEntries) {
    struct Text {
        TControl* Control;
        std::string Caption, Hint;
    };
    const Text texts[] = {
        {form->BtnSysClose, "", "\xB9\xD8\xB1\xD5"},       // 关闭
        {form->BtnSysMin, "", "\xD7\xEE\xD0\xA1\xBB\xAF"}, // 最小化
        {form->UiPanel1, " \xD4\xAD\xCE\xC4", ""},         // " 原文"
        {form->UiPanel2, " \xD2\xEB\xCE\xC4", ""},         // " 译文"
        {form->BtnCopyO, "", "\xB8\xB4\xD6\xC6"},          // 复制
        {form->BtnCutO, "", "\xBC\xF4\xC7\xD0"},           // 剪切
        {form->BtnPasteO, "", "\xD5\xB3\xCC\xF9"},         // 粘贴
        {form->BtnCopyD, "", "\xB8\xB4\xD6\xC6"},          //
        {form->BtnCutD, "", "\xBC\xF4\xC7\xD0"},           //
        {form->BtnDo, "\xD7\xAA\xBB\xBB >>", ""},          // 转换 >>
        {form->LabelTitle, "", ""},
    };
    for (const Text& t : texts) {
        SCOPED_TRACE(t.Control->Name());
        EXPECT_EQ(t.Caption, t.Control->Caption());
        EXPECT_EQ(t.Hint, t.Control->Hint());
        EXPECT_TRUE(t.Control->ShowHint());
    }
    ASSERT_EQ(4, static_cast<int>(form->UiComboBox1->Items().size()));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(ConversionModes[i].Text, form->UiComboBox1->Items()[i]);
    EXPECT_EQ(csDropDownList, form->UiComboBox1->Style());
    EXPECT_EQ(0, form->UiComboBox1->ItemIndex());
    char shown[64] = {};
    GetWindowTextA(form->UiComboBox1->Handle(), shown, sizeof shown);
    EXPECT_STREQ(ConversionModes[0].Text, shown);
}

TEST_F(MainWindowTest, PanesAreWrappingEditsWithBothBarsThatKeepTheirSelectionShown) {
    for (TUiMemo* memo : {form->MemoO, form->MemoD}) {
        SCOPED_TRACE(memo->Name());
        EXPECT_EQ(alClient, memo->Align());
        EXPECT_EQ(ssBoth, memo->ScrollBars());
        EXPECT_TRUE(memo->WordWrap());
        EXPECT_FALSE(memo->HideSelection());
        LONG style = GetWindowLongA(memo->Handle(), GWL_STYLE);
        EXPECT_TRUE(style & ES_MULTILINE);
        EXPECT_TRUE(style & ES_NOHIDESEL);
        EXPECT_TRUE(style & WS_VSCROLL);
        EXPECT_EQ("", memo->Text());
    }
}

TEST_F(MainWindowTest, TabOrderIsListButtonSplitterWithEachEditBeforeItsHeader) {
    EXPECT_EQ(0, form->UiComboBox1->TabOrder());
    EXPECT_EQ(1, form->BtnDo->TabOrder());
    EXPECT_EQ(2, form->UiSplitter1->TabOrder());
    EXPECT_EQ(0, form->MemoO->TabOrder());
    EXPECT_EQ(1, form->UiPanel1->TabOrder());
    EXPECT_EQ(0, form->MemoD->TabOrder());
    EXPECT_EQ(1, form->UiPanel2->TabOrder());
    EXPECT_FALSE(form->BtnSysClose->TabStop());
    EXPECT_FALSE(form->BtnSysMin->TabStop());
    // Tab visits the list, the button, then the two panes' edits, and wraps round.
    ShowWindowNow();
    std::vector<std::string> visited;
    TWinControl* current = nullptr;
    for (int i = 0; i < 5; ++i) {
        current = form->FindNextControl(current, true, true);
        ASSERT_NE(nullptr, current);
        visited.push_back(current->Name());
    }
    EXPECT_EQ((std::vector<std::string>{"UiComboBox1", "BtnDo", "MemoO", "MemoD", "UiComboBox1"}), visited);
}

TEST_F(MainWindowTest, WindowMenuHasItsItemsPicturesAndShortcutText) {
    ASSERT_EQ(3, form->PopupMenu1.Count());
    EXPECT_EQ(&form->ImageList1, form->PopupMenu1.Images);
    EXPECT_EQ(8, form->ImageList1.Count());
    EXPECT_EQ("\xD7\xEE\xD0\xA1\xBB\xAF(&N)", form->PM_MinSize->Caption); // 最小化(&N)
    EXPECT_EQ(6, form->PM_MinSize->ImageIndex);
    EXPECT_EQ(form->PM_MinSize->Caption, form->PM_MinSize->MenuText());
    EXPECT_TRUE(form->N2->IsSeparator());
    EXPECT_EQ("\xB9\xD8\xB1\xD5(&C)", form->PM_Close->Caption); // 关闭(&C)
    EXPECT_EQ(7, form->PM_Close->ImageIndex);
    EXPECT_EQ(TShortCut(32883), form->PM_Close->ShortCut);
    EXPECT_EQ(form->PM_Close->Caption + "\tAlt+F4", form->PM_Close->MenuText());
    EXPECT_EQ(form->PM_MinSize, form->PopupMenu1.Find("PM_MinSize"));
    EXPECT_EQ(form->PM_Close, form->PopupMenu1.Find("PM_Close"));
}

TEST_F(MainWindowTest, ToolButtonsUseTheImageListWithSeparateDisabledPictures) {
    struct Pictures {
        TUiToolButton* Button;
        int Image, Disabled;
    };
    for (const Pictures& p :
         {Pictures{form->BtnCopyO, 0, 3}, Pictures{form->BtnCutO, 1, 4}, Pictures{form->BtnPasteO, 2, 5},
          Pictures{form->BtnCopyD, 0, 3}, Pictures{form->BtnCutD, 1, 4}}) {
        SCOPED_TRACE(p.Button->Name());
        EXPECT_EQ(&form->ImageList1, p.Button->Images());
        EXPECT_EQ(p.Image, p.Button->ImageIndex());
        EXPECT_EQ(p.Disabled, p.Button->DisabledIndex());
        EXPECT_EQ(TAnchors(akTop | akRight), p.Button->Anchors());
        p.Button->SetEnabled(true);
        EXPECT_EQ(p.Image, p.Button->CurrentImage());
        p.Button->SetEnabled(false);
        EXPECT_EQ(p.Disabled, p.Button->CurrentImage());
    }
}

// Copy and cut start disabled; paste is enabled exactly when the clipboard held text as the panes'
// windows were made.
TEST_F(MainWindowTest, InitialEnablingFollowsTheClipboardAtStart) {
    struct Variant {
        const char* What;
        void (*Prepare)(HWND);
        bool Paste;
    };
    const Variant variants[] = {
        {"text", [](HWND w) { PutClipboardText(w, "hello"); }, true},
        {"nothing", [](HWND w) { EmptyTheClipboard(w); }, false},
        {"only a picture", [](HWND w) { PutClipboardPicture(w); }, false},
    };
    for (const Variant& v : variants) {
        SCOPED_TRACE(v.What);
        delete form;
        v.Prepare(Application->Handle());
        Application->CreateForm(FrmRuvo);
        form = FrmRuvo;
        EXPECT_EQ(v.Paste, form->BtnPasteO->Enabled());
        EXPECT_FALSE(form->BtnCopyO->Enabled());
        EXPECT_FALSE(form->BtnCutO->Enabled());
        EXPECT_FALSE(form->BtnCopyD->Enabled());
        EXPECT_FALSE(form->BtnCutD->Enabled());
    }
}
