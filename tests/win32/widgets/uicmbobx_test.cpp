// The mode list under Wine: its flat frame in the classic look and its touches under visual
// styles, read back as pixels; type-ahead, Esc and wheel through the window's own messages, with
// the events, beeps and the 1500 ms reset; the colour it takes in each state.
#include "tests/win32/widgets/ComboTestSupport.h"

#include "widgets/UiCmboBx.h"

namespace {

const std::vector<std::string> kModes = {"\xBC\xF2\xCC\xE5 -> \xB7\xB1\xCC\xE5",
                                         "\xB7\xB1\xCC\xE5 -> \xBC\xF2\xCC\xE5", "BIG5 -> \xBC\xF2\xCC\xE5",
                                         "\xBC\xF2\xCC\xE5 -> BIG5"};

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
    TQuietCombo* AddList(const std::vector<std::string>& items = kModes) {
        auto* list = new TQuietCombo(form);
        list->SetParent(form);
        list->SetBounds(20, 20, 132, 21);
        list->SetStyle(csDropDownList);
        list->SetFrameVisible(true);
        for (const std::string& item : items)
            list->AddItem(item);
        list->SetItemIndex(0);
        list->OnClick = [this](TObject*) { events += "click "; };
        list->OnChange = [this](TObject*) { events += "change "; };
        return list;
    }
    std::string TakeEvents() { return std::exchange(events, {}); }
    static void Char(HWND w, char c) { SendMessageA(w, WM_CHAR, static_cast<unsigned char>(c), 1); }
    static void Key(HWND w, WORD vk) { SendMessageA(w, WM_KEYDOWN, vk, 1); }
    static void Wheel(HWND w, int delta) {
        SendMessageA(w, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<short>(delta)), MAKELPARAM(100, 100));
    }
    std::string events;
};

// Expected colour of every pixel in the outer rings, from the outside in.
void ExpectRings(HWND w, const std::vector<COLORREF>& rings, const char* what) {
    RECT r;
    GetClientRect(w, &r);
    for (size_t ring = 0; ring < rings.size(); ++ring) {
        int d = static_cast<int>(ring), bad = 0;
        for (int x = d; x < r.right - d; ++x)
            for (int y : {d, static_cast<int>(r.bottom) - 1 - d})
                bad += PixelAt(w, x, y) != rings[ring];
        for (int y = d; y < r.bottom - d; ++y)
            for (int x : {d, static_cast<int>(r.right) - 1 - d})
                bad += PixelAt(w, x, y) != rings[ring];
        EXPECT_EQ(0, bad) << what << ": ring " << ring << " should be 0x" << std::hex << rings[ring];
    }
}

} // namespace

TEST_F(UiComboBox, ClassicFrameIsOneShadowLineAndOneWindowRingInEveryState) {
    TQuietCombo* list = AddList();
    Start();
    HWND w = list->Handle();
    UseLook(kLooks[0], {w});
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), window = GetSysColor(COLOR_WINDOW);
    const struct {
        const char* What;
        std::function<void()> Act;
        bool HotTrack;
        std::vector<COLORREF> Rings;
    } states[] = {
        {"at rest", [] {}, false, {shadow, window}},
        {"focused", [&] { list->SetFocus(); }, false, {shadow, window}},
        {"pointer over", [&] { list->Perform(CM_MOUSEENTER); }, false, {shadow, window}},
        {"hot tracking, focused: bold", [&] { list->SetFocus(); }, true, {shadow, shadow}},
        {"hot tracking, at rest",
         [&] {
             form->SetFocus();
             list->Perform(CM_MOUSELEAVE);
         },
         true,
         {shadow, window}},
    };
    for (const auto& s : states) {
        list->SetFrameHotTrack(s.HotTrack);
        s.Act();
        RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        Pump(10);
        ExpectRings(w, s.Rings, s.What);
    }
    // Only the named sides carry the line; a list without the frame keeps the system's border.
    list->SetFrameHotTrack(false);
    list->SetFrameSides(sdLeft | sdTop);
    list->Update();
    RECT r;
    GetClientRect(w, &r);
    EXPECT_EQ(shadow, PixelAt(w, 0, r.bottom / 2));
    EXPECT_EQ(window, PixelAt(w, r.right - 1, r.bottom / 2));
    list->SetFrameVisible(false);
    list->Update();
    EXPECT_NE(shadow, PixelAt(w, 0, r.bottom / 2));
}

TEST_F(UiComboBox, ThemedListKeepsTheSystemLookWithTheTwoTouches) {
    TQuietCombo* list = AddList();
    Start();
    HWND w = list->Handle();
    UseLook(kLooks[1], {w});
    RECT r;
    GetClientRect(w, &r);
    const int cx = GetSystemMetrics(SM_CXVSCROLL);
    const COLORREF window = GetSysColor(COLOR_WINDOW), shadow = GetSysColor(COLOR_BTNSHADOW);
    auto strip = [&](COLORREF want) {
        int bad = 0;
        for (int x = r.right - cx - 4; x < r.right - cx - 1; ++x)
            for (int y = 1; y < r.bottom - 1; ++y)
                bad += PixelAt(w, x, y) != want;
        return bad;
    };
    EXPECT_EQ(0, strip(window));
    // No flat frame: the theme's own border shows.
    int flat = 0;
    for (int x = 0; x < r.right; ++x)
        flat += PixelAt(w, x, 0) == shadow;
    EXPECT_LT(flat, r.right);
    // A list colour other than white also rings the field, two pixels deep, one pixel in.
    const COLORREF tint = RGB(200, 230, 250);
    list->SetColor(tint);
    list->Update();
    EXPECT_EQ(0, strip(tint));
    for (POINT p : {POINT{1, 1}, POINT{2, 2}, POINT{r.right - cx - 3, r.bottom - 2}, POINT{1, r.bottom / 2}})
        EXPECT_EQ(tint, PixelAt(w, p.x, p.y)) << p.x << "," << p.y;
}

TEST_F(UiComboBox, RepaintsWhollyAfterASizeChangeInTheClassicLook) {
    TQuietCombo* list = AddList();
    Start();
    HWND w = list->Handle();
    for (const TLook& look : kLooks) {
        UseLook(look, {w});
        ValidateRect(w, nullptr);
        list->SetWidth(list->Width() + 10);
        RECT update{}, client;
        GetUpdateRect(w, &update, FALSE);
        GetClientRect(w, &client);
        EXPECT_EQ(!look.Themed, EqualRect(&update, &client) != 0) << look.Name;
        Pump(10);
    }
}

TEST_F(UiComboBox, TypeAheadSelectsBeepsAndResetsThroughItsOwnMessages) {
    TQuietCombo* list = AddList();
    Start();
    HWND w = list->Handle();
    list->SetFocus();
    Char(w, 'B');
    EXPECT_EQ(2, list->ItemIndex());
    EXPECT_EQ("click change ", TakeEvents());
    Char(w, 'i');
    EXPECT_EQ(2, list->ItemIndex());
    EXPECT_EQ("Bi", list->SearchPrefix());
    Char(w, 'X');
    EXPECT_EQ(1, list->beeps);
    EXPECT_EQ("click change ", TakeEvents());
    // The window timer clears the prefix 1500 ms after the last printable character.
    Pump(1700);
    EXPECT_EQ("", list->SearchPrefix());
    Char(w, 'I');
    EXPECT_EQ(2, list->beeps);
    EXPECT_EQ(2, list->ItemIndex());
    // Backspace after B goes back to the first entry; Esc on the closed list too.
    Char(w, 'B');
    Char(w, '\b');
    EXPECT_EQ(0, list->ItemIndex());
    Char(w, 'B');
    TakeEvents();
    Key(w, VK_ESCAPE);
    Char(w, 27);
    EXPECT_EQ(0, list->ItemIndex());
    EXPECT_EQ("click change ", TakeEvents());
    // Esc on the open list only closes it.
    Char(w, 'B');
    list->SetDroppedDown(true);
    TakeEvents();
    Key(w, VK_ESCAPE);
    Char(w, 27);
    EXPECT_FALSE(list->DroppedDown());
    EXPECT_EQ(2, list->ItemIndex());
    EXPECT_EQ("", TakeEvents());
    // Losing the focus clears the prefix.
    Char(w, 'B');
    form->SetFocus();
    EXPECT_EQ("", list->SearchPrefix());
    // Without AutoComplete the system's first-letter selection runs and nothing fires here.
    list->SetFocus();
    list->SetItemIndex(0);
    list->SetAutoComplete(false);
    TakeEvents();
    Char(w, 'B');
    EXPECT_EQ("", list->SearchPrefix());
}

TEST_F(UiComboBox, WheelStepsTheClosedListAndScrollsTheOpenOne) {
    TQuietCombo* list = AddList();
    Start();
    HWND w = list->Handle();
    list->SetFocus();
    const struct {
        int Delta;
        int Index;
        const char* Events;
    } steps[] = {
        {-120, 1, "click change "},
        {-60, 1, ""},
        {-60, 2, "click change "},
        {120, 1, "click change "},
        {240, 0, "click change "},
        {120, 0, ""},
        {-360, 3, "click change click change click change "},
    };
    for (const auto& s : steps) {
        Wheel(w, s.Delta);
        EXPECT_EQ(s.Index, list->ItemIndex()) << s.Delta;
        EXPECT_EQ(s.Events, TakeEvents()) << s.Delta;
    }
    // Past the last entry the system list decides; from no selection the next step is the first.
    Wheel(w, -120);
    EXPECT_EQ("click change ", TakeEvents());
    int past = list->ItemIndex();
    EXPECT_TRUE(past == 3 || past == -1) << past;
    list->SetItemIndex(-1);
    Wheel(w, -120);
    EXPECT_EQ(0, list->ItemIndex());
    // The open list scrolls by the wheel-lines setting and leaves the selection alone.
    delete list;
    std::vector<std::string> many;
    for (int i = 0; i < 20; ++i)
        many.push_back("entry " + std::to_string(i));
    list = AddList(many);
    w = list->Handle();
    list->SetFocus();
    list->SetDroppedDown(true);
    Pump(20);
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    TakeEvents();
    Wheel(w, -120);
    EXPECT_EQ(static_cast<LRESULT>(lines), SendMessageA(w, CB_GETTOPINDEX, 0, 0));
    Wheel(w, 240);
    EXPECT_EQ(0, SendMessageA(w, CB_GETTOPINDEX, 0, 0));
    EXPECT_EQ(0, list->ItemIndex());
    EXPECT_EQ("", TakeEvents());
    list->SetDroppedDown(false);
}

TEST_F(UiComboBox, ColourFollowsFocusEnablingAndReadOnly) {
    TQuietCombo* list = AddList();
    Start();
    const TColor tint = MakeColor(250, 250, 200);
    list->SetFocusColor(tint);
    const struct {
        const char* What;
        std::function<void()> Act;
        TColor Color;
    } states[] = {
        {"focused", [&] { list->SetFocus(); }, tint},
        {"focus lost", [&] { form->SetFocus(); }, clWindow},
        {"disabled", [&] { list->SetEnabled(false); }, clBtnFace},
        {"enabled", [&] { list->SetEnabled(true); }, clWindow},
        {"read-only", [&] { list->SetReadOnly(true); }, clInfoBk},
        {"writable", [&] { list->SetReadOnly(false); }, clWindow},
        {"set from outside: the focus colour stays its own", [&] { list->SetColor(clRed); }, clRed},
    };
    for (const auto& s : states) {
        s.Act();
        EXPECT_EQ(s.Color, list->Color()) << s.What;
    }
    EXPECT_EQ(tint, list->FocusColor());
    // A focus colour equal to the normal one follows a new colour.
    list->SetFocusColor(clRed);
    list->SetColor(clLime);
    EXPECT_EQ(clLime, list->FocusColor());
    // A read-only list neither steps nor searches.
    list->SetReadOnly(true);
    list->SetFocus();
    Char(list->Handle(), 'B');
    Wheel(list->Handle(), -120);
    EXPECT_EQ(0, list->ItemIndex());
}
