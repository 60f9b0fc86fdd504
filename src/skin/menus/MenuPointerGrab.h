#pragma once
// The display's pointer grab for an open menu: with it, a press anywhere on the screen,
// also on another program or the desktop, reaches the menu, which then closes. Our own
// windows keep getting their events (owner events).

#include "wm/Types.h"

namespace skin {

// Grabs the pointer for the top-level window; false when the display refuses (for
// example while the window is not yet viewable), so the caller may try again.
bool GrabDisplayPointer(wm::HWND window);
void UngrabDisplayPointer();

}  // namespace skin
