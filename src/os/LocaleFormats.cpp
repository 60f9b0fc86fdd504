#include "os/LocaleFormats.h"

#include <langinfo.h>
#include <locale.h>

#include <array>

namespace os {
namespace {

constexpr const char* kGermanDate = "%d.%m.%Y";
constexpr const char* kGermanTime = "%H:%M:%S";

bool IsNeutralLocale(const char* name) {
    if (!name) return true;
    std::string n = name;
    return n.empty() || n == "C" || n == "POSIX" || n == "C.UTF-8" || n == "C.utf8";
}

// Expands the shorthand conversions the locale data uses inside its formats.
std::string Expand(const std::string& format, locale_t locale) {
    std::string out;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 >= format.size()) {
            out += format[i];
            continue;
        }
        char c = format[++i];
        switch (c) {
        case 'T': out += "%H:%M:%S"; break;
        case 'R': out += "%H:%M"; break;
        case 'D': out += "%m/%d/%y"; break;
        case 'F': out += "%Y-%m-%d"; break;
        case 'r': out += locale ? nl_langinfo_l(T_FMT_AMPM, locale) : "%I:%M:%S %p"; break;
        default: out += '%'; out += c;
        }
    }
    return out;
}

std::string Format(const std::string& format, const std::string& localeName, const std::tm& time) {
    std::array<char, 256> buffer{};
    size_t n = 0;
    if (locale_t locale = newlocale(LC_TIME_MASK, localeName.c_str(), static_cast<locale_t>(nullptr))) {
        n = strftime_l(buffer.data(), buffer.size(), format.c_str(), &time, locale);
        freelocale(locale);
    } else {
        n = std::strftime(buffer.data(), buffer.size(), format.c_str(), &time);
    }
    return std::string(buffer.data(), n);
}

}  // namespace

std::string LocaleFormats::FormatShortDate(const std::tm& time) const {
    return Format(shortDateFormat, timeLocaleName, time);
}
std::string LocaleFormats::FormatLongTime(const std::tm& time) const {
    return Format(longTimeFormat, timeLocaleName, time);
}

LocaleFormats QueryLocaleFormats() { return QueryLocaleFormats(""); }

LocaleFormats QueryLocaleFormats(const std::string& localeName) {
    LocaleFormats formats{kGermanDate, kGermanTime, ".", "", "C"};
    locale_t timeLocale = newlocale(LC_TIME_MASK, localeName.c_str(), static_cast<locale_t>(nullptr));
    if (timeLocale) {
        // The name the locale was actually loaded under tells whether one was chosen.
        const char* name = nl_langinfo_l(_NL_LOCALE_NAME(LC_TIME), timeLocale);
        if (!IsNeutralLocale(name)) {
            std::string date = Expand(nl_langinfo_l(D_FMT, timeLocale), timeLocale);
            std::string time = Expand(nl_langinfo_l(T_FMT, timeLocale), timeLocale);
            if (!date.empty()) formats.shortDateFormat = date;
            if (!time.empty()) formats.longTimeFormat = time;
            formats.timeLocaleName = name;
        }
        freelocale(timeLocale);
    }
    locale_t numericLocale = newlocale(LC_NUMERIC_MASK, localeName.c_str(), static_cast<locale_t>(nullptr));
    if (numericLocale) {
        const char* decimal = nl_langinfo_l(RADIXCHAR, numericLocale);
        const char* thousands = nl_langinfo_l(THOUSEP, numericLocale);
        if (decimal && *decimal) formats.decimalSeparator = decimal;
        formats.thousandSeparator = thousands ? thousands : "";
        freelocale(numericLocale);
    }
    return formats;
}

std::string FormatPattern(const std::string& strftimeFormat) {
    std::string out;
    for (size_t i = 0; i < strftimeFormat.size(); ++i) {
        if (strftimeFormat[i] != '%' || i + 1 >= strftimeFormat.size()) {
            out += strftimeFormat[i];
            continue;
        }
        char c = strftimeFormat[++i];
        // glibc flags and widths ("%-d", "%02d") do not change the pattern.
        while ((c == '-' || c == '_' || c == '0' || c == '^' || c == '#' || (c >= '1' && c <= '9')) &&
               i + 1 < strftimeFormat.size())
            c = strftimeFormat[++i];
        if (c == 'E' || c == 'O') c = i + 1 < strftimeFormat.size() ? strftimeFormat[++i] : c;
        switch (c) {
        case 'd': case 'e': out += "dd"; break;
        case 'm': out += "mm"; break;
        case 'Y': out += "yyyy"; break;
        case 'y': out += "yy"; break;
        case 'H': case 'I': case 'k': case 'l': out += "hh"; break;
        case 'M': out += "mm"; break;
        case 'S': out += "ss"; break;
        case 'p': case 'P': out += "AM/PM"; break;
        case 'b': case 'h': out += "mmm"; break;
        case 'B': out += "mmmm"; break;
        case 'a': out += "ddd"; break;
        case 'A': out += "dddd"; break;
        case '%': out += '%'; break;
        default: out += '%'; out += c;
        }
    }
    return out;
}

}  // namespace os
