#pragma once
// Pictures of an image list in the controls: a list row, a combo box's item area and a
// button without a glyph of its own show one. The masked-out pixels stay transparent.

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "vcl/TImageList.h"

namespace skin {

// The colour behind a picture's masked-out pixels (the one left out when it is drawn).
constexpr TColor kImageBackground = base::RGB(255, 0, 255);

// Picture `index` over kImageBackground; empty for no list or an index outside it.
gfx::Bitmap ImageListPicture(const vcl::TImageList* images, int index);

// Draws picture `index` with its top-left at (x, y); returns the list's picture width
// when one was drawn, else 0.
int DrawImageListPicture(gfx::Canvas& canvas, const vcl::TImageList* images, int index, int x, int y);

}  // namespace skin
