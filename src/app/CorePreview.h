#pragma once
// The picture Velmora shows while its forms are being built: a drive's used and free
// space as a pie with captions, drawn only with the graphics core.

#include "gfx/Bitmap.h"

namespace app {

gfx::Bitmap RenderCorePreview(int width, int height);

}  // namespace app
