#pragma once
// The chart's number texts: values (general form or a printf-like template with one
// floating-point argument) and percentages (picture "0.##").
//
// Templates are interpreted here, never handed to the C library: a template that does
// not fit one floating-point argument yields the empty text.

#include <string>
#include <string_view>

namespace chart {

struct NumberSeparators {
    std::string decimal = ".";
    std::string thousands;  // may be empty: no grouping
};

// The user's separators from the locale the environment names.
NumberSeparators LocaleNumberSeparators();

// Up to 15 significant digits, trailing zeros dropped, scientific (1.5E20, 1E-6) below
// 0.00001 in magnitude or from 15 integer digits on. NaN and infinities as NAN, INF, -INF.
std::string FormatGeneral(long double value, const NumberSeparators& sep);

// Applies `pattern` to the one argument. Conversions: f (fixed), n (fixed with thousands
// separators), m (as n), e (scientific, precision = significant digits), g (general),
// each with optional "-", width, ".precision" and an argument index "0:". "%%" is a
// percent sign. Anything else (%d, %s, %x, a second argument, a broken conversion)
// makes the whole result empty.
std::string FormatTemplate(std::string_view pattern, long double value, const NumberSeparators& sep);

// "0.##" followed by "%", optionally in parentheses: 12.5%, 100%, (33.33%).
std::string FormatPercentText(float percent, bool inParentheses, const NumberSeparators& sep);

}  // namespace chart
