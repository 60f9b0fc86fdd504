#pragma once
// The caption of buttons and panels: an optional glyph cell beside, above or below one
// line of text, either centred together in a rectangle (margin -1) or placed `margin`
// pixels from an edge.

#include <string_view>

#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "gfx/Font.h"

namespace skin {

enum TbsButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct TbsGlyphTextPlacement {
    TPoint glyph;
    TPoint text;
};

// Where the glyph cell (gw x gh) and the text (tw x th) go; pressed moves both by (1, 1).
TbsGlyphTextPlacement PlaceGlyphAndText(const TRect& rect, int margin, TbsButtonLayout layout,
                                        int spacing, int gw, int gh, int tw, int th, bool pressed);

// Draws cell `glyphNumber` (from 1) of a strip of `numGlyphs` cells and the text (its
// accelerator marks removed, the accelerator letter underlined) in the font and colour.
void DrawGlyphAndText(gfx::Canvas& canvas, const TRect& rect, int margin, bool pressed,
                      int glyphNumber, int numGlyphs, const gfx::Bitmap& glyph,
                      std::string_view text, TbsButtonLayout layout, int spacing,
                      const gfx::Font& font, TColor color);
// The same with the glyph's transparent colour given (clNone: its bottom-left pixel).
void DrawGlyphAndText(gfx::Canvas& canvas, const TRect& rect, int margin, bool pressed,
                      int glyphNumber, int numGlyphs, const gfx::Bitmap& glyph,
                      std::string_view text, TbsButtonLayout layout, int spacing,
                      const gfx::Font& font, TColor color, TColor glyphTransparent);

}  // namespace skin
