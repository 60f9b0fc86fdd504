#include "skin/SkinRegions.h"

#include <algorithm>
#include <span>
#include <vector>

#include "skin/FrameBorders.h"
#include "skin/TbsFBitmap.h"

namespace skin {

std::vector<TRect> MaskToRects(const gfx::Bitmap& mask, int dx, int dy) {
    const TbsFBitmap pixels(mask);
    std::vector<TRect> rects;
    for (int y = 0; y < pixels.Height(); ++y) {
        const uint8_t* row = pixels.Row(y);
        auto black = [row](int x) { return (row[3 * x] | row[3 * x + 1] | row[3 * x + 2]) == 0; };
        int x = 0;
        while (x < pixels.Width()) {
            if (!black(x)) {
                ++x;
                continue;
            }
            const int x0 = x;
            while (x < pixels.Width() && black(x)) ++x;
            rects.push_back({x0 + dx, y + dy, x + dx, y + dy + 1});
        }
    }
    return rects;
}

gfx::Region MaskToRegion(const gfx::Bitmap& mask, int dx, int dy) {
    const std::vector<TRect> rects = MaskToRects(mask, dx, dy);
    gfx::Region region;
    for (size_t i = 0; i < rects.size(); i += kMaxMaskRectsPerBlock) {
        const size_t n = std::min(rects.size() - i, size_t(kMaxMaskRectsPerBlock));
        gfx::Region block = gfx::Region::FromRects(std::span(rects).subspan(i, n));
        region = i == 0 ? std::move(block) : gfx::Region::Combine(region, block, gfx::RegionOp::Or);
    }
    return region;
}

std::optional<gfx::Region> TileFrameRegion(const gfx::Bitmap& mask, const TbsFrameGeometry& source,
                                           int width, int height, const TbsFrameGeometry& dest) {
    if (dest.rt.X < dest.lt.X || dest.lb.Y < dest.lt.Y) return std::nullopt;
    TbsFrameBorderImages images = BuildFrameBordersTiled(mask, source, width, height, dest);
    const TRect& D = dest.client;
    gfx::Region region = gfx::Region::FromRect(D.IsEmpty() ? TRect{} : D);
    auto add = [&](const gfx::Bitmap& image, int x, int y) {
        if (image.IsEmpty()) return;
        region = gfx::Region::Combine(region, MaskToRegion(image, x, y), gfx::RegionOp::Or);
    };
    add(images.top, 0, 0);
    add(images.bottom, 0, D.Bottom);
    add(images.left, 0, D.Top);
    add(images.right, D.Right, D.Top);
    return region;
}

}  // namespace skin
