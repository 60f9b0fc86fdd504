#include <gtest/gtest.h>

#include <string>

#include "base/Encoding.h"

TEST(Encoding, Cp1252ToUtf8MapsTheSpecialRange) {
    EXPECT_EQ(base::Cp1252ToUtf8("Gr\xF6\xDF" "e"), "Größe");
    EXPECT_EQ(base::Cp1252ToUtf8("\x80"), "€");
    EXPECT_EQ(base::Cp1252ToUtf8("\x85"), "…");
    EXPECT_EQ(base::Cp1252ToUtf8("\x9F"), "Ÿ");
}

TEST(Encoding, EveryByteRoundTrips) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(base::Utf8ToCp1252(base::Cp1252ToUtf8(all)), all);
}

TEST(Encoding, UnrepresentableAndMalformedBecomeQuestionMarks) {
    EXPECT_EQ(base::Utf8ToCp1252("Größe €"), "Gr\xF6\xDF" "e \x80");
    EXPECT_EQ(base::Utf8ToCp1252("a\xE2\x82"), "a??");  // truncated sequence
    EXPECT_EQ(base::Utf8ToCp1252("日本"), "??");
    EXPECT_EQ(base::Utf8ToCp1252("\xC0\xAF"), "??");  // overlong form of '/'
    EXPECT_EQ(base::Utf8ToCp1252("\xED\xA0\x80"), "???");  // surrogate half
}

TEST(Encoding, BoundariesNeverSplitASequence) {
    std::string s = "aö€b";  // 1 + 2 + 3 + 1 bytes
    EXPECT_EQ(base::Utf8Length(s), 4u);
    EXPECT_EQ(base::Utf8FloorBoundary(s, 2), 1u);  // inside "ö"
    EXPECT_EQ(base::Utf8FloorBoundary(s, 3), 3u);
    EXPECT_EQ(base::Utf8FloorBoundary(s, 5), 3u);  // inside "€"
    EXPECT_EQ(base::Utf8FloorBoundary(s, 100), s.size());
    EXPECT_EQ(base::Utf8PrevBoundary(s, 6), 3u);
    EXPECT_EQ(base::Utf8PrevBoundary(s, 3), 1u);
    EXPECT_EQ(base::Utf8PrevBoundary(s, 0), 0u);
    size_t pos = 1;
    EXPECT_EQ(base::Utf8Next(s, pos), U'ö');
    EXPECT_EQ(pos, 3u);
}
