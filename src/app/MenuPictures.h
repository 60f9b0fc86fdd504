#pragma once
// The eleven 16 x 16 pictures of the main window's menus, drawn for Velmora: refresh,
// save, print, clipboard, quit, three spares (folder, magnifier, drive at 5, 6 and 10),
// help, about and the chart options.

#include "base/Color.h"
#include "gfx/Bitmap.h"

namespace app {

constexpr int kMenuPictureCount = 11;
// The colour of the pixels around the shapes (added to the image list as its mask colour).
constexpr TColor kTransparent = 0xFF00FF;

// The pictures side by side, 176 x 16.
gfx::Bitmap MenuPictureStrip();

}  // namespace app
