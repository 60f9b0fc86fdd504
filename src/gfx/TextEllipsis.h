#pragma once
// Shortening a line to a width with a trailing "...".

#include <string>
#include <string_view>

#include "gfx/Font.h"

namespace gfx {

// The text itself when it fits `width`; otherwise its longest start (cut between
// characters, never inside one) that fits together with "...", followed by "...".
// When not even "..." fits, the result is "..." alone (drawing clips it).
std::string EllipsizeText(const Font& font, std::string_view utf8, int width);

}  // namespace gfx
