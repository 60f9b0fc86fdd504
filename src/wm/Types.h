#pragma once
// The handle and parameter types every window-system call uses. Windows are named by
// integer handles, never by pointers: a handle of a destroyed window simply stops
// naming anything (handles are never reused), so every call can ignore it safely.

#include <cstdint>
#include <functional>

namespace wm {

using HWND = uint32_t;  // 0 = no window
using UINT = uint32_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
// A device context (see DeviceContext.h); 0 = none. Stale ones are ignored like windows.
using HDC = uint32_t;

using WindowProc = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

}  // namespace wm
