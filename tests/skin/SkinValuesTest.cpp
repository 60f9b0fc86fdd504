#include <gtest/gtest.h>

#include "skin/SkinIniFile.h"
#include "skin/SkinValues.h"

using namespace skin;

TEST(SkinValues, RectAndPointFieldsCollectDigitsOnly) {
    EXPECT_EQ(ParseSkinRect(" 5 , 24,157 ,135 "), TRect(5, 24, 157, 135));
    EXPECT_EQ(ParseSkinPoint("-3,7"), TPoint(3, 7));
    EXPECT_EQ(ParseSkinPoint("x1y2,3"), TPoint(12, 3));
    // Fields beyond the fourth (second) are ignored.
    EXPECT_EQ(ParseSkinRect("1,2,3,4,5"), TRect(1, 2, 3, 4));
    EXPECT_EQ(ParseSkinPoint("1,2,3"), TPoint(1, 2));
}

TEST(SkinValues, FieldWithoutDigitsIsAConversionError) {
    EXPECT_THROW(ParseSkinRect("1,,3,4"), SkinConvertError);
    EXPECT_THROW(ParseSkinRect("1,2,3"), SkinConvertError);  // fourth field missing
    EXPECT_THROW(ParseSkinPoint("-,2"), SkinConvertError);
    EXPECT_THROW(ParseSkinPoint(""), SkinConvertError);
    // A number beyond the integer range cannot be converted either.
    EXPECT_THROW(ParseSkinPoint("99999999999,1"), SkinConvertError);
    try {
        ParseSkinPoint(",1");
    } catch (const SkinConvertError& e) {
        EXPECT_STREQ(e.what(), "'' ist kein gültiger Integerwert");
    }
}

TEST(SkinValues, BooleansAreTrueOnlyForOne) {
    SkinIniFile ini({"[S]", "a=1", "b=2", "c=yes", "d=0", "e=true"});
    SkinSectionReader r(ini, "S");
    EXPECT_TRUE(r.Boolean("a"));
    EXPECT_FALSE(r.Boolean("b"));
    EXPECT_FALSE(r.Boolean("c"));
    EXPECT_FALSE(r.Boolean("d"));
    EXPECT_FALSE(r.Boolean("e"));
    EXPECT_FALSE(r.Boolean("absent"));
}

TEST(SkinValues, FontStylesBySubstringWithCaseAsWritten) {
    TFontStyles both = ParseFontStyles("fsitalic fsbold");
    EXPECT_TRUE(both.bold);
    EXPECT_TRUE(both.italic);
    EXPECT_FALSE(both.underline);
    EXPECT_EQ(ParseFontStyles("FSITALIC FSBOLD"), TFontStyles{});
    TFontStyles lines = ParseFontStyles("[fsunderline;fsstrikeout]");
    EXPECT_TRUE(lines.underline);
    EXPECT_TRUE(lines.strikeOut);
    EXPECT_FALSE(lines.bold);
}

TEST(SkinValues, AlignmentMorphEffectAndCommandWords) {
    EXPECT_EQ(ParseAlignment("tacenter"), taCenter);
    EXPECT_EQ(ParseAlignment("taleftjustify"), taLeftJustify);
    EXPECT_EQ(ParseAlignment("taCenter"), taRightJustify);
    EXPECT_EQ(ParseAlignment("tarightjustify"), taRightJustify);
    SkinIniFile ini({"[S]"});
    EXPECT_EQ(SkinSectionReader(ini, "S").Alignment("alignment"), taCenter);

    EXPECT_EQ(ParseMorphKind("mkpush"), mkPush);
    EXPECT_EQ(ParseMorphKind("mkleftslide"), mkLeftSlide);
    EXPECT_EQ(ParseMorphKind("mkPush"), mkDefault);
    EXPECT_EQ(ParseInactiveEffect("ieinvert"), ieInvert);
    EXPECT_EQ(ParseInactiveEffect("iegrayscale"), ieGrayscale);
    EXPECT_EQ(ParseInactiveEffect("iefade"), ieBrightness);

    EXPECT_EQ(ParseStdCommand("cmclose"), cmClose);
    EXPECT_EQ(ParseStdCommand("cmsysmenu"), cmSysMenu);
    EXPECT_EQ(ParseStdCommand("cmminimizetotray"), cmRollUp);
    EXPECT_EQ(ParseStdCommand("cmdefault"), cmDefault);
}

TEST(SkinValues, IntegersFallBackToTheirDefault) {
    SkinIniFile ini({"[S]", "a=42", "b=-7", "c=12px", "d=", "e=$FF", "f= 3", "g=3 "});
    SkinSectionReader r(ini, "S");
    EXPECT_EQ(r.Integer("a"), 42);
    EXPECT_EQ(r.Integer("b"), -7);
    EXPECT_EQ(r.Integer("c", -1), -1);
    EXPECT_EQ(r.Integer("d", 14), 14);
    EXPECT_EQ(r.Integer("e"), 255);
    EXPECT_EQ(r.Integer("f"), 3);
    EXPECT_EQ(r.Integer("g", 9), 9);
    EXPECT_EQ(r.Integer("absent", 14), 14);
}

TEST(SkinIniFile, SectionsKeysAndLines) {
    std::vector<std::string> lines = SplitLines("[A]\r\nk=v=w\nK2 = x \r[a]\nk=second\nlast=1");
    ASSERT_EQ(lines.size(), 6u);
    SkinIniFile ini(lines);
    // The value is everything after the first "=", blanks kept; names ignore case.
    EXPECT_EQ(ini.ReadString("a", "K", ""), "v=w");
    EXPECT_EQ(ini.ReadString("A", "k2", ""), " x ");
    // The first section of a name wins.
    EXPECT_EQ(ini.ReadString("A", "last", "none"), "none");
    EXPECT_FALSE(ini.SectionExists("B"));
    EXPECT_EQ(SplitLines("a\r\n").size(), 1u);
    EXPECT_EQ(SplitLines("a\r\n\r\nb").size(), 3u);
}
