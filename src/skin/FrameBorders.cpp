#include "skin/FrameBorders.h"

namespace skin {
namespace {

enum class BandMode { Stretch, TileWhole, TileBetweenCorners };

// One horizontal band: source rows [rowTop, rowBottom) of the picture, corner x values
// a (left) and b (right) in the picture and A, B in the image.
void BuildBand(gfx::Bitmap& band, const gfx::Bitmap& picture, int rowTop, int rowBottom, int a,
               int b, int A, int B, int W, BandMode mode) {
    const int h = rowBottom - rowTop;
    const int Pw = picture.Width();
    if (W <= 0 || h <= 0 || b <= a) return;
    band = gfx::Bitmap(W, h, picture.Format());
    const TRect middle{a, rowTop, b, rowBottom};
    switch (mode) {
    case BandMode::Stretch: gfx::StretchCopy(band, {A, 0, B, h}, picture, middle); break;
    case BandMode::TileWhole: TileRect(band, {0, 0, W, h}, picture, middle); break;
    case BandMode::TileBetweenCorners: TileRect(band, {A, 0, B, h}, picture, middle); break;
    }
    if (mode == BandMode::TileBetweenCorners) {
        CopyUnscaled(band, 0, 0, picture, {0, rowTop, a, rowBottom});
    } else {
        gfx::StretchCopy(band, {0, 0, A, h}, picture, {0, rowTop, a, rowBottom});
    }
    gfx::StretchCopy(band, {B, 0, W, h}, picture, {b, rowTop, Pw, rowBottom});
}

// One vertical border: source columns [colLeft, colRight), its band rows [top, bottom)
// of the picture and corner y values a (upper) and b (lower).
void BuildBorder(gfx::Bitmap& border, const gfx::Bitmap& picture, int colLeft, int colRight,
                 int top, int bottom, int a, int b, int H, bool stretch) {
    const int w = colRight - colLeft;
    if (w <= 0 || H <= 0 || b <= a) return;
    border = gfx::Bitmap(w, H, picture.Format());
    const TRect middle{colLeft, a, colRight, b};
    const int upper = a - top;      // rows of the fixed upper piece
    const int lower = bottom - b;   // rows of the fixed lower piece
    if (stretch) gfx::StretchCopy(border, {0, upper, w, H - lower}, picture, middle);
    else TileRect(border, {0, 0, w, H}, picture, middle);
    CopyUnscaled(border, 0, 0, picture, {colLeft, top, colRight, a});
    CopyUnscaled(border, 0, H - lower, picture, {colLeft, b, colRight, bottom});
}

TbsFrameBorderImages Build(const gfx::Bitmap& picture, const TbsFrameGeometry& src,
                           TbsFrameStretch stretch, int W, int H, const TbsFrameGeometry& dst,
                           bool tiledOnly) {
    TbsFrameBorderImages images;
    if (picture.IsEmpty()) return images;
    const TRect& K = src.client;
    const int Pw = picture.Width(), Ph = picture.Height();
    const int T = K.Top, B = Ph - K.Bottom;
    auto bandMode = [&](bool flag) {
        return tiledOnly ? BandMode::TileBetweenCorners : flag ? BandMode::Stretch : BandMode::TileWhole;
    };
    BuildBand(images.top, picture, 0, T, src.lt.X, src.rt.X, dst.lt.X, dst.rt.X, W,
              bandMode(stretch.top));
    BuildBand(images.bottom, picture, K.Bottom, Ph, src.lb.X, src.rb.X, dst.lb.X, dst.rb.X, W,
              bandMode(stretch.bottom));
    const int borderHeight = H - T - B;
    BuildBorder(images.left, picture, 0, K.Left, K.Top, K.Bottom, src.lt.Y, src.lb.Y, borderHeight,
                !tiledOnly && stretch.left);
    BuildBorder(images.right, picture, K.Right, Pw, K.Top, K.Bottom, src.rt.Y, src.rb.Y,
                borderHeight, !tiledOnly && stretch.right);
    return images;
}

}  // namespace

TbsFrameBorderImages BuildFrameBorders(const gfx::Bitmap& picture, const TbsFrameGeometry& source,
                                       TbsFrameStretch stretch, int width, int height,
                                       const TbsFrameGeometry& dest) {
    return Build(picture, source, stretch, width, height, dest, false);
}

TbsFrameBorderImages BuildFrameBordersTiled(const gfx::Bitmap& picture,
                                            const TbsFrameGeometry& source, int width, int height,
                                            const TbsFrameGeometry& dest) {
    return Build(picture, source, {}, width, height, dest, true);
}

}  // namespace skin
