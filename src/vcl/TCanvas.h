#pragma once
// The drawing face components use: a gfx::Canvas (a bitmap's, or a window's while it
// paints) with Pen, Brush and Font objects whose settings apply to every drawing call.
//
// A canvas without a drawing surface ignores drawing calls and measures text with its
// font. Controls attach the surface of their device context while painting; a canvas
// may also ask for one on first use (RequireSurface), which controls use to draw outside
// the paint cycle.

#include <functional>
#include <span>
#include <string_view>

#include "gfx/Canvas.h"
#include "vcl/TBrush.h"
#include "vcl/TFont.h"
#include "vcl/TPen.h"

namespace vcl {

class TBitmap;

class TCanvas : public TPersistent {
public:
    TCanvas();
    ~TCanvas() override;

    TPen* Pen() { return &pen_; }
    TBrush* Brush() { return &brush_; }
    TFont* Font() { return &font_; }

    // The surface drawn on (null: none). Attach does not take ownership.
    void Attach(gfx::Canvas* surface);
    void Detach() { Attach(nullptr); }
    bool HasSurface() const { return surface_ != nullptr; }
    // The surface with the pen, brush and font applied; null when none can be had. For
    // layers that draw with gfx directly.
    gfx::Canvas* Native();
    // Called when a drawing call finds no surface; may Attach one.
    std::function<void(TCanvas*)> RequireSurface;

    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    void Rectangle(const TRect& r);
    void Rectangle(int x1, int y1, int x2, int y2) { Rectangle(TRect{x1, y1, x2, y2}); }
    void Ellipse(const TRect& r);
    void Pie(const TRect& r, TPoint p1, TPoint p2);
    void Arc(const TRect& r, TPoint p1, TPoint p2);
    void Polygon(std::span<const TPoint> points);
    void Polyline(std::span<const TPoint> points);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    TPoint PenPos() const { return penPos_; }
    void DrawFocusRect(const TRect& r);
    TColor Pixel(int x, int y);
    void SetPixel(int x, int y, TColor color);

    // Text in the font's colour; the brush decides opaque (solid) or transparent (clear).
    void TextOut(int x, int y, std::string_view text);
    void TextRect(const TRect& r, int x, int y, std::string_view text);
    int TextWidth(std::string_view text) const;
    int TextHeight(std::string_view text) const;
    gfx::TextSize TextExtent(std::string_view text) const;

    // Bitmaps: Draw honours the bitmap's Transparent setting.
    void Draw(int x, int y, const TBitmap* bitmap);
    void StretchDraw(const TRect& dest, const TBitmap* bitmap);
    void CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect);

    // Clipping and origin, in logical coordinates of the surface.
    TRect ClipRect();
    void IntersectClipRect(const TRect& r);
    void Save();
    void Restore();

    void Assign(const TPersistent* source) override;

    std::function<void(TObject* sender)> OnChange;

private:
    gfx::Canvas* Ready();
    void Changed() { if (OnChange) OnChange(this); }

    TPen pen_;
    TBrush brush_;
    TFont font_;
    gfx::Canvas* surface_ = nullptr;
    TPoint penPos_;
    mutable gfx::Font resolvedFont_;
    mutable bool fontDirty_ = true;
};

}  // namespace vcl
