#pragma once
// Re-assembling skin pictures at a new size: corners copied, edges and centre tiled.
//
// The tiling rule: a destination span [start, end) is filled with copies of a source
// tile of length t at start, start + t, ...; the copy that would pass `end` is shortened
// (the source keeps its first part). Tiles are never scaled. A tile length of 0 or less
// fills nothing.
//
// Every image built here is first sized to the requested width and height; it has the
// pixel format of its source picture (so masks stay masks).

#include <functional>

#include "base/Geometry.h"
#include "gfx/Bitmap.h"

namespace skin {

// Calls copy(destinationStart, length) for every copy of the tiling rule; the source
// of every copy starts at the tile's start.
void ForEachTile(int start, int end, int tileLength, const std::function<void(int, int)>& copy);

// Copies the source rectangle unscaled to (dx, dy), leaving out what lies outside
// either bitmap.
void CopyUnscaled(gfx::Bitmap& dst, int dx, int dy, const gfx::Bitmap& src, const TRect& srcRect);
// Tiles the source rectangle over the destination rectangle, columns first, then rows
// within each column; copies shortened at the right and bottom edges.
void TileRect(gfx::Bitmap& dst, const TRect& dstRect, const gfx::Bitmap& src, const TRect& srcRect);

// S's left a columns, S's middle repeated, S's right b columns; height(S) high.
void TileHorzImage(gfx::Bitmap& image, const gfx::Bitmap& picture, const TRect& s, int a, int b,
                   int width);
// The same vertically; width(S) wide.
void TileVertImage(gfx::Bitmap& image, const gfx::Bitmap& picture, const TRect& s, int a, int b,
                   int height);
// Without the right part: the middle runs to the right edge.
void TileHorzImageNoRight(gfx::Bitmap& image, const gfx::Bitmap& picture, const TRect& s, int a,
                          int width);

// The corner points and client rectangle of a framed picture (source: relative to the
// source rectangle; destination: in the new image).
struct TbsFrameGeometry {
    TPoint lt, rt, lb, rb;
    TRect client;
};

// The control and popup frame: eight fixed corner pieces (copied), four tiled edges and,
// with drawCenter, the tiled client area.
void TileFrameImage(gfx::Bitmap& image, const gfx::Bitmap& picture, const TRect& s,
                    const TbsFrameGeometry& source, int width, int height,
                    const TbsFrameGeometry& dest, bool drawCenter);
// Without the right part: edges and centre run to the right edge of the image.
void TileFrameImageNoRight(gfx::Bitmap& image, const gfx::Bitmap& picture, const TRect& s,
                           const TbsFrameGeometry& source, int width, int height,
                           const TbsFrameGeometry& dest, bool drawCenter);

}  // namespace skin
