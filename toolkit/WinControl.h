#pragma once
// TWinControl: a control with a window of its own, created on demand from CreateParams. All of
// the toolkit's windows share one window procedure, which finds the object (linked at
// WM_NCCREATE, unlinked at WM_NCDESTROY) and hands each message to WindowProc; system controls
// (EDIT, BUTTON...) are superclassed so that the same holds for them. A windowed control holds
// child controls, paints its windowless children, routes the mouse to them, and lays out its
// children by alignment and anchors.
#include "toolkit/Control.h"

#include <vector>

struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
    // The window class: style, cursor, background and icon are used; the procedure, instance
    // and name are the toolkit's. The first registration of a class name decides its style.
    WNDCLASSEXA WindowClass{};
    std::string WinClassName;
    // The system class to superclass ("EDIT", "BUTTON"...); empty for a window of our own.
    std::string SysClassName;
};

using TKeyEvent = TEvent<TObject*, WORD&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, char&>;

class TForm;

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // --- the window ---
    // The window, created (with its parents) when it does not exist yet.
    HWND Handle();
    bool HandleAllocated() const { return hwnd_ != nullptr; }
    void HandleNeeded() { Handle(); }
    // Destroys the window; it is created again at the next need (children with it).
    void DestroyHandle();
    // Destroys and creates the window again, when it exists: after a change of CreateParams.
    void RecreateWnd();
    // The object linked to a window of the toolkit; null for any other window.
    static TWinControl* FindControl(HWND window);

    // --- children ---
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
    bool ContainsControl(const TControl* control) const;
    // The topmost visible child at a client point: windowless ones only unless
    // allowWinControls; disabled ones only with allowDisabled.
    TControl* ControlAtPos(POINT point, bool allowDisabled, bool allowWinControls = false) const;

    // --- layout ---
    void DisableAlign();
    void EnableAlign();
    // Lays the children out again: aligned ones, then anchored ones.
    void Realign();

    // --- keyboard focus and tab order ---
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value) { tabStop_ = value; }
    // Visible and enabled, and so are all parents up to the form.
    virtual bool CanFocus() const;
    bool Focused() const;
    void SetFocus();
    // All windowed descendants in tab order (depth first).
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // The next (or previous) descendant after current that can take the focus, wrapping
    // around; current may be null. Null when there is none.
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const;
    // Moves the focus to FindNextControl.
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);
    // Whether the control wants the Tab key itself (the message loop otherwise moves the focus).
    virtual bool WantsTabKey();

    // --- painting ---
    // Paint the background and windowless children into an off-screen bitmap first.
    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool value);
    // Paints the client area with all children onto dc at (x, y).
    void PaintTo(HDC dc, int x, int y);
    // Paints the windowless children in creation order onto dc (origin = client origin).
    void PaintControls(HDC dc);

    void Invalidate() override;
    void Update() override;
    RECT ClientRect() const override;
    void SetClientSize(int width, int height) override;
    POINT ClientOrigin() const override;
    void SetParent(TWinControl* parent) override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    bool Showing() const override;
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void Loaded() override;

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    virtual void CreateParams(TCreateParams& params);
    // Creates the window from CreateParams, gives it the font, then creates the children's
    // windows. Overrides call the base first and then set up the new window.
    virtual void CreateWnd();
    virtual void DestroyWnd();
    // The control's own paint on a client-area DC; nothing by default.
    virtual void PaintWindow(HDC dc);
    // Fills the client area with Color.
    virtual void EraseBackground(HDC dc);
    // The part of the client area that aligned children fill (a border or caption bar of the
    // control's own drawing is left out).
    virtual void AdjustClientRect(RECT& rect) const { (void)rect; }
    // Height to give the window for a control height (a drop-down list adds its list).
    virtual int WindowHeight(int height) const { return height; }

    virtual void KeyDown(WORD& key, TShiftState shift);
    virtual void KeyUp(WORD& key, TShiftState shift);
    virtual void KeyPress(char& key);
    virtual void DoEnter();
    virtual void DoExit();

    std::string GetText() const override;
    void StoreText(const std::string& text) override;
    void ApplyBounds(const TBounds& bounds, bool fromLayout) override;
    void SetMouseCapture(bool capture) override;
    bool MouseCaptured() const override;

    // Whether this window superclasses a system control (its default is that control's
    // procedure, and it paints itself).
    bool IsSystemControl() const { return defProc_ != DefWindowProcA; }

private:
    friend class TControl;
    friend class TGraphicControl;

    static LRESULT CALLBACK StdWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void CreateHandle();
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void PaintHandler(HDC dc, const RECT* update, bool erase);
    void PaintWindowTo(HDC dc, int x, int y);
    void UpdateBoundsFrom(const WINDOWPOS& pos);
    bool HandleMouseMessage(TMessage& message);
    void TrackMouse(POINT point);
    void MouseLeftWindow();
    void SetHoverControl(TControl* control);
    void SetCaptureControl(TControl* control);
    bool ReflectNotification(TMessage& message);
    bool HandleSetCursor(TMessage& message);

    HWND hwnd_ = nullptr;
    WNDPROC defProc_ = DefWindowProcA;
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    int tabOrderWanted_ = -1;
    bool tabStop_ = false;
    int alignDisabled_ = 0;
    bool alignPending_ = false;
    bool doubleBuffered_ = false;
    bool mouseTracking_ = false;
    bool releasingCapture_ = false;
    TControl* captureControl_ = nullptr;
    TControl* hoverControl_ = nullptr;
};

// The form a control sits on (the top of its parent chain), or null.
TForm* GetParentForm(const TControl* control);

// Paints what the control's parent shows beneath it (background and windowless controls) onto
// dc, with the control's top-left corner at dc's origin: for controls that draw over their
// parent's picture.
void DrawParentImage(TControl* control, HDC dc);
