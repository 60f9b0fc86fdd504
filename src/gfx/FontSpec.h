#pragma once
// A font as the program names it: family, height and style. The colour is not part of
// it; text takes its colour when it is drawn.
//
// Height follows the classic desktop convention:
//   negative: the character (em) height in pixels, -11 being 8 pt at 96 dpi;
//   positive: the cell height, ascent + descent;
//   zero:     the default size (kDefaultFontHeight).

#include <cstdint>
#include <string>

#include "base/Rounding.h"

namespace gfx {

constexpr int kDefaultFontHeight = -11;
// Heights are clamped to this magnitude: far beyond any text on screen, yet a glyph
// still fits comfortably in memory.
constexpr int kMaxFontHeight = 1000;

struct FontSpec {
    std::string name = "MS Sans Serif";
    int height = kDefaultFontHeight;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The height of a font of `points` points at 96 dpi: -MulDiv(points, 96, 72).
inline int FontHeightFromPoints(int points) {
    return -base::rnd(static_cast<double>(points) * 96.0 / 72.0);
}

// Height brought into the usable range: 0 becomes the default, anything else keeps its
// sign (em or cell height) with a magnitude of 1 .. kMaxFontHeight.
constexpr int ClampFontHeight(int height) {
    if (height == 0) return kDefaultFontHeight;
    if (height > kMaxFontHeight) return kMaxFontHeight;
    if (height < -kMaxFontHeight) return -kMaxFontHeight;
    return height;
}

}  // namespace gfx
