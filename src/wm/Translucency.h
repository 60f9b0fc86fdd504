#pragma once
// Translucent top-level windows. The display can show them only where a compositing
// manager runs; elsewhere windows stay opaque and setting an opacity does nothing.

#include <cstdint>

#include "wm/Types.h"

namespace wm {

bool LayeredWindowsAvailable();
// Opacity of a top-level window, 0 (invisible) .. 255 (opaque). False for a child window
// or a handle that names no window.
bool SetWindowOpacity(HWND hwnd, uint8_t opacity);

}  // namespace wm
