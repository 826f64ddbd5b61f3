// The push button under Wine, in each state: its classic hot-tracking face read back against the
// rings, rows, corners and dots it is made of, and under visual styles the system's push-button part
// in the matching state; then the order of a click.
#include "tests/win32/widgets/ComboTestSupport.h"

#include "toolkit/Bitmap.h"
#include "widgets/ColorOps.h"
#include "widgets/UiBitBtn.h"

#include <vssym32.h>

#include <functional>

namespace {

constexpr int W = 73, H = 22;

struct TProbe {
    int X, Y;
    TColor Color;
};

class UiBitBtn : public ComboTestBase {
protected:
    void SetUp() override {
        ComboTestBase::SetUp();
        auto* other = new TUiBitBtn(form); // somewhere for the focus to be
        other->SetParent(form);
        other->SetBounds(10, 100, 50, 20);
        button = new TUiBitBtn(form);
        button->SetParent(form);
        button->SetBounds(20, 20, W, H);
        button->SetCaption("\xD7\xAA\xBB\xBB >>");
        button->SetHotTrack(true);
        Start();
        other->SetFocus();
    }
    // Each state set up from the one before, with the themed part it shows.
    void ForEachState(const std::function<void(int, int)>& check) {
        HWND w = button->Handle();
        const std::function<void()> acts[] = {
            [] {}, [&] { button->Perform(CM_MOUSEENTER); },
            [&] { button->Perform(CM_MOUSELEAVE), button->SetFocus(); },
            [&] { SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); },
            [&] { SendMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(5, 50)), button->SetEnabled(false); }};
        const int parts[] = {PBS_NORMAL, PBS_HOT, PBS_DEFAULTED, PBS_PRESSED, PBS_DISABLED};
        for (int i = 0; i < 5; ++i) {
            SCOPED_TRACE(testing::Message() << "state " << i << " (rest, hot, focused, pressed, disabled)");
            acts[i]();
            Repaint(w);
            check(i, parts[i]);
        }
    }
    TUiBitBtn* button = nullptr;
};

} // namespace

TEST_F(UiBitBtn, ClassicFaceIsMadeOfItsRingsRowsCornersAndDots) {
    HWND w = button->Handle();
    UseLook(kLooks[0], w);
    auto rgb = [](TColor c) { return static_cast<TColor>(ColorToRGB(c)); };
    const TColor face = rgb(clBtnFace), white = clWhite, frame = rgb(cl3DDkShadow), hot = 0x149BF0;
    const TColor dark = Darken(face, 20), light = Lighten(face, 20), top = Lighten(face, 30),
                 low = Darken(face, 10);
    const TColor hotTop = Blend(clWhite, hot, 190), selTop = Blend(rgb(clHighlight), top, 60),
                 selLow = Blend(rgb(clHighlight), top, 160);
    auto faceRow = [&](int y) { return GradientRow(top, low, 16, y - 2); };
    const std::vector<TProbe> outline = {
        {0, 0, white},         {1, 0, white},  {0, 1, white},    {W - 1, H - 1, white}, {0, 10, dark},
        {10, 0, dark},         {1, 1, dark},   {1, H - 2, dark}, {W - 1, 10, light},    {10, H - 1, light},
        {W - 2, H - 2, light}, {1, 10, frame}, {10, 1, frame},   {W - 2, 10, frame},    {10, H - 2, frame}};
    const std::vector<TProbe> inside[] = {{{2, 2, faceRow(2)},
                                           {40, 17, low},
                                           {40, 18, Darken(face, 20)},
                                           {40, 19, Darken(face, 30)},
                                           {2, 10, faceRow(10)}},
                                          {{10, 2, GradientRow(hotTop, hot, 18, 0)},
                                           {10, 19, hot},
                                           {70, 10, GradientRow(hotTop, hot, 18, 8)},
                                           {4, 10, faceRow(10)}},
                                          {{10, 2, GradientRow(selTop, selLow, 18, 0)},
                                           {2, 19, selLow},
                                           {3, 4, clBlack},
                                           {4, 3, clBlack},
                                           {3, 5, GradientRow(selTop, selLow, 18, 3)},
                                           {68, 18, clBlack},
                                           {69, 18, clBlack}},
                                          {{2, 2, low}, {70, 19, low}, {41, 18, low}},
                                          {{0, 10, white},
                                           {1, 1, white},
                                           {1, 10, Lighten(rgb(clBtnShadow), 30)},
                                           {2, 2, face},
                                           {70, 19, face}}};
    ForEachState([&](int state, int) {
        std::vector<TProbe> probes = inside[state];
        if (state < 4)
            probes.insert(probes.end(), outline.begin(), outline.end());
        for (const TProbe& p : probes)
            EXPECT_EQ(p.Color, PixelAt(w, p.X, p.Y)) << p.X << "," << p.Y;
    });
}

TEST_F(UiBitBtn, ThemedFaceIsTheSystemsPushButtonInTheMatchingState) {
    HWND w = button->Handle();
    UseLook(kLooks[1], w);
    HTHEME theme = OpenThemeData(w, L"BUTTON");
    ASSERT_TRUE(theme);
    ForEachState([&](int, int part) {
        TBitmap expected(W, H); // the part over the parent's white, as the button draws it
        expected.Canvas().FillRect(RECT{0, 0, W, H}, clWhite);
        RECT r{0, 0, W, H};
        DrawThemeBackground(theme, expected.Canvas().Handle(), BP_PUSHBUTTON, part, &r, nullptr);
        for (POINT p : {POINT{0, 10}, POINT{10, 0}, POINT{0, 0}, POINT{4, 4}, POINT{W - 3, H - 3}})
            EXPECT_EQ(expected.Canvas().Pixel(p.x, p.y), PixelAt(w, p.x, p.y)) << p.x << "," << p.y;
    });
    CloseThemeData(theme);
}

TEST_F(UiBitBtn, ClickWritesTheModalResultFirstAndALostPressDoesNotClick) {
    HWND w = button->Handle();
    button->SetModalResult(mrOk);
    std::string log;
    button->OnClick = [&](TObject*) { log += "click " + std::to_string(form->ModalResult()) + "; "; };
    SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SetCapture(form->Handle()); // another window takes the mouse while the button is held
    SendMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ReleaseCapture();
    EXPECT_FALSE(button->PressedLook());
    SendMessageA(w, WM_KEYDOWN, VK_ESCAPE, 1); // does nothing
    EXPECT_EQ("click 1; ", log);
}
