#include "gfx/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace gfx {

int Bitmap::StrideFor(int width, PixelFormat format) {
    int64_t bytes = format == PixelFormat::Mono1 ? (int64_t(width) + 7) / 8 : int64_t(width) * 3;
    return static_cast<int>((bytes + 3) & ~int64_t(3));
}

Bitmap::Bitmap(int width, int height, PixelFormat format) : format_(format) {
    SetSize(width, height);
}

void Bitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_) return;
    if (int64_t(width) * height > kMaxPixels) throw std::length_error("Bitmap zu groß");
    int stride = StrideFor(width, format_);
    std::vector<uint8_t, PixelAllocator<uint8_t>> data(static_cast<size_t>(stride) * height, 0);
    // Copy the pixels both sizes share; everything else stays black (zero), including
    // the bits of a mask byte beyond the shared width.
    int rows = std::min(height, height_);
    int columns = std::min(width, width_);
    size_t bytes = format_ == PixelFormat::Mono1 ? size_t(columns + 7) / 8 : size_t(columns) * 3;
    if (bytes > 0) {
        for (int y = 0; y < rows; ++y) {
            uint8_t* dst = data.data() + size_t(y) * stride;
            std::memcpy(dst, Row(y), bytes);
            if (format_ == PixelFormat::Mono1 && columns % 8 != 0)
                dst[bytes - 1] &= uint8_t(0xFF << (8 - columns % 8));
        }
    }
    width_ = width;
    height_ = height;
    stride_ = stride;
    data_ = std::move(data);
}

void Bitmap::SetFormat(PixelFormat format) {
    if (format == format_) return;
    Bitmap converted(width_, height_, format);
    Copy(converted, 0, 0, *this);
    *this = std::move(converted);
}

int Bitmap::MonoBitFor(TColor rgb) {
    rgb = base::ColorToRGB(rgb);
    int sum = base::GetRValue(rgb) + base::GetGValue(rgb) + base::GetBValue(rgb);
    return sum >= 384 ? 1 : 0;
}

TColor Bitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return clNone;
    const uint8_t* row = Row(y);
    if (format_ == PixelFormat::Mono1) return (row[x >> 3] & (0x80 >> (x & 7))) ? clWhite : clBlack;
    const uint8_t* p = row + x * 3;
    return base::RGB(p[2], p[1], p[0]);
}

void Bitmap::SetPixel(int x, int y, TColor color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    color = base::ColorToRGB(color);
    uint8_t* row = Row(y);
    if (format_ == PixelFormat::Mono1) {
        uint8_t bit = uint8_t(0x80 >> (x & 7));
        if (MonoBitFor(color)) row[x >> 3] |= bit;
        else row[x >> 3] &= uint8_t(~bit);
        return;
    }
    uint8_t* p = row + x * 3;
    p[0] = uint8_t(base::GetBValue(color));
    p[1] = uint8_t(base::GetGValue(color));
    p[2] = uint8_t(base::GetRValue(color));
}

void Bitmap::Fill(TColor color) {
    color = base::ColorToRGB(color);
    if (format_ == PixelFormat::Mono1) {
        std::fill(data_.begin(), data_.end(), MonoBitFor(color) ? 0xFF : 0x00);
        return;
    }
    if (height_ == 0) return;
    uint8_t* first = Row(0);
    for (int x = 0; x < width_; ++x) {
        first[x * 3] = uint8_t(base::GetBValue(color));
        first[x * 3 + 1] = uint8_t(base::GetGValue(color));
        first[x * 3 + 2] = uint8_t(base::GetRValue(color));
    }
    for (int y = 1; y < height_; ++y) std::memcpy(Row(y), first, size_t(width_) * 3);
}

bool operator==(const Bitmap& a, const Bitmap& b) {
    if (a.width_ != b.width_ || a.height_ != b.height_ || a.format_ != b.format_) return false;
    for (int y = 0; y < a.height_; ++y)
        for (int x = 0; x < a.width_; ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    return true;
}

void StretchCopy(Bitmap& dst, const TRect& dstRect, const Bitmap& src, const TRect& srcRect) {
    int dw = dstRect.Width(), dh = dstRect.Height();
    int sw = srcRect.Width(), sh = srcRect.Height();
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    TRect visible = dstRect.Intersect(dst.Bounds());
    if (visible.IsEmpty()) return;
    const bool plain = dw == sw && dh == sh && dst.Format() == PixelFormat::Bgr24 &&
                       src.Format() == PixelFormat::Bgr24;
    for (int y = visible.Top; y < visible.Bottom; ++y) {
        int sy = srcRect.Top + int(int64_t(y - dstRect.Top) * sh / dh);
        if (sy < 0 || sy >= src.Height()) continue;
        if (plain) {
            // Same size, both colour: copy the overlapping run of the row in one go.
            int x0 = std::max(visible.Left, dstRect.Left - srcRect.Left);
            int x1 = std::min(visible.Right, dstRect.Left + src.Width() - srcRect.Left);
            if (x1 > x0) {
                int sx0 = srcRect.Left + (x0 - dstRect.Left);
                std::memmove(dst.Row(y) + x0 * 3, src.Row(sy) + sx0 * 3, size_t(x1 - x0) * 3);
            }
            continue;
        }
        for (int x = visible.Left; x < visible.Right; ++x) {
            int sx = srcRect.Left + int(int64_t(x - dstRect.Left) * sw / dw);
            if (sx < 0 || sx >= src.Width()) continue;
            dst.SetPixel(x, y, src.Pixel(sx, sy));
        }
    }
}

void Copy(Bitmap& dst, int x, int y, const Bitmap& src) {
    StretchCopy(dst, TRect::FromSize(x, y, src.Width(), src.Height()), src, src.Bounds());
}

void CopyTransparent(Bitmap& dst, int x, int y, const Bitmap& src, const TRect& srcRect,
                     TColor transparent) {
    transparent = base::ColorToRGB(transparent);
    TRect s = srcRect.Intersect(src.Bounds());
    for (int sy = s.Top; sy < s.Bottom; ++sy)
        for (int sx = s.Left; sx < s.Right; ++sx) {
            TColor c = src.Pixel(sx, sy);
            if (c != transparent) dst.SetPixel(x + sx - srcRect.Left, y + sy - srcRect.Top, c);
        }
}

}  // namespace gfx
