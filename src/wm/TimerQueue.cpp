#include "wm/TimerQueue.h"

#include <algorithm>

namespace wm {

void TimerQueue::Set(HWND hwnd, uintptr_t id, uint32_t interval, uint64_t now) {
    if (interval == 0) interval = 1;
    for (Timer& t : timers_) {
        if (t.hwnd == hwnd && t.id == id) {
            t.interval = interval;
            t.due = now + interval;
            return;
        }
    }
    timers_.push_back({hwnd, id, interval, now + interval});
}

bool TimerQueue::Kill(HWND hwnd, uintptr_t id) {
    auto it = std::find_if(timers_.begin(), timers_.end(),
                           [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    if (it == timers_.end()) return false;
    timers_.erase(it);
    return true;
}

void TimerQueue::KillAll(HWND hwnd) {
    std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd; });
}

std::optional<uint64_t> TimerQueue::NextDue() const {
    std::optional<uint64_t> next;
    for (const Timer& t : timers_)
        if (!next || t.due < *next) next = t.due;
    return next;
}

std::optional<TimerQueue::Timer> TimerQueue::TakeDue(uint64_t now) {
    Timer* earliest = nullptr;
    for (Timer& t : timers_)
        if (t.due <= now && (!earliest || t.due < earliest->due)) earliest = &t;
    if (!earliest) return std::nullopt;
    Timer fired = *earliest;
    uint64_t next = earliest->due + earliest->interval;
    if (next <= now) next += ((now - next) / earliest->interval + 1) * earliest->interval;
    earliest->due = next;
    return fired;
}

}  // namespace wm
