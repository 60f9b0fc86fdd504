#pragma once
// A 24-bit, top-down copy of any bitmap with direct row access: what the mask and pixel
// scanners read. Rows are width x 3 bytes padded to a multiple of 4; pixels are stored
// blue, green, red.

#include <cstdint>

#include "gfx/Bitmap.h"

namespace skin {

class TbsFBitmap {
public:
    // Copies the bitmap, converting 1-bit pixels to black and white.
    explicit TbsFBitmap(const gfx::Bitmap& source);

    int Width() const { return pixels_.Width(); }
    int Height() const { return pixels_.Height(); }
    const uint8_t* Row(int y) const { return pixels_.Row(y); }
    uint8_t* Row(int y) { return pixels_.Row(y); }
    const gfx::Bitmap& Pixels() const { return pixels_; }

private:
    gfx::Bitmap pixels_;
};

}  // namespace skin
