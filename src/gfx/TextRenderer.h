#pragma once
// Drawing single lines of text into bitmaps. Glyphs are blended into 24-bit bitmaps by
// their coverage; in a 1-bit mask a pixel takes the colour's bit where the coverage is
// at least half. Every function clips to the bitmap, to the optional clip rectangle and
// to the optional region; pixels outside all of them are never touched.

#include <optional>
#include <string>
#include <string_view>

#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/Font.h"
#include "gfx/Region.h"

namespace gfx {

// Which point of the text the position names (x is always the left end).
enum class TextReference {
    Top,       // the top of the text cell
    Baseline,  // the baseline
};

struct TextStyle {
    TColor color = clBlack;
    TextReference reference = TextReference::Top;
    // Opaque mode: the text cell (its advance width by the font's Height) is filled with
    // this colour before the glyphs are drawn.
    std::optional<TColor> background;
};

struct TextClip {
    std::optional<TRect> rect;
    const Region* region = nullptr;  // not owned; must outlive the call
};

// Draws one line with its left end at `at`. Returns the advance width.
int DrawText(Bitmap& target, const Font& font, TPoint at, std::string_view utf8,
             const TextStyle& style, const TextClip& clip = {});

struct TextBoxFlags {
    bool endEllipsis = false;     // shorten to fit the width, ending with "..."
    bool verticalCenter = false;  // top = box.Top + (box height - font height) div 2
};

// Draws one line inside `box`, starting at its left edge, at its top or vertically
// centred, clipped to it (and to `clip`). The style's reference is ignored: the line's
// cell is placed in the box.
void DrawTextInBox(Bitmap& target, const Font& font, const TRect& box, std::string_view utf8,
                   const TextStyle& style, TextBoxFlags flags, const TextClip& clip = {});

// Draws one line turned by 90 degrees counter-clockwise, so it reads from bottom to top.
// `topLeft` is the top-left pixel of the turned text cell, which covers
// [topLeft.X, topLeft.X + font.Height()) x [topLeft.Y, topLeft.Y + width): the cell's top
// edge becomes its left edge and the text starts at the bottom. The style's reference is
// ignored. Returns the advance width (the turned cell's height).
int DrawTextRotated90(Bitmap& target, const Font& font, TPoint topLeft, std::string_view utf8,
                      const TextStyle& style, const TextClip& clip = {});

}  // namespace gfx
