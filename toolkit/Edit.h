#pragma once
// TEdit: a single-line edit.
#include "toolkit/CustomEdit.h"

class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}

protected:
    void CreateParams(TCreateParams& params) override {
        TCustomEdit::CreateParams(params);
        params.Style |= ES_AUTOHSCROLL;
    }
};
