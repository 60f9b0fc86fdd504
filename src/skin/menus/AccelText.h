#pragma once
// Captions with an accelerator ("&Datei") drawn as menus show them: the text without the
// marks, the accelerator's character underlined.

#include <string_view>

#include "base/Color.h"
#include "gfx/Canvas.h"
#include "gfx/Font.h"

namespace skin {

// Width of the caption as drawn (marks removed).
int AccelTextWidth(const gfx::Font& font, std::string_view caption);

// Draws the caption with its top-left at (x, y) in the canvas's current font state
// replaced by `font` and `color`, clear background.
void DrawAccelText(gfx::Canvas& canvas, const gfx::Font& font, TColor color, int x, int y,
                   std::string_view caption);

}  // namespace skin
