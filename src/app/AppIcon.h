#pragma once
// Velmora's icon, drawn in code at any size: a silver drive with a green light, and above
// it a pie whose red "used" slice is pulled out of the blue "free" part. Smooth edges
// come from 4 x 4 samples per pixel; outside the shapes the icon is transparent.

#include <cstdint>
#include <string>
#include <vector>

#include "base/Color.h"
#include "gfx/Bitmap.h"

namespace app {

struct IconPixel {
    uint8_t r = 0, g = 0, b = 0, a = 0;  // straight (not premultiplied) alpha
    bool operator==(const IconPixel&) const = default;
};

struct IconImage {
    int size = 0;
    std::vector<IconPixel> pixels;  // rows top to bottom, size * size
    const IconPixel& At(int x, int y) const { return pixels[static_cast<size_t>(y) * size + x]; }
};

// The icon at `size` x `size` pixels (sizes below 8 or above 512 are clamped).
IconImage DrawAppIcon(int size);

// The icon laid over a background colour (a system colour is resolved first), for
// windows that show it as a picture.
gfx::Bitmap AppIconOver(int size, TColor background);

// The colour the about box's picture is laid over: the face of its group box.
constexpr TColor kAboutIconBackground = clBtnFace;

// Writes the icon as an RGBA PNG file (for the desktop entry's icon). Throws
// std::runtime_error with the file's name when it cannot be written.
void WriteAppIconPng(const std::string& path, int size);

}  // namespace app
