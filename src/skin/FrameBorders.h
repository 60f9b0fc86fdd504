#pragma once
// The four border images of a skinned window frame, cut from the [FORMINFO] picture
// (or its mask) and rebuilt at the window's size. The caller places the top band at
// (0, 0), the left border at (0, T), the right border at (W - R, T) and the bottom band
// at (0, H - B), where T, B, L, R are the band and border thicknesses of the picture.

#include "gfx/Bitmap.h"
#include "skin/SkinTiling.h"

namespace skin {

struct TbsFrameBorderImages {
    gfx::Bitmap top, bottom, left, right;
};

struct TbsFrameStretch {
    bool left = false, right = false, top = false, bottom = false;
};

// Middle pieces stretched (per flag) between the new corner points or tiled over the
// whole band or border; the outer pieces copied over them.
TbsFrameBorderImages BuildFrameBorders(const gfx::Bitmap& picture, const TbsFrameGeometry& source,
                                       TbsFrameStretch stretch, int width, int height,
                                       const TbsFrameGeometry& dest);
// Always tiled; in the bands the tiles start at the new left corner point and end at
// the new right one. Used with the mask for the window's shape.
TbsFrameBorderImages BuildFrameBordersTiled(const gfx::Bitmap& picture,
                                            const TbsFrameGeometry& source, int width, int height,
                                            const TbsFrameGeometry& dest);

}  // namespace skin
