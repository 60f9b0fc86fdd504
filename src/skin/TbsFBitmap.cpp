#include "skin/TbsFBitmap.h"

namespace skin {

TbsFBitmap::TbsFBitmap(const gfx::Bitmap& source) : pixels_(source) {
    if (pixels_.IsMono()) pixels_.SetFormat(gfx::PixelFormat::Bgr24);
}

}  // namespace skin
