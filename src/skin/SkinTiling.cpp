#include "skin/SkinTiling.h"

#include <algorithm>
#include <cstring>

namespace skin {
namespace {

// A sized, cleared image in the picture's format.
void PrepareImage(gfx::Bitmap& image, const gfx::Bitmap& picture, int width, int height) {
    image = gfx::Bitmap(std::max(width, 0), std::max(height, 0), picture.Format());
}

// A copy of a source rectangle, stretched when the sizes differ (the rectangle copy of
// the canvas). Fixed frame pieces use it; with consistent geometry they are 1:1.
void CopyPiece(gfx::Bitmap& dst, const TRect& dstRect, const gfx::Bitmap& src, const TRect& srcRect) {
    if (dstRect.IsEmpty() || srcRect.IsEmpty()) return;
    if (dstRect.Width() == srcRect.Width() && dstRect.Height() == srcRect.Height())
        CopyUnscaled(dst, dstRect.Left, dstRect.Top, src, srcRect);
    else
        gfx::StretchCopy(dst, dstRect, src, srcRect);
}

}  // namespace

void ForEachTile(int start, int end, int tileLength, const std::function<void(int, int)>& copy) {
    if (tileLength <= 0 || end <= start) return;
    for (int64_t pos = start; pos < end; pos += tileLength)
        copy(int(pos), int(std::min<int64_t>(tileLength, end - pos)));
}

void CopyUnscaled(gfx::Bitmap& dst, int dx, int dy, const gfx::Bitmap& src, const TRect& srcRect) {
    // Clip the source to its bitmap, then the destination to its bitmap, shifting the other
    // side along so that pixels keep their places.
    TRect s = srcRect.Intersect(src.Bounds());
    if (s.IsEmpty()) return;
    dx += s.Left - srcRect.Left;
    dy += s.Top - srcRect.Top;
    TRect d = TRect::FromSize(dx, dy, s.Width(), s.Height()).Intersect(dst.Bounds());
    if (d.IsEmpty()) return;
    const int sx = s.Left + (d.Left - dx), sy = s.Top + (d.Top - dy);
    if (!dst.IsMono() && !src.IsMono()) {
        for (int y = 0; y < d.Height(); ++y)
            std::memcpy(dst.Row(d.Top + y) + 3 * d.Left, src.Row(sy + y) + 3 * sx, 3 * size_t(d.Width()));
        return;
    }
    for (int y = 0; y < d.Height(); ++y)
        for (int x = 0; x < d.Width(); ++x)
            dst.SetPixel(d.Left + x, d.Top + y, src.Pixel(sx + x, sy + y));
}

void TileRect(gfx::Bitmap& dst, const TRect& dstRect, const gfx::Bitmap& src, const TRect& srcRect) {
    ForEachTile(dstRect.Left, dstRect.Right, srcRect.Width(), [&](int x, int w) {
        ForEachTile(dstRect.Top, dstRect.Bottom, srcRect.Height(), [&](int y, int h) {
            CopyUnscaled(dst, x, y, src, TRect::FromSize(srcRect.Left, srcRect.Top, w, h));
        });
    });
}

void TileHorzImage(gfx::Bitmap& image, const gfx::Bitmap& picture, const TRect& s, int a, int b,
                   int width) {
    PrepareImage(image, picture, width, s.Height());
    const int w = image.Width();
    CopyUnscaled(image, 0, 0, picture, {s.Left, s.Top, s.Left + a, s.Bottom});
    TileRect(image, {a, 0, w - b, s.Height()}, picture, {s.Left + a, s.Top, s.Right - b, s.Bottom});
    CopyUnscaled(image, w - b, 0, picture, {s.Right - b, s.Top, s.Right, s.Bottom});
}

void TileVertImage(gfx::Bitmap& image, const gfx::Bitmap& picture, const TRect& s, int a, int b,
                   int height) {
    PrepareImage(image, picture, s.Width(), height);
    const int h = image.Height();
    CopyUnscaled(image, 0, 0, picture, {s.Left, s.Top, s.Right, s.Top + a});
    TileRect(image, {0, a, s.Width(), h - b}, picture, {s.Left, s.Top + a, s.Right, s.Bottom - b});
    CopyUnscaled(image, 0, h - b, picture, {s.Left, s.Bottom - b, s.Right, s.Bottom});
}

void TileHorzImageNoRight(gfx::Bitmap& image, const gfx::Bitmap& picture, const TRect& s, int a,
                          int width) {
    PrepareImage(image, picture, width, s.Height());
    CopyUnscaled(image, 0, 0, picture, {s.Left, s.Top, s.Left + a, s.Bottom});
    TileRect(image, {a, 0, image.Width(), s.Height()}, picture, {s.Left + a, s.Top, s.Right, s.Bottom});
}

namespace {

void TileFrame(gfx::Bitmap& image, const gfx::Bitmap& picture, const TRect& s,
               const TbsFrameGeometry& src, int W, int H, const TbsFrameGeometry& dst,
               bool drawCenter, bool withRight) {
    PrepareImage(image, picture, W, H);
    if (src.rb.X == src.lt.X || src.rb.Y == src.lt.Y || picture.IsEmpty()) return;
    const int Sx = s.Left, Sy = s.Top, Sr = s.Right, Sb = s.Bottom;
    const TRect& K = src.client;
    const TRect& D = dst.client;
    const TPoint &lt = src.lt, &rt = src.rt, &lb = src.lb, &rb = src.rb;
    const TPoint &LT = dst.lt, &LB = dst.lb;
    // Without the right part, the right corner points and client edge move to the image's
    // right edge.
    const TPoint RT = withRight ? dst.rt : TPoint{W, dst.rt.Y};
    const TPoint RB = withRight ? dst.rb : TPoint{W, dst.rb.Y};
    const int Dright = withRight ? D.Right : W;

    // Edges.
    TileRect(image, {LT.X, 0, RT.X, D.Top}, picture, {Sx + lt.X, Sy, Sx + rt.X, Sy + K.Top});
    TileRect(image, {LB.X, D.Bottom, RB.X, H}, picture, {Sx + lb.X, Sy + K.Bottom, Sx + rb.X, Sb});
    TileRect(image, {0, LT.Y, D.Left, LB.Y}, picture, {Sx, Sy + lt.Y, Sx + D.Left, Sy + lb.Y});
    if (withRight)
        TileRect(image, {D.Right, RT.Y, W, RB.Y}, picture, {Sx + K.Right, Sy + rt.Y, Sr, Sy + rb.Y});

    // Fixed pieces: each corner is L-shaped, cut by the corner point.
    CopyPiece(image, {0, 0, LT.X, D.Top}, picture, {Sx, Sy, Sx + lt.X, Sy + K.Top});
    CopyPiece(image, {0, D.Top, D.Left, LT.Y}, picture, {Sx, Sy + K.Top, Sx + K.Left, Sy + lt.Y});
    CopyPiece(image, {0, LB.Y, D.Left, H}, picture, {Sx, Sy + lb.Y, Sx + K.Left, Sb});
    CopyPiece(image, {D.Left, D.Bottom, LB.X, H}, picture, {Sx + K.Left, Sy + K.Bottom, Sx + lb.X, Sb});
    if (withRight) {
        CopyPiece(image, {RT.X, 0, W, D.Top}, picture, {Sx + rt.X, Sy, Sr, Sy + K.Top});
        CopyPiece(image, {D.Right, D.Top, W, RT.Y}, picture, {Sx + K.Right, Sy + K.Top, Sr, Sy + rt.Y});
        CopyPiece(image, {RB.X, D.Bottom, W, H}, picture, {Sx + rb.X, Sy + K.Bottom, Sr, Sb});
        CopyPiece(image, {D.Right, RB.Y, W, D.Bottom}, picture, {Sx + K.Right, Sy + rb.Y, Sr, Sy + K.Bottom});
    }

    if (drawCenter)
        TileRect(image, {D.Left, D.Top, Dright, D.Bottom}, picture,
                 {Sx + K.Left, Sy + K.Top, Sx + K.Right, Sy + K.Bottom});
}

}  // namespace

void TileFrameImage(gfx::Bitmap& image, const gfx::Bitmap& picture, const TRect& s,
                    const TbsFrameGeometry& source, int width, int height,
                    const TbsFrameGeometry& dest, bool drawCenter) {
    TileFrame(image, picture, s, source, width, height, dest, drawCenter, true);
}

void TileFrameImageNoRight(gfx::Bitmap& image, const gfx::Bitmap& picture, const TRect& s,
                           const TbsFrameGeometry& source, int width, int height,
                           const TbsFrameGeometry& dest, bool drawCenter) {
    TileFrame(image, picture, s, source, width, height, dest, drawCenter, false);
}

}  // namespace skin
