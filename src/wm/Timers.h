#pragma once
// Window timers: WM_TIMER (wParam: the id) every `intervalMs` on the display's clock, at
// exactly start + n * interval; a timer never has more than one WM_TIMER outstanding.

#include <cstdint>

#include "wm/Types.h"

namespace wm {

// Starts or restarts the timer (hwnd, id). Returns the id, 0 for a stale window.
uintptr_t SetTimer(HWND hwnd, uintptr_t id, uint32_t intervalMs);
bool KillTimer(HWND hwnd, uintptr_t id);
// Milliseconds on the display's clock.
uint64_t GetTickCount();

}  // namespace wm
