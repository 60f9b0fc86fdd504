#pragma once
// A 24-bit top-down pixel buffer with the fades ("morphs") between a normal and an
// active picture and the colour effects of inactive windows. Every computed channel is
// rounded (halves to even) and clamped to 0..255; the work runs on whole rows.

#include <cstdint>
#include <random>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "skin/SkinValues.h"

namespace skin {

struct TbsBgr {
    uint8_t b = 0, g = 0, r = 0;
    friend bool operator==(const TbsBgr&, const TbsBgr&) = default;
};

class TbsEffectBmp {
public:
    TbsEffectBmp(int width, int height);  // black
    // A copy of any bitmap (1-bit pixels become black and white).
    explicit TbsEffectBmp(const gfx::Bitmap& source);

    int Width() const { return pixels_.Width(); }
    int Height() const { return pixels_.Height(); }
    const gfx::Bitmap& Pixels() const { return pixels_; }

    // Outside the buffer Pixel gives black and SetPixel does nothing.
    TbsBgr Pixel(int x, int y) const;
    void SetPixel(int x, int y, TbsBgr p);
    // A row as width x 3 bytes (blue, green, red); rows outside the buffer are ignored.
    void GetRow(int y, std::vector<uint8_t>& buffer) const;
    void SetRow(int y, const std::vector<uint8_t>& buffer);
    uint8_t* RowAddress(int y) { return pixels_.Row(y); }
    const uint8_t* RowAddress(int y) const { return pixels_.Row(y); }
    // Draws the whole buffer at (x, y).
    void Draw(gfx::Canvas& canvas, int x, int y) const;

    // Morphs: this image (normal) turns towards `active` (of equal size; otherwise
    // nothing happens) at progress x in 0..1.
    void MorphBlend(const TbsEffectBmp& active, double x);
    void MorphGradient(const TbsEffectBmp& active, double x);
    void MorphLeftGradient(const TbsEffectBmp& active, double x);
    void MorphRightGradient(const TbsEffectBmp& active, double x);
    void MorphLeftSlide(const TbsEffectBmp& active, double x);
    void MorphRightSlide(const TbsEffectBmp& active, double x);
    void MorphPush(const TbsEffectBmp& active, double x);
    // The morph a record's "morphkind" names.
    void Morph(TbsMorphKind kind, const TbsEffectBmp& active, double x);

    // Effects.
    void Brightness(double x);
    void Darkness(double x);
    void Grayscale();
    void Noise(int amount);
    void SplitBlur(int amount);
    void Invert();
    // The effect of an inactive window frame with its fixed amount.
    void ApplyInactiveEffect(TbsInactiveEffect effect);

    // The noise source; fixed seed by default so pictures are reproducible.
    void SeedNoise(uint32_t seed) { random_.seed(seed); }

private:
    bool SameSize(const TbsEffectBmp& o) const { return o.Width() == Width() && o.Height() == Height(); }
    // Every pixel becomes blend(N, A, w) with the weight of A per column (or per row).
    void BlendByColumn(const TbsEffectBmp& active, const std::vector<double>& activeWeight);
    void BlendByRow(const TbsEffectBmp& active, const std::vector<double>& activeWeight);
    // Rebuilds each row: column c takes A's column fromActive[c] when that is >= 0,
    // else N's column fromNormal[c] (N read before the row changes).
    void ComposeColumns(const TbsEffectBmp& active, const std::vector<int>& fromActive,
                        const std::vector<int>& fromNormal);

    gfx::Bitmap pixels_;
    std::minstd_rand random_{1};
};

// blend(p, q, w) = round((1-w)·p + w·q), clamped to 0..255.
uint8_t BlendChannel(int p, int q, double w);

}  // namespace skin
