#pragma once
// TUiMemo: the editing pane, a multi-line edit that tells its owner at fixed moments whether it
// has a selection and whether the clipboard offers text, so the owner can enable its copy, cut
// and paste buttons. The pane never watches the clipboard: a change made elsewhere shows at the
// pane's next moment (its window created, text changed, key down or up, click, mouse release).
#include "toolkit/Memo.h"

// Sender, HasSelection, HasText.
using TClipboardChangeEvent = TEvent<TObject*, bool, bool>;
// Sender, Line, Column of the caret, both from 1.
using TLineColChangeEvent = TEvent<TObject*, int, int>;

class TUiMemo : public TMemo {
public:
    explicit TUiMemo(TComponent* owner);

    // Fired at every moment, whether or not a flag differs from the last time.
    TClipboardChangeEvent OnClipboardChange;
    // Runs just before most clipboard-state firings.
    TLineColChangeEvent OnLineColChange;

    // Whether something is selected now (EM_GETSEL); false without a window.
    bool HasSelection();
    // Whether the clipboard offers plain text now; the clipboard is not opened.
    static bool ClipboardHasText();

    void WndProc(TMessage& message) override;

protected:
    void CreateWnd() override;
    void Change() override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyUp(WORD& key, TShiftState shift) override;
    void Click() override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void StoreText(const std::string& text) override;

    // The line/column notification, then the clipboard-state one.
    void ReportCaretAndClipboard();
    void ReportClipboard();

private:
    // Set while the owner's new text goes into the window: the edit's own change notice (sent by
    // some systems for WM_SETTEXT) is not counted; the text change is reported once afterwards.
    bool storingText_ = false;
};
