#include "toolkit/Memo.h"

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner) {
    SetBounds(0, 0, 185, 89);
}

void TMemo::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    params.Style |= ES_MULTILINE | ES_AUTOVSCROLL;
    if (wantReturns_)
        params.Style |= ES_WANTRETURN;
    // Without word wrap lines scroll sideways. With it they wrap at the control's width, and the
    // horizontal bar is left out: the system edit takes WS_HSCROLL as "scroll sideways" and would
    // stop wrapping.
    if (!wordWrap_)
        params.Style |= ES_AUTOHSCROLL;
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth)
        params.Style |= WS_VSCROLL;
    if (!wordWrap_ && (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth))
        params.Style |= WS_HSCROLL;
}

void TMemo::SetWordWrap(bool value) {
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    RecreateWnd();
}

void TMemo::SetScrollBars(TScrollStyle value) {
    if (value == scrollBars_)
        return;
    scrollBars_ = value;
    RecreateWnd();
}

void TMemo::SetWantReturns(bool value) {
    if (value == wantReturns_)
        return;
    wantReturns_ = value;
    RecreateWnd();
}

int TMemo::LineCount() {
    return static_cast<int>(SendMessageA(Handle(), EM_GETLINECOUNT, 0, 0));
}
