#pragma once
// TForm: a top-level window owned by the application's hidden window. A form subclass creates
// its controls in its constructor (the description); AfterConstruction then tells every
// component that the description is complete (Loaded) and runs OnCreate.
#include "toolkit/WinControl.h"

using TCloseEvent = TEvent<TObject*, TCloseAction&>;

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    // Ends the description: Loaded on every component, then OnCreate (an exception leaving it
    // goes to the application's handler; the form stays usable). Runs once; CreateForm and the
    // first Show call it.
    void AfterConstruction();

    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }

    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState state);

    // Layered-window settings, applied with SetLayeredWindowAttributes while either is on.
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool value);
    int AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(int value);
    bool TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(bool value);
    TColor TransparentColorValue() const { return transparentColorValue_; }
    void SetTransparentColorValue(TColor value);

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }

    // The control that has, or last had, the keyboard focus on this form.
    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);

    void SetVisible(bool visible) override;
    bool Showing() const override;
    // Shows the form (centred at its first show with poScreenCenter) and activates it.
    void ShowForm();
    void HideForm();
    // Asks OnClose what to do (caHide by default) and does it; closing the main form ends the
    // application.
    void Close();
    // Destroys the form once the message that is being handled has been handled.
    void Release();

    bool CanFocus() const override;

    TNotifyEvent OnCreate;
    TCloseEvent OnClose;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

    // Internal: the focus moved to control (a descendant), or control leaves the form.
    void FocusChanged(TWinControl* control);
    void ControlRemoved(TControl* control);
    // Internal: Application::Minimize hid this form and Restore shows it again.
    bool HiddenByMinimize() const { return hiddenByMinimize_; }
    void SetHiddenByMinimize(bool value) { hiddenByMinimize_ = value; }

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    virtual void DoClose(TCloseAction& action);
    virtual void DoCreate();

private:
    // The main form of an application under Wine: it carries the taskbar entry.
    bool OnTaskBar() const;
    void ApplyLayered();
    void PlaceAtFirstShow();
    void RestoreFocus();

    TBorderStyle borderStyle_ = bsSizeable;
    TPosition position_ = poDesigned;
    TWindowState windowState_ = wsNormal;
    bool alphaBlend_ = false;
    int alphaBlendValue_ = 255;
    bool transparentColor_ = false;
    TColor transparentColorValue_ = clBlack;
    TModalResult modalResult_ = mrNone;
    TWinControl* activeControl_ = nullptr;
    bool created_ = false;
    bool shownOnce_ = false;
    bool hiddenByMinimize_ = false;
};

// Posted to a form by Release; destroys it.
constexpr UINT CM_RELEASE = CM_BASE + 20;
