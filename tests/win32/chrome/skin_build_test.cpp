// Building the skin into a window: the painted surface, the rounded outline, the holder, the failures.
#include "ChromeTestUtil.h"
#include "ShadowTestSupport.h"
#include "chrome/SkinLayout.h"
#include "chrome/SkinPainter.h"
#include "chrome/SkinReference.h"
#include "chrome/UnitFace.h"
#include "toolkit/GdiObject.h"
#include "toolkit/Image.h"

namespace {

// A borderless form with its surface image filling the client area, as the main window has.
class TSkinTestForm : public TShadowTestForm {
public:
    TSkinTestForm(TComponent* owner, int width, int height)
        : TShadowTestForm(owner, bsNone, 120, 80, width, height) {
        FS = new TImage(this);
        FS->SetParent(this);
        FS->SetBounds(0, 0, width, height);
    }
    TImage* FS;
};

PixelImage SkinResourcePixels() {
    TBitmap skin;
    skin.LoadFromResource(GetModuleHandleA(nullptr), "SKIN");
    return ReadPixels(skin);
}

TEST_F(ShadowTest, BuildSkinPaintsTheSurfaceAndRoundsTheWindow) {
    const int sizes[][2] = {{713, 486}, {891, 608}};
    for (const auto& size : sizes) {
        const int w = size[0], h = size[1];
        SCOPED_TRACE(w);
        auto* form = new TSkinTestForm(Application, w, h);
        const bool holderMade = FrmFace == nullptr;
        const int regions = GdiLiveCount(GdiKind::Region), bitmaps = GdiLiveCount(GdiKind::Bitmap);
        BuildSkin(*form, *form->FS);
        ASSERT_NE(FrmFace, nullptr);
        EXPECT_EQ(FrmFace->Owner(), Application);
        EXPECT_EQ(GdiLiveCount(GdiKind::Region), regions) << "the region went to the window";

        TBitmap& surface = form->FS->Picture();
        ASSERT_EQ(surface.Width(), w);
        ASSERT_EQ(surface.Height(), h);
        const PixelImage skin = SkinResourcePixels();
        PixelImage want(w, h, kPixWhite);
        PaintSkinReference(want, skin, SkinPaintWidth(w), h);
        const PixelImage got = ReadPixels(surface);
        int diffs = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                diffs += got.At(x, y) != want.At(x, y);
        EXPECT_EQ(diffs, 0);
        for (int y = 0; y < h; ++y)
            ASSERT_EQ(got.At(w - 1, y), kPixWhite) << "last column, row " << y;
        EXPECT_EQ(got.At(0, 0), kPixFuchsia);
        EXPECT_EQ(got.At(w - 2, h - 1), kPixFuchsia);

        // The window's shape is the rounded rectangle over (1, 1) to the image's right and bottom.
        GdiRegion shape = GdiRegion::Rect(0, 0, 1, 1);
        EXPECT_EQ(GetWindowRgn(form->Handle(), shape.Handle()), COMPLEXREGION);
        GdiRegion expected = GdiRegion::RoundRect(1, 1, w, h, 13, 13);
        GdiRegion diff = GdiRegion::Rect(0, 0, 1, 1);
        EXPECT_EQ(CombineRgn(diff.Handle(), shape.Handle(), expected.Handle(), RGN_XOR), NULLREGION);
        EXPECT_FALSE(PtInRegion(shape.Handle(), 0, 100));
        EXPECT_FALSE(PtInRegion(shape.Handle(), 1, 1));
        EXPECT_TRUE(PtInRegion(shape.Handle(), 1, 100));
        diff = GdiRegion();
        shape = GdiRegion();
        expected = GdiRegion();
        delete form;
        EXPECT_EQ(GdiLiveCount(GdiKind::Bitmap), bitmaps + (holderMade ? 1 : 0))
            << "nothing but the holder's picture stays";
    }
}

TEST_F(ShadowTest, SecondBuildReusesTheHolder) {
    auto* form = new TSkinTestForm(Application, 713, 486);
    BuildSkin(*form, *form->FS);
    TFrmFace* holder = FrmFace;
    const int components = Application->ComponentCount();
    BuildSkin(*form, *form->FS);
    EXPECT_EQ(FrmFace, holder);
    EXPECT_EQ(Application->ComponentCount(), components);
    EXPECT_EQ(holder->ImageFace->Picture().Width(), 100);
    EXPECT_EQ(holder->ImageFace->Picture().Height(), 50);
    EXPECT_EQ(holder->ImageFace->Picture().BitsPerPixel(), 24);
    EXPECT_FALSE(IsWindowVisible(holder->Handle()));
    delete form;
}

TEST_F(ShadowTest, CreationWiringSkinThenShadow) {
    // The main window's creation order: skin, then the shadow; a failure in the skin leaves no shadow, goes
    // to the application's handler, and the window still shows.
    const struct {
        const char* what;
        int width, height;
        bool fails;
    } cases[] = {{"design size", 713, 486, false}, {"a surface too large to create", 30000, 30000, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        exceptions.clear();
        auto* form = new TSkinTestForm(Application, c.width, c.height);
        form->OnCreate = [form](TObject*) {
            BuildSkin(*form, *form->FS);
            form->AddShadow();
        };
        form->ShowForm();
        Pump();
        EXPECT_EQ(exceptions.size(), c.fails ? 1u : 0u);
        EXPECT_EQ(form->Shadow == nullptr, c.fails);
        EXPECT_TRUE(IsWindowVisible(form->Handle()));
        if (!c.fails) {
            EXPECT_TRUE(IsWindowVisible(form->Shadow->Handle()));
            EXPECT_EQ(form->Shadow->ShadowImage().Width(), 713 + 32);
        }
        delete form;
        exceptions.clear();
    }
}

} // namespace
