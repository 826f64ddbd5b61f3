// The shadow's image as the window code computes it through the system: outline, blur, cut, alpha.
#include "ShadowTestSupport.h"
#include "chrome/ShadowLogic.h"
#include "chrome/ShadowPixels.h"
#include "toolkit/GdiObject.h"

#include <cstring>

namespace {

uint8_t AlphaAt(TBitmap& img, int x, int y) {
    return img.ScanLine(y)[x * 4 + 3];
}

TEST_F(ShadowTest, BorderlessRectangleImageMatchesTheComputation) {
    auto* form = new TShadowTestForm(Application, bsNone, 300, 200, 100, 60);
    TFormShadow* shadow = form->AddShadow();
    form->ShowForm();
    Pump();
    TBitmap& img = shadow->ShadowImage();
    ASSERT_EQ(img.Width(), 132);
    ASSERT_EQ(img.Height(), 92);

    // The same steps on plain memory.
    PixelImage want(132, 92, PackBgra(0, 0, 0));
    want.Fill({16, 16, 116, 76}, PackBgra(255, 255, 255));
    BlurShadow(want.View());
    want.Fill({16, 16, 116, 76}, PackBgra(0, 0, 0));
    PremultiplyShadow(want.View(), 0, 0, 0);
    int diffs = 0;
    for (int y = 0; y < 92; ++y)
        for (int x = 0; x < 132; ++x) {
            uint32_t got;
            std::memcpy(&got, img.ScanLine(y) + x * 4, 4);
            diffs += got != want.At(x, y);
        }
    EXPECT_EQ(diffs, 0);

    const uint8_t above[6] = {31, 47, 71, 99, 121, 140};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(AlphaAt(img, 66, 10 + i), above[i]);
    EXPECT_EQ(AlphaAt(img, 66, 76), 91);
    EXPECT_EQ(AlphaAt(img, 66, 91), 4);
    EXPECT_EQ(AlphaAt(img, 15, 46), 113);
    EXPECT_EQ(AlphaAt(img, 116, 46), 113);
    delete form;
}

TEST_F(ShadowTest, RoundedOutlineShadowsTheCutCorners) {
    auto* form = new TShadowTestForm(Application, bsNone, 300, 200, 160, 100);
    form->HandleNeeded();
    SetWindowRgn(form->Handle(), GdiRegion::RoundRect(1, 1, 160, 100, 13, 13).Release(), TRUE);
    TFormShadow* shadow = form->AddShadow();
    form->ShowForm();
    Pump();
    TBitmap& img = shadow->ShadowImage();
    ASSERT_EQ(img.Width(), 192);

    GdiRegion outline = GdiRegion::RoundRect(1, 1, 160, 100, 13, 13);
    OffsetRgn(outline.Handle(), 16, 16);
    int insideLit = 0, cutDark = 0, cut = 0;
    for (int y = 16; y < 116; ++y)
        for (int x = 16; x < 176; ++x) {
            if (PtInRegion(outline.Handle(), x, y)) {
                insideLit += AlphaAt(img, x, y) != 0;
            } else {
                ++cut;
                cutDark += AlphaAt(img, x, y) == 0;
            }
        }
    EXPECT_EQ(insideLit, 0) << "the form's own pixels are see-through";
    EXPECT_GT(cut, 160 + 100) << "the top and left lines and the rounded corners lie outside the outline";
    EXPECT_EQ(cutDark, 0) << "every cut-off pixel carries shadow";
    // Rounded, not square: the corner of the bounding box is lighter than the middle of the edge beside it.
    EXPECT_LT(AlphaAt(img, 175, 115), AlphaAt(img, 175, 66));
    delete form;
}

TEST_F(ShadowTest, ColourKeyedHoleKeepsTheShadowBehindIt) {
    auto* form = new TShadowTestForm(Application, bsNone, 300, 200, 200, 150);
    auto* hole = new TWinControl(form);
    hole->SetParent(form);
    hole->SetBounds(50, 40, 100, 70);
    hole->SetColor(clFuchsia);
    form->SetTransparentColorValue(clFuchsia);
    form->SetTransparentColor(true);
    TFormShadow* shadow = form->AddShadow();
    form->ShowForm();
    Pump();
    // The first image was made while the form was still hidden, when the form's picture does not show its
    // child windows yet; a change of size makes one from the form as it shows.
    SetWindowPos(form->Handle(), nullptr, 0, 0, 201, 150, SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(form->Handle(), nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
    TBitmap& img = shadow->ShadowImage();
    ASSERT_EQ(img.Width(), 232);
    // Image coordinates of the hole: form client + 16.
    const int hl = 66, ht = 56;
    EXPECT_GT(AlphaAt(img, hl, ht + 35), 0) << "the hole's edge shows the shadow of the form around it";
    EXPECT_GT(AlphaAt(img, hl + 50, ht), 0);
    EXPECT_EQ(AlphaAt(img, hl + 50, ht + 35), 0) << "too far from any opaque part";
    EXPECT_EQ(AlphaAt(img, hl - 5, ht + 35), 0) << "opaque parts are cut out";
    EXPECT_EQ(AlphaAt(img, 30, 30), 0);
    EXPECT_GT(AlphaAt(img, 10, 80), 0) << "outside the form";
    delete form;
}

TEST_F(ShadowTest, BorderedFormWithoutRegionUsesItsWindowRectangle) {
    auto* form = new TShadowTestForm(Application, bsSingle, 300, 200, 180, 120);
    TFormShadow* shadow = form->AddShadow();
    form->ShowForm();
    Pump();
    TBitmap& img = shadow->ShadowImage();
    const RECT w = WindowRectOf(form->Handle());
    ASSERT_EQ(img.Width(), w.right - w.left + 32);
    WINDOWINFO info{};
    info.cbSize = sizeof(info);
    GetWindowInfo(form->Handle(), &info);
    const int gx = BorderGrowth(int(info.cxWindowBorders)), gy = BorderGrowth(int(info.cyWindowBorders));
    // Everything inside the grown rectangle is cut out; just outside it the shadow begins.
    for (int y = 16 - gy; y < 16 + 120 + gy; ++y)
        for (int x = 16 - gx; x < 16 + 180 + gx; ++x)
            ASSERT_EQ(AlphaAt(img, x, y), 0) << x << "," << y;
    EXPECT_GT(AlphaAt(img, 16 - gx - 1, 70), 0);
    EXPECT_GT(AlphaAt(img, 100, 16 + 120 + gy), 0);
    delete form;
}

} // namespace
