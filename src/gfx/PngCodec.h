#pragma once
// PNG pictures through libpng: 8-bit RGB for the clipboard's image/png, and reading of
// any PNG for pasting (palette, grayscale, 16-bit and interlaced files become 24-bit
// bitmaps; transparent parts are laid over white). Errors raise ImageError.

#include <cstdint>
#include <span>
#include <vector>

#include "gfx/Bitmap.h"

namespace gfx {

std::vector<uint8_t> EncodePng(const Bitmap& bitmap);
Bitmap DecodePng(std::span<const uint8_t> data);

}  // namespace gfx
