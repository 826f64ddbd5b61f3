// The main window's caption buttons as the program makes them: each one's Up and Hot pictures on
// the window's painted surface.
#include "tests/win32/app/AppTestSupport.h"

#include "toolkit/Bitmap.h"

namespace {

// Pixels of the window's client area, as its paint draws them.
void Snapshot(TWinControl* control, TBitmap& picture) {
    picture.SetSize(control->ClientWidth(), control->ClientHeight());
    picture.SetPixelFormat(pf32bit);
    control->PaintTo(picture.Canvas().Handle(), 0, 0);
}

TEST_F(MainWindowTest, CaptionButtonsShowTheirUpAndHotPicturesOverTheSkin) {
    ShowWindowNow();
    struct Case {
        TUiBmpButton* Button;
        const char* Resource;
        bool Hot;
    } cases[] = {
        {form->BtnSysClose, "CLOSE_UP", false},
        {form->BtnSysClose, "CLOSE_HOT", true},
        {form->BtnSysMin, "MIN_UP", false},
        {form->BtnSysMin, "MIN_HOT", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Resource);
        c.Button->Perform(c.Hot ? CM_MOUSEENTER : CM_MOUSELEAVE);
        TBitmap expected, picture;
        expected.LoadFromResource(GetModuleHandleA(nullptr), c.Resource);
        Snapshot(form, picture);
        ASSERT_EQ(expected.Width(), c.Button->Width());
        ASSERT_EQ(expected.Height(), c.Button->Height());
        int differing = 0;
        for (int y = 0; y < expected.Height(); ++y)
            for (int x = 0; x < expected.Width(); ++x)
                differing += picture.Canvas().Pixel(c.Button->Left() + x, c.Button->Top() + y) !=
                             expected.Canvas().Pixel(x, y);
        EXPECT_EQ(0, differing);
        c.Button->Perform(CM_MOUSELEAVE);
    }
}

} // namespace
