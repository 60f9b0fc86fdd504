#pragma once
// The coverage (0..255) of one line of text, glyphs, underline and strike-out together,
// in pixels relative to the line's origin: the left end of its baseline. Only the part
// inside a given window is kept, so a huge text costs no more memory than the area it
// is drawn into.

#include <cstdint>
#include <string_view>
#include <vector>

#include "base/Geometry.h"
#include "gfx/Font.h"

namespace gfx {

class TextMask {
public:
    TextMask() = default;

    // The line's coverage, limited to `window` (origin-relative).
    static TextMask FromLine(const Font& font, std::string_view utf8, const TRect& window);

    // The covered area (origin-relative); pixels outside it have no coverage.
    const TRect& Bounds() const { return bounds_; }
    // The line's advance width (the whole line, not only the window).
    int Advance() const { return advance_; }
    bool IsEmpty() const { return bounds_.IsEmpty(); }
    uint8_t At(int x, int y) const;
    // The coverage of row y from Bounds().Left on; y must lie inside Bounds().
    const uint8_t* Row(int y) const {
        return data_.data() + size_t(y - bounds_.Top) * size_t(bounds_.Width());
    }

    // The mask turned by 90 degrees counter-clockwise about the origin: what ran to the
    // right now runs upwards. Pixel (x, y) moves to (y, -x - 1).
    TextMask RotatedCounterClockwise() const;
    // The window `rotated` (in rotated coordinates) as it lies before the rotation.
    static TRect UnrotateWindow(const TRect& rotated);

private:
    explicit TextMask(const TRect& bounds);
    uint8_t* MutableRow(int y) {
        return data_.data() + size_t(y - bounds_.Top) * size_t(bounds_.Width());
    }
    void FillFull(const TRect& r);

    TRect bounds_;
    int advance_ = 0;
    std::vector<uint8_t> data_;
};

}  // namespace gfx
