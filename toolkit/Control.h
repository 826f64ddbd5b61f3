#pragma once
// TControl: what every control has, windowed or not: a parent, bounds with alignment and
// anchors, visibility, enabling, hint, font, colour, caption, and the replaceable message
// callback through which every message reaches it. The windowed (TWinControl) and windowless
// (TGraphicControl) kinds are declared in their own headers, included at the end.
#include "toolkit/AlignLayout.h"
#include "toolkit/Colors.h"
#include "toolkit/Component.h"
#include "toolkit/ControlTypes.h"
#include "toolkit/Event.h"
#include "toolkit/Font.h"
#include "toolkit/Message.h"

#include <windows.h>

#include <string>

class TWinControl;

using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
// Sender, Shift, WheelDelta (120 a notch, positive away from the user), MousePos (screen), Handled.
using TMouseWheelEvent = TEvent<TObject*, TShiftState, int, POINT, bool&>;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // --- place in the control tree ---
    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    // --- bounds, relative to the parent's client area (screen coordinates for top-level
    // windows) ---
    int Left() const { return bounds_.Left; }
    int Top() const { return bounds_.Top; }
    int Width() const { return bounds_.Width; }
    int Height() const { return bounds_.Height; }
    void SetLeft(int left) { SetBounds(left, bounds_.Top, bounds_.Width, bounds_.Height); }
    void SetTop(int top) { SetBounds(bounds_.Left, top, bounds_.Width, bounds_.Height); }
    void SetWidth(int width) { SetBounds(bounds_.Left, bounds_.Top, width, bounds_.Height); }
    void SetHeight(int height) { SetBounds(bounds_.Left, bounds_.Top, bounds_.Width, height); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const;
    void SetBoundsRect(const RECT& rect);

    // The client area in the control's own coordinates; (0, 0, Width, Height) unless the
    // control has a window frame.
    virtual RECT ClientRect() const;
    int ClientWidth() const;
    int ClientHeight() const;
    // Sets the size so that the client area gets this size.
    virtual void SetClientSize(int width, int height);
    void SetClientWidth(int width) { SetClientSize(width, ClientHeight()); }
    void SetClientHeight(int height) { SetClientSize(ClientWidth(), height); }
    // Screen position of the client area's top-left corner.
    virtual POINT ClientOrigin() const;
    POINT ClientToScreen(POINT point) const;
    POINT ScreenToClient(POINT point) const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors);

    // --- state ---
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so are all its parents (for a top-level window: its window is visible).
    virtual bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    // The caption of a button or label, the text of an edit: one string, called either name.
    std::string Caption() const { return GetText(); }
    void SetCaption(const std::string& text) { SetText(text); }
    std::string Text() const { return GetText(); }
    void SetText(const std::string& text);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    // Whether the hint shows; with ParentShowHint (the default) the parent's setting counts.
    bool ShowHint() const;
    void SetShowHint(bool show);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool value) { parentShowHint_ = value; }

    // The font; changing it ends ParentFont. With ParentFont the control follows every change
    // of the parent's font.
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }

    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle style) { controlStyle_ = style; }

    // Whether the pointer is over the control (between the entry and exit notifications).
    bool MouseInControl() const { return mouseInControl_; }

    // --- messages ---
    // The callback every message passes through first; by default the control's own WndProc.
    TWndMethod WindowProc() const { return windowProc_; }
    void SetWindowProc(TWndMethod method) { windowProc_ = method; }
    // Sends a message straight to WindowProc (for a windowed control without a trip through
    // the system) and returns its result.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // The control's own handling: the virtual handlers for the messages it knows, the rest to
    // DefaultHandler.
    virtual void WndProc(TMessage& message);
    // What happens to a message nobody handled: nothing for a windowless control, the default
    // window procedure for a windowed one.
    virtual void DefaultHandler(TMessage& message);

    // --- painting ---
    virtual void Invalidate();
    // Paints now what is invalid.
    virtual void Update();
    void Repaint() {
        Invalidate();
        Update();
    }

    // --- events ---
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;

    void Loaded() override;

    // Shift state of a mouse message's WParam, with Alt from the keyboard.
    static TShiftState MouseShiftState(WPARAM keys);
    // Shift state of the keyboard now.
    static TShiftState KeyboardShiftState();

protected:
    virtual std::string GetText() const { return text_; }
    // Stores the text; windowed controls also give it to their window.
    virtual void StoreText(const std::string& text) { text_ = text; }

    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void Click();
    virtual void DblClick();
    // Pointer entry and exit (CM_MOUSEENTER, CM_MOUSELEAVE).
    virtual void MouseEnter();
    virtual void MouseLeave();
    // After a change of size.
    virtual void Resize();

    // Captures the mouse for this control (a windowless control through its parent).
    virtual void SetMouseCapture(bool capture);
    virtual bool MouseCaptured() const;

    // Takes the current bounds and parent size as the base of anchoring.
    void UpdateAnchorBase();
    // Bounds given by the parent's alignment or anchoring: the anchoring base stays.
    void SetBoundsByLayout(const TBounds& bounds);
    // Stores new bounds and reacts (window position, invalidation, realign); fromLayout tells
    // whether the parent's layout asked.
    virtual void ApplyBounds(const TBounds& bounds, bool fromLayout);
    const TBounds& Bounds() const { return bounds_; }
    // Asks the parent to realign when this control's alignment matters.
    void RequestParentAlign();

    // A cancelled press (the capture was taken away): no click follows.
    void CancelClick() { clicked_ = false; }
    // The mouse capture this control held was taken away (not given back by a release).
    virtual void MouseCaptureLost() {}

    // The parent's font or colour changed: follow it when the control inherits them.
    void ParentFontChanged();
    void ParentColorChanged();
    // Whether a change to font_ comes from the parent (ParentFont stays on).
    bool inheritingFont_ = false;

    TBounds bounds_;
    TWinControl* parent_ = nullptr;
    bool visible_ = true;
    bool enabled_ = true;

private:
    friend class TWinControl;

    void FontChangedInternal();
    void HandleMouseButton(TMessage& message, TMouseButton button, bool down, bool dblclk);

    TAlign align_ = alNone;
    TAnchors anchors_ = akDefault;
    TAnchorBase anchorBase_;
    std::string text_;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TFont font_;
    bool parentFont_ = true;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    TCursor cursor_ = crDefault;
    TControlStyle controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks;
    bool clicked_ = false;
    bool mouseInControl_ = false;
    TWndMethod windowProc_;
};

#include "toolkit/GraphicControl.h"
#include "toolkit/WinControl.h"
