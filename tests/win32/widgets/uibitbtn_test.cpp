// The push button under Wine: its classic hot-tracking face read back pixel by pixel in each state
// against the rings, rows and corners it is made of; under visual styles the system's push-button
// part in the matching state; the click's order and a press that loses the mouse.
#include "tests/win32/widgets/ComboTestSupport.h"

#include "toolkit/Bitmap.h"
#include "widgets/ColorOps.h"
#include "widgets/UiBitBtn.h"

#include <vssym32.h>

namespace {

constexpr int W = 73, H = 22;

class UiBitBtn : public ComboTestBase {
protected:
    TUiBitBtn* AddButton() {
        // Another focusable control, so that the button can lose the focus.
        auto* other = new TUiBitBtn(form);
        other->SetParent(form);
        other->SetBounds(10, 100, 50, 20);
        auto* button = new TUiBitBtn(form);
        button->SetParent(form);
        button->SetBounds(20, 20, W, H);
        button->SetCaption("\xD7\xAA\xBB\xBB >>");
        button->SetHotTrack(true);
        Start();
        other->SetFocus();
        return button;
    }
    // The states every look test walks through, each set up from the one before.
    struct TState {
        const char* Name;
        std::function<void(TUiBitBtn*)> Act;
        int ThemePart;
    };
    static std::vector<TState> States() {
        return {
            {"at rest", [](TUiBitBtn*) {}, PBS_NORMAL},
            {"hot", [](TUiBitBtn* b) { b->Perform(CM_MOUSEENTER); }, PBS_HOT},
            {"focused", [](TUiBitBtn* b) { b->Perform(CM_MOUSELEAVE), b->SetFocus(); }, PBS_DEFAULTED},
            {"pressed",
             [](TUiBitBtn* b) { SendMessageA(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); },
             PBS_PRESSED},
            {"disabled",
             [](TUiBitBtn* b) {
                 SendMessageA(b->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 50));
                 b->SetEnabled(false);
             },
             PBS_DISABLED},
        };
    }
    static void Show(TUiBitBtn* b) {
        RedrawWindow(b->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        Pump(10);
    }
};

} // namespace

TEST_F(UiBitBtn, ClassicFaceIsMadeOfItsRingsRowsAndRoundedCorners) {
    TUiBitBtn* button = AddButton();
    HWND w = button->Handle();
    UseLook(kLooks[0], {w});
    auto rgb = [](TColor c) { return static_cast<COLORREF>(ColorToRGB(c)); };
    const TColor face = rgb(clBtnFace), parent = rgb(clWhite), frame = rgb(cl3DDkShadow);
    const TColor dark = Darken(face, 20), light = Lighten(face, 20);
    const TColor faceTop = Lighten(face, 30), faceBottom = Darken(face, 10);
    const TColor hotTop = Blend(clWhite, 0x149BF0, 190);
    const TColor focusTop = Blend(rgb(clHighlight), faceTop, 60),
                 focusBottom = Blend(rgb(clHighlight), faceTop, 160);
    const TColor disabledFrame = Lighten(rgb(clBtnShadow), 30);
    struct TProbe {
        int X, Y;
        TColor Color;
    };
    // Shared by the enabled states: corners outside the outline, the outer and frame rings.
    const std::vector<TProbe> outline = {
        {0, 0, parent},     {1, 0, parent},        {0, 1, parent},   {W - 1, H - 1, parent},
        {0, H - 1, parent}, {W - 1, 0, parent},    {0, 10, dark},    {10, 0, dark},
        {1, 1, dark},       {W - 2, 1, dark},      {1, H - 2, dark}, {W - 1, 10, light},
        {10, H - 1, light}, {W - 2, H - 2, light}, {1, 10, frame},   {10, 1, frame},
        {W - 2, 10, frame}, {10, H - 2, frame},
    };
    const std::vector<std::vector<TProbe>> inside = {
        // at rest: face gradient on rows 2-17, the two darker rows, no ring
        {{2, 2, GradientRow(faceTop, faceBottom, 16, 0)},
         {40, 17, faceBottom},
         {40, 18, Darken(face, 20)},
         {40, 19, Darken(face, 30)},
         {2, 10, GradientRow(faceTop, faceBottom, 16, 8)}},
        // hot: the orange ring over the inner rectangle's full height, two pixels wide
        {{10, 2, GradientRow(hotTop, 0x149BF0, 18, 0)},
         {10, 19, 0x149BF0},
         {3, 10, GradientRow(hotTop, 0x149BF0, 18, 8)},
         {70, 10, GradientRow(hotTop, 0x149BF0, 18, 8)},
         {4, 10, GradientRow(faceTop, faceBottom, 16, 8)}},
        // focused: the ring in tints of the selection colour, dots on every second pixel
        {{10, 2, GradientRow(focusTop, focusBottom, 18, 0)},
         {2, 19, focusBottom},
         {3, 4, clBlack},
         {3, 5, GradientRow(focusTop, focusBottom, 18, 3)},
         {70, 17, GradientRow(focusTop, focusBottom, 18, 15)},
         {68, 18, clBlack},
         {4, 3, clBlack}},
        // pressed: flat and darker, the outline as before
        {{2, 2, faceBottom}, {70, 19, faceBottom}, {41, 18, faceBottom}},
    };
    const std::vector<TProbe> disabled = {
        {0, 10, parent}, {10, 0, parent}, {1, 1, parent}, {1, 10, disabledFrame}, {10, H - 2, disabledFrame},
        {2, 2, face},    {70, 19, face}};
    std::vector<TState> states = States();
    for (size_t i = 0; i < states.size(); ++i) {
        SCOPED_TRACE(states[i].Name);
        states[i].Act(button);
        Show(button);
        std::vector<TProbe> probes = i < inside.size() ? outline : disabled;
        if (i < inside.size())
            probes.insert(probes.end(), inside[i].begin(), inside[i].end());
        for (const TProbe& p : probes)
            EXPECT_EQ(p.Color, PixelAt(w, p.X, p.Y)) << p.X << "," << p.Y;
    }
}

TEST_F(UiBitBtn, CaptionIsCentredInItsRectangleAndStaysWhenPressed) {
    TUiBitBtn* button = AddButton();
    HWND w = button->Handle();
    UseLook(kLooks[0], {w});
    auto extent = [&] {
        RECT r{W, H, -1, -1};
        const COLORREF text = ColorToRGB(clWindowText);
        for (int y = 4; y < H - 4; ++y)
            for (int x = 4; x < W - 4; ++x)
                if (PixelAt(w, x, y) == text)
                    r = RECT{std::min<LONG>(r.left, x), std::min<LONG>(r.top, y),
                             std::max<LONG>(r.right, x + 1), std::max<LONG>(r.bottom, y + 1)};
        return r;
    };
    RECT rest = extent();
    EXPECT_GE(rest.top, 5);
    EXPECT_LE(rest.bottom, 17);
    EXPECT_NEAR(W, rest.left + rest.right, 2);
    SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    Show(button);
    RECT pressed = extent();
    EXPECT_TRUE(EqualRect(&rest, &pressed));
    SendMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(5, 50));
}

TEST_F(UiBitBtn, ThemedFaceIsTheSystemsPushButtonInTheMatchingState) {
    TUiBitBtn* button = AddButton();
    HWND w = button->Handle();
    UseLook(kLooks[1], {w});
    TThemeData theme(w, L"BUTTON");
    ASSERT_TRUE(theme);
    for (const TState& s : States()) {
        SCOPED_TRACE(s.Name);
        s.Act(button);
        Show(button);
        // The part drawn on the parent's white, as the button draws it.
        TBitmap expected(W, H);
        expected.Canvas().FillRect(RECT{0, 0, W, H}, clWhite);
        RECT r{0, 0, W, H};
        DrawThemeBackground(theme.Handle(), expected.Canvas().Handle(), BP_PUSHBUTTON, s.ThemePart, &r,
                            nullptr);
        for (POINT p :
             {POINT{0, 10}, POINT{10, 0}, POINT{0, 0}, POINT{4, 4}, POINT{36, 1}, POINT{W - 3, H - 3}})
            EXPECT_EQ(expected.Canvas().Pixel(p.x, p.y), PixelAt(w, p.x, p.y)) << p.x << "," << p.y;
    }
}

TEST_F(UiBitBtn, ClickWritesTheModalResultFirstAndALostPressDoesNotClick) {
    TUiBitBtn* button = AddButton();
    HWND w = button->Handle();
    button->SetModalResult(mrOk);
    std::vector<std::string> log;
    button->OnClick = [&](TObject*) {
        log.push_back("click, modal result " + std::to_string(form->ModalResult()));
    };
    button->OnMouseEnter = [&](TObject*) { log.push_back("enter"); };
    SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    // Another window takes the mouse while the button is held: no click, the face rises.
    SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SetCapture(form->Handle());
    ReleaseCapture();
    SendMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(button->PressedLook());
    // Esc does nothing; Enter clicks on each repeat.
    SendMessageA(w, WM_KEYDOWN, VK_ESCAPE, 1);
    SendMessageA(w, WM_KEYDOWN, VK_RETURN, 1);
    SendMessageA(w, WM_KEYDOWN, VK_RETURN, 0x40000001);
    button->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(button->Hot());
    EXPECT_EQ((std::vector<std::string>{"click, modal result 1", "click, modal result 1",
                                        "click, modal result 1", "enter"}),
              log);
}
