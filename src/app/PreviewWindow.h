#pragma once
// A plain X11 window that shows one picture: what Velmora can show until its window
// system takes over the display. It answers exposes from the picture and closes on the
// window manager's close request.

#include "gfx/Bitmap.h"

namespace app {

// Shows the picture in a window titled `title`; returns when the window is closed.
// Returns false when no display could be opened.
bool ShowPreviewWindow(const char* title, const gfx::Bitmap& picture);

}  // namespace app
