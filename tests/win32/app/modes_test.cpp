// The mode list and the convert button on the main window: the wheel turned past the last entry
// leaves what the system list decides, and converting then either runs the last mode or, with no
// entry selected, changes nothing and raises nothing.
#include "tests/win32/app/AppTestSupport.h"

#include "conversion/CH_Functions.h"

namespace {

class Modes : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ShowWindowNow();
    }
};

} // namespace

TEST_F(Modes, WheelPastTheLastEntryThenConvertIsSafe) {
    const std::string source = "\xBA\xBA\xD7\xD6"; // 汉字
    form->MemoO->SetText(source);
    form->MemoD->SetText("kept");
    HWND list = form->UiComboBox1->Handle();
    form->UiComboBox1->SetFocus();
    for (int notch = 0; notch < 4; ++notch)
        SendMessageA(list, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<short>(-WHEEL_DELTA)), 0);
    const int past = form->UiComboBox1->ItemIndex();
    ASSERT_TRUE(past == 3 || past == -1) << past;
    ClickAt(form->BtnDo->Handle(), 36, 11);
    EXPECT_EQ(past == 3 ? ConversionModes[3].Convert(source) : std::string("kept"), form->MemoD->Text());
    EXPECT_EQ(source, form->MemoO->Text());
    // From there one notch toward the user starts again at the first entry when nothing was selected.
    SendMessageA(list, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<short>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(past == 3 ? 3 : 0, form->UiComboBox1->ItemIndex());
}
