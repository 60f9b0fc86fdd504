#pragma once
// A run of pixels in one row: x0 .. x1 - 1 of row y. Shapes are produced as lists of
// spans, so the same shape paints a colour bitmap, a 1-bit mask or a region alike.

#include <vector>

namespace gfx {

struct Span {
    int y = 0;
    int x0 = 0;  // first pixel
    int x1 = 0;  // one past the last pixel
    friend bool operator==(const Span&, const Span&) = default;
};

using Spans = std::vector<Span>;

// A closed shape: the pixels of its outline (drawn with the pen) and those inside it
// (filled with the brush). The two lists never share a pixel, so raster operations
// such as xor touch every pixel at most once per shape.
struct ShapeSpans {
    Spans interior;
    Spans outline;
};

}  // namespace gfx
