#pragma once
// Window and control shapes from 1-bit masks: black pixels belong to the shape.

#include <optional>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Region.h"
#include "skin/SkinTiling.h"

namespace skin {

// Rectangles handed to the region builder in one block; a mask with more runs is built
// in several blocks united, so no black pixel is lost.
constexpr int kMaxMaskRectsPerBlock = 10000;

// The runs of black pixels (red, green and blue all 0), row by row, left to right: one
// rectangle one pixel high per run, moved by (dx, dy).
std::vector<TRect> MaskToRects(const gfx::Bitmap& mask, int dx, int dy);

// The union of the mask's black pixels (runs of pixels whose red, green and blue are 0,
// one rectangle per run and row), moved by (dx, dy). An all-white mask gives an empty region.
gfx::Region MaskToRegion(const gfx::Bitmap& mask, int dx, int dy);

// The shape of a whole window of width x height: the new client rectangle plus the black
// pixels of the mask's four tiled border images. nullopt (the window stays rectangular)
// when the new corner points are crossed.
std::optional<gfx::Region> TileFrameRegion(const gfx::Bitmap& mask, const TbsFrameGeometry& source,
                                           int width, int height, const TbsFrameGeometry& dest);

}  // namespace skin
