#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <string>

#include "gfx/FontMatcher.h"

using gfx::FontMatcher;

namespace {

struct Expected {
    const char* name;
    const char* family;
    const char* fileStart;  // the folder the face must come from
};

// The names the program's layouts use and where they must end up.
const Expected kAliases[] = {
    {"Arial", "Liberation Sans", "/usr/share/fonts/"},
    {"Times New Roman", "Liberation Serif", "/usr/share/fonts/"},
    {"Courier New", "Liberation Mono", "/usr/share/fonts/"},
    {"Verdana", "DejaVu Sans", "/usr/share/fonts/"},
    {"Tahoma", "Tahoma", "/usr/share/wine/fonts/"},
    {"MS Sans Serif", "Tahoma", "/usr/share/wine/fonts/"},
    {"System", "Tahoma", "/usr/share/wine/fonts/"},
    {"Courier", "Liberation Mono", "/usr/share/fonts/"},
};

bool IsDefaultSans(const std::string& family) {
    return family == "DejaVu Sans" || family == "Liberation Sans";
}

}  // namespace

TEST(FontMatcher, ClassicNamesResolveToInstalledFaces) {
    FontMatcher& m = FontMatcher::Shared();
    for (const Expected& e : kAliases) {
        SCOPED_TRACE(e.name);
        auto file = m.Match(e.name, false, false);
        ASSERT_TRUE(file.has_value());
        EXPECT_EQ(file->family, e.family);
        EXPECT_TRUE(std::filesystem::is_regular_file(file->path)) << file->path;
        EXPECT_EQ(file->path.rfind(e.fileStart, 0), 0u) << file->path;
        EXPECT_FALSE(file->isBold);
        EXPECT_FALSE(file->isItalic);
        // Marked-up text names faces in small letters.
        std::string lowered = e.name;
        for (char& c : lowered) c = char(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(m.Match(lowered, false, false)->path, file->path);
    }
}

TEST(FontMatcher, UnknownAndEmptyNamesGiveTheDefaultSansFace) {
    FontMatcher& m = FontMatcher::Shared();
    auto unknown = m.Match("NoSuchFont", false, false);
    ASSERT_TRUE(unknown.has_value());
    EXPECT_TRUE(IsDefaultSans(unknown->family)) << unknown->family;
    // The markup's face="" must not leave the program without a font.
    auto empty = m.Match("", false, false);
    ASSERT_TRUE(empty.has_value());
    EXPECT_EQ(empty->path, unknown->path);
}

TEST(FontMatcher, StylesPickRealFacesWhereTheFamilyHasThem) {
    FontMatcher& m = FontMatcher::Shared();
    auto arialBoldItalic = m.Match("Arial", true, true);
    ASSERT_TRUE(arialBoldItalic.has_value());
    EXPECT_TRUE(arialBoldItalic->isBold);
    EXPECT_TRUE(arialBoldItalic->isItalic);
    EXPECT_NE(arialBoldItalic->path, m.Match("Arial", false, false)->path);

    // Tahoma has no italic, and its bold file is left out (regular-weight outlines):
    // the regular face comes back, marked upright and regular, so the caller knows to
    // slant and embolden it.
    auto tahomaBoldItalic = m.Match("Tahoma", true, true);
    ASSERT_TRUE(tahomaBoldItalic.has_value());
    EXPECT_EQ(tahomaBoldItalic->path, "/usr/share/wine/fonts/tahoma.ttf");
    EXPECT_FALSE(tahomaBoldItalic->isBold);
    EXPECT_FALSE(tahomaBoldItalic->isItalic);
}

TEST(FontMatcher, CharacterFallbackFindsAFaceThatHasIt) {
    FontMatcher& m = FontMatcher::Shared();
    // Tahoma (from fonts-wine) has no arrows; DejaVu Sans does.
    auto arrow = m.MatchCharacter("Tahoma", false, false, U'\u21D2');
    ASSERT_TRUE(arrow.has_value());
    EXPECT_NE(arrow->path, m.Match("Tahoma", false, false)->path);
    // A private-use code point no installed face covers.
    EXPECT_FALSE(m.MatchCharacter("Tahoma", false, false, U'\U0010FFFD').has_value());
}

TEST(FontMatcher, BuiltInRulesResolveLikeTheConfigurationFile) {
    // The repository's configuration file, found from the test data folder beside it.
    auto repo = std::filesystem::path(VELMORA_TEST_DATA).parent_path().parent_path();
    FontMatcher fromFile((repo / "assets/fonts/fonts.conf").string());
    FontMatcher builtIn("/nonexistent/fonts.conf");
    EXPECT_NE(fromFile.ConfigSource(), "built-in");
    EXPECT_EQ(builtIn.ConfigSource(), "built-in");
    for (const Expected& e : kAliases) {
        SCOPED_TRACE(e.name);
        for (bool bold : {false, true}) {
            auto a = fromFile.Match(e.name, bold, false);
            auto b = builtIn.Match(e.name, bold, false);
            ASSERT_TRUE(a.has_value() && b.has_value());
            EXPECT_EQ(a->path, b->path);
        }
    }
    EXPECT_EQ(fromFile.Match("NoSuchFont", false, false)->path,
              builtIn.Match("NoSuchFont", false, false)->path);
}
