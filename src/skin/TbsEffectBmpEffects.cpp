// The colour effects of TbsEffectBmp (inactive window frames).

#include <algorithm>

#include "base/Rounding.h"
#include "skin/TbsEffectBmp.h"

namespace skin {
namespace {

uint8_t Clamp255(int v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); }

}  // namespace

void TbsEffectBmp::Brightness(double x) {
    x = std::clamp(x, 0.0, 1.0);
    for (int y = 0; y < Height(); ++y) {
        uint8_t* row = pixels_.Row(y);
        for (size_t i = 0; i < 3 * size_t(Width()); ++i)
            row[i] = Clamp255(base::rnd((1.0 - x) * row[i] + 255.0 * x));
    }
}

void TbsEffectBmp::Darkness(double x) {
    for (int y = 0; y < Height(); ++y) {
        uint8_t* row = pixels_.Row(y);
        for (size_t i = 0; i < 3 * size_t(Width()); ++i)
            row[i] = Clamp255(base::rnd((1.0 - x) * row[i]));
    }
}

void TbsEffectBmp::Grayscale() {
    for (int y = 0; y < Height(); ++y) {
        uint8_t* p = pixels_.Row(y);
        for (int x = 0; x < Width(); ++x, p += 3) {
            uint8_t g = Clamp255(base::rnd(0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0]));
            p[0] = p[1] = p[2] = g;
        }
    }
}

void TbsEffectBmp::Noise(int amount) {
    if (amount <= 0) return;
    std::uniform_int_distribution<int> pick(0, amount - 1);
    for (int y = 0; y < Height(); ++y) {
        uint8_t* p = pixels_.Row(y);
        for (int x = 0; x < Width(); ++x, p += 3) {
            int r = pick(random_) - amount / 2;
            for (int ch = 0; ch < 3; ++ch) p[ch] = Clamp255(p[ch] + r);
        }
    }
}

void TbsEffectBmp::SplitBlur(int amount) {
    if (amount < 0 || Width() == 0) return;
    const int w = Width(), h = Height();
    // In place from the top: rows above have already changed when a row reads them.
    // Neighbours beyond an edge fall back to the pixel's own column or row.
    std::vector<uint8_t> above, below, out;
    for (int y = 0; y < h; ++y) {
        int yUp = y - amount >= 0 ? y - amount : y;
        int yDown = y + amount < h ? y + amount : y;
        GetRow(yUp, above);
        GetRow(yDown, below);
        out.resize(3 * size_t(w));
        for (int x = 0; x < w; ++x) {
            size_t l = 3 * size_t(x - amount >= 0 ? x - amount : x);
            size_t r = 3 * size_t(x + amount < w ? x + amount : x);
            for (size_t ch = 0; ch < 3; ++ch)
                out[3 * size_t(x) + ch] =
                    uint8_t((above[l + ch] + above[r + ch] + below[l + ch] + below[r + ch]) / 4);
        }
        SetRow(y, out);
    }
}

void TbsEffectBmp::Invert() {
    for (int y = 0; y < Height(); ++y) {
        uint8_t* row = pixels_.Row(y);
        for (size_t i = 0; i < 3 * size_t(Width()); ++i) row[i] = uint8_t(255 - row[i]);
    }
}

void TbsEffectBmp::ApplyInactiveEffect(TbsInactiveEffect effect) {
    switch (effect) {
    case ieBrightness: Brightness(0.5); break;
    case ieDarkness: Darkness(0.3); break;
    case ieGrayscale: Grayscale(); break;
    case ieNoise: Noise(50); break;
    case ieSplitBlur: SplitBlur(1); break;
    case ieInvert: Invert(); break;
    }
}

}  // namespace skin
