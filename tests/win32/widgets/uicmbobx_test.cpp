// The mode list under Wine: its flat frame in the classic look and its two touches under visual
// styles, read back as pixels; type-ahead, Esc and the wheel through its own window messages.
#include "tests/win32/widgets/ComboTestSupport.h"

#include "widgets/UiCmboBx.h"

namespace {

// Counts the invalid-key sound instead of making it.
class TQuietCombo : public TUiComboBox {
public:
    using TUiComboBox::TUiComboBox;
    int beeps = 0;

protected:
    void Beep() override { ++beeps; }
};

class UiComboBox : public ComboTestBase {
protected:
    TQuietCombo* AddList(int count) {
        auto* list = new TQuietCombo(form);
        list->SetParent(form);
        list->SetBounds(20, 20, 132, 21);
        list->SetStyle(csDropDownList);
        list->SetFrameVisible(true);
        const char* modes[] = {"\xBC\xF2\xCC\xE5 -> \xB7\xB1\xCC\xE5", "\xB7\xB1\xCC\xE5 -> \xBC\xF2\xCC\xE5",
                               "BIG5 -> \xBC\xF2\xCC\xE5", "\xBC\xF2\xCC\xE5 -> BIG5"};
        for (int i = 0; i < count; ++i)
            list->AddItem(i < 4 ? modes[i] : "entry " + std::to_string(i));
        list->SetItemIndex(0);
        list->OnChange = [this](TObject*) { events += "change "; };
        Start();
        list->SetFocus();
        return list;
    }
    std::string events;
};

} // namespace

TEST_F(UiComboBox, FrameInTheClassicLookTouchesUnderVisualStyles) {
    TQuietCombo* list = AddList(4);
    HWND w = list->Handle();
    RECT r;
    GetClientRect(w, &r);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), window = GetSysColor(COLOR_WINDOW);
    const int cx = GetSystemMetrics(SM_CXVSCROLL);
    // How many pixels of ring d (0 outermost) or of the strip left of the button differ from c.
    auto ringOff = [&](int d, COLORREF c) {
        int bad = 0;
        for (int x = d; x < r.right - d; ++x)
            bad += (PixelAt(w, x, d) != c) + (PixelAt(w, x, r.bottom - 1 - d) != c);
        for (int y = d; y < r.bottom - d; ++y)
            bad += (PixelAt(w, d, y) != c) + (PixelAt(w, r.right - 1 - d, y) != c);
        return bad;
    };
    auto stripOff = [&](COLORREF c) {
        int bad = 0;
        for (int x = r.right - cx - 4; x < r.right - cx - 1; ++x)
            for (int y = 1; y < r.bottom - 1; ++y)
                bad += PixelAt(w, x, y) != c;
        return bad;
    };
    UseLook(kLooks[0], w);
    for (bool hotTrack : {false, true}) {
        // Focused and under the pointer: only FrameHotTrack makes the line bold.
        list->SetFrameHotTrack(hotTrack);
        list->Perform(CM_MOUSEENTER);
        Repaint(w);
        EXPECT_EQ(0, ringOff(0, shadow)) << hotTrack;
        EXPECT_EQ(0, ringOff(1, hotTrack ? shadow : window)) << hotTrack;
    }
    UseLook(kLooks[1], w);
    EXPECT_EQ(0, stripOff(window));
    EXPECT_GT(ringOff(0, shadow), 0);
    // A list colour other than white also rings the field, two deep, one pixel in.
    list->SetColor(RGB(200, 230, 250));
    Repaint(w);
    EXPECT_EQ(0, stripOff(RGB(200, 230, 250)));
    EXPECT_EQ(RGB(200, 230, 250), PixelAt(w, 2, r.bottom / 2));
}

TEST_F(UiComboBox, TypeAheadEscAndWheelThroughItsOwnMessages) {
    TQuietCombo* list = AddList(4);
    HWND w = list->Handle();
    auto chars = [&](const char* keys) {
        for (const char* k = keys; *k; ++k) {
            if (*k == 27)
                SendMessageA(w, WM_KEYDOWN, VK_ESCAPE, 1);
            SendMessageA(w, WM_CHAR, static_cast<unsigned char>(*k), 1);
        }
    };
    auto wheel = [&](int delta) { SendMessageA(w, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0); };
    chars("Bi");
    EXPECT_EQ(2, list->ItemIndex());
    chars("X");
    EXPECT_EQ(1, list->beeps);
    Pump(1700); // a duration of the behaviour: the window timer resets the prefix after 1500 ms
    chars("I\x1b");
    EXPECT_EQ(2, list->beeps);
    EXPECT_EQ(0, list->ItemIndex());
    chars("B\b");
    EXPECT_EQ(0, list->ItemIndex());
    EXPECT_EQ("change change change change change ", std::exchange(events, {}));
    wheel(-60), wheel(-60), wheel(-120);
    EXPECT_EQ(2, list->ItemIndex());
    wheel(-240); // past the last entry: Wine's list keeps the last one
    EXPECT_EQ(3, list->ItemIndex());
    wheel(600);
    EXPECT_EQ(0, list->ItemIndex());
    EXPECT_EQ("change change change change change change change ", std::exchange(events, {}));
    // The open list scrolls by the wheel lines (Wine ignores CB_SETTOPINDEX) and keeps the selection.
    delete list;
    list = AddList(20);
    w = list->Handle();
    list->SetDroppedDown(true);
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    wheel(-120);
    EXPECT_EQ(static_cast<LRESULT>(lines), SendMessageA(w, CB_GETTOPINDEX, 0, 0));
    chars("\x1b"); // Esc on the open list only closes it
    EXPECT_FALSE(list->DroppedDown());
    EXPECT_EQ(0, list->ItemIndex());
    EXPECT_EQ("", events);
}
