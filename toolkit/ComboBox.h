#pragma once
// TComboBox: the system COMBOBOX, superclassed; csDropDownList is the list without free text.
// The items are kept here too, so they can be set before the window exists.
#include "toolkit/WinControl.h"

#include <vector>

class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* owner);

    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);

    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(const std::vector<std::string>& items);
    int AddItem(const std::string& item);
    void ClearItems();

    // The selected position, -1 for none.
    int ItemIndex();
    void SetItemIndex(int index);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int count);
    bool DroppedDown();
    void SetDroppedDown(bool value);

    // The user chose another entry (also fires OnClick first).
    TNotifyEvent OnChange;

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    int WindowHeight(int height) const override;
    virtual void Change();

private:
    TComboBoxStyle style_ = csDropDown;
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    int dropDownCount_ = 8;
    int itemHeight_ = 0;
};
