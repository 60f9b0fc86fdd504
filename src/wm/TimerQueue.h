#pragma once
// The window timers: each fires on its own schedule (start + n * interval on the
// display's clock) and has at most one WM_TIMER outstanding, because the message is made
// only when the loop asks for the next due timer.

#include <cstdint>
#include <optional>
#include <vector>

#include "wm/Types.h"

namespace wm {

class TimerQueue {
public:
    struct Timer {
        HWND hwnd = 0;
        uintptr_t id = 0;
        uint32_t interval = 0;
        uint64_t due = 0;
    };

    // Starts or restarts the timer (hwnd, id); an interval of 0 counts as 1 ms.
    void Set(HWND hwnd, uintptr_t id, uint32_t interval, uint64_t now);
    bool Kill(HWND hwnd, uintptr_t id);
    void KillAll(HWND hwnd);

    // The earliest due time, none without timers.
    std::optional<uint64_t> NextDue() const;
    // The earliest timer due at `now`, rescheduled to its next multiple after now
    // (missed periods are dropped, never queued up).
    std::optional<Timer> TakeDue(uint64_t now);
    size_t Count() const { return timers_.size(); }

private:
    std::vector<Timer> timers_;
};

}  // namespace wm
