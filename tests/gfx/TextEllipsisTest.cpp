#include <gtest/gtest.h>

#include <string>

#include "base/Encoding.h"
#include "gfx/TextEllipsis.h"

using gfx::EllipsizeText;
using gfx::Font;

namespace {
Font Arial11() {
    gfx::FontSpec s;
    s.name = "Arial";
    s.height = -11;
    return Font(s);
}

bool EndsWithDots(const std::string& s) { return s.size() >= 3 && s.compare(s.size() - 3, 3, "...") == 0; }

// Valid UTF-8 decodes without a single replacement character.
bool IsValidUtf8(const std::string& s) {
    size_t pos = 0;
    while (pos < s.size())
        if (base::Utf8Next(s, pos) == U'\uFFFD') return false;
    return true;
}
}  // namespace

TEST(TextEllipsis, TextThatFitsIsLeftAlone) {
    Font f = Arial11();
    std::string text = "C: 12,5 GB frei";
    EXPECT_EQ(EllipsizeText(f, text, f.TextWidth(text)), text);  // exactly fits
    EXPECT_EQ(EllipsizeText(f, "", 0), "");
}

TEST(TextEllipsis, LongTextIsCutToTheLongestStartThatFits) {
    Font f = Arial11();
    std::string text = "Lokaler Datentraeger mit langem Namen";
    int width = f.TextWidth(text) / 2;
    std::string shortened = EllipsizeText(f, text, width);
    EXPECT_TRUE(EndsWithDots(shortened));
    EXPECT_LE(f.TextWidth(shortened), width);
    std::string kept = shortened.substr(0, shortened.size() - 3);
    EXPECT_EQ(text.compare(0, kept.size(), kept), 0);  // a start of the text
    // One more character would not have fitted.
    std::string longer = text.substr(0, kept.size() + 1) + "...";
    EXPECT_GT(f.TextWidth(longer), width);
}

TEST(TextEllipsis, MultiByteCharactersAreNeverSplit) {
    Font f = Arial11();
    std::string text = "Größe äöü ÄÖÜ ß";
    for (int width = 0; width <= f.TextWidth(text); ++width) {
        std::string s = EllipsizeText(f, text, width);
        SCOPED_TRACE(width);
        EXPECT_TRUE(IsValidUtf8(s)) << s;
        if (s == text) continue;
        EXPECT_TRUE(EndsWithDots(s));
        // Only "..." alone may be wider than the box (nothing fits then).
        if (s != "...") {
            EXPECT_LE(f.TextWidth(s), width);
        }
    }
    EXPECT_EQ(EllipsizeText(f, text, 1), "...");
    EXPECT_EQ(EllipsizeText(f, text, -50), "...");
}
