#pragma once
// A font ready for measuring and drawing: the FontSpec resolved to a face at a pixel
// size. Copies are cheap and share the resolved data; fonts with equal specs share it
// too. Fonts are used from the UI thread only.
//
// Every measure is in whole pixels. Text is UTF-8 (invalid bytes count as U+FFFD);
// characters the face lacks come from another installed face that has them, else
// they show as the face's "missing" glyph. Control characters (U+0000..U+001F, U+007F)
// take no space and draw nothing.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/FontFace.h"
#include "gfx/FontSpec.h"

namespace gfx {

struct TextSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TextSize&, const TextSize&) = default;
};

// One character of a laid-out line.
struct PlacedGlyph {
    FontFace* face = nullptr;  // valid while the Font (or a copy) lives; null: draws nothing
    uint32_t index = 0;
    int x = 0;                 // pen position, relative to the line's start
    int advance = 0;
    size_t byteOffset = 0;     // where the character starts in the text
    size_t byteLength = 0;
};

class Font {
public:
    Font();  // the default font: FontSpec{}
    explicit Font(const FontSpec& fontSpec);

    // The FontSpec as given, with its height clamped (see ClampFontHeight).
    const FontSpec& Attributes() const;
    // The family of the face actually used ("Liberation Sans" for "Arial").
    const std::string& FaceFamily() const;
    // The file of that face; empty when no font is installed at all.
    const std::string& FaceFile() const;

    // The text cell: Height = Ascent + Descent. For a positive FontSpec height the cell is
    // exactly that height; for a negative one the em is, and the cell is larger by the
    // internal leading.
    int Height() const;
    int Ascent() const;
    int Descent() const;
    int InternalLeading() const;
    const FaceMetrics& Metrics() const;

    int TextWidth(std::string_view utf8) const;
    // cx: the width, cy: Height() (also for empty text).
    TextSize TextExtent(std::string_view utf8) const;

    // The glyphs of one line, left to right, one per character.
    std::vector<PlacedGlyph> Layout(std::string_view utf8) const;

private:
    struct Data;
    // The shared data of a FontSpec, from the cache of resolved fonts.
    static std::shared_ptr<Data> Resolve(const FontSpec& fontSpec);
    std::shared_ptr<Data> data_;
};

}  // namespace gfx
