#include "vcl/TCanvas.h"

#include "vcl/TBitmap.h"

namespace vcl {

TCanvas::TCanvas() {
    font_.OnChange = [this](TObject*) { fontDirty_ = true; };
}

TCanvas::~TCanvas() = default;

void TCanvas::Attach(gfx::Canvas* surface) {
    surface_ = surface;
    fontDirty_ = true;
}

gfx::Canvas* TCanvas::Ready() {
    if (!surface_ && RequireSurface) RequireSurface(this);
    if (!surface_) return nullptr;
    surface_->Pen() = pen_.State();
    surface_->Brush() = brush_.State();
    if (fontDirty_) {
        resolvedFont_ = font_.Resolved();
        fontDirty_ = false;
    }
    surface_->SetFont(resolvedFont_);
    surface_->SetFontColor(font_.Color());
    surface_->MoveTo(penPos_);
    return surface_;
}

gfx::Canvas* TCanvas::Native() { return Ready(); }

void TCanvas::FillRect(const TRect& r) {
    if (auto* c = Ready()) { c->FillRect(r); Changed(); }
}
void TCanvas::FrameRect(const TRect& r) {
    if (auto* c = Ready()) { c->FrameRect(r); Changed(); }
}
void TCanvas::Rectangle(const TRect& r) {
    if (auto* c = Ready()) { c->Rectangle(r); Changed(); }
}
void TCanvas::Ellipse(const TRect& r) {
    if (auto* c = Ready()) { c->Ellipse(r); Changed(); }
}
void TCanvas::Pie(const TRect& r, TPoint p1, TPoint p2) {
    if (auto* c = Ready()) { c->Pie(r, p1, p2); Changed(); }
}
void TCanvas::Arc(const TRect& r, TPoint p1, TPoint p2) {
    if (auto* c = Ready()) { c->Arc(r, p1, p2); Changed(); }
}
void TCanvas::Polygon(std::span<const TPoint> points) {
    if (auto* c = Ready()) { c->Polygon(points); Changed(); }
}
void TCanvas::Polyline(std::span<const TPoint> points) {
    if (auto* c = Ready()) { c->Polyline(points); Changed(); }
}
void TCanvas::MoveTo(int x, int y) { penPos_ = {x, y}; }
void TCanvas::LineTo(int x, int y) {
    if (auto* c = Ready()) { c->LineTo(x, y); Changed(); }
    penPos_ = {x, y};
}
void TCanvas::DrawFocusRect(const TRect& r) {
    if (auto* c = Ready()) { c->DrawFocusRect(r); Changed(); }
}
TColor TCanvas::Pixel(int x, int y) {
    auto* c = Ready();
    return c ? c->Pixel(x, y) : clNone;
}
void TCanvas::SetPixel(int x, int y, TColor color) {
    if (auto* c = Ready()) { c->SetPixel(x, y, color); Changed(); }
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
    if (auto* c = Ready()) {
        int advance = c->TextOut(x, y, text);
        penPos_ = {x + advance, y};
        Changed();
    }
}

void TCanvas::TextRect(const TRect& r, int x, int y, std::string_view text) {
    auto* c = Ready();
    if (!c) return;
    c->Save();
    if (brush_.Style() == bsSolid) c->FillRect(r);
    c->IntersectClipRect(r);
    c->Brush().style = gfx::BrushStyle::Clear;
    c->TextOut(x, y, text);
    c->Restore();
    Changed();
}

int TCanvas::TextWidth(std::string_view text) const {
    if (fontDirty_) { resolvedFont_ = font_.Resolved(); fontDirty_ = false; }
    return resolvedFont_.TextWidth(text);
}
int TCanvas::TextHeight(std::string_view) const {
    if (fontDirty_) { resolvedFont_ = font_.Resolved(); fontDirty_ = false; }
    return resolvedFont_.Height();
}
gfx::TextSize TCanvas::TextExtent(std::string_view text) const {
    return {TextWidth(text), TextHeight(text)};
}

void TCanvas::Draw(int x, int y, const TBitmap* bitmap) {
    if (!bitmap || bitmap->Empty()) return;
    auto* c = Ready();
    if (!c) return;
    if (bitmap->Transparent())
        c->DrawTransparent(x, y, bitmap->Pixels(), bitmap->EffectiveTransparentColor());
    else
        c->Draw(x, y, bitmap->Pixels());
    Changed();
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap* bitmap) {
    if (!bitmap || bitmap->Empty()) return;
    if (dest.Width() == bitmap->Width() && dest.Height() == bitmap->Height()) {
        Draw(dest.Left, dest.Top, bitmap);
        return;
    }
    auto* c = Ready();
    if (!c) return;
    if (bitmap->Transparent()) {
        gfx::Bitmap scaled(dest.Width(), dest.Height());
        gfx::StretchCopy(scaled, scaled.Bounds(), bitmap->Pixels(), bitmap->Pixels().Bounds());
        c->DrawTransparent(dest.Left, dest.Top, scaled, bitmap->EffectiveTransparentColor());
    } else {
        c->CopyRect(dest, bitmap->Pixels(), bitmap->Pixels().Bounds());
    }
    Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect) {
    if (!source) return;
    gfx::Canvas* from = source->Ready();
    gfx::Canvas* to = Ready();
    if (!from || !to) return;
    TRect src = sourceRect.Offset(from->Origin().X, from->Origin().Y);
    if (&from->Target() == &to->Target()) {
        gfx::Bitmap copy = from->Target();  // overlapping copy within one bitmap
        to->CopyRect(dest, copy, src);
    } else {
        to->CopyRect(dest, from->Target(), src);
    }
    Changed();
}

TRect TCanvas::ClipRect() {
    auto* c = Ready();
    if (!c) return {};
    TRect device = c->Target().Bounds();
    if (const gfx::Region* clip = c->ClipRegion()) device = device.Intersect(clip->Bounds());
    return device.Offset(-c->Origin().X, -c->Origin().Y);
}

void TCanvas::IntersectClipRect(const TRect& r) {
    if (auto* c = Ready()) c->IntersectClipRect(r);
}
void TCanvas::Save() {
    if (auto* c = Ready()) c->Save();
}
void TCanvas::Restore() {
    if (surface_) surface_->Restore();
}

void TCanvas::Assign(const TPersistent* source) {
    if (auto* c = dynamic_cast<const TCanvas*>(source)) {
        pen_.Assign(&c->pen_);
        brush_.Assign(&c->brush_);
        font_.Assign(&c->font_);
        return;
    }
    TPersistent::Assign(source);
}

}  // namespace vcl
