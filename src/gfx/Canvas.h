#pragma once
// A drawing surface over one bitmap (24-bit or 1-bit): pen, brush, font, clip region,
// origin and text reference, with the classic rules (see Rasterizer.h): right and bottom
// edges exclusive, pies counter-clockwise, lines without their end pixel, pen width 1.
//
// Coordinates given to the primitives are logical: the origin is added to get bitmap
// (device) pixels. The clip region is kept in device pixels. Every primitive clips to the
// bitmap, then to the clip region, and returns at once when nothing is left.

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/Font.h"
#include "gfx/Region.h"
#include "gfx/Span.h"
#include "gfx/TextRenderer.h"

namespace gfx {

// How a pen or brush pixel combines with the pixel already there.
enum class RasterOp {
    Copy,    // the colour
    Invert,  // NOT destination (the colour is ignored)
    Xor,     // colour XOR destination
    NotXor,  // NOT (colour XOR destination): drawing twice restores the picture
};

enum class PenStyle { Solid, Clear };
enum class BrushStyle { Solid, Clear };

struct PenState {
    TColor color = clBlack;
    PenStyle style = PenStyle::Solid;
    RasterOp mode = RasterOp::Copy;
};

struct BrushState {
    TColor color = clWhite;
    BrushStyle style = BrushStyle::Solid;
};

class Canvas {
public:
    explicit Canvas(Bitmap& target) : target_(&target) {}

    Bitmap& Target() { return *target_; }
    const Bitmap& Target() const { return *target_; }

    PenState& Pen() { return state_.pen; }
    BrushState& Brush() { return state_.brush; }
    const PenState& Pen() const { return state_.pen; }
    const BrushState& Brush() const { return state_.brush; }

    // Logical (0, 0) lies at this device pixel.
    TPoint Origin() const { return state_.origin; }
    void SetOrigin(TPoint origin) { state_.origin = origin; }

    // Clip region in device pixels; nullptr or no call: the whole bitmap.
    void SetClipRegion(const Region* region);
    const Region* ClipRegion() const { return state_.clip ? &*state_.clip : nullptr; }
    // Narrows the clip to a rectangle given in logical coordinates.
    void IntersectClipRect(const TRect& logical);

    // Save() pushes the whole state (pen, brush, font, clip, origin, position); Restore()
    // pops it. Unbalanced Restore() calls do nothing.
    void Save();
    void Restore();

    // Fills with the brush colour in copy mode; the pen is not used (brush clear: nothing).
    void FillRect(const TRect& r);
    // The 1-pixel frame of r in the brush colour.
    void FrameRect(const TRect& r);
    void FillRegion(const Region& deviceRegion, TColor color);
    void Rectangle(const TRect& r);
    void Ellipse(const TRect& r);
    void Pie(const TRect& r, TPoint p1, TPoint p2);
    void Arc(const TRect& r, TPoint p1, TPoint p2);
    void Polygon(std::span<const TPoint> points);
    void Polyline(std::span<const TPoint> points);
    void MoveTo(TPoint p) { state_.penPos = p; }
    void MoveTo(int x, int y) { MoveTo({x, y}); }
    // Draws from the pen position to p, leaving out p itself; p becomes the pen position.
    void LineTo(TPoint p);
    void LineTo(int x, int y) { LineTo({x, y}); }
    TPoint PenPos() const { return state_.penPos; }
    // The dotted focus frame: every other pixel of the frame inverted; drawing it twice
    // removes it.
    void DrawFocusRect(const TRect& r);

    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // Copies (stretching with nearest neighbour when sizes differ) src's srcRect into
    // the logical rectangle dst, clipped like every primitive.
    void CopyRect(const TRect& dst, const Bitmap& src, const TRect& srcRect);
    void Draw(int x, int y, const Bitmap& src);
    // Leaves out every source pixel of the transparent colour.
    void DrawTransparent(int x, int y, const Bitmap& src, TColor transparent);

    // Paints spans given in logical coordinates with a colour and raster operation,
    // clipped. The building block of every primitive above.
    void PaintSpans(const Spans& logical, TColor color, RasterOp op);

    // Text. The font and its colour are canvas state. With a solid brush, text is drawn
    // opaque (its cell filled with the brush colour first); with a clear brush only the
    // glyphs are drawn.
    const gfx::Font& Font() const { return state_.font; }
    void SetFont(const gfx::Font& font) { state_.font = font; }
    void SetFont(const FontSpec& fontSpec) { state_.font = gfx::Font(fontSpec); }
    TColor FontColor() const { return state_.fontColor; }
    void SetFontColor(TColor color) { state_.fontColor = color; }
    // Whether TextOut's y names the top of the text cell or the baseline.
    TextReference TextAlign() const { return state_.textReference; }
    void SetTextAlign(TextReference reference) { state_.textReference = reference; }

    int TextWidth(std::string_view text) const { return state_.font.TextWidth(text); }
    // The font's cell height (ascent + descent), whatever the text.
    int TextHeight(std::string_view text) const { return state_.font.Height(); }
    TextSize TextExtent(std::string_view text) const { return state_.font.TextExtent(text); }

    // One line with its left end at (x, y); returns the advance width.
    int TextOut(int x, int y, std::string_view text);
    // One line inside r (logical), clipped to it; optionally shortened with "..." and/or
    // vertically centred.
    void TextRect(const TRect& r, std::string_view text, TextBoxFlags flags = {});
    // One line turned 90 degrees counter-clockwise; (x, y) is the top-left of the turned
    // cell, which is Height() wide and as tall as the text is wide.
    int TextOutRotated90(int x, int y, std::string_view text);

private:
    struct State {
        PenState pen;
        BrushState brush;
        std::optional<Region> clip;
        TPoint origin;
        TPoint penPos;
        gfx::Font font;
        TColor fontColor = clBlack;
        TextReference textReference = TextReference::Top;
    };

    TextStyle CurrentTextStyle() const;
    TextClip CurrentTextClip() const;

    void PaintShape(const ShapeSpans& shape);
    void PaintOutline(const Spans& outline);
    // Calls fill(y, x0, x1) for every device run of the logical spans that survives clipping.
    template <typename Fill>
    void ForEachClippedRun(const Spans& logical, Fill&& fill);

    Bitmap* target_;
    State state_;
    std::vector<State> saved_;
};

}  // namespace gfx
