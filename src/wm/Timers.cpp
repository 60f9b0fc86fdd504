#include "wm/Timers.h"

#include "wm/WindowSystem.h"

namespace wm {

uintptr_t SetTimer(HWND hwnd, uintptr_t id, uint32_t intervalMs) {
    WindowSystem* ws = WindowSystem::Current();
    if (!ws || !ws->FindLive(hwnd)) return 0;
    ws->timers.Set(hwnd, id, intervalMs, ws->Now());
    return id;
}

bool KillTimer(HWND hwnd, uintptr_t id) {
    WindowSystem* ws = WindowSystem::Current();
    return ws && ws->timers.Kill(hwnd, id);
}

uint64_t GetTickCount() {
    WindowSystem* ws = WindowSystem::Current();
    return ws ? ws->Now() : 0;
}

}  // namespace wm
