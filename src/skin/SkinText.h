#pragma once
// Single-line text of skinned elements. The font and colour are given with the call;
// text is UTF-8.

#include <string>
#include <string_view>

#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/Canvas.h"
#include "gfx/Font.h"

namespace skin {

// The text itself when it fits the width, else its longest start that fits with "..."
// appended (never splitting a character), or "..." alone.
std::string EllipsizeText(const gfx::Font& font, std::string_view text, int width);

// One line, vertically centred in the rectangle, starting at its left edge, clipped to it.
void DrawTextVCenter(gfx::Canvas& canvas, const gfx::Font& font, TColor color,
                     std::string_view text, const TRect& r);
// One line clipped to the rectangle at x = left + indent + 2 and
// y = top + height div 2 - text height div 2.
void DrawTextLeftVCenter(gfx::Canvas& canvas, const gfx::Font& font, TColor color,
                         std::string_view text, const TRect& r, int indent = 0);

}  // namespace skin
