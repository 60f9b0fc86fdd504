#include "chart/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "os/LocaleFormats.h"

namespace chart {

namespace {

// Widths and precisions beyond these are clamped: no chart label needs more, and an
// absurd template must not allocate without bound.
constexpr int kMaxWidth = 256;
constexpr int kMaxFixedDecimals = 18;
constexpr int kMaxSignificant = 18;

std::optional<std::string> NonFinite(long double v) {
    if (std::isnan(v)) return std::string("NAN");
    if (std::isinf(v)) return std::string(v < 0 ? "-INF" : "INF");
    return std::nullopt;
}

// Decimal digits and exponent of |v| rounded to `digits` significant digits:
// |v| = 0.d1d2d3... x 10^(exponent + 1). Trailing zeros are removed.
struct Decimal {
    std::string digits;  // empty for zero
    int exponent = 0;    // of the first digit
    bool negative = false;
};

Decimal ToDecimal(long double v, int digits) {
    Decimal d;
    d.negative = std::signbit(v);
    if (v == 0) return d;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", digits - 1, std::fabs(v));
    std::string s(buf);
    size_t e = s.find('e');
    for (size_t i = 0; i < e; ++i)
        if (s[i] >= '0' && s[i] <= '9') d.digits += s[i];
    d.exponent = std::atoi(s.c_str() + e + 1);
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

std::string Scientific(const Decimal& d, const NumberSeparators& sep, int minExpDigits, bool plusSign) {
    std::string out = d.negative ? "-" : "";
    std::string digits = d.digits.empty() ? "0" : d.digits;
    out += digits[0];
    if (digits.size() > 1) out += sep.decimal + digits.substr(1);
    int exp = d.digits.empty() ? 0 : d.exponent;
    std::string e = std::to_string(std::abs(exp));
    while (int(e.size()) < minExpDigits) e.insert(e.begin(), '0');
    out += 'E';
    if (exp < 0) out += '-';
    else if (plusSign) out += '+';
    return out + e;
}

std::string General(long double v, int precision, const NumberSeparators& sep) {
    if (auto s = NonFinite(v)) return *s;
    Decimal d = ToDecimal(v, precision);
    if (d.digits.empty()) return "0";
    if (d.exponent >= precision || std::fabs(v) < 0.00001L) return Scientific(d, sep, 0, false);
    std::string out = d.negative ? "-" : "";
    if (d.exponent < 0) {
        out += "0" + sep.decimal + std::string(size_t(-d.exponent - 1), '0') + d.digits;
        return out;
    }
    size_t intDigits = size_t(d.exponent) + 1;
    std::string digits = d.digits;
    if (digits.size() <= intDigits) return out + digits + std::string(intDigits - digits.size(), '0');
    return out + digits.substr(0, intDigits) + sep.decimal + digits.substr(intDigits);
}

std::string GroupThousands(const std::string& intPart, const std::string& separator) {
    if (separator.empty()) return intPart;
    std::string out;
    int n = int(intPart.size());
    for (int i = 0; i < n; ++i) {
        out += intPart[size_t(i)];
        int left = n - 1 - i;
        if (left > 0 && left % 3 == 0) out += separator;
    }
    return out;
}

std::string Fixed(long double v, int decimals, bool grouped, const NumberSeparators& sep) {
    if (auto s = NonFinite(v)) return *s;
    // Beyond 18 integer digits a fixed form means nothing; fall back to the general one.
    if (std::fabs(v) >= 1e18L) return General(v, 15, sep);
    char buf[96];
    std::snprintf(buf, sizeof buf, "%.*Lf", decimals, v);
    std::string s(buf);
    bool negative = s[0] == '-';
    if (negative) s.erase(0, 1);
    size_t dot = s.find('.');
    std::string intPart = s.substr(0, dot);
    std::string frac = dot == std::string::npos ? "" : s.substr(dot + 1);
    if (negative && std::all_of(s.begin(), s.end(), [](char c) { return c == '0' || c == '.'; }))
        negative = false;  // "-0.00" is written as "0.00"
    std::string out = negative ? "-" : "";
    out += grouped ? GroupThousands(intPart, sep.thousands) : intPart;
    if (!frac.empty()) out += sep.decimal + frac;
    return out;
}

std::string Exponent(long double v, int precision, const NumberSeparators& sep) {
    if (auto s = NonFinite(v)) return *s;
    Decimal d = ToDecimal(v, precision);
    // The mantissa keeps all requested digits, the exponent at least three.
    std::string digits = d.digits.empty() ? "0" : d.digits;
    digits.resize(size_t(precision), '0');
    std::string out = d.negative ? "-" : "";
    out += digits[0];
    if (digits.size() > 1) out += sep.decimal + digits.substr(1);
    int exp = d.digits.empty() ? 0 : d.exponent;
    std::string e = std::to_string(std::abs(exp));
    while (e.size() < 3) e.insert(e.begin(), '0');
    return out + "E" + (exp < 0 ? "-" : "+") + e;
}

bool ReadNumber(std::string_view p, size_t& i, int& out) {
    if (i >= p.size() || p[i] < '0' || p[i] > '9') return false;
    long long n = 0;
    while (i < p.size() && p[i] >= '0' && p[i] <= '9') {
        n = std::min<long long>(n * 10 + (p[i] - '0'), 1'000'000);
        ++i;
    }
    out = int(n);
    return true;
}

// An empty decimal separator would glue integer and fraction digits together.
NumberSeparators Usable(const NumberSeparators& sep) {
    NumberSeparators s = sep;
    if (s.decimal.empty()) s.decimal = ".";
    return s;
}

}  // namespace

NumberSeparators LocaleNumberSeparators() {
    os::LocaleFormats f = os::QueryLocaleFormats();
    NumberSeparators sep;
    if (!f.decimalSeparator.empty()) sep.decimal = f.decimalSeparator;
    sep.thousands = f.thousandSeparator;
    return sep;
}

std::string FormatGeneral(long double value, const NumberSeparators& sep) {
    return General(value, 15, Usable(sep));
}

std::string FormatTemplate(std::string_view p, long double value, const NumberSeparators& given) {
    const NumberSeparators sep = Usable(given);
    std::string out;
    int nextArg = 0;
    size_t i = 0;
    while (i < p.size()) {
        if (p[i] != '%') {
            out += p[i++];
            continue;
        }
        ++i;
        if (i < p.size() && p[i] == '%') {
            out += '%';
            ++i;
            continue;
        }
        // [index ":"] ["-"] [width] ["." precision] type
        int index = nextArg;
        size_t save = i;
        int n = 0;
        if (ReadNumber(p, i, n) && i < p.size() && p[i] == ':') {
            index = n;
            ++i;
        } else {
            i = save;
        }
        bool leftJustify = false;
        if (i < p.size() && p[i] == '-') {
            leftJustify = true;
            ++i;
        }
        int width = 0;
        if (i < p.size() && p[i] == '*') return {};  // the width would be an integer argument
        ReadNumber(p, i, width);
        int precision = -1;
        if (i < p.size() && p[i] == '.') {
            ++i;
            if (i < p.size() && p[i] == '*') return {};
            precision = 0;
            ReadNumber(p, i, precision);
        }
        if (i >= p.size()) return {};
        char type = char(p[i] | 0x20);
        ++i;
        if (index != 0) return {};  // there is only one argument
        nextArg = index + 1;
        std::string text;
        switch (type) {
        case 'f': text = Fixed(value, std::min(precision < 0 ? 2 : precision, kMaxFixedDecimals), false, sep); break;
        case 'n':
        case 'm': text = Fixed(value, std::min(precision < 0 ? 2 : precision, kMaxFixedDecimals), true, sep); break;
        case 'e': text = Exponent(value, std::clamp(precision < 0 ? 15 : precision, 1, kMaxSignificant), sep); break;
        case 'g': text = General(value, std::clamp(precision < 0 ? 15 : precision, 1, kMaxSignificant), sep); break;
        default: return {};  // an integer, string, pointer or unknown conversion
        }
        width = std::min(width, kMaxWidth);
        if (int(text.size()) < width) {
            std::string pad(size_t(width) - text.size(), ' ');
            text = leftJustify ? text + pad : pad + text;
        }
        out += text;
    }
    return out;
}

std::string FormatPercentText(float percent, bool inParentheses, const NumberSeparators& given) {
    const NumberSeparators sep = Usable(given);
    std::string number;
    if (auto s = NonFinite(percent)) {
        number = *s;
    } else {
        number = Fixed(percent, 2, false, sep);
        // "0.##": at most two decimals, trailing zeros and a bare separator dropped.
        size_t dec = number.find(sep.decimal);
        if (dec != std::string::npos) {
            while (number.back() == '0') number.pop_back();
            if (number.size() == dec + sep.decimal.size()) number.erase(dec);
        }
    }
    std::string text = number + "%";
    return inParentheses ? "(" + text + ")" : text;
}

}  // namespace chart
