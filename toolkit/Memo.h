#pragma once
// TMemo: a multi-line edit with optional word wrap and scroll bars. Tab moves the focus on
// unless WantTabs.
#include "toolkit/CustomEdit.h"

class TMemo : public TCustomEdit {
public:
    explicit TMemo(TComponent* owner);

    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle value);
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool value) { wantTabs_ = value; }
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool value);

    int LineCount();
    bool WantsTabKey() override { return wantTabs_; }

protected:
    void CreateParams(TCreateParams& params) override;

private:
    bool wordWrap_ = true;
    TScrollStyle scrollBars_ = ssNone;
    bool wantTabs_ = false;
    bool wantReturns_ = true;
};
