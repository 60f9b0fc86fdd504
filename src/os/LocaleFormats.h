#pragma once
// The user's formats for dates, times and numbers, asked from the locale the environment
// names (LC_ALL, LC_TIME, LC_NUMERIC, LANG) without changing the program's own locale:
// numbers written to files must keep their "." whatever the user's locale says.
//
// The interface is German, so under C, POSIX and C.UTF-8 (no locale chosen) dates and
// times take the German forms dd.mm.yyyy and hh:mm:ss. The C locale's separators are "."
// and none.

#include <ctime>
#include <string>

namespace os {

struct LocaleFormats {
    std::string shortDateFormat;  // strftime format, "%d.%m.%Y"
    std::string longTimeFormat;   // strftime format, "%H:%M:%S"
    std::string decimalSeparator;
    std::string thousandSeparator;  // may be empty
    std::string timeLocaleName;     // the locale month and day names come from

    std::string FormatShortDate(const std::tm& time) const;
    std::string FormatLongTime(const std::tm& time) const;
};

// The formats of the environment's locale; a locale that cannot be loaded counts as C.
LocaleFormats QueryLocaleFormats();
// The formats of a named locale ("de_DE.UTF-8", "C"); "" means the environment's.
LocaleFormats QueryLocaleFormats(const std::string& localeName);

// A strftime format written as a pattern for people: "%d.%m.%Y" as "dd.mm.yyyy",
// "%I:%M:%S %p" as "hh:mm:ss AM/PM" (minutes are "mm" too).
std::string FormatPattern(const std::string& strftimeFormat);

}  // namespace os
