#include "gfx/TextMask.h"

#include <algorithm>

namespace gfx {
namespace {

TRect Union(const TRect& a, const TRect& b) {
    if (a.IsEmpty()) return b;
    if (b.IsEmpty()) return a;
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

}  // namespace

TextMask::TextMask(const TRect& bounds) : bounds_(bounds.IsEmpty() ? TRect{} : bounds) {
    data_.assign(size_t(bounds_.Width()) * size_t(bounds_.Height()), 0);
}

uint8_t TextMask::At(int x, int y) const {
    return bounds_.Contains(x, y) ? Row(y)[x - bounds_.Left] : 0;
}

void TextMask::FillFull(const TRect& r) {
    TRect part = r.Intersect(bounds_);
    for (int y = part.Top; y < part.Bottom; ++y)
        std::fill_n(MutableRow(y) + (part.Left - bounds_.Left), part.Width(), uint8_t(255));
}

TextMask TextMask::FromLine(const Font& font, std::string_view utf8, const TRect& window) {
    struct Piece {
        std::shared_ptr<const Glyph> glyph;
        TRect box;
    };
    std::vector<Piece> pieces;
    TRect ink;
    int width = 0;
    for (const PlacedGlyph& g : font.Layout(utf8)) {
        width = g.x + g.advance;
        if (!g.face) continue;
        auto glyph = g.face->GetGlyph(g.index);
        TRect box = TRect::FromSize(g.x + glyph->left, glyph->top, glyph->width, glyph->height);
        if (!box.Intersects(window)) continue;
        ink = Union(ink, box);
        pieces.push_back({std::move(glyph), box});
    }

    const FaceMetrics& m = font.Metrics();
    TRect underline, strikeOut;
    if (font.Attributes().underline && width > 0)
        underline = TRect::FromSize(0, m.underlineTop, width, m.underlineThickness);
    if (font.Attributes().strikeOut && width > 0)
        strikeOut = TRect::FromSize(0, -m.strikeOutTop, width, m.strikeOutThickness);
    ink = Union(Union(ink, underline), strikeOut);

    TextMask mask(ink.Intersect(window));
    mask.advance_ = width;
    if (mask.IsEmpty()) return mask;
    for (const Piece& p : pieces) {
        TRect part = p.box.Intersect(mask.bounds_);
        for (int y = part.Top; y < part.Bottom; ++y) {
            const uint8_t* src = p.glyph->coverage.data() +
                                 size_t(y - p.box.Top) * size_t(p.glyph->width) +
                                 (part.Left - p.box.Left);
            uint8_t* dst = mask.MutableRow(y) + (part.Left - mask.bounds_.Left);
            // Neighbouring glyphs may overlap by a pixel; the darker coverage wins, so the
            // overlap does not come out darker than either glyph.
            for (int x = 0; x < part.Width(); ++x) dst[x] = std::max(dst[x], src[x]);
        }
    }
    mask.FillFull(underline);
    mask.FillFull(strikeOut);
    return mask;
}

TextMask TextMask::RotatedCounterClockwise() const {
    TextMask turned(TRect(bounds_.Top, -bounds_.Right, bounds_.Bottom, -bounds_.Left));
    turned.advance_ = advance_;
    for (int y = bounds_.Top; y < bounds_.Bottom; ++y) {
        const uint8_t* src = Row(y);
        for (int x = bounds_.Left; x < bounds_.Right; ++x)
            turned.MutableRow(-x - 1)[y - turned.bounds_.Left] = src[x - bounds_.Left];
    }
    return turned;
}

TRect TextMask::UnrotateWindow(const TRect& rotated) {
    // Inverse of (x, y) -> (y, -x - 1): (x', y') came from (-y' - 1, x').
    return {-rotated.Bottom, rotated.Left, -rotated.Top, rotated.Right};
}

}  // namespace gfx
