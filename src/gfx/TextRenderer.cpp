#include "gfx/TextRenderer.h"

#include <algorithm>
#include <vector>

#include "base/Rounding.h"
#include "gfx/TextEllipsis.h"
#include "gfx/TextMask.h"

namespace gfx {
namespace {

// Positions beyond this cannot reach any bitmap (their size is bounded far below it);
// refusing them keeps the offset arithmetic clear of integer overflow.
constexpr int kMaxCoordinate = 1 << 29;

bool IsReachable(TPoint p) {
    return p.X > -kMaxCoordinate && p.X < kMaxCoordinate && p.Y > -kMaxCoordinate &&
           p.Y < kMaxCoordinate;
}

// The clip as disjoint rectangles inside the bitmap.
std::vector<TRect> ClipRects(const Bitmap& target, const TextClip& clip) {
    TRect bounds = target.Bounds();
    if (clip.rect) bounds = bounds.Intersect(*clip.rect);
    std::vector<TRect> rects;
    if (bounds.IsEmpty()) return rects;
    if (!clip.region) {
        rects.push_back(bounds);
        return rects;
    }
    for (const TRect& r : clip.region->Rects()) {
        TRect part = r.Intersect(bounds);
        if (!part.IsEmpty()) rects.push_back(part);
    }
    return rects;
}

TRect BoundsOf(const std::vector<TRect>& rects) {
    TRect b;
    for (const TRect& r : rects) {
        if (b.IsEmpty()) {
            b = r;
            continue;
        }
        b = {std::min(b.Left, r.Left), std::min(b.Top, r.Top), std::max(b.Right, r.Right),
             std::max(b.Bottom, r.Bottom)};
    }
    return b;
}

void SetMonoBit(uint8_t* row, int x, int bit) {
    uint8_t m = uint8_t(0x80 >> (x & 7));
    if (bit) row[x >> 3] |= m;
    else row[x >> 3] &= uint8_t(~m);
}

void FillClipped(Bitmap& target, const TRect& area, TColor rgb, const std::vector<TRect>& rects) {
    for (const TRect& r : rects) {
        TRect part = r.Intersect(area);
        for (int y = part.Top; y < part.Bottom; ++y) {
            uint8_t* row = target.Row(y);
            for (int x = part.Left; x < part.Right; ++x) {
                if (target.IsMono()) {
                    SetMonoBit(row, x, Bitmap::MonoBitFor(rgb));
                } else {
                    row[3 * x] = uint8_t(base::GetBValue(rgb));
                    row[3 * x + 1] = uint8_t(base::GetGValue(rgb));
                    row[3 * x + 2] = uint8_t(base::GetRValue(rgb));
                }
            }
        }
    }
}

uint8_t Blend(uint8_t dst, int src, int coverage) {
    return uint8_t((dst * (255 - coverage) + src * coverage + 127) / 255);
}

// Blends the mask, placed with its origin at `origin`, into the clip rectangles.
void Composite(Bitmap& target, const TextMask& mask, TPoint origin, TColor rgb,
               const std::vector<TRect>& rects) {
    if (mask.IsEmpty()) return;
    TRect placed = mask.Bounds().Offset(origin.X, origin.Y);
    const int bit = Bitmap::MonoBitFor(rgb);
    const int r = base::GetRValue(rgb), g = base::GetGValue(rgb), b = base::GetBValue(rgb);
    for (const TRect& clip : rects) {
        TRect part = clip.Intersect(placed);
        for (int y = part.Top; y < part.Bottom; ++y) {
            const uint8_t* cov = mask.Row(y - origin.Y) - placed.Left;  // indexed by x
            uint8_t* row = target.Row(y);
            for (int x = part.Left; x < part.Right; ++x) {
                int c = cov[x];
                if (c == 0) continue;
                if (target.IsMono()) {
                    if (c >= 128) SetMonoBit(row, x, bit);
                } else {
                    uint8_t* px = row + 3 * x;
                    px[0] = Blend(px[0], b, c);
                    px[1] = Blend(px[1], g, c);
                    px[2] = Blend(px[2], r, c);
                }
            }
        }
    }
}

}  // namespace

int DrawText(Bitmap& target, const Font& font, TPoint at, std::string_view utf8,
             const TextStyle& style, const TextClip& clip) {
    if (!IsReachable(at)) return font.TextWidth(utf8);
    TPoint origin{at.X, style.reference == TextReference::Top ? at.Y + font.Ascent() : at.Y};
    std::vector<TRect> rects = ClipRects(target, clip);
    TRect window = BoundsOf(rects).Offset(-origin.X, -origin.Y);
    TextMask mask = TextMask::FromLine(font, utf8, window);
    if (style.background) {
        TRect cell(origin.X, origin.Y - font.Ascent(), origin.X + mask.Advance(),
                   origin.Y + font.Descent());
        FillClipped(target, cell, base::ColorToRGB(*style.background), rects);
    }
    Composite(target, mask, origin, base::ColorToRGB(style.color), rects);
    return mask.Advance();
}

void DrawTextInBox(Bitmap& target, const Font& font, const TRect& box, std::string_view utf8,
                   const TextStyle& style, TextBoxFlags flags, const TextClip& clip) {
    if (box.IsEmpty()) return;
    TextClip boxClip = clip;
    boxClip.rect = clip.rect ? box.Intersect(*clip.rect) : box;
    if (boxClip.rect->IsEmpty()) return;
    // Plain division: it truncates toward zero, as the layouts expect for boxes lower
    // than the font.
    int top = flags.verticalCenter ? box.Top + (box.Height() - font.Height()) / 2 : box.Top;
    TextStyle cellStyle = style;
    cellStyle.reference = TextReference::Top;
    if (flags.endEllipsis) {
        DrawText(target, font, {box.Left, top}, EllipsizeText(font, utf8, box.Width()), cellStyle,
                 boxClip);
    } else {
        DrawText(target, font, {box.Left, top}, utf8, cellStyle, boxClip);
    }
}

int DrawTextRotated90(Bitmap& target, const Font& font, TPoint topLeft, std::string_view utf8,
                      const TextStyle& style, const TextClip& clip) {
    int width = font.TextWidth(utf8);
    if (!IsReachable(topLeft) || width >= kMaxCoordinate) return width;
    // The line's origin (left end of the baseline) after the turn: the baseline runs
    // upwards Ascent pixels right of the cell's left edge, starting at its bottom.
    TPoint origin{topLeft.X + font.Ascent(), topLeft.Y + width};
    std::vector<TRect> rects = ClipRects(target, clip);
    TRect window = TextMask::UnrotateWindow(BoundsOf(rects).Offset(-origin.X, -origin.Y));
    TextMask mask = TextMask::FromLine(font, utf8, window).RotatedCounterClockwise();
    if (style.background) {
        TRect cell = TRect::FromSize(topLeft.X, topLeft.Y, font.Height(), width);
        FillClipped(target, cell, base::ColorToRGB(*style.background), rects);
    }
    Composite(target, mask, origin, base::ColorToRGB(style.color), rects);
    return width;
}

}  // namespace gfx
