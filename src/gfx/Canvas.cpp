#include "gfx/Canvas.h"

#include <algorithm>

#include "gfx/Rasterizer.h"

namespace gfx {
namespace {

void ApplyBgr(uint8_t* p, int count, uint8_t b, uint8_t g, uint8_t r, RasterOp op) {
    switch (op) {
        case RasterOp::Copy:
            for (int i = 0; i < count; ++i, p += 3) { p[0] = b; p[1] = g; p[2] = r; }
            break;
        case RasterOp::Invert:
            for (int i = 0; i < count * 3; ++i) p[i] = uint8_t(~p[i]);
            break;
        case RasterOp::Xor:
            for (int i = 0; i < count; ++i, p += 3) { p[0] ^= b; p[1] ^= g; p[2] ^= r; }
            break;
        case RasterOp::NotXor:
            for (int i = 0; i < count; ++i, p += 3) {
                p[0] = uint8_t(~(p[0] ^ b));
                p[1] = uint8_t(~(p[1] ^ g));
                p[2] = uint8_t(~(p[2] ^ r));
            }
            break;
    }
}

uint8_t ApplyBit(uint8_t dst, uint8_t src, RasterOp op) {
    switch (op) {
        case RasterOp::Copy: return src;
        case RasterOp::Invert: return uint8_t(!dst);
        case RasterOp::Xor: return uint8_t(dst ^ src);
        case RasterOp::NotXor: return uint8_t(!(dst ^ src));
    }
    return src;
}

void ApplyMono(Bitmap& bmp, int y, int x0, int x1, int bit, RasterOp op) {
    uint8_t* row = bmp.Row(y);
    if (op == RasterOp::Copy) {
        // Whole bytes at once in the middle of the run.
        int x = x0;
        for (; x < x1 && (x & 7); ++x) {
            uint8_t m = uint8_t(0x80 >> (x & 7));
            row[x >> 3] = bit ? (row[x >> 3] | m) : (row[x >> 3] & uint8_t(~m));
        }
        for (; x + 8 <= x1; x += 8) row[x >> 3] = bit ? 0xFF : 0x00;
        for (; x < x1; ++x) {
            uint8_t m = uint8_t(0x80 >> (x & 7));
            row[x >> 3] = bit ? (row[x >> 3] | m) : (row[x >> 3] & uint8_t(~m));
        }
        return;
    }
    for (int x = x0; x < x1; ++x) {
        uint8_t m = uint8_t(0x80 >> (x & 7));
        uint8_t d = (row[x >> 3] & m) ? 1 : 0;
        if (ApplyBit(d, uint8_t(bit), op)) row[x >> 3] |= m;
        else row[x >> 3] &= uint8_t(~m);
    }
}

}  // namespace

void Canvas::SetClipRegion(const Region* region) {
    if (region) state_.clip = *region;
    else state_.clip.reset();
}

void Canvas::IntersectClipRect(const TRect& logical) {
    Region r = Region::FromRect(logical.Offset(state_.origin.X, state_.origin.Y));
    state_.clip = state_.clip ? Region::Combine(*state_.clip, r, RegionOp::And) : r;
}

void Canvas::Save() { saved_.push_back(state_); }

void Canvas::Restore() {
    if (saved_.empty()) return;
    state_ = std::move(saved_.back());
    saved_.pop_back();
}

template <typename Fill>
void Canvas::ForEachClippedRun(const Spans& logical, Fill&& fill) {
    const int w = target_->Width(), h = target_->Height();
    const int ox = state_.origin.X, oy = state_.origin.Y;
    auto toBitmap = [&](int y, int x0, int x1) {
        y += oy;
        x0 = std::max(x0 + ox, 0);
        x1 = std::min(x1 + ox, w);
        if (y < 0 || y >= h || x0 >= x1) return false;
        return true;
    };
    if (!state_.clip) {
        for (const Span& s : logical) {
            if (!toBitmap(s.y, s.x0, s.x1)) continue;
            fill(s.y + oy, std::max(s.x0 + ox, 0), std::min(s.x1 + ox, w));
        }
        return;
    }
    Spans device;
    device.reserve(logical.size());
    for (const Span& s : logical)
        if (toBitmap(s.y, s.x0, s.x1))
            device.push_back({s.y + oy, std::max(s.x0 + ox, 0), std::min(s.x1 + ox, w)});
    state_.clip->ClipSpans(device, fill);
}

void Canvas::PaintSpans(const Spans& logical, TColor color, RasterOp op) {
    if (logical.empty()) return;
    TColor rgb = base::ColorToRGB(color);
    Bitmap& bmp = *target_;
    if (bmp.IsMono()) {
        int bit = Bitmap::MonoBitFor(rgb);
        ForEachClippedRun(logical, [&](int y, int x0, int x1) { ApplyMono(bmp, y, x0, x1, bit, op); });
        return;
    }
    auto b = uint8_t(base::GetBValue(rgb)), g = uint8_t(base::GetGValue(rgb)),
         r = uint8_t(base::GetRValue(rgb));
    ForEachClippedRun(logical, [&](int y, int x0, int x1) {
        ApplyBgr(bmp.Row(y) + x0 * 3, x1 - x0, b, g, r, op);
    });
}

void Canvas::PaintOutline(const Spans& outline) {
    if (state_.pen.style == PenStyle::Clear) return;
    PaintSpans(outline, state_.pen.color, state_.pen.mode);
}

void Canvas::PaintShape(const ShapeSpans& shape) {
    // Brush and pen use the same raster operation, as classic canvases do.
    if (state_.brush.style == BrushStyle::Solid)
        PaintSpans(shape.interior, state_.brush.color, state_.pen.mode);
    PaintOutline(shape.outline);
}

void Canvas::FillRect(const TRect& r) {
    if (state_.brush.style == BrushStyle::Clear || r.IsEmpty()) return;
    Spans spans;
    spans.reserve(size_t(r.Height()));
    for (int y = r.Top; y < r.Bottom; ++y) spans.push_back({y, r.Left, r.Right});
    PaintSpans(spans, state_.brush.color, RasterOp::Copy);
}

void Canvas::FrameRect(const TRect& r) {
    if (state_.brush.style == BrushStyle::Clear || r.IsEmpty()) return;
    Spans outline = raster::Rectangle(r).outline;
    PaintSpans(outline, state_.brush.color, RasterOp::Copy);
}

void Canvas::FillRegion(const Region& deviceRegion, TColor color) {
    Spans spans;
    for (const TRect& r : deviceRegion.Rects())
        for (int y = r.Top; y < r.Bottom; ++y)
            spans.push_back({y - state_.origin.Y, r.Left - state_.origin.X, r.Right - state_.origin.X});
    PaintSpans(spans, color, RasterOp::Copy);
}

void Canvas::Rectangle(const TRect& r) { PaintShape(raster::Rectangle(r)); }
void Canvas::Ellipse(const TRect& r) { PaintShape(raster::Ellipse(r)); }
void Canvas::Pie(const TRect& r, TPoint p1, TPoint p2) { PaintShape(raster::Pie(r, p1, p2)); }
void Canvas::Arc(const TRect& r, TPoint p1, TPoint p2) { PaintOutline(raster::Arc(r, p1, p2)); }
void Canvas::Polygon(std::span<const TPoint> points) { PaintShape(raster::Polygon(points)); }

void Canvas::Polyline(std::span<const TPoint> points) {
    PaintOutline(raster::Polyline(points));
    if (!points.empty()) state_.penPos = points.back();
}

void Canvas::LineTo(TPoint p) {
    PaintOutline(raster::Line(state_.penPos, p));
    state_.penPos = p;
}

void Canvas::DrawFocusRect(const TRect& r) {
    if (r.IsEmpty()) return;
    // Every other pixel along the frame, counted from the top-left corner; each pixel is
    // inverted exactly once, so a second call restores the picture.
    Spans dots;
    auto dot = [&](int x, int y) { dots.push_back({y, x, x + 1}); };
    for (int x = r.Left; x < r.Right; x += 2) dot(x, r.Top);
    for (int y = r.Top + 1; y < r.Bottom; ++y) {
        if (((y - r.Top) & 1) == 0) dot(r.Left, y);
        if (r.Right - 1 > r.Left && ((r.Right - 1 - r.Left + y - r.Top) & 1) == 0) dot(r.Right - 1, y);
    }
    if (r.Bottom - 1 > r.Top)
        for (int x = r.Left + 1; x < r.Right - 1; ++x)
            if (((x - r.Left + r.Bottom - 1 - r.Top) & 1) == 0) dot(x, r.Bottom - 1);
    std::sort(dots.begin(), dots.end(), [](const Span& a, const Span& b) {
        return a.y != b.y ? a.y < b.y : a.x0 < b.x0;
    });
    dots.erase(std::unique(dots.begin(), dots.end()), dots.end());
    PaintSpans(dots, clWhite, RasterOp::Xor);
}

TColor Canvas::Pixel(int x, int y) const {
    return target_->Pixel(x + state_.origin.X, y + state_.origin.Y);
}

void Canvas::SetPixel(int x, int y, TColor color) {
    PaintSpans({Span{y, x, x + 1}}, color, RasterOp::Copy);
}

void Canvas::CopyRect(const TRect& dst, const Bitmap& src, const TRect& srcRect) {
    if (dst.IsEmpty() || srcRect.IsEmpty()) return;
    TRect device = dst.Offset(state_.origin.X, state_.origin.Y);
    if (!state_.clip) {
        StretchCopy(*target_, device, src, srcRect);
        return;
    }
    TRect visible = device.Intersect(target_->Bounds());
    if (visible.IsEmpty()) return;
    const bool unstretched = dst.Width() == srcRect.Width() && dst.Height() == srcRect.Height();
    if (unstretched && srcRect.Intersect(src.Bounds()) == srcRect) {
        // The surviving runs straight from the source: no scratch picture of the whole size.
        Spans rows;
        for (int y = visible.Top; y < visible.Bottom; ++y) rows.push_back({y, visible.Left, visible.Right});
        const int dx = srcRect.Left - device.Left, dy = srcRect.Top - device.Top;
        state_.clip->ClipSpans(rows, [&](int y, int x0, int x1) {
            StretchCopy(*target_, {x0, y, x1, y + 1}, src, {x0 + dx, y + dy, x1 + dx, y + dy + 1});
        });
        return;
    }
    // Clipped stretch: stretch into a scratch bitmap, then copy the surviving runs.
    Bitmap scratch(visible.Width(), visible.Height(), target_->Format());
    StretchCopy(scratch, device.Offset(-visible.Left, -visible.Top), src, srcRect);
    Spans rows;
    for (int y = visible.Top; y < visible.Bottom; ++y) rows.push_back({y, visible.Left, visible.Right});
    state_.clip->ClipSpans(rows, [&](int y, int x0, int x1) {
        StretchCopy(*target_, {x0, y, x1, y + 1}, scratch,
                    {x0 - visible.Left, y - visible.Top, x1 - visible.Left, y - visible.Top + 1});
    });
}

void Canvas::Draw(int x, int y, const Bitmap& src) {
    CopyRect(TRect::FromSize(x, y, src.Width(), src.Height()), src, src.Bounds());
}

void Canvas::DrawTransparent(int x, int y, const Bitmap& src, TColor transparent) {
    transparent = base::ColorToRGB(transparent);
    // Group opaque source pixels of one colour into runs and paint them through the clip.
    for (int sy = 0; sy < src.Height(); ++sy) {
        int sx = 0;
        while (sx < src.Width()) {
            TColor c = src.Pixel(sx, sy);
            int end = sx + 1;
            while (end < src.Width() && src.Pixel(end, sy) == c) ++end;
            if (c != transparent) PaintSpans({Span{y + sy, x + sx, x + end}}, c, RasterOp::Copy);
            sx = end;
        }
    }
}

TextStyle Canvas::CurrentTextStyle() const {
    TextStyle style;
    style.color = state_.fontColor;
    style.reference = state_.textReference;
    if (state_.brush.style == BrushStyle::Solid) style.background = state_.brush.color;
    return style;
}

TextClip Canvas::CurrentTextClip() const {
    TextClip clip;
    if (state_.clip) clip.region = &*state_.clip;
    return clip;
}

int Canvas::TextOut(int x, int y, std::string_view text) {
    TPoint at{x + state_.origin.X, y + state_.origin.Y};
    return DrawText(*target_, state_.font, at, text, CurrentTextStyle(), CurrentTextClip());
}

void Canvas::TextRect(const TRect& r, std::string_view text, TextBoxFlags flags) {
    DrawTextInBox(*target_, state_.font, r.Offset(state_.origin.X, state_.origin.Y), text,
                  CurrentTextStyle(), flags, CurrentTextClip());
}

int Canvas::TextOutRotated90(int x, int y, std::string_view text) {
    TPoint at{x + state_.origin.X, y + state_.origin.Y};
    return DrawTextRotated90(*target_, state_.font, at, text, CurrentTextStyle(), CurrentTextClip());
}

}  // namespace gfx
