#include "skin/TbsEffectBmp.h"

#include <algorithm>
#include <cstring>

#include "base/Rounding.h"

namespace skin {

uint8_t BlendChannel(int p, int q, double w) {
    return static_cast<uint8_t>(std::clamp(base::rnd((1.0 - w) * p + w * q), 0, 255));
}

TbsEffectBmp::TbsEffectBmp(int width, int height)
    : pixels_(std::max(width, 0), std::max(height, 0)) {}

TbsEffectBmp::TbsEffectBmp(const gfx::Bitmap& source) : pixels_(source) {
    if (pixels_.IsMono()) pixels_.SetFormat(gfx::PixelFormat::Bgr24);
}

TbsBgr TbsEffectBmp::Pixel(int x, int y) const {
    if (!pixels_.Bounds().Contains(x, y)) return {};
    const uint8_t* p = pixels_.Row(y) + 3 * x;
    return {p[0], p[1], p[2]};
}

void TbsEffectBmp::SetPixel(int x, int y, TbsBgr c) {
    if (!pixels_.Bounds().Contains(x, y)) return;
    uint8_t* p = pixels_.Row(y) + 3 * x;
    p[0] = c.b;
    p[1] = c.g;
    p[2] = c.r;
}

void TbsEffectBmp::GetRow(int y, std::vector<uint8_t>& buffer) const {
    if (y < 0 || y >= Height()) return;
    buffer.assign(pixels_.Row(y), pixels_.Row(y) + 3 * size_t(Width()));
}

void TbsEffectBmp::SetRow(int y, const std::vector<uint8_t>& buffer) {
    if (y < 0 || y >= Height()) return;
    std::memcpy(pixels_.Row(y), buffer.data(), std::min(buffer.size(), 3 * size_t(Width())));
}

void TbsEffectBmp::Draw(gfx::Canvas& canvas, int x, int y) const { canvas.Draw(x, y, pixels_); }

void TbsEffectBmp::BlendByColumn(const TbsEffectBmp& active, const std::vector<double>& weight) {
    for (int y = 0; y < Height(); ++y) {
        uint8_t* n = pixels_.Row(y);
        const uint8_t* a = active.pixels_.Row(y);
        for (int x = 0; x < Width(); ++x)
            for (int ch = 0; ch < 3; ++ch) {
                size_t i = 3 * size_t(x) + size_t(ch);
                n[i] = BlendChannel(n[i], a[i], weight[size_t(x)]);
            }
    }
}

void TbsEffectBmp::BlendByRow(const TbsEffectBmp& active, const std::vector<double>& weight) {
    for (int y = 0; y < Height(); ++y) {
        uint8_t* n = pixels_.Row(y);
        const uint8_t* a = active.pixels_.Row(y);
        for (size_t i = 0; i < 3 * size_t(Width()); ++i)
            n[i] = BlendChannel(n[i], a[i], weight[size_t(y)]);
    }
}

void TbsEffectBmp::ComposeColumns(const TbsEffectBmp& active, const std::vector<int>& fromActive,
                                  const std::vector<int>& fromNormal) {
    std::vector<uint8_t> normalRow;
    for (int y = 0; y < Height(); ++y) {
        GetRow(y, normalRow);
        uint8_t* out = pixels_.Row(y);
        const uint8_t* a = active.pixels_.Row(y);
        for (int x = 0; x < Width(); ++x) {
            const uint8_t* src = fromActive[size_t(x)] >= 0 ? a + 3 * fromActive[size_t(x)]
                                                            : normalRow.data() + 3 * fromNormal[size_t(x)];
            std::memcpy(out + 3 * x, src, 3);
        }
    }
}

void TbsEffectBmp::MorphBlend(const TbsEffectBmp& active, double x) {
    if (!SameSize(active)) return;
    BlendByColumn(active, std::vector<double>(size_t(Width()), std::clamp(x, 0.0, 1.0)));
}

void TbsEffectBmp::MorphGradient(const TbsEffectBmp& active, double x) {
    if (!SameSize(active)) return;
    x = std::clamp(x, 0.0, 1.0);
    const bool horizontal = Width() >= Height();
    const int length = horizontal ? Width() : Height();
    const int band = base::rnd(length * x);
    const int bandStart = (length - band) / 2;
    const int bandEnd = bandStart + band;
    const double half = (length - band) / 2.0;
    const double step = half > 0 ? 1.0 / half : 1.0;
    // The weight of A: 1 inside the centre band, falling towards both edges.
    std::vector<double> weight(size_t(length), 1.0);
    for (int i = 0; i < length; ++i) {
        int distance = i < bandStart ? bandStart - i : i >= bandEnd ? i - bandEnd + 1 : 0;
        weight[size_t(i)] = 1.0 - std::min(1.0, distance * step);
    }
    if (horizontal) BlendByColumn(active, weight);
    else BlendByRow(active, weight);
}

void TbsEffectBmp::MorphLeftGradient(const TbsEffectBmp& active, double x) {
    if (!SameSize(active) || Width() == 0) return;
    const int w = Width();
    const int a = std::max(1, std::min(base::rnd(w * std::clamp(x, 0.0, 1.0)), w - 1));
    std::vector<double> weight(size_t(w), 0.0);
    for (int c = 0; c <= a && c < w; ++c) weight[size_t(c)] = 1.0 - double(c) / a;
    BlendByColumn(active, weight);
}

void TbsEffectBmp::MorphRightGradient(const TbsEffectBmp& active, double x) {
    if (!SameSize(active) || Width() == 0) return;
    const int w = Width();
    const int a = std::max(1, std::min(w - base::rnd(w * std::clamp(x, 0.0, 1.0)), w - 1));
    std::vector<double> weight(size_t(w), 0.0);
    const double step = 1.0 / std::max(1, w - a);
    for (int c = w - 1; c >= a; --c) weight[size_t(c)] = std::max(0.0, 1.0 - (w - 1 - c) * step);
    BlendByColumn(active, weight);
}

void TbsEffectBmp::MorphLeftSlide(const TbsEffectBmp& active, double x) {
    if (!SameSize(active) || Width() == 0) return;
    const int w = Width();
    const int b = std::min(w, std::max(1, std::min(base::rnd(w * std::clamp(x, 0.0, 1.0)), w - 1)));
    std::vector<int> fromActive(size_t(w), -1);
    std::vector<int> fromNormal(size_t(w), 0);
    for (int c = 0; c < w; ++c) {
        fromNormal[size_t(c)] = c;
        if (c < b) fromActive[size_t(c)] = w - b + c;
    }
    ComposeColumns(active, fromActive, fromNormal);
}

void TbsEffectBmp::MorphRightSlide(const TbsEffectBmp& active, double x) {
    if (!SameSize(active) || Width() == 0) return;
    const int w = Width();
    const int b = std::min(w, std::max(1, std::min(base::rnd(w * std::clamp(x, 0.0, 1.0)), w - 1)));
    std::vector<int> fromActive(size_t(w), -1);
    std::vector<int> fromNormal(size_t(w), 0);
    for (int c = 0; c < w; ++c) {
        fromNormal[size_t(c)] = c;
        if (c >= w - b) fromActive[size_t(c)] = c - (w - b);
    }
    ComposeColumns(active, fromActive, fromNormal);
}

void TbsEffectBmp::MorphPush(const TbsEffectBmp& active, double x) {
    if (!SameSize(active) || Width() == 0) return;
    const int w = Width();
    const int a = std::clamp(base::rnd(w * std::clamp(x, 0.0, 1.0)), 0, w - 1);
    std::vector<int> fromActive(size_t(w), -1);
    std::vector<int> fromNormal(size_t(w), 0);
    for (int c = 0; c < w; ++c) {
        if (c <= a) fromActive[size_t(c)] = w - (a + 1) + c;
        else fromNormal[size_t(c)] = c - (a + 1);
    }
    ComposeColumns(active, fromActive, fromNormal);
}

void TbsEffectBmp::Morph(TbsMorphKind kind, const TbsEffectBmp& active, double x) {
    switch (kind) {
    case mkDefault: MorphBlend(active, x); break;
    case mkGradient: MorphGradient(active, x); break;
    case mkLeftGradient: MorphLeftGradient(active, x); break;
    case mkRightGradient: MorphRightGradient(active, x); break;
    case mkLeftSlide: MorphLeftSlide(active, x); break;
    case mkRightSlide: MorphRightSlide(active, x); break;
    case mkPush: MorphPush(active, x); break;
    }
}

}  // namespace skin
