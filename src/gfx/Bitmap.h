#pragma once
// In-memory pictures: 24-bit colour (blue, green, red bytes, top-down rows) or 1-bit
// masks. Rows are padded to a multiple of 4 bytes and reached through Row(y), so
// filters and codecs work on whole rows without per-pixel calls.
//
// A 1-bit pixel is 0 for black and 1 for white (most significant bit first), like a
// two-colour picture with a black-then-white palette. Colours set into a mask map to
// the nearer of black and white.

#include <cstdint>
#include <vector>

#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/PixelStorage.h"

namespace gfx {

enum class PixelFormat { Bgr24, Mono1 };

class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, PixelFormat format = PixelFormat::Bgr24);

    int Width() const { return width_; }
    int Height() const { return height_; }
    PixelFormat Format() const { return format_; }
    bool IsMono() const { return format_ == PixelFormat::Mono1; }
    bool IsEmpty() const { return width_ <= 0 || height_ <= 0; }
    TRect Bounds() const { return {0, 0, width_, height_}; }
    // Bytes per row, a multiple of 4.
    int Stride() const { return stride_; }
    static int StrideFor(int width, PixelFormat format);

    uint8_t* Row(int y) { return data_.data() + static_cast<size_t>(y) * stride_; }
    const uint8_t* Row(int y) const { return data_.data() + static_cast<size_t>(y) * stride_; }
    uint8_t* Data() { return data_.data(); }
    const uint8_t* Data() const { return data_.data(); }

    // Resizes, keeping the pixels of the common area; new pixels are black.
    // Negative sizes count as 0. Throws std::length_error beyond kMaxPixels.
    void SetSize(int width, int height);
    // Changes the format, converting the pixels (colour to mask: nearer of black/white).
    void SetFormat(PixelFormat format);

    // The pixel's RGB colour (0x00BBGGRR); clNone outside the bitmap.
    TColor Pixel(int x, int y) const;
    // Resolves system colours; does nothing outside the bitmap.
    void SetPixel(int x, int y, TColor color);
    void Fill(TColor color);

    // Mask helpers (also valid on 24-bit bitmaps: black means bit 0).
    bool IsBlack(int x, int y) const { return Pixel(x, y) == clBlack; }

    // The bit a colour becomes in a mask: 0 (black) or 1 (white).
    static int MonoBitFor(TColor rgb);

    // Largest number of pixels a bitmap may hold (guards against absurd sizes in files).
    static constexpr int64_t kMaxPixels = int64_t(1) << 28;

    friend bool operator==(const Bitmap& a, const Bitmap& b);

private:
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    PixelFormat format_ = PixelFormat::Bgr24;
    std::vector<uint8_t, PixelAllocator<uint8_t>> data_;
};

// Copies src's rectangle srcRect into dst's rectangle dstRect, stretching with nearest
// neighbour when the sizes differ. Parts outside either bitmap are left out. Works
// between any two formats.
void StretchCopy(Bitmap& dst, const TRect& dstRect, const Bitmap& src, const TRect& srcRect);
// Unstretched copy of the whole source to (x, y).
void Copy(Bitmap& dst, int x, int y, const Bitmap& src);
// Copies every source pixel whose colour is not `transparent` to (x, y) + its position.
void CopyTransparent(Bitmap& dst, int x, int y, const Bitmap& src, const TRect& srcRect,
                     TColor transparent);

}  // namespace gfx
