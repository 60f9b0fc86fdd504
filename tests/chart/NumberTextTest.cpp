#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "chart/NumberText.h"
#include "chart/TSCPie.h"

using namespace chart;

namespace {
const NumberSeparators kC{".", ""};
const NumberSeparators kGerman{",", "."};
}  // namespace

TEST(FormatValue, EmptyTemplateWritesTheWidenedFloatWithFifteenDigits) {
    TSCPie pie;
    pie.SetNumberSeparators(kC);
    EXPECT_EQ(pie.FormatValue(0.1f), "0.100000001490116");
    EXPECT_EQ(pie.FormatValue(12.0f), "12");
    EXPECT_EQ(pie.FormatValue(-2.5f), "-2.5");
    EXPECT_EQ(pie.FormatValue(0.0f), "0");
    EXPECT_EQ(pie.FormatValue(0x1p70f), "1.18059162071741E21");  // more than 15 integer digits
    EXPECT_EQ(FormatGeneral(1.5e20L, {".", ""}), "1.5E20");
    EXPECT_EQ(pie.FormatValue(0.00048828125f), "0.00048828125");
    EXPECT_EQ(pie.FormatValue(0x1p-20f), "9.5367431640625E-7");  // below 0.00001
    EXPECT_EQ(pie.FormatValue(123456789012345.0f), "123456788103168");
    pie.SetNumberSeparators(kGerman);
    EXPECT_EQ(pie.FormatValue(1234.5f), "1234,5");  // never grouped
}

TEST(FormatValue, TemplatesTakeOneFloatingPointArgument) {
    EXPECT_EQ(FormatTemplate("%.2f", 12.0L, kC), "12.00");
    EXPECT_EQ(FormatTemplate("%f", 1.0L / 3, kGerman), "0,33");
    EXPECT_EQ(FormatTemplate("%8.1n", 12.0L, kGerman), "    12,0");
    EXPECT_EQ(FormatTemplate("%8.1n", 1234567.0L, kGerman), "1.234.567,0");
    EXPECT_EQ(FormatTemplate("%-6.0f|", 3.0L, kC), "3     |");
    EXPECT_EQ(FormatTemplate("%g MB", 12.0L, kC), "12 MB");
    EXPECT_EQ(FormatTemplate("%e", 12.0L, kC), "1.20000000000000E+001");
    EXPECT_EQ(FormatTemplate("%.3e", -0.5L, kC), "-5.00E-001");
    EXPECT_EQ(FormatTemplate("%0:.1f of %0:.0f", 2.5L, kC), "2.5 of 2");
    EXPECT_EQ(FormatTemplate("100%% %.0f", 7.0L, kC), "100% 7");
    EXPECT_EQ(FormatTemplate("no conversion", 7.0L, kC), "no conversion");
}

TEST(FormatValue, TemplatesThatDoNotFitAFloatGiveEmptyTexts) {
    for (const char* bad : {"%d", "%s", "%x", "%u", "%p", "%", "%.", "%5", "%f %f", "%1:f", "%*f", "%.*f", "%q"})
        EXPECT_EQ(FormatTemplate(bad, 12.0L, kC), "") << bad;

    TSCPie pie;
    pie.SetValueFormat("%d");
    EXPECT_EQ(pie.FormatValue(12.0f), "");
}

TEST(FormatValue, AbsurdWidthsAndPrecisionsAreBounded) {
    EXPECT_LE(FormatTemplate("%999999999.999999f", 1.0L, kC).size(), 300u);
    EXPECT_EQ(FormatTemplate("%f", std::numeric_limits<long double>::infinity(), kC), "INF");
    EXPECT_EQ(FormatGeneral(std::nanl(""), kC), "NAN");
}

TEST(FormatPercent, PictureWithAtMostTwoDecimals) {
    TSCPie pie;
    pie.SetNumberSeparators(kC);
    EXPECT_EQ(pie.FormatPercent(12.5f, false), "12.5%");
    EXPECT_EQ(pie.FormatPercent(100.0f, false), "100%");
    EXPECT_EQ(pie.FormatPercent(33.333f, true), "(33.33%)");
    EXPECT_EQ(pie.FormatPercent(0.0f, false), "0%");
    EXPECT_EQ(pie.FormatPercent(99.999f, false), "100%");  // rounds up, no ".00"
    EXPECT_EQ(pie.FormatPercent(0.004f, false), "0%");
    pie.SetNumberSeparators(kGerman);
    EXPECT_EQ(pie.FormatPercent(37.5f, false), "37,5%");
}

TEST(FormatValue, SeparatorsComeFromTheLocale) {
    // Pinned: the C locale writes "." and groups nothing.
    const char* before = std::getenv("LC_ALL");
    const std::string saved = before ? before : "";
    setenv("LC_ALL", "C", 1);
    TSCPie pie;
    EXPECT_EQ(pie.FormatValue(1234.5f), "1234.5");
    EXPECT_EQ(pie.FormatPercent(37.5f, true), "(37.5%)");
    pie.SetValueFormat("%.1n");
    EXPECT_EQ(pie.FormatValue(1234.5f), "1234.5");
    if (before) setenv("LC_ALL", saved.c_str(), 1);
    else unsetenv("LC_ALL");
}
