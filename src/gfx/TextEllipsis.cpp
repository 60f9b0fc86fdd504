#include "gfx/TextEllipsis.h"

namespace gfx {

std::string EllipsizeText(const Font& font, std::string_view utf8, int width) {
    auto glyphs = font.Layout(utf8);
    int full = glyphs.empty() ? 0 : glyphs.back().x + glyphs.back().advance;
    if (full <= width) return std::string(utf8);

    constexpr std::string_view kDots = "...";
    int dotsWidth = font.TextWidth(kDots);
    // Without kerning, widths add up: the start of the line up to a glyph is exactly as
    // wide as that glyph's right end.
    size_t keep = 0;
    for (const PlacedGlyph& g : glyphs) {
        if (g.x + g.advance + dotsWidth > width) break;
        keep = g.byteOffset + g.byteLength;
    }
    std::string result(utf8.substr(0, keep));
    result += kDots;
    return result;
}

}  // namespace gfx
