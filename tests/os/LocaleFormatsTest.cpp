// Date, time and number formats of the user's locale, without touching the program's own.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "os/LocaleFormats.h"
#include "os/TempFolder.h"

namespace {

std::tm SampleTime() {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 2;
    t.tm_mday = 7;
    t.tm_hour = 15;
    t.tm_min = 4;
    t.tm_sec = 9;
    return t;
}

}  // namespace

TEST(LocaleFormats, TheNeutralLocalesGiveTheGermanForms) {
    for (const char* name : {"C", "POSIX", "C.UTF-8"}) {
        os::LocaleFormats f = os::QueryLocaleFormats(name);
        EXPECT_EQ(os::FormatPattern(f.shortDateFormat), "dd.mm.yyyy") << name;
        EXPECT_EQ(os::FormatPattern(f.longTimeFormat), "hh:mm:ss") << name;
        EXPECT_EQ(f.FormatShortDate(SampleTime()), "07.03.2026") << name;
        EXPECT_EQ(f.FormatLongTime(SampleTime()), "15:04:09") << name;
        EXPECT_EQ(f.decimalSeparator, ".") << name;
        EXPECT_EQ(f.thousandSeparator, "") << name;
    }
    // An unknown locale counts as none.
    EXPECT_EQ(os::QueryLocaleFormats("xx_YY.nonsense").shortDateFormat, "%d.%m.%Y");
}

TEST(LocaleFormats, PatternsReadTheCommonConversions) {
    EXPECT_EQ(os::FormatPattern("%m/%d/%Y"), "mm/dd/yyyy");
    EXPECT_EQ(os::FormatPattern("%I:%M:%S %p"), "hh:mm:ss AM/PM");
    EXPECT_EQ(os::FormatPattern("%-d.%-m.%y"), "dd.mm.yy");
    EXPECT_EQ(os::FormatPattern("100%%"), "100%");
}

namespace {

// The formats of a locale compiled into `folder`, asked in a child process: loading a
// locale through LOCPATH leaks inside the C library, which the leak checker would report.
// Lines: short date, long time, decimal separator, thousands separator, and the decimal
// separator when the locale is chosen through LC_ALL.
std::vector<std::string> FormsInChild(const std::string& folder, const std::string& locale) {
    int fds[2];
    if (::pipe(fds) != 0) return {};
    pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        ::setenv("LOCPATH", folder.c_str(), 1);
        os::LocaleFormats f = os::QueryLocaleFormats(locale);
        ::setenv("LC_ALL", locale.c_str(), 1);
        std::string text = f.FormatShortDate(SampleTime()) + "\n" + f.FormatLongTime(SampleTime()) + "\n" +
                           f.decimalSeparator + "\n" + f.thousandSeparator + "\n" +
                           os::QueryLocaleFormats().decimalSeparator + "\n";
        ssize_t ignored = ::write(fds[1], text.data(), text.size());
        (void)ignored;
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    std::vector<std::string> lines;
    for (size_t pos = 0, end; (end = text.find('\n', pos)) != std::string::npos; pos = end + 1)
        lines.push_back(text.substr(pos, end - pos));
    return lines;
}

}  // namespace

TEST(LocaleFormats, RealLocalesGiveTheirOwnForms) {
    // Compile two locales into a private folder; skip where the locale sources are missing.
    testing_support::TempFolder folder;
    std::string base = folder.Path().string();
    std::string cmd = "localedef -i de_DE -f UTF-8 " + base + "/de_DE.UTF-8 >/dev/null 2>&1 && "
                      "localedef -i en_US -f UTF-8 " + base + "/en_US.UTF-8 >/dev/null 2>&1";
    if (std::system(cmd.c_str()) != 0) GTEST_SKIP() << "localedef or the locale sources are not available";
    EXPECT_EQ(FormsInChild(base, "de_DE.UTF-8"),
              (std::vector<std::string>{"07.03.2026", "15:04:09", ",", ".", ","}));
    EXPECT_EQ(FormsInChild(base, "en_US.UTF-8"),
              (std::vector<std::string>{"03/07/2026", "03:04:09 PM", ".", ",", "."}));
}

TEST(LocaleFormats, AskingLeavesTheProgramsOwnLocaleAlone) {
    ::setenv("LC_ALL", "C.UTF-8", 1);
    (void)os::QueryLocaleFormats();
    ::unsetenv("LC_ALL");
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", 1.5);
    EXPECT_STREQ(text, "1.5");
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
}
