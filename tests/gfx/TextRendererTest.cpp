#include <gtest/gtest.h>

#include <climits>

#include "gfx/Region.h"
#include "gfx/TextEllipsis.h"
#include "gfx/TextRenderer.h"

using namespace gfx;

namespace {

Font MakeFont(const char* name, int height, bool underline = false) {
    FontSpec s;
    s.name = name;
    s.height = height;
    s.underline = underline;
    return Font(s);
}

Bitmap White(int w, int h, PixelFormat format = PixelFormat::Bgr24) {
    Bitmap b(w, h, format);
    b.Fill(clWhite);
    return b;
}

// Pixels differing from white inside / outside `r`.
int ChangedInside(const Bitmap& b, const TRect& r) {
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) n += r.Contains(x, y) && b.Pixel(x, y) != clWhite;
    return n;
}
int ChangedOutside(const Bitmap& b, const TRect& r) {
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) n += !r.Contains(x, y) && b.Pixel(x, y) != clWhite;
    return n;
}
// The smallest rectangle holding every changed pixel.
TRect InkBox(const Bitmap& b) {
    TRect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Pixel(x, y) != clWhite)
                box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                       std::max(box.Bottom, y + 1)};
    return box;
}
TextStyle AtBaseline(TColor color) {
    TextStyle style;
    style.color = color;
    style.reference = TextReference::Baseline;
    return style;
}
bool IsDark(const Bitmap& b, int x, int y) { return base::GetGValue(b.Pixel(x, y)) < 128; }

const char* const kSample = "Wg Größe";

}  // namespace

TEST(TextRenderer, InkStaysInsideTheTextExtent) {
    for (const char* name : {"Arial", "Tahoma", "Verdana", "Times New Roman", "Courier New"}) {
        SCOPED_TRACE(name);
        Font f = MakeFont(name, -11);
        Bitmap b = White(120, 30);
        TextSize size = f.TextExtent(kSample);
        int advance = DrawText(b, f, {10, 5}, kSample, TextStyle{});
        EXPECT_EQ(advance, size.cx);
        TRect extent = TRect::FromSize(10, 5, size.cx, size.cy);
        EXPECT_EQ(ChangedOutside(b, extent), 0);
        EXPECT_GT(ChangedInside(b, extent), 40);
        int dark = 0;  // black text: the stems are drawn nearly black
        for (int y = extent.Top; y < extent.Bottom; ++y)
            for (int x = extent.Left; x < extent.Right; ++x) dark += IsDark(b, x, y);
        EXPECT_GT(dark, 15);
    }
}

TEST(TextRenderer, BaselineReferencePutsTheCellAroundTheBaseline) {
    Font f = MakeFont("Arial", -11);
    const int baseline = 20;
    Bitmap b = White(100, 40);
    DrawText(b, f, {5, baseline}, "Wg", AtBaseline(clBlack));
    TRect ink = InkBox(b);
    EXPECT_LT(ink.Top, baseline);                       // W stands on the baseline
    EXPECT_GT(ink.Bottom, baseline);                    // g hangs below it
    EXPECT_LE(ink.Bottom, baseline + f.Descent());      // ...but not below the cell
    EXPECT_GE(ink.Top, baseline - f.Ascent());
    // The same text placed by its top lands on the same pixels.
    Bitmap byTop = White(100, 40);
    DrawText(byTop, f, {5, baseline - f.Ascent()}, "Wg", TextStyle{});
    EXPECT_TRUE(byTop == b);
}

TEST(TextRenderer, OpaqueModeFillsExactlyTheCell) {
    Font f = MakeFont("Tahoma", -11);
    Bitmap b = White(80, 30);
    TextStyle style;
    style.background = clYellow;
    TextSize size = f.TextExtent("Ab");
    DrawText(b, f, {4, 6}, "Ab", style);
    EXPECT_EQ(b.Pixel(4, 6), clYellow);                                  // cell corners
    EXPECT_EQ(b.Pixel(4 + size.cx - 1, 6 + size.cy - 1), clYellow);
    EXPECT_EQ(b.Pixel(3, 6), clWhite);                                   // just outside
    EXPECT_EQ(b.Pixel(4 + size.cx, 6), clWhite);
    EXPECT_EQ(b.Pixel(4, 6 + size.cy), clWhite);
    EXPECT_EQ(b.Pixel(4, 5), clWhite);
}

TEST(TextRenderer, UnderlineIsAFullColourLineBelowTheBaseline) {
    Font f = MakeFont("Arial", -11, true);
    Bitmap b = White(100, 30);
    const int baseline = 15;
    int width = DrawText(b, f, {10, baseline}, "a b", AtBaseline(clRed));
    int row = baseline + f.Metrics().underlineTop;
    EXPECT_GT(row, baseline);
    EXPECT_LT(row, baseline + f.Descent());
    // Full coverage blends to exactly the text colour, along the whole advance
    // (the blank included).
    for (int x = 10; x < 10 + width; ++x) EXPECT_EQ(b.Pixel(x, row), clRed) << x;
    EXPECT_EQ(b.Pixel(10 + width, row), clWhite);
    EXPECT_EQ(b.Pixel(9, row), clWhite);
}

TEST(TextRenderer, ClipRectangleAndRegionProtectEverythingOutside) {
    Font f = MakeFont("Arial", -12);
    Bitmap whole = White(100, 30);
    DrawText(whole, f, {2, 2}, kSample, TextStyle{});
    TRect clip(0, 0, 30, 30);
    ASSERT_GT(ChangedOutside(whole, clip), 0);  // the text does reach past the clip

    Bitmap clipped = White(100, 30);
    DrawText(clipped, f, {2, 2}, kSample, TextStyle{}, TextClip{clip, nullptr});
    EXPECT_EQ(ChangedOutside(clipped, clip), 0);
    EXPECT_EQ(ChangedInside(clipped, clip), ChangedInside(whole, clip));  // inside: as unclipped

    // A region of two separate strips, further cut by a rectangle.
    TRect strips[] = {TRect(0, 0, 20, 30), TRect(40, 0, 60, 30)};
    Region region = Region::FromRects(strips);
    Bitmap inRegion = White(100, 30);
    TextStyle opaque;
    opaque.background = clAqua;
    DrawText(inRegion, f, {2, 2}, kSample, opaque, TextClip{TRect(0, 0, 50, 30), &region});
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x)
            if (!(region.Contains(x, y) && x < 50)) {
                ASSERT_EQ(inRegion.Pixel(x, y), clWhite) << x << "," << y;
            }
    EXPECT_NE(inRegion.Pixel(45, 5), clWhite);  // the cell's fill inside both
}

TEST(TextRenderer, MaskGetsTheSameFootprintAsColour) {
    Font f = MakeFont("Tahoma", -11);
    Bitmap colour = White(90, 20);
    Bitmap mask = White(90, 20, PixelFormat::Mono1);
    DrawText(colour, f, {3, 3}, kSample, TextStyle{});
    DrawText(mask, f, {3, 3}, kSample, TextStyle{});
    // Black on white blends to 255 - coverage, so "at least half covered" is exactly
    // "darker than mid-grey" in the colour picture.
    int black = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 90; ++x) {
            EXPECT_EQ(mask.IsBlack(x, y), IsDark(colour, x, y)) << x << "," << y;
            black += mask.IsBlack(x, y);
        }
    EXPECT_GT(black, 30);
}

TEST(TextRenderer, RotatedTextReadsUpwardsFromItsTopLeft) {
    Font f = MakeFont("Arial", -12);
    Bitmap b = White(40, 120);
    const TPoint topLeft{6, 10};
    const char* text = "W.......";
    int width = DrawTextRotated90(b, f, topLeft, text, TextStyle{});
    EXPECT_EQ(width, f.TextWidth(text));
    TRect cell = TRect::FromSize(topLeft.X, topLeft.Y, f.Height(), width);
    EXPECT_EQ(ChangedOutside(b, cell), 0);
    TRect ink = InkBox(b);
    EXPECT_GT(ink.Height(), ink.Width());
    // The text starts at the bottom: the heavy W fills the lowest stretch of the cell,
    // the same stretch at the top holds only dots.
    int w = f.TextWidth("W");
    int bottom = ChangedInside(b, TRect(0, topLeft.Y + width - w, 40, topLeft.Y + width));
    int top = ChangedInside(b, TRect(0, topLeft.Y, 40, topLeft.Y + w));
    EXPECT_GT(bottom, 3 * top);
    EXPECT_GT(top, 0);
    // The cell's top edge is on the left: the dots sit on the baseline, so their ink lies
    // just left of the baseline's column.
    int baselineColumn = topLeft.X + f.Ascent();
    TRect dots = InkBox([&] {
        Bitmap part = White(40, 120);
        Copy(part, 0, 0, b);
        for (int y = topLeft.Y + width / 2; y < 120; ++y)  // keep the upper half: dots only
            for (int x = 0; x < 40; ++x) part.SetPixel(x, y, clWhite);
        return part;
    }());
    EXPECT_LE(dots.Right, baselineColumn);
    EXPECT_GE(dots.Left, baselineColumn - 3);
}

TEST(TextRenderer, BoxTextIsCentredShortenedAndClipped) {
    Font f = MakeFont("Tahoma", -11);
    Bitmap b = White(200, 60);
    TRect box(10, 10, 70, 50);  // 60 x 40
    const char* text = "Datentraeger mit einem sehr langen Namen";
    DrawTextInBox(b, f, box, text, TextStyle{}, TextBoxFlags{true, true});
    EXPECT_EQ(ChangedOutside(b, box), 0);
    TRect ink = InkBox(b);
    int top = 10 + (40 - f.Height()) / 2;
    EXPECT_GE(ink.Top, top);
    EXPECT_LE(ink.Bottom, top + f.Height());
    // The dots end the line: ink near the right end of the shortened text.
    int shortened = f.TextWidth(EllipsizeText(f, text, box.Width()));
    EXPECT_LE(shortened, box.Width());
    EXPECT_GT(ChangedInside(b, TRect(10 + shortened - 3, top, 10 + shortened, top + f.Height())), 0);

    // A box lower than the font: centring goes above the box and the clip cuts it.
    Bitmap low = White(100, 30);
    TRect thin(5, 10, 95, 16);
    DrawTextInBox(low, f, thin, "Wg", TextStyle{}, TextBoxFlags{false, true});
    EXPECT_EQ(ChangedOutside(low, thin), 0);
    EXPECT_GT(ChangedInside(low, thin), 0);
}

TEST(TextRenderer, BadInputDrawsSafely) {
    Font f = MakeFont("Arial", -11);
    Bitmap b = White(50, 20);
    EXPECT_EQ(DrawText(b, f, {0, 0}, "", TextStyle{}), 0);
    DrawText(b, f, {INT_MAX, INT_MIN}, "far away", TextStyle{});
    DrawText(b, f, {-100000, 5}, "far left", TextStyle{});
    DrawTextRotated90(b, f, {INT_MIN, INT_MAX}, "far", TextStyle{});
    DrawTextInBox(b, f, TRect(30, 30, 10, 10), "inverted box", TextStyle{}, TextBoxFlags{true, true});
    EXPECT_EQ(ChangedInside(b, b.Bounds()), 0);
    // Invalid UTF-8 draws replacement glyphs, like the measure says.
    int advance = DrawText(b, f, {0, 0}, "\xC3\x28\xFF", TextStyle{});
    EXPECT_EQ(advance, f.TextWidth("\xC3\x28\xFF"));
    Bitmap empty;
    DrawText(empty, f, {0, 0}, "nothing to draw on", TextStyle{});
    Font huge = MakeFont("Arial", -100000);
    Bitmap small = White(8, 8);
    DrawText(small, huge, {-3, -400}, "W", TextStyle{});  // one giant glyph, mostly clipped
    SUCCEED();
}
