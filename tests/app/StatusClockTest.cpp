#include <gtest/gtest.h>

#include "app/StatusClock.h"

using app::StatusClock;

TEST(StatusClock, DateSeparatorAndTimeInTheLocaleFormats) {
    StatusClock clock(os::QueryLocaleFormats("C"), [] { return std::time_t{1781080496}; });  // 2026-06-10 08:34:56 UTC
    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_EQ(clock.Text(), "10.06.2026 --/-- 08:34:56");
}

TEST(StatusClock, DateAndTimeAreTwoReadingsOfTheClock) {
    // A tick across midnight: the date is read first, then the time.
    std::time_t readings[] = {1781135999, 1781136000};  // 23:59:59, then 00:00:00 the next day
    int next = 0;
    StatusClock clock(os::QueryLocaleFormats("C"), [&] { return readings[next++]; });
    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_EQ(clock.Text(), "10.06.2026 --/-- 00:00:00");
}
