// The pane header: flat frame on three sides in the adjusted flat colour, the fixed-point gradient
// down to the last row with no bottom line, the caption centred from its measured height, and a
// complete repaint whenever the header moves or changes size.
#include "tests/win32/widgets/ButtonsTestSupport.h"

#include "widgets/UiPanel.h"

namespace {

class Header : public ButtonsTest {
protected:
    void SetUp() override {
        ButtonsTest::SetUp();
        // As the main window makes its headers.
        header = new TUiPanel(form);
        header->SetParent(form);
        header->SetBounds(10, 10, 342, 25);
        header->SetCaption(" \xD4\xAD\xCE\xC4"); // " 原文"
        header->SetAlignment(taLeftJustify);
        header->Font().SetName("\xCB\xCE\xCC\xE5"); // 宋体
        header->Font().SetHeight(-12);
        header->Font().SetBold(true);
        header->SetBorderOuter(fsFlat);
        header->SetBorderSides(sdLeft | sdTop | sdRight);
        header->SetFlatColor(9867923);
        header->SetVisualStyle(vsGradient);
        header->SetGradientColorStyle(gcsCustom);
        Start();
    }
    TUiPanel* header = nullptr;
};

TEST_F(Header, FramesLeftTopAndRightInTheAdjustedFlatColour) {
    TBitmap picture;
    Snapshot(header, picture);
    EXPECT_EQ("179,178,181", Rgb(header->FrameColor()));
    for (int y = 0; y < 25; ++y) {
        EXPECT_EQ("179,178,181", PixelText(picture, 0, y)) << "left, row " << y;
        EXPECT_EQ("179,178,181", PixelText(picture, 341, y)) << "right, row " << y;
    }
    for (int x = 0; x < 342; x += 11)
        EXPECT_EQ("179,178,181", PixelText(picture, x, 0)) << "top, column " << x;
}

TEST_F(Header, GradientRowsRunToTheLastRowFromTheSystemsButtonFace) {
    TBitmap picture;
    Snapshot(header, picture);
    const TColor face = ColorToRGB(clBtnFace);
    // Every row of the inner rectangle, beside the caption and at both inner edges.
    for (int y = 1; y < 25; ++y)
        for (int x : {1, 200, 340})
            EXPECT_EQ(Rgb(GradientRow(clWhite, face, 24, y - 1)), PixelText(picture, x, y)) << x << "," << y;
    // No bottom line: the last row is the face colour exactly.
    for (int x = 1; x < 341; x += 13)
        EXPECT_EQ(Rgb(face), PixelText(picture, x, 24)) << "column " << x;
}

TEST_F(Header, CaptionIsCentredOnItsMeasuredLineHeight) {
    TBitmap measure(1, 1);
    measure.Canvas().Font.Assign(header->Font());
    const int h = measure.Canvas().TextHeight(header->Caption());
    const int top = (25 + 1 - h) / 2;
    const RECT r = header->CaptionRect();
    EXPECT_EQ((std::vector<LONG>{1, top, 341, std::min(25, top + h)}),
              (std::vector<LONG>{r.left, r.top, r.right, r.bottom}));
    if (h == 12) {
        EXPECT_EQ(7, r.top);
    }
    // The glyphs lie inside that band, one space width in from the frame.
    TBitmap picture;
    Snapshot(header, picture);
    const TColor face = ColorToRGB(clBtnFace);
    int first = 342, lowest = 0, highest = 25;
    for (int y = 1; y < 25; ++y)
        for (int x = 1; x < 120; ++x)
            if (picture.Canvas().Pixel(x, y) != GradientRow(clWhite, face, 24, y - 1)) {
                first = std::min(first, x);
                highest = std::min(highest, y);
                lowest = std::max(lowest, y);
            }
    EXPECT_GE(first, 1 + measure.Canvas().TextWidth(" "));
    EXPECT_GE(highest, r.top);
    EXPECT_LT(lowest, r.bottom);
}

TEST_F(Header, RepaintsCompletelyWhenMovedOrResized) {
    struct Change {
        const char* What;
        int Left, Width, Height;
    } changes[] = {
        {"moved", 20, 342, 25}, {"narrower", 20, 300, 25}, {"wider", 20, 380, 25}, {"taller", 20, 380, 40}};
    HWND h = header->Handle();
    for (const Change& c : changes) {
        Pump();
        ValidateRect(h, nullptr);
        header->SetBounds(c.Left, 10, c.Width, c.Height);
        RECT update{};
        GetUpdateRect(h, &update, FALSE);
        EXPECT_EQ((std::vector<LONG>{0, 0, c.Width, c.Height}),
                  (std::vector<LONG>{update.left, update.top, update.right, update.bottom}))
            << c.What;
    }
}

} // namespace
