#pragma once
// The clock text of the main window's status bar: the date in the user's short date
// format, " --/-- ", the time in the long time format. Date and time are each taken from
// their own reading of the clock, so a tick at midnight may pair the old date with the
// new time, as the window always did.

#include <ctime>
#include <functional>
#include <string>

#include "os/LocaleFormats.h"

namespace app {

class StatusClock {
public:
    using TimeSource = std::function<std::time_t()>;
    explicit StatusClock(os::LocaleFormats formats, TimeSource now = [] { return std::time(nullptr); });

    std::string Text() const;

private:
    os::LocaleFormats formats_;
    TimeSource now_;
};

}  // namespace app
