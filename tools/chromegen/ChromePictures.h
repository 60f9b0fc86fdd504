#pragma once
// The Chrome skin's pictures.

#include "gfx/Bitmap.h"

namespace chromegen {

gfx::Bitmap DrawFramePicture();
gfx::Bitmap DrawFrameMask();
gfx::Bitmap DrawFrameButtons();
gfx::Bitmap DrawMaxButton();
gfx::Bitmap DrawPopupWindow();
gfx::Bitmap DrawMenuPicture();
gfx::Bitmap DrawControlsPicture();

}  // namespace chromegen
