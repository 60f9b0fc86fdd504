#include <gtest/gtest.h>

#include "skin/SkinDrawing.h"
#include "skin/SkinWindowHooks.h"

using namespace skin;

TEST(SkinDrawing, ArrowsPointTheirWay) {
    gfx::Bitmap b(20, 20);
    b.Fill(clWhite);
    gfx::Canvas canvas(b);
    // Rectangle 0,0,20,20: centre (10, 10).
    DrawArrow(canvas, {0, 0, 20, 20}, clBlack, 1);
    EXPECT_EQ(b.Pixel(8, 10), clBlack);   // tip, one pixel
    EXPECT_EQ(b.Pixel(8, 9), clWhite);
    EXPECT_EQ(b.Pixel(11, 7), clBlack);   // base, seven pixels: rows 7..13
    EXPECT_EQ(b.Pixel(11, 13), clBlack);
    EXPECT_EQ(b.Pixel(11, 14), clWhite);
    b.Fill(clWhite);
    DrawArrow(canvas, {0, 0, 20, 20}, clBlack, 4);  // down
    EXPECT_EQ(b.Pixel(10, 12), clBlack);  // tip
    EXPECT_EQ(b.Pixel(11, 12), clWhite);
    EXPECT_EQ(b.Pixel(7, 9), clBlack);    // base row
    b.Fill(clWhite);
    DrawArrow(canvas, {0, 0, 20, 20}, clBlack, 7);
    EXPECT_EQ(b.Pixel(10, 10), clWhite);
}

TEST(SkinDrawing, MarksAndGlyphCells) {
    gfx::Bitmap b(20, 20);
    b.Fill(clWhite);
    gfx::Canvas canvas(b);
    DrawCheckMark(canvas, 2, 2, clBlack);
    EXPECT_EQ(b.Pixel(2, 7), clBlack);   // start of tick 0
    EXPECT_EQ(b.Pixel(4, 9), clBlack);   // its corner (tick 0 bends at (4, 9))
    EXPECT_EQ(b.Pixel(4, 7), clBlack);   // corner of tick 2
    EXPECT_EQ(b.Pixel(8, 3), clBlack);
    EXPECT_EQ(b.Pixel(9, 2), clWhite);   // the end pixel is left out
    b.Fill(clWhite);
    DrawSquareMark(canvas, 3, 4, clRed);
    EXPECT_EQ(b.Pixel(3, 4), clRed);
    EXPECT_EQ(b.Pixel(8, 9), clRed);
    EXPECT_EQ(b.Pixel(9, 9), clWhite);

    // A strip of three 4-pixel cells; the bottom-left pixel's colour is transparent.
    gfx::Bitmap strip(12, 3);
    strip.Fill(clFuchsia);
    strip.SetPixel(5, 0, clBlue);  // cell 2, column 1
    b.Fill(clWhite);
    DrawGlyphCell(canvas, 10, 10, 2, 3, strip);
    EXPECT_EQ(b.Pixel(11, 10), clBlue);
    EXPECT_EQ(b.Pixel(10, 10), clWhite);
    DrawGlyphCell(canvas, 0, 0, 4, 3, strip);  // no such cell
    EXPECT_EQ(b.Pixel(0, 0), clWhite);
}

TEST(SkinWindowHooks, UnavailableUntilTheWindowLayerFillsThemIn) {
    EXPECT_FALSE(LayeredWindowsAvailable());
    int alphaSet = -1;
    bool painted = false;
    SkinWindowHooks hooks;
    hooks.layeredWindowsAvailable = [] { return true; };
    hooks.setWindowAlpha = [&](SkinWindowId, uint8_t a) { alphaSet = a; };
    hooks.paintParentBackground = [&](SkinWindowId, gfx::Canvas&) { painted = true; };
    SetSkinWindowHooks(hooks);
    EXPECT_TRUE(LayeredWindowsAvailable());
    SetWindowAlpha(nullptr, 300);
    EXPECT_EQ(alphaSet, 255);
    gfx::Bitmap b(1, 1);
    gfx::Canvas canvas(b);
    PaintParentBackground(nullptr, canvas);
    EXPECT_TRUE(painted);
    SetSkinWindowHooks({});
    EXPECT_FALSE(LayeredWindowsAvailable());
}
