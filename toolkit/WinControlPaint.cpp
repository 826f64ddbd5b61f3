// TWinControl's painting: the background, the control's own paint, its windowless children,
// directly or through an off-screen buffer; PaintTo of a window with all its children.
#include "toolkit/WinControl.h"

#include "toolkit/Canvas.h"
#include "toolkit/GdiObject.h"

void TWinControl::Invalidate() {
    if (hwnd_)
        InvalidateRect(hwnd_, nullptr, TRUE);
}

void TWinControl::Update() {
    if (hwnd_)
        UpdateWindow(hwnd_);
}

void TWinControl::SetDoubleBuffered(bool value) {
    if (value == doubleBuffered_)
        return;
    doubleBuffered_ = value;
    Invalidate();
}

void TWinControl::EraseBackground(HDC dc) {
    TCanvas canvas(dc);
    canvas.FillRect(ClientRect(), Color());
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintHandler(HDC dc, const RECT* update, bool erase) {
    // A print (no update rectangle) already draws into the caller's off-screen DC: no buffer of
    // the whole client area, and only what the caller's clip lets through is drawn.
    if (!doubleBuffered_ || !update) {
        // A double-buffered window left WM_ERASEBKGND undone.
        if (erase || doubleBuffered_)
            EraseBackground(dc);
        PaintWindow(dc);
        PaintControls(dc);
        return;
    }
    RECT client = ClientRect();
    int width = client.right - client.left;
    int height = client.bottom - client.top;
    if (width <= 0 || height <= 0)
        return;
    TMemoryDC memory(dc);
    GdiBitmap buffer = GdiBitmap::Compatible(dc, width, height);
    TSelectGuard select(memory.Handle(), buffer.Handle());
    EraseBackground(memory.Handle());
    PaintWindow(memory.Handle());
    PaintControls(memory.Handle());
    RECT r = update ? *update : client;
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, memory.Handle(), r.left, r.top, SRCCOPY);
}

void TWinControl::PaintControls(HDC dc) {
    RECT clip;
    bool clipped = GetClipBox(dc, &clip) != NULLREGION;
    for (TControl* c : std::vector<TControl*>(controls_)) {
        auto* graphic = dynamic_cast<TGraphicControl*>(c);
        if (!graphic || !c->visible_)
            continue;
        RECT r = c->BoundsRect();
        RECT common;
        if (clipped && !IntersectRect(&common, &r, &clip))
            continue;
        int saved = SaveDC(dc);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
        try {
            graphic->PaintControl(dc);
        } catch (...) {
            RestoreDC(dc, saved);
            throw;
        }
        RestoreDC(dc, saved);
    }
}

void TWinControl::PaintTo(HDC dc, int x, int y) {
    HandleNeeded();
    RECT client = ClientRect();
    int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, x, y, nullptr);
    IntersectClipRect(dc, 0, 0, client.right, client.bottom);
    if (IsSystemControl())
        Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
    Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    // Child windows from the bottom of the z-order up, each with its frame.
    for (HWND child = GetWindow(GetWindow(hwnd_, GW_CHILD), GW_HWNDLAST); child;
         child = GetWindow(child, GW_HWNDPREV)) {
        TWinControl* control = FindControl(child);
        if (control && IsWindowVisible(child))
            control->PaintWindowTo(dc, control->Left(), control->Top());
    }
    RestoreDC(dc, saved);
}

void TWinControl::PaintWindowTo(HDC dc, int x, int y) {
    RECT window;
    GetWindowRect(hwnd_, &window);
    POINT origin = ClientOrigin();
    int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, x, y, nullptr);
    IntersectClipRect(dc, 0, 0, window.right - window.left, window.bottom - window.top);
    // The frames the system draws: a sunken client edge or a plain border (scroll bars are
    // not drawn).
    RECT frame{0, 0, window.right - window.left, window.bottom - window.top};
    LONG style = GetWindowLongA(hwnd_, GWL_STYLE);
    LONG exStyle = GetWindowLongA(hwnd_, GWL_EXSTYLE);
    if (exStyle & WS_EX_CLIENTEDGE)
        DrawEdge(dc, &frame, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    else if (style & WS_BORDER)
        TCanvas(dc).FrameRect(frame, clBlack);
    PaintTo(dc, origin.x - window.left, origin.y - window.top);
    RestoreDC(dc, saved);
}

void DrawParentImage(TControl* control, HDC dc) {
    TWinControl* parent = control->Parent();
    if (!parent)
        return;
    RECT client = parent->ClientRect();
    RECT beneath = control->BoundsRect();
    IntersectRect(&beneath, &beneath, &client);
    int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, -control->Left(), -control->Top(), nullptr);
    // Only the part beneath the control is drawn.
    IntersectClipRect(dc, beneath.left, beneath.top, beneath.right, beneath.bottom);
    try {
        parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
        parent->Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    } catch (...) {
        RestoreDC(dc, saved);
        throw;
    }
    RestoreDC(dc, saved);
}
