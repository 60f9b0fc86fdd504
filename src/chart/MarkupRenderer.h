#pragma once
// Measures and draws the chart's marked-up texts (captions, labels, hints).
//
// Tags: b i u s (styles), br (line break), left center right (alignment of the whole
// line, inherited by later lines), font face= size= color=#RRGGBB (pushes the font;
// </font> pops it). Unknown tags are ignored. Every call parses the text afresh and
// leaves the canvas font as it found it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/Geometry.h"
#include "gfx/Canvas.h"

namespace chart {

enum THTAlignment : uint8_t { htaLeft = 0, htaRight = 1, htaCenter = 2 };

// One laid-out line: the widths of its runs summed, the tallest font and deepest descent
// used on it, and its alignment.
struct THTLine {
    int Width = 0;
    int Height = 0;
    int Descent = 0;
    THTAlignment Alignment = htaLeft;
};

// One saved font state on the font stack.
struct THTFont {
    std::string Name;
    int Size = 0;  // points
    TColor Color = clBlack;
    // The exact height the size was taken from: a cell height has no exact size in
    // points, and a closing tag must give back the font as it was.
    int Height = 0;
};

// Draw false: rect.Right/Bottom become Left/Top plus the widest line and the sum of the
// line heights. Draw true: draws the lines from rect.Top, each aligned between
// rect.Left and rect.Right; nothing is clipped to rect.
void RenderMarkup(gfx::Canvas& canvas, std::string_view text, TRect& rect, bool draw);

// The size of a text as RenderMarkup measures it.
TPoint MeasureMarkup(gfx::Canvas& canvas, std::string_view text);

// The lines of the layout pass, for callers and tests that need them.
std::vector<THTLine> LayoutMarkup(gfx::Canvas& canvas, std::string_view text);

}  // namespace chart
