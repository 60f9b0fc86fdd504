#include "vcl/TImageList.h"

#include <algorithm>

namespace vcl {

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

void TImageList::SetWidth(int width) {
    if (width <= 0 || width == width_) return;
    width_ = width;
    Clear();
}

void TImageList::SetHeight(int height) {
    if (height <= 0 || height == height_) return;
    height_ = height;
    Clear();
}

int TImageList::AddEntries(const gfx::Bitmap& image, const gfx::Bitmap& mask) {
    if (image.IsEmpty()) return -1;
    int first = Count();
    int pieces = std::max(1, image.Width() / width_);
    for (int i = 0; i < pieces; ++i) {
        Entry e{gfx::Bitmap(width_, height_), gfx::Bitmap(width_, height_, gfx::PixelFormat::Mono1)};
        TRect src = TRect::FromSize(i * width_, 0, width_, height_);
        e.image.Fill(clBlack);
        gfx::StretchCopy(e.image, e.image.Bounds(), image, src);
        e.mask.Fill(clWhite);
        // Pixels outside the source picture stay out of the mask.
        TRect inside = src.Intersect(image.Bounds()).Offset(-src.Left, 0);
        for (int y = inside.Top; y < inside.Bottom; ++y)
            for (int x = inside.Left; x < inside.Right; ++x) {
                bool opaque = mask.IsEmpty() || mask.IsBlack(x + src.Left, y);
                e.mask.SetPixel(x, y, opaque ? clBlack : clWhite);
            }
        images_.push_back(std::move(e));
    }
    return first;
}

int TImageList::Add(const TBitmap* image, const TBitmap* mask) {
    if (!image) return -1;
    return AddEntries(image->Pixels(), mask ? mask->Pixels() : gfx::Bitmap());
}

int TImageList::AddMasked(const TBitmap* image, TColor transparent) {
    if (!image || image->Empty()) return -1;
    const gfx::Bitmap& px = image->Pixels();
    TColor key = base::ColorToRGB(transparent);
    gfx::Bitmap mask(px.Width(), px.Height(), gfx::PixelFormat::Mono1);
    for (int y = 0; y < px.Height(); ++y)
        for (int x = 0; x < px.Width(); ++x) mask.SetPixel(x, y, px.Pixel(x, y) == key ? clWhite : clBlack);
    return AddEntries(px, mask);
}

void TImageList::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    images_.erase(images_.begin() + index);
}

void TImageList::Clear() { images_.clear(); }

void TImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) const {
    if (!canvas || index < 0 || index >= Count()) return;
    gfx::Canvas* surface = canvas->Native();
    if (!surface) return;
    const Entry& e = images_[static_cast<size_t>(index)];
    auto paintShape = [&](int ox, int oy, TColor color, bool onlyDark) {
        for (int py = 0; py < height_; ++py)
            for (int px = 0; px < width_; ++px) {
                if (!e.mask.IsBlack(px, py)) continue;
                if (onlyDark) {
                    TColor c = e.image.Pixel(px, py);
                    int lum = base::GetRValue(c) * 30 + base::GetGValue(c) * 59 + base::GetBValue(c) * 11;
                    if (lum >= 128 * 100) continue;  // light pixels vanish in the engraved look
                }
                surface->SetPixel(ox + px, oy + py, color == clNone ? e.image.Pixel(px, py) : color);
            }
    };
    if (enabled) {
        paintShape(x, y, clNone, false);
    } else {
        paintShape(x + 1, y + 1, clBtnHighlight, true);
        paintShape(x, y, clBtnShadow, true);
    }
}

bool TImageList::GetBitmap(int index, TBitmap* target, TColor background) const {
    if (!target || index < 0 || index >= Count()) return false;
    target->SetPixelFormat(pf24bit);
    target->SetSize(width_, height_);
    const Entry& e = images_[static_cast<size_t>(index)];
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            target->Pixels().SetPixel(x, y, e.mask.IsBlack(x, y) ? e.image.Pixel(x, y) : background);
    return true;
}

}  // namespace vcl
