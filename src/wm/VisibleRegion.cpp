#include "wm/VisibleRegion.h"

#include <algorithm>

namespace wm {

using gfx::Region;
using gfx::RegionOp;

gfx::Region WindowShapeInRoot(const WindowSystem& ws, const Window& w) {
    Region shape = Region::FromRect(w.WindowRectLocal());
    if (w.region) shape = Region::Combine(shape, *w.region, RegionOp::And);
    TPoint origin = ws.OriginInRoot(w);
    shape.Offset(origin.X, origin.Y);
    return shape;
}

gfx::Region VisibleWindowRegion(const WindowSystem& ws, const Window& w) {
    if (!ws.IsShown(w)) return {};
    Region visible = WindowShapeInRoot(ws, w);
    const Window* cur = &w;
    while (cur->IsChild()) {
        const Window* parent = ws.Find(cur->parent);
        if (!parent) return {};
        TPoint origin = ws.OriginInRoot(*parent);
        TRect client = parent->clientRect.Intersect(parent->WindowRectLocal());
        Region clip = Region::FromRect(client.Offset(origin.X, origin.Y));
        if (parent->region) {
            Region shape = *parent->region;
            shape.Offset(origin.X, origin.Y);
            clip = Region::Combine(clip, shape, RegionOp::And);
        }
        visible = Region::Combine(visible, clip, RegionOp::And);
        const auto& siblings = parent->children;
        auto it = std::find(siblings.begin(), siblings.end(), cur->handle);
        if (it != siblings.end()) {
            for (++it; it != siblings.end(); ++it) {
                const Window* above = ws.Find(*it);
                if (above && above->HasFlag(WS_VISIBLE))
                    visible = Region::Combine(visible, WindowShapeInRoot(ws, *above),
                                              RegionOp::Diff);
            }
        }
        if (visible.IsEmpty()) return visible;
        cur = parent;
    }
    return visible;
}

gfx::Region PaintableRegion(const WindowSystem& ws, const Window& w, bool clientOnly) {
    Region region = VisibleWindowRegion(ws, w);
    if (region.IsEmpty()) return region;
    TPoint origin = ws.OriginInRoot(w);
    if (clientOnly)
        region = Region::Combine(
            region, Region::FromRect(w.clientRect.Offset(origin.X, origin.Y)), RegionOp::And);
    for (HWND h : w.children) {
        const Window* child = ws.Find(h);
        if (child && child->HasFlag(WS_VISIBLE))
            region = Region::Combine(region, WindowShapeInRoot(ws, *child), RegionOp::Diff);
    }
    return region;
}

void InvalidateRootArea(WindowSystem& ws, const Window& root, const gfx::Region& area) {
    if (area.IsEmpty()) return;
    for (HWND h : ws.TreeOf(root.handle)) {
        Window* w = ws.Find(h);
        if (!w) continue;
        Region whole = Region::Combine(PaintableRegion(ws, *w, false), area, RegionOp::And);
        if (whole.IsEmpty()) continue;
        TPoint origin = ws.OriginInRoot(*w);
        Region client = Region::Combine(
            whole, Region::FromRect(w->clientRect.Offset(origin.X, origin.Y)), RegionOp::And);
        if (!Region::Combine(whole, client, RegionOp::Diff).IsEmpty()) w->frameNeeded = true;
        if (!client.IsEmpty()) {
            client.Offset(-origin.X - w->clientRect.Left, -origin.Y - w->clientRect.Top);
            w->updateRegion = Region::Combine(w->updateRegion, client, RegionOp::Or);
            w->eraseNeeded = true;
        }
    }
}

}  // namespace wm
