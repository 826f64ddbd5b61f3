#pragma once
// The main window: the source pane on the left, the result pane on the right, the mode list and
// the convert button above them, all on a borderless window painted from the skin, with its own
// caption buttons, window menu and drop shadow.
#include "app/TitleDrag.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/ImageList.h"
#include "toolkit/Label.h"
#include "toolkit/PopupMenu.h"
#include "widgets/UiBmpBtn.h"
#include "widgets/UiButton.h"
#include "widgets/UiCmboBx.h"
#include "widgets/UiEdit.h"
#include "widgets/UiPanel.h"
#include "widgets/UiSplit.h"

class TFormShadow;

class TFrmRuvo : public TForm {
public:
    explicit TFrmRuvo(TComponent* owner);
    ~TFrmRuvo() override;

    // The controls, in creation order (windowless ones are painted in this order).
    TImage* FS = nullptr;
    TLabel* LabelTitle = nullptr;
    TImage* Image1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TImage* Image2 = nullptr;
    TUiBmpButton* BtnSysClose = nullptr;
    TUiBmpButton* BtnSysMin = nullptr;
    TUiComboBox* UiComboBox1 = nullptr;
    TUiSplitter* UiSplitter1 = nullptr;
    TUiMemo* MemoO = nullptr;
    TUiPanel* UiPanel1 = nullptr;
    TUiToolButton* BtnCopyO = nullptr;
    TUiToolButton* BtnCutO = nullptr;
    TUiToolButton* BtnPasteO = nullptr;
    TUiMemo* MemoD = nullptr;
    TUiPanel* UiPanel2 = nullptr;
    TUiToolButton* BtnCopyD = nullptr;
    TUiToolButton* BtnCutD = nullptr;
    TUiBitBtn* BtnDo = nullptr;
    TImageList ImageList1;
    TPopupMenu PopupMenu1;
    TMenuItem* PM_MinSize = nullptr;
    TMenuItem* N2 = nullptr;
    TMenuItem* PM_Close = nullptr;

    // The drop shadow; null before creation finished it and after the close.
    TFormShadow* Shadow() const { return shadow_; }

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void BtnDoClick(TObject* Sender);
    void BtnCopyOClick(TObject* Sender);
    void BtnCutOClick(TObject* Sender);
    void BtnPasteOClick(TObject* Sender);
    void BtnCopyDClick(TObject* Sender);
    void BtnCutDClick(TObject* Sender);
    void MemoOClipboardChange(TObject* Sender, bool HasSelection, bool HasText);
    void MemoDClipboardChange(TObject* Sender, bool HasSelection, bool HasText);
    void MemoOKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
    void LabelTitleMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void BtnSysMinClick(TObject* Sender);
    void BtnSysCloseClick(TObject* Sender);
    void Image2Click(TObject* Sender);

    void WndProc(TMessage& message) override;
    void Loaded() override;

protected:
    void WMShowWindow(TMessage& message);

private:
    void CreateTitleBand();
    void CreateModeRow();
    void CreatePanes();
    TUiToolButton* CreateToolButton(const char* name, TUiPanel* header, int left, const char* hint, int image,
                                    int disabledImage, bool enabled);
    void CreateMenu();
    bool ShadowStillOwned() const;

    TFormShadow* shadow_ = nullptr;
    TTitleDrag titleDrag_{this};
};

extern TFrmRuvo* FrmRuvo;
