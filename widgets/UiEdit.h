#pragma once
// TUiMemo: the editing pane, a multi-line edit that tells its owner at fixed moments whether it
// has a selection and whether the clipboard offers text, so the owner can enable its copy, cut
// and paste buttons. The pane never watches the clipboard: a change made elsewhere shows at the
// pane's next moment (its window created, text changed, key down or up, click, mouse release).
// It also paints a flat frame over the edit's sunken border under the classic look, and scrolls
// itself by the wheel.
#include "toolkit/Canvas.h"
#include "toolkit/Memo.h"
#include "widgets/EditFrame.h"

// Sender, HasSelection, HasText.
using TClipboardChangeEvent = TEvent<TObject*, bool, bool>;
// Sender, Line, Column of the caret, both from 1.
using TLineColChangeEvent = TEvent<TObject*, int, int>;

class TUiMemo : public TMemo {
public:
    explicit TUiMemo(TComponent* owner);

    // --- the flat frame ---
    bool FrameVisible() const { return frame_.Visible; }
    // Makes the window again (a change of its border); True also switches Ctl3D on. Setting the
    // value it has does nothing.
    void SetFrameVisible(bool value);
    TFrameStyleEx FrameStyle() const { return frame_.Style; }
    void SetFrameStyle(TFrameStyleEx value);
    TColor FrameColor() const { return frame_.Color; }
    void SetFrameColor(TColor value);
    TSides FrameSides() const { return frame_.Sides; }
    void SetFrameSides(TSides value);
    // With hot tracking the hot style and colour show while the pane has the focus or the mouse.
    bool FrameHotTrack() const { return frame_.HotTrack; }
    void SetFrameHotTrack(bool value);
    TFrameStyleEx FrameHotStyle() const { return frame_.HotStyle; }
    void SetFrameHotStyle(TFrameStyleEx value);
    TColor FrameHotColor() const { return frame_.HotColor; }
    void SetFrameHotColor(TColor value);
    // fpXPThemes: while visual styles are in use the system's themed border shows instead.
    TFramingPreference FramingPreference() const { return frame_.Preference; }
    void SetFramingPreference(TFramingPreference value);
    // The sunken two-pixel client edge (on by default); off, a one-pixel border.
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool value);
    // Whether the pane paints its own frame now.
    bool DrawsOwnFrame() const;

    // Fired at every moment, whether or not a flag differs from the last time.
    TClipboardChangeEvent OnClipboardChange;
    // Runs just before most clipboard-state firings.
    TLineColChangeEvent OnLineColChange;
    // A handler that sets Handled takes the wheel over; otherwise the pane scrolls itself.
    TMouseWheelEvent OnMouseWheel;

    // Whether something is selected now (EM_GETSEL); false without a window.
    bool HasSelection();
    // Whether the clipboard offers plain text now; the clipboard is not opened.
    static bool ClipboardHasText();

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Change() override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyUp(WORD& key, TShiftState shift) override;
    void Click() override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void DoEnter() override;
    void DoExit() override;
    void Resize() override;
    void StoreText(const std::string& text) override;
    // The wheel: OnMouseWheel first, then the pane's own scrolling. Returns whether it was handled.
    virtual bool DoMouseWheel(TShiftState shift, int delta, POINT pos);

    // The line/column notification, then the clipboard-state one.
    void ReportCaretAndClipboard();
    void ReportClipboard();

private:
    void PaintFrame();
    // Asks for a repaint of the frame, when the pane draws one and a part of it can be seen.
    void RepaintFrame();
    void HotStateChanged();
    void ScrollByWheel(int delta);

    TEditFrameSettings frame_;
    bool ctl3D_ = true;
    // The frame's drawing surface: bound to the window's DC only while the frame is painted.
    TCanvas frameCanvas_;
    // Set while the owner's new text goes into the window: the edit's own change notice (sent by
    // some systems for WM_SETTEXT) is not counted; the text change is reported once afterwards.
    bool storingText_ = false;
};
