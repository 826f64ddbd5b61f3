// TCanvas: opaque, stretched and transparent copies, fills, lines and text.
#include "GraphicsTestUtil.h"

#include <set>

namespace {
// A picture whose every pixel has its own colour, so a blended pixel can be told apart.
TBitmap Numbered(int width, int height) {
    TBitmap bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            PutPixel(
                bitmap, x, y,
                MakeColor(static_cast<std::uint8_t>(40 + 50 * x), static_cast<std::uint8_t>(30 + 60 * y), 7));
    return bitmap;
}
} // namespace

TEST(Canvas, ColorOnColorStretchRepeatsAndDropsWholeRowsAndColumns) {
    TBitmap source = Numbered(4, 4);
    struct Case {
        int width, height;
    };
    for (Case c : {Case{8, 8}, Case{12, 4}, Case{2, 2}, Case{3, 5}}) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        TBitmap target(c.width, c.height);
        target.Canvas().SetStretchMode(COLORONCOLOR);
        EXPECT_EQ(COLORONCOLOR, target.Canvas().StretchMode());
        target.Canvas().StretchDraw({0, 0, c.width, c.height}, source);
        std::set<int> columnsUsed;
        for (int x = 0; x < c.width; ++x) {
            // Every target column is one whole source column, in order: nothing mixed.
            int column = -1;
            for (int sx = 0; sx < 4 && column < 0; ++sx)
                if (PixelAt(target, x, 0) == PixelAt(source, sx, 0))
                    column = sx;
            ASSERT_GE(column, 0) << "column " << x << " is a blend";
            for (int y = 0; y < c.height; ++y) {
                int row = -1;
                for (int sy = 0; sy < 4 && row < 0; ++sy)
                    if (PixelAt(target, x, y) == PixelAt(source, column, sy))
                        row = sy;
                ASSERT_GE(row, 0) << x << "," << y << " is a blend";
            }
            EXPECT_TRUE(columnsUsed.empty() || column >= *columnsUsed.rbegin());
            columnsUsed.insert(column);
        }
    }
}

TEST(Canvas, DoubledStretchIsPixelDoubling) {
    TBitmap source = Numbered(3, 2);
    TBitmap target(6, 4);
    target.Canvas().SetStretchMode(COLORONCOLOR);
    target.Canvas().StretchDraw({0, 0, 6, 4}, source);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(PixelAt(source, x / 2, y / 2), PixelAt(target, x, y)) << x << "," << y;
}

TEST(Canvas, CopyRectAndDrawCopyExactlyTheirRectangles) {
    TBitmap source = Numbered(4, 3);
    TBitmap target(6, 6);
    target.Canvas().CopyRect({1, 1, 3, 3}, source.Canvas(), {2, 1, 4, 3});
    target.Canvas().Draw(2, 3, source);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            TColor expected = clWhite;
            if (y >= 3 && x >= 2)
                expected = PixelAt(source, x - 2, y - 3);
            else if (x >= 1 && x < 3 && y >= 1 && y < 3)
                expected = PixelAt(source, x + 1, y);
            EXPECT_EQ(expected, PixelAt(target, x, y)) << x << "," << y;
        }
}

TEST(Canvas, DrawTransparentLeavesKeyPixelsUntouched) {
    TBitmap picture(3, 3);
    picture.Canvas().FillRect({0, 0, 3, 3}, clFuchsia);
    PutPixel(picture, 1, 1, clBlue);
    PutPixel(picture, 2, 0, clBlack);
    TBitmap target = Numbered(5, 5);
    TBitmap original = Numbered(5, 5);
    target.Canvas().DrawTransparent(1, 1, picture, picture.TransparentColor());
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            TColor expected = PixelAt(original, x, y);
            if (x == 2 && y == 2)
                expected = clBlue;
            if (x == 3 && y == 1)
                expected = clBlack;
            EXPECT_EQ(expected, PixelAt(target, x, y)) << x << "," << y;
        }
}

TEST(Canvas, FillResolvesSystemColoursAtEachCall) {
    TBitmap target(2, 1);
    target.Canvas().FillRect({0, 0, 1, 1}, clBtnFace);
    target.Canvas().FillRect({1, 0, 2, 1}, cl3DDkShadow);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), PixelAt(target, 0, 0));
    EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), PixelAt(target, 1, 0));
}

TEST(Canvas, LinesAndFramesStopWhereGdiStops) {
    TBitmap target(6, 6);
    target.Canvas().Line(0, 0, 4, 0, clRed); // the end point is not drawn
    target.Canvas().FrameRect({1, 2, 5, 6}, clBlue);
    EXPECT_EQ(clRed, PixelAt(target, 3, 0));
    EXPECT_EQ(clWhite, PixelAt(target, 4, 0));
    EXPECT_EQ(clBlue, PixelAt(target, 1, 2));
    EXPECT_EQ(clBlue, PixelAt(target, 4, 5));
    EXPECT_EQ(clWhite, PixelAt(target, 2, 3));
    EXPECT_EQ(clWhite, PixelAt(target, 5, 5));
}

TEST(Canvas, TextIsDrawnInTheFontColourInsideItsRectAndNothingStaysSelected) {
    const LiveCounts before = LiveCounts::Now();
    {
        TBitmap target(60, 30);
        TCanvas& canvas = target.Canvas();
        const HGDIOBJ font = GetCurrentObject(canvas.Handle(), OBJ_FONT);
        const HGDIOBJ pen = GetCurrentObject(canvas.Handle(), OBJ_PEN);
        canvas.Font.SetHeight(-16);
        canvas.Font.SetColor(clRed);
        RECT extent = {4, 3, 4, 3};
        canvas.DrawText("WW", extent, DT_CALCRECT | DT_SINGLELINE);
        // A glyph may overhang its advance by a pixel (bitmap faces do); the box is otherwise exact.
        InflateRect(&extent, 1, 0);
        RECT rect = {4, 3, 60, 30};
        canvas.DrawText("WW", rect, DT_LEFT | DT_TOP | DT_SINGLELINE);
        int red = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 60; ++x) {
                const TColor pixel = PixelAt(target, x, y);
                if (pixel == clWhite)
                    continue;
                const POINT at = {x, y};
                EXPECT_TRUE(PtInRect(&extent, at)) << x << "," << y;
                EXPECT_GE(RedOf(pixel), GreenOf(pixel)) << x << "," << y; // red, or red smoothed on white
                red += pixel == clRed;
            }
        EXPECT_GT(red, 10);
        canvas.Line(0, 29, 10, 29, clBlue);
        EXPECT_EQ(font, GetCurrentObject(canvas.Handle(), OBJ_FONT));
        EXPECT_EQ(pen, GetCurrentObject(canvas.Handle(), OBJ_PEN));
        EXPECT_GT(canvas.TextWidth("WW"), canvas.TextWidth("W"));
        EXPECT_EQ(before[GdiKind::Font] + 1, GdiLiveCount(GdiKind::Font)); // the canvas font, kept
    }
    ExpectSameCounts(before, LiveCounts::Now());
}

TEST(Canvas, PointSizeFollowsTheScreenResolution) {
    TFont font;
    font.SetSize(9);
    EXPECT_EQ(-MulDiv(9, TFont::ScreenPixelsPerInch(), 72), font.Height());
    EXPECT_EQ(9, font.Size());
    int changes = 0;
    font.OnChange = [&] { ++changes; };
    font.SetSize(9);
    font.SetName("SimSun");
    EXPECT_EQ(1, changes);
}
