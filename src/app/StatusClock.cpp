#include "app/StatusClock.h"

namespace app {

namespace {
std::tm LocalTime(std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}
}  // namespace

StatusClock::StatusClock(os::LocaleFormats formats, TimeSource now)
    : formats_(std::move(formats)), now_(std::move(now)) {}

std::string StatusClock::Text() const {
    std::string date = formats_.FormatShortDate(LocalTime(now_()));
    std::string time = formats_.FormatLongTime(LocalTime(now_()));
    return date + " --/-- " + time;
}

}  // namespace app
