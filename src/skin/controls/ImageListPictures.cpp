#include "skin/controls/ImageListPictures.h"

#include "vcl/TBitmap.h"

namespace skin {

gfx::Bitmap ImageListPicture(const vcl::TImageList* images, int index) {
    if (!images || index < 0 || index >= images->Count()) return {};
    vcl::TBitmap picture;
    images->GetBitmap(index, &picture, kImageBackground);
    return picture.Pixels();
}

int DrawImageListPicture(gfx::Canvas& canvas, const vcl::TImageList* images, int index, int x, int y) {
    gfx::Bitmap picture = ImageListPicture(images, index);
    if (picture.IsEmpty()) return 0;
    canvas.DrawTransparent(x, y, picture, kImageBackground);
    return picture.Width();
}

}  // namespace skin
