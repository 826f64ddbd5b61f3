#pragma once
// TUiComboBox: the mode list, the system's drop-down list (csDropDownList: no free text). Its
// flat frame and type-ahead search are its own; until they are drawn and handled here the system
// list's look and first-letter selection stand in.
#include "toolkit/ComboBox.h"

class TUiComboBox : public TComboBox {
public:
    explicit TUiComboBox(TComponent* owner) : TComboBox(owner) {}
};
