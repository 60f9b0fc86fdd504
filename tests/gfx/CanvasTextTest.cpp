#include <gtest/gtest.h>

#include "gfx/Canvas.h"

using gfx::Bitmap;
using gfx::Canvas;

namespace {

Bitmap White(int w, int h) {
    Bitmap b(w, h);
    b.Fill(clWhite);
    return b;
}

int CountNot(const Bitmap& b, TColor colour, const TRect& area) {
    int n = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x) n += b.Pixel(x, y) != colour;
    return n;
}

gfx::FontSpec Arial11() {
    gfx::FontSpec fontSpec;
    fontSpec.name = "Arial";
    fontSpec.height = -11;
    return fontSpec;
}

}  // namespace

TEST(CanvasText, OpaqueTextFillsItsCellWithTheBrush) {
    Bitmap b = White(100, 40);
    Canvas c(b);
    c.SetFont(Arial11());
    c.Brush().color = clYellow;
    int width = c.TextOut(10, 5, "Wg");
    int height = c.TextHeight("Wg");
    EXPECT_EQ(width, c.TextWidth("Wg"));
    // The cell's corners carry the brush; nothing outside the cell changed.
    EXPECT_EQ(b.Pixel(10, 5), clYellow);
    EXPECT_EQ(b.Pixel(10 + width - 1, 5 + height - 1), clYellow);
    EXPECT_EQ(CountNot(b, clWhite, {0, 0, 100, 5}), 0);
    EXPECT_EQ(CountNot(b, clWhite, {10 + width, 0, 100, 40}), 0);
}

TEST(CanvasText, ClearBrushDrawsOnlyGlyphsInTheFontColour) {
    Bitmap b = White(100, 40);
    Canvas c(b);
    c.SetFont(Arial11());
    c.Brush().style = gfx::BrushStyle::Clear;
    c.SetFontColor(clBlack);
    c.TextOut(10, 5, "Wg");
    TRect cell = TRect::FromSize(10, 5, c.TextWidth("Wg"), c.TextHeight("Wg"));
    EXPECT_GT(CountNot(b, clWhite, cell), 10);  // ink inside the cell
    EXPECT_EQ(b.Pixel(cell.Left, cell.Top), clWhite);  // the cell's corner is background
    EXPECT_EQ(CountNot(b, clWhite, {0, 0, 100, 40}), CountNot(b, clWhite, cell));
}

TEST(CanvasText, BaselineReferenceAndOriginMoveTheText) {
    Bitmap top = White(100, 40), base = White(100, 40);
    for (Bitmap* b : {&top, &base}) {
        Canvas c(*b);
        c.SetFont(Arial11());
        c.Brush().style = gfx::BrushStyle::Clear;
        c.SetOrigin({5, 5});
        if (b == &base) {
            c.SetTextAlign(gfx::TextReference::Baseline);
            c.TextOut(0, c.Font().Ascent(), "Wg");
        } else {
            c.TextOut(0, 0, "Wg");
        }
    }
    // Both calls put the cell's top at device row 5, so they draw the same pixels.
    EXPECT_TRUE(top == base);
    EXPECT_EQ(CountNot(top, clWhite, {0, 0, 100, 5}), 0);
    EXPECT_EQ(CountNot(top, clWhite, {0, 0, 5, 40}), 0);
}

TEST(CanvasText, TextIsClippedToTheClipRegionAndTheRectangle) {
    Bitmap b = White(120, 40);
    Canvas c(b);
    c.SetFont(Arial11());
    c.Brush().style = gfx::BrushStyle::Clear;
    gfx::Region clip = gfx::Region::FromRect({0, 0, 20, 40});
    c.SetClipRegion(&clip);
    c.TextOut(5, 5, "Velmora Velmora");
    EXPECT_GT(CountNot(b, clWhite, {0, 0, 20, 40}), 0);
    EXPECT_EQ(CountNot(b, clWhite, {20, 0, 120, 40}), 0);

    Bitmap r = White(120, 40);
    Canvas rc(r);
    rc.SetFont(Arial11());
    rc.Brush().style = gfx::BrushStyle::Clear;
    rc.TextRect({10, 10, 50, 30}, "Belegt (38146 MB)", {.endEllipsis = true, .verticalCenter = true});
    EXPECT_GT(CountNot(r, clWhite, {10, 10, 50, 30}), 0);
    EXPECT_EQ(CountNot(r, clWhite, {50, 0, 120, 40}), 0);
    EXPECT_EQ(CountNot(r, clWhite, {0, 0, 120, 10}), 0);
}

TEST(CanvasText, RotatedTextStandsUpright) {
    Bitmap b = White(60, 120);
    Canvas c(b);
    c.SetFont(Arial11());
    c.Brush().style = gfx::BrushStyle::Clear;
    int width = c.TextOutRotated90(10, 10, "Laufwerk");
    TRect cell = TRect::FromSize(10, 10, c.TextHeight("Laufwerk"), width);
    EXPECT_GT(cell.Height(), cell.Width());
    EXPECT_GT(CountNot(b, clWhite, cell), 0);
    EXPECT_EQ(CountNot(b, clWhite, {0, 0, 60, 120}), CountNot(b, clWhite, cell));
}
