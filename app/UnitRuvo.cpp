#include "app/UnitRuvo.h"

#include "chrome/SkinPainter.h"
#include "chrome/ufrmShadowFrame.h"
#include "conversion/CH_Functions.h"
#include "toolkit/Application.h"
#include "sinoshift_version.h"

TFrmRuvo* FrmRuvo = nullptr;

namespace {

// Texts of the window, GB bytes (code page 936).
const char* const kSimSun = "\xCB\xCE\xCC\xE5";                   // 宋体
const char* const kHintClose = "\xB9\xD8\xB1\xD5";                // 关闭
const char* const kHintMinimize = "\xD7\xEE\xD0\xA1\xBB\xAF";     // 最小化
const char* const kHintCopy = "\xB8\xB4\xD6\xC6";                 // 复制
const char* const kHintCut = "\xBC\xF4\xC7\xD0";                  // 剪切
const char* const kHintPaste = "\xD5\xB3\xCC\xF9";                // 粘贴
const char* const kSourceCaption = " \xD4\xAD\xCE\xC4";           // " 原文"
const char* const kResultCaption = " \xD2\xEB\xCE\xC4";           // " 译文"
const char* const kConvertCaption = "\xD7\xAA\xBB\xBB >>";        // 转换 >>
const char* const kMenuMinimize = "\xD7\xEE\xD0\xA1\xBB\xAF(&N)"; // 最小化(&N)
const char* const kMenuClose = "\xB9\xD8\xB1\xD5(&C)";            // 关闭(&C)
const char* const kMakerNotice = "(c) 2026 Sinoshift";
const char* const kVersionText = "Version " SINOSHIFT_VERSION_TEXT;

constexpr TColor kHeaderFlatColor = 9867923; // red 147, green 146, blue 150
constexpr TColor kVersionColor = 4276545;    // red, green and blue 65
constexpr TShortCut kAltF4 = 0x8073;
constexpr WPARAM kMoveByCaption = 0xF012; // SC_MOVE + HTCAPTION

HINSTANCE ResourceModule() {
    return GetModuleHandleA(nullptr);
}

} // namespace

TFrmRuvo::TFrmRuvo(TComponent* owner) : TForm(owner) {
    SetName("FrmRuvo");
    SetBorderStyle(bsNone);
    SetClientSize(713, 486);
    SetColor(clWhite);
    SetPosition(poScreenCenter);
    SetTransparentColorValue(clFuchsia);
    SetShowHint(true);
    OnCreate.Bind(this, &TFrmRuvo::FormCreate);
    OnClose.Bind(this, &TFrmRuvo::FormClose);

    TBitmap strip;
    strip.LoadFromResource(ResourceModule(), "IMAGELIST");
    ImageList1.AddMasked(strip, clFuchsia);

    CreateTitleBand();
    CreateModeRow();
    CreatePanes();

    BtnDo = new TUiBitBtn(this);
    BtnDo->SetName("BtnDo");
    BtnDo->SetParent(this);
    BtnDo->SetBounds(282, 69, 73, 22);
    BtnDo->SetCaption(kConvertCaption);
    BtnDo->SetHotTrack(true);
    BtnDo->OnClick.Bind(this, &TFrmRuvo::BtnDoClick);

    CreateMenu();
}

TFrmRuvo::~TFrmRuvo() {
    // Normally gone at the close already; the shadow must not outlive the form it follows. When the
    // application ends without a close, it may have destroyed the shadow (its owner) first.
    if (shadow_ && ShadowStillOwned())
        delete shadow_;
    shadow_ = nullptr;
    // The controls go while the image list they draw from is still here.
    SetDestroying();
    DestroyHandle();
    DestroyComponents();
    if (FrmRuvo == this)
        FrmRuvo = nullptr;
}

void TFrmRuvo::CreateTitleBand() {
    FS = new TImage(this);
    FS->SetName("FS");
    FS->SetParent(this);
    FS->SetBounds(0, 0, 713, 486);

    LabelTitle = new TLabel(this);
    LabelTitle->SetName("LabelTitle");
    LabelTitle->SetParent(this);
    LabelTitle->SetAutoSize(false);
    LabelTitle->SetBounds(0, 0, 713, 25);
    LabelTitle->SetTransparent(true);
    LabelTitle->SetAnchors(akLeft | akTop | akRight);
    LabelTitle->OnMouseDown.Bind(this, &TFrmRuvo::LabelTitleMouseDown);

    Image1 = new TImage(this);
    Image1->SetName("Image1");
    Image1->SetParent(this);
    Image1->SetBounds(14, 14, 320, 79);
    Image1->SetAutoSize(true);
    Image1->SetTransparent(true);
    Image1->LoadFromResource(ResourceModule(), "LOGO");

    Label1 = new TLabel(this);
    Label1->SetName("Label1");
    Label1->SetParent(this);
    Label1->SetBounds(522, 74, 171, 11);
    Label1->SetAlignment(taRightJustify);
    Label1->Font().SetHeight(-9);
    Label1->SetCaption(kMakerNotice);

    Label2 = new TLabel(this);
    Label2->SetName("Label2");
    Label2->SetParent(this);
    Label2->SetBounds(338, 42, 42, 13);
    Label2->Font().SetHeight(-11);
    Label2->Font().SetBold(true);
    Label2->Font().SetColor(kVersionColor);
    Label2->SetCaption("Version");

    Image2 = new TImage(this);
    Image2->SetName("Image2");
    Image2->SetParent(this);
    Image2->SetBounds(8, 6, 16, 16);
    Image2->SetAutoSize(true);
    Image2->SetTransparent(true);
    Image2->LoadFromResource(ResourceModule(), "ICON16");
    Image2->OnClick.Bind(this, &TFrmRuvo::Image2Click);

    BtnSysClose = new TUiBmpButton(this);
    BtnSysClose->SetName("BtnSysClose");
    BtnSysClose->SetParent(this);
    BtnSysClose->Bitmaps().Up.LoadFromResource(ResourceModule(), "CLOSE_UP");
    BtnSysClose->Bitmaps().Hot.LoadFromResource(ResourceModule(), "CLOSE_HOT");
    BtnSysClose->Bitmaps().TransparentColor = clFuchsia;
    BtnSysClose->SetBounds(661, 1, 43, 17);
    BtnSysClose->SetHint(kHintClose);
    BtnSysClose->SetAnchors(akTop | akRight);
    BtnSysClose->SetTabStop(false);
    BtnSysClose->OnClick.Bind(this, &TFrmRuvo::BtnSysCloseClick);

    BtnSysMin = new TUiBmpButton(this);
    BtnSysMin->SetName("BtnSysMin");
    BtnSysMin->SetParent(this);
    BtnSysMin->Bitmaps().Up.LoadFromResource(ResourceModule(), "MIN_UP");
    BtnSysMin->Bitmaps().Hot.LoadFromResource(ResourceModule(), "MIN_HOT");
    BtnSysMin->Bitmaps().TransparentColor = clFuchsia;
    BtnSysMin->SetBounds(636, 1, 25, 17);
    BtnSysMin->SetHint(kHintMinimize);
    BtnSysMin->SetAnchors(akTop | akRight);
    BtnSysMin->SetTabStop(false);
    BtnSysMin->OnClick.Bind(this, &TFrmRuvo::BtnSysMinClick);
}

void TFrmRuvo::CreateModeRow() {
    UiComboBox1 = new TUiComboBox(this);
    UiComboBox1->SetName("UiComboBox1");
    UiComboBox1->SetParent(this);
    UiComboBox1->SetBounds(145, 70, 132, 21);
    UiComboBox1->SetStyle(csDropDownList);
    UiComboBox1->SetFrameVisible(true);
    for (const TConversionModeEntry& mode : ConversionModes)
        UiComboBox1->AddItem(mode.Text);
    UiComboBox1->SetItemIndex(0);
}

void TFrmRuvo::CreatePanes() {
    UiSplitter1 = new TUiSplitter(this);
    UiSplitter1->SetName("UiSplitter1");
    UiSplitter1->SetParent(this);
    UiSplitter1->SetBounds(12, 97, 688, 377);
    UiSplitter1->SetColor(clWhite);
    UiSplitter1->SetAnchors(akLeft | akTop | akRight | akBottom);
    UiSplitter1->SetPosition(342);
    UiSplitter1->ReadStoredKey("BarSize", "(342 0 346 377)");
    UiSplitter1->ReadStoredKey("UpperLeftControls", "(MemoO UiPanel1)");
    UiSplitter1->ReadStoredKey("LowerRightControls", "(MemoD UiPanel2)");

    auto makeMemo = [this](const char* name) {
        auto* memo = new TUiMemo(this);
        memo->SetName(name);
        memo->SetParent(UiSplitter1);
        memo->SetBounds(0, 25, 342, 352);
        memo->SetAlign(alClient);
        memo->SetScrollBars(ssBoth);
        memo->SetHideSelection(false);
        memo->SetFrameVisible(true);
        memo->OnKeyDown.Bind(this, &TFrmRuvo::MemoOKeyDown);
        return memo;
    };
    auto makeHeader = [this](const char* name, const char* caption) {
        auto* header = new TUiPanel(this);
        header->SetName(name);
        header->SetParent(UiSplitter1);
        header->SetBounds(0, 0, 342, 25);
        header->SetAlign(alTop);
        header->SetCaption(caption);
        header->SetAlignment(taLeftJustify);
        header->Font().SetName(kSimSun);
        header->Font().SetHeight(-12);
        header->Font().SetBold(true);
        header->SetBorderOuter(fsFlat);
        header->SetBorderSides(sdLeft | sdTop | sdRight);
        header->SetFlatColor(kHeaderFlatColor);
        header->SetVisualStyle(vsGradient);
        header->SetGradientColorStyle(gcsCustom);
        return header;
    };

    MemoO = makeMemo("MemoO");
    MemoO->OnClipboardChange.Bind(this, &TFrmRuvo::MemoOClipboardChange);
    UiPanel1 = makeHeader("UiPanel1", kSourceCaption);
    BtnCopyO = CreateToolButton("BtnCopyO", UiPanel1, 268, kHintCopy, 0, 3, false);
    BtnCopyO->OnClick.Bind(this, &TFrmRuvo::BtnCopyOClick);
    BtnCutO = CreateToolButton("BtnCutO", UiPanel1, 292, kHintCut, 1, 4, false);
    BtnCutO->OnClick.Bind(this, &TFrmRuvo::BtnCutOClick);
    BtnPasteO = CreateToolButton("BtnPasteO", UiPanel1, 316, kHintPaste, 2, 5, true);
    BtnPasteO->OnClick.Bind(this, &TFrmRuvo::BtnPasteOClick);

    MemoD = makeMemo("MemoD");
    MemoD->OnClipboardChange.Bind(this, &TFrmRuvo::MemoDClipboardChange);
    UiPanel2 = makeHeader("UiPanel2", kResultCaption);
    BtnCopyD = CreateToolButton("BtnCopyD", UiPanel2, 292, kHintCopy, 0, 3, false);
    BtnCopyD->OnClick.Bind(this, &TFrmRuvo::BtnCopyDClick);
    BtnCutD = CreateToolButton("BtnCutD", UiPanel2, 316, kHintCut, 1, 4, false);
    BtnCutD->OnClick.Bind(this, &TFrmRuvo::BtnCutDClick);
}

TUiToolButton* TFrmRuvo::CreateToolButton(const char* name, TUiPanel* header, int left, const char* hint,
                                          int image, int disabledImage, bool enabled) {
    auto* button = new TUiToolButton(this);
    button->SetName(name);
    button->SetParent(header);
    button->SetBounds(left, 2, 22, 22);
    button->SetHint(hint);
    button->SetImages(&ImageList1);
    button->SetImageIndex(image);
    button->SetDisabledIndex(disabledImage);
    button->SetVisualStyle(vsGradient);
    button->SetGradientColorStyle(gcsCustom);
    button->SetEnabled(enabled);
    button->SetAnchors(akTop | akRight);
    return button;
}

void TFrmRuvo::CreateMenu() {
    PopupMenu1.Images = &ImageList1;
    PM_MinSize = &PopupMenu1.Add(kMenuMinimize, 6, scNone, [this] { BtnSysMinClick(nullptr); });
    PM_MinSize->Name = "PM_MinSize";
    N2 = &PopupMenu1.Add("-");
    N2->Name = "N2";
    PM_Close = &PopupMenu1.Add(kMenuClose, 7, kAltF4, [this] { BtnSysCloseClick(nullptr); });
    PM_Close->Name = "PM_Close";
}

void TFrmRuvo::Loaded() {
    TForm::Loaded();
    // The description's tab orders, settled once every sibling exists: the list, the button, the
    // splitter with the panes.
    UiComboBox1->SetTabOrder(0);
    BtnDo->SetTabOrder(1);
    UiSplitter1->SetTabOrder(2);
}

// --- creation and shut-down ---

void TFrmRuvo::FormCreate(TObject*) {
    SetDoubleBuffered(true);
    Font().SetName(kSimSun);
    Font().SetSize(9);
    Label2->SetCaption(kVersionText);
    Application->SetTitle("Sinoshift");
    // Paints the skin into FS and gives the window its rounded outline; the window exists from here.
    BuildSkin(*this, *FS);
    // A failure above leaves the window without a shadow: every use tests for it.
    shadow_ = new TFormShadow(Application);
    shadow_->AttachTo(this);
}

bool TFrmRuvo::ShadowStillOwned() const {
    const TComponent* owner = Application;
    for (int i = 0; owner && i < owner->ComponentCount(); ++i)
        if (owner->Components(i) == shadow_)
            return true;
    return false;
}

void TFrmRuvo::FormClose(TObject*, TCloseAction&) {
    delete shadow_;
    shadow_ = nullptr;
}

void TFrmRuvo::WndProc(TMessage& message) {
    if (titleDrag_.Filter(message))
        return;
    if (message.Msg == WM_SHOWWINDOW) {
        WMShowWindow(message);
        return;
    }
    TForm::WndProc(message);
}

void TFrmRuvo::WMShowWindow(TMessage& message) {
    if (shadow_)
        shadow_->SetShadowVisible(message.WParam != 0);
    TForm::WndProc(message);
}

// --- commands ---

void TFrmRuvo::BtnDoClick(TObject*) {
    const TConversionModeEntry* mode = FindConversionMode(UiComboBox1->ItemIndex());
    if (!mode)
        return;
    MemoD->SetText(mode->Convert(MemoO->Text()));
}

void TFrmRuvo::BtnCopyOClick(TObject*) {
    MemoO->CopyToClipboard();
}

void TFrmRuvo::BtnCutOClick(TObject*) {
    MemoO->CutToClipboard();
}

void TFrmRuvo::BtnPasteOClick(TObject*) {
    MemoO->PasteFromClipboard();
}

void TFrmRuvo::BtnCopyDClick(TObject*) {
    MemoD->CopyToClipboard();
}

void TFrmRuvo::BtnCutDClick(TObject*) {
    MemoD->CutToClipboard();
}

void TFrmRuvo::MemoOClipboardChange(TObject*, bool HasSelection, bool HasText) {
    BtnPasteO->SetEnabled(HasText);
    BtnCopyO->SetEnabled(HasSelection);
    BtnCutO->SetEnabled(HasSelection);
}

void TFrmRuvo::MemoDClipboardChange(TObject*, bool HasSelection, bool) {
    BtnCopyD->SetEnabled(HasSelection);
    BtnCutD->SetEnabled(HasSelection);
}

void TFrmRuvo::MemoOKeyDown(TObject* Sender, WORD& Key, TShiftState Shift) {
    // Shift or Alt may be held as well; the key still goes on to the edit.
    if ((Shift & ssCtrl) && Key == 0x41)
        if (auto* memo = dynamic_cast<TUiMemo*>(Sender))
            memo->SelectAll();
}

void TFrmRuvo::LabelTitleMouseDown(TObject* Sender, TMouseButton Button, TShiftState, int X, int Y) {
    auto* label = static_cast<TControl*>(Sender);
    if (Button != mbLeft) {
        // The system's move loop would outlast this button's release (TTitleDrag says why).
        titleDrag_.Begin(Button, label->ClientToScreen(POINT{X, Y}));
        return;
    }
    // The system's move loop takes the mouse from here until the button is released.
    ReleaseCapture();
    SendMessageA(label->Parent()->Handle(), WM_SYSCOMMAND, kMoveByCaption, 0);
}

void TFrmRuvo::BtnSysMinClick(TObject*) {
    Application->Minimize();
}

void TFrmRuvo::BtnSysCloseClick(TObject*) {
    Close();
}

void TFrmRuvo::Image2Click(TObject*) {
    POINT corner = Image2->ClientToScreen(POINT{0, Image2->Height()});
    PopupMenu1.Popup(corner.x, corner.y, Handle());
}
