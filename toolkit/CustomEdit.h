#pragma once
// TCustomEdit: the system EDIT control, superclassed: text, selection, clipboard operations and
// the change notification. TEdit is the single-line kind, TMemo the multi-line one.
#include "toolkit/GdiObject.h"
#include "toolkit/WinControl.h"

class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);

    int SelStart();
    void SetSelStart(int start);
    int SelLength();
    void SetSelLength(int length);
    std::string SelText();
    void SelectAll();
    void ClearSelection();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void Undo();
    void Clear() { SetText(""); }

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    // The most characters the user can type or paste; 0 (the default) means no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    // Whether the selection is hidden while the control has no focus (the system's default).
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);

    // The text changed (typing, cut, paste, undo, or a new text set by the program).
    TNotifyEvent OnChange;

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    virtual void Change();

private:
    void GetSelection(DWORD& start, DWORD& end);

    bool readOnly_ = false;
    int maxLength_ = 0;
    bool hideSelection_ = true;
    // Set while the window is made and given its text.
    bool settingUp_ = false;
    GdiBrush background_;
    TColor backgroundColor_ = 0;
};
