// The wheel turned past the last mode leaves what Wine's list decides (the last entry stays); the
// convert command then runs that mode and changes nothing else.
#include "tests/win32/app/AppTestSupport.h"

#include "conversion/CH_Functions.h"

TEST_F(MainWindowTest, WheelPastTheLastModeThenConvertIsSafe) {
    ShowWindowNow();
    const std::string source = "\xBA\xBA\xD7\xD6"; // 汉字
    form->MemoO->SetText(source);
    form->UiComboBox1->SetFocus();
    for (int notch = 0; notch < 5; ++notch)
        SendMessageA(form->UiComboBox1->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    ASSERT_EQ(3, form->UiComboBox1->ItemIndex());
    ClickAt(form->BtnDo->Handle(), 36, 11);
    EXPECT_EQ(ConversionModes[3].Convert(source), form->MemoD->Text());
    EXPECT_EQ(source, form->MemoO->Text());
}
