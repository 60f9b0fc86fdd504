#include <gtest/gtest.h>

#include "ChartTestSupport.h"
#include "chart/MarkupRenderer.h"

using namespace chart;

namespace {

struct Surface {
    Surface(int w = 300, int h = 80) : bitmap(w, h), canvas(bitmap) {
        bitmap.Fill(clWhite);
        canvas.SetFont(charttest::Font14());
        canvas.SetFontColor(clBlack);
        canvas.Brush().style = gfx::BrushStyle::Clear;
    }
    gfx::Bitmap bitmap;
    gfx::Canvas canvas;
};

int Width(const gfx::FontSpec& fontSpec, const char* text) { return gfx::Font(fontSpec).TextWidth(text); }

gfx::FontSpec Bold14() {
    gfx::FontSpec s = charttest::Font14();
    s.bold = true;
    return s;
}

// Counts pixels of a colour in a rectangle.
int Count(const gfx::Bitmap& b, const TRect& r, TColor c) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) n += b.Pixel(x, y) == c;
    return n;
}

// Glyph edges are blended into the white ground, so text pixels are tinted rather than
// pure: count the pixels whose channel `main` (0 red, 1 green, 2 blue) clearly dominates.
int CountTinted(const gfx::Bitmap& b, const TRect& r, int main) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) {
            TColor c = b.Pixel(x, y);
            int ch[3] = {base::GetRValue(c), base::GetGValue(c), base::GetBValue(c)};
            n += ch[main] > ch[(main + 1) % 3] + 80 && ch[main] > ch[(main + 2) % 3] + 80;
        }
    return n;
}

// Dark grey or black text pixels.
int CountDark(const gfx::Bitmap& b, const TRect& r) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) {
            TColor c = b.Pixel(x, y);
            n += base::GetRValue(c) < 100 && base::GetRValue(c) == base::GetGValue(c) &&
                 base::GetGValue(c) == base::GetBValue(c);
        }
    return n;
}

// The lowest row in a column range holding any non-white pixel; -1 when none.
int LowestInk(const gfx::Bitmap& b, int x0, int x1) {
    for (int y = b.Height() - 1; y >= 0; --y)
        for (int x = x0; x < x1; ++x)
            if (b.Pixel(x, y) != clWhite) return y;
    return -1;
}

}  // namespace

TEST(Markup, LineBreakMeasuresTheWiderLineAndBothHeights) {
    Surface s;
    TPoint size = MeasureMarkup(s.canvas, "Frei<br>25%");
    EXPECT_EQ(size.X, std::max(Width(charttest::Font14(), "Frei"), Width(charttest::Font14(), "25%")));
    EXPECT_EQ(size.Y, 28);
    EXPECT_EQ(MeasureMarkup(s.canvas, ""), (TPoint{0, 14}));  // an empty text is one empty line
}

TEST(Markup, AlignmentAppliesToWholeLinesAndIsInherited) {
    Surface s;
    auto lines = LayoutMarkup(s.canvas, "<center>A<br>BBBB");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Alignment, htaCenter);
    EXPECT_EQ(lines[1].Alignment, htaCenter);

    lines = LayoutMarkup(s.canvas, "A<right>B");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Alignment, htaRight);
    const int w = Width(charttest::Font14(), "AB");
    EXPECT_EQ(lines[0].Width, w);
    TRect r(0, 0, 300, 20);
    RenderMarkup(s.canvas, "A<right>B", r, true);
    // The whole line, A included, sits at the right edge; the left stays white.
    EXPECT_EQ(Count(s.bitmap, {0, 0, 300 - w - 1, 20}, clWhite), (300 - w - 1) * 20);
    EXPECT_GT(300 * 20 - Count(s.bitmap, {300 - w, 0, 300, 20}, clWhite), 0);
}

TEST(Markup, StylesChangeRunsAndAreNotStacked) {
    Surface s;
    auto lines = LayoutMarkup(s.canvas, "<b>bold</b> plain");
    EXPECT_EQ(lines[0].Width, Width(Bold14(), "bold") + Width(charttest::Font14(), " plain"));
}

TEST(Markup, FontColourInAndOutOfQuotesAndRestoredByClosingTag) {
    for (const char* text : {"<FONT COLOR=#00FF00>x</font>y", "<font color=\"#00ff00\">x</FONT>y"}) {
        Surface s;
        s.canvas.SetFontColor(clRed);
        TRect r(0, 0, 300, 20);
        RenderMarkup(s.canvas, text, r, true);
        const int wx = Width(charttest::Font14(), "x");
        EXPECT_GT(CountTinted(s.bitmap, {0, 0, wx, 20}, 1), 0) << text;
        EXPECT_EQ(CountTinted(s.bitmap, {wx, 0, 300, 20}, 1), 0) << text;  // y is red again
        EXPECT_GT(CountTinted(s.bitmap, {wx, 0, 300, 20}, 0), 0) << text;
        EXPECT_EQ(s.canvas.FontColor(), clRed);  // the canvas is left as it was
    }
    Surface s;
    TRect r(0, 0, 300, 20);
    RenderMarkup(s.canvas, "<font color=green>x", r, true);  // names are not colours
    EXPECT_EQ(CountTinted(s.bitmap, {0, 0, 300, 20}, 1), 0);
    EXPECT_GT(CountDark(s.bitmap, {0, 0, 300, 20}), 0);
}

TEST(Markup, RunsOfDifferentSizesShareTheBaseline) {
    Surface s;
    gfx::FontSpec big = charttest::Font14();
    big.height = gfx::FontHeightFromPoints(20);
    auto lines = LayoutMarkup(s.canvas, "<font size=20>H</font>h");
    EXPECT_EQ(lines[0].Height, gfx::Font(big).Height());
    EXPECT_EQ(lines[0].Descent, std::max(gfx::Font(big).Descent(), gfx::Font(charttest::Font14()).Descent()));
    TRect r(0, 0, 300, 60);
    RenderMarkup(s.canvas, "<font size=20>H</font>h", r, true);
    const int wH = Width(big, "H");
    // Neither letter has a descender: both end on the baseline row.
    EXPECT_EQ(LowestInk(s.bitmap, 0, wH), LowestInk(s.bitmap, wH, wH + 12));
    EXPECT_GT(LowestInk(s.bitmap, 0, wH), 14);  // the line is as tall as the big font
}

TEST(Markup, OddAndBrokenTags) {
    Surface s;
    EXPECT_EQ(LayoutMarkup(s.canvas, "a<br/>b").size(), 1u);  // br/ is not br
    EXPECT_EQ(LayoutMarkup(s.canvas, "a< BR >b").size(), 2u);
    // An unterminated tag swallows the rest.
    EXPECT_EQ(MeasureMarkup(s.canvas, "ab<b cd").X, Width(charttest::Font14(), "ab"));
    // A tag takes at least one character, even a ">".
    EXPECT_EQ(MeasureMarkup(s.canvas, "a<>zz>c").X, Width(charttest::Font14(), "ac"));
    EXPECT_EQ(MeasureMarkup(s.canvas, "a</font></font>c").X, Width(charttest::Font14(), "ac"));
    EXPECT_EQ(MeasureMarkup(s.canvas, "<").X, 0);
    // A size that is not a number keeps the size.
    EXPECT_EQ(MeasureMarkup(s.canvas, "<font size=big>x").Y, 14);
}

TEST(Markup, ClosingFontTagGivesBackTheExactFont) {
    // The canvas font has a cell height (14) that no whole point size gives; after a size
    // change and its closing tag the text is measured with that same font again.
    Surface s;
    EXPECT_EQ(MeasureMarkup(s.canvas, "<font size=20></font>xyz"),
              (TPoint{Width(charttest::Font14(), "xyz"), 14}));
    // Nested fonts unwind one level per closing tag.
    auto lines = LayoutMarkup(s.canvas, "<font size=30><font size=10></font></font>x<br>y");
    EXPECT_EQ(lines[1].Height, 14);
}

TEST(Markup, EmptyFaceFallsBackAndSizeApplies) {
    Surface s;
    gfx::FontSpec twelve;
    twelve.name = "";
    twelve.height = gfx::FontHeightFromPoints(12);
    auto lines = LayoutMarkup(s.canvas, "<font face=\"\" size=12>x");
    EXPECT_EQ(lines[0].Height, std::max(14, gfx::Font(twelve).Height()));
    EXPECT_EQ(lines[0].Width, gfx::Font(twelve).TextWidth("x"));
}

TEST(HintWindow, NameAndShareShowOnTwoLines) {
    TSCHintWindow window;
    const std::string text = "name<br>37.5%";
    TPoint size = MeasureMarkup(window.Canvas(), text);
    window.ActivateHint(TRect::FromSize(0, 0, size.X + 8, size.Y + 2), text, {0, 0, 1000, 1000});
    EXPECT_EQ(window.BoundsRect().Height(), size.Y + 6);
    gfx::Bitmap picture = window.Render();
    const int lineHeight = size.Y / 2;
    const TColor back = base::ColorToRGB(clInfoBk);
    // Ink in the band of each line; the gap between the text lines' middles is not empty.
    auto inkRows = [&](int y0, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = 4; x < picture.Width() - 4; ++x) n += picture.Pixel(x, y) != back;
        return n;
    };
    EXPECT_GT(inkRows(2, 2 + lineHeight), 0);
    EXPECT_GT(inkRows(2 + lineHeight, 2 + 2 * lineHeight), 0);
    EXPECT_EQ(picture.Pixel(0, 0), base::ColorToRGB(clBtnHighlight));  // raised frame
    EXPECT_EQ(picture.Pixel(picture.Width() - 1, picture.Height() - 1), base::ColorToRGB(clBtnShadow));
}

TEST(HintWindow, StaysInsideTheDesktop) {
    TSCHintWindow window;
    window.ActivateHint({990, 990, 1050, 1020}, "x", {0, 0, 1000, 1000});
    EXPECT_EQ(window.BoundsRect(), TRect(940, 966, 1000, 1000));
    window.ActivateHint({-5, 10, 2000, 20}, "x", {0, 0, 1000, 1000});
    EXPECT_EQ(window.BoundsRect().Left, 0);  // never left of the desktop
}
