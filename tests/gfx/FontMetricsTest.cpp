#include <gtest/gtest.h>

#include <climits>

#include "gfx/Font.h"
#include "gfx/FontCache.h"
#include "gfx/FontMatcher.h"

using gfx::Font;
using gfx::FontSpec;

namespace {
FontSpec FaceOf(const char* name, int height, bool bold = false) {
    FontSpec s;
    s.name = name;
    s.height = height;
    s.bold = bold;
    return s;
}
}  // namespace

TEST(FontMetrics, PointSizesFollowTheClassicConversion) {
    EXPECT_EQ(gfx::FontHeightFromPoints(8), -11);   // 10.67 rounds to 11
    EXPECT_EQ(gfx::FontHeightFromPoints(9), -12);
    EXPECT_EQ(gfx::FontHeightFromPoints(10), -13);  // 13.33
    EXPECT_EQ(gfx::FontHeightFromPoints(20), -27);  // 26.67
}

TEST(FontMetrics, EmHeightGivesACellWithDescentBelowTheBaseline) {
    Font arial(FaceOf("Arial", -11));
    gfx::TextSize wg = arial.TextExtent("Wg");
    EXPECT_GE(wg.cy, 11);  // at least the em
    EXPECT_LE(wg.cy, 16);
    EXPECT_GT(arial.Descent(), 0);  // room for the g's tail
    EXPECT_EQ(arial.Height(), arial.Ascent() + arial.Descent());
    EXPECT_GT(wg.cx, 0);
    // Tahoma 8 pt: the 13-pixel cell (11 up, 2 down) dialogs are laid out for.
    Font tahoma(FaceOf("Tahoma", -11));
    EXPECT_EQ(tahoma.Ascent(), 11);
    EXPECT_EQ(tahoma.Descent(), 2);
    EXPECT_EQ(tahoma.InternalLeading(), 2);
}

TEST(FontMetrics, CellHeightIsKeptExactly) {
    // Positive heights name the cell; the descent takes up what rounding the ascent
    // leaves, so the cell is never off by one.
    for (const char* name : {"Arial", "Verdana", "Tahoma", "Courier New", "Times New Roman"}) {
        for (int h : {9, 13, 16, 27}) {
            Font f(FaceOf(name, h));
            EXPECT_EQ(f.Height(), h) << name << " " << h;
            EXPECT_LT(f.Metrics().emPixels, h) << name;  // the em excludes the leading
        }
    }
}

TEST(FontMetrics, AbsurdHeightsAreClampedNotFatal) {
    Font byDefault(FaceOf("Arial", 0));
    EXPECT_EQ(byDefault.Attributes().height, gfx::kDefaultFontHeight);
    EXPECT_EQ(byDefault.Height(), Font(FaceOf("Arial", gfx::kDefaultFontHeight)).Height());
    for (int h : {-100000, 100000, INT_MIN, INT_MAX, 1, -1}) {
        Font f(FaceOf("Arial", h));
        EXPECT_GE(f.Height(), 0) << h;
        EXPECT_LE(f.Height(), 2 * gfx::kMaxFontHeight) << h;
        EXPECT_GE(f.TextWidth("x"), 0);
    }
    EXPECT_EQ(Font(FaceOf("Arial", 100000)).Height(), gfx::kMaxFontHeight);
}

TEST(FontMetrics, BoldIsWiderThanRegular) {
    const char* text = "Speicherplatz belegt";
    // Arial's and Verdana's bold faces are real; Tahoma's is synthesised.
    for (const char* name : {"Arial", "Tahoma", "Verdana"})
        EXPECT_GT(Font(FaceOf(name, -11, true)).TextWidth(text),
                  Font(FaceOf(name, -11)).TextWidth(text))
            << name;
    // Synthesised bold widens each glyph by a pixel at text sizes.
    auto file = gfx::FontMatcher::Shared().Match("Tahoma", false, false);
    ASSERT_TRUE(file.has_value());
    auto regular = gfx::FontCache::Shared().Face(*file, -11, false, false);
    auto emboldened = gfx::FontCache::Shared().Face(*file, -11, true, false);
    uint32_t i = regular->GlyphIndex(U'i');
    EXPECT_EQ(emboldened->GetGlyph(i)->advance, regular->GetGlyph(i)->advance + 1);
    EXPECT_GT(emboldened->GetGlyph(i)->width, regular->GetGlyph(i)->width);
}

TEST(FontMetrics, WidthsAddUpCharacterByCharacter) {
    // No kerning: a line is as wide as its parts, which shortening and run layout use.
    Font f(FaceOf("Arial", -12));
    EXPECT_EQ(f.TextWidth("Größe frei"), f.TextWidth("Grö") + f.TextWidth("ße frei"));
    EXPECT_EQ(f.TextWidth(""), 0);
    EXPECT_EQ(f.TextExtent("").cy, f.Height());
}

TEST(FontMetrics, BadAndUnusualTextMeasuresSafely) {
    Font f(FaceOf("Arial", -11));
    // A stray byte is one replacement character, as is a truncated sequence.
    int replacement = f.TextWidth("\xEF\xBF\xBD");
    EXPECT_GT(replacement, 0);
    EXPECT_EQ(f.TextWidth("\xFF"), replacement);
    EXPECT_EQ(f.TextWidth("a\xC3"), f.TextWidth("a") + replacement);
    // Control characters take no room.
    EXPECT_EQ(f.TextWidth("a\tb\r\n"), f.TextWidth("ab"));
    // A character the face lacks still takes room (another face or the missing glyph).
    EXPECT_GT(Font(FaceOf("Tahoma", -11)).TextWidth("\u21D2"), 0);
}

TEST(FontMetrics, RunsOfDifferentSizesShareABaseline) {
    // What a marked-up line needs: per-run width, ascent and descent.
    Font small(FaceOf("Arial", gfx::FontHeightFromPoints(8)));
    Font big(FaceOf("Arial", gfx::FontHeightFromPoints(20)));
    EXPECT_GT(big.Ascent(), small.Ascent());
    EXPECT_GT(big.Descent(), small.Descent());
    EXPECT_GT(big.TextWidth("Big"), small.TextWidth("Big"));
}
