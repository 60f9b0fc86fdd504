#include "wm/DeviceContext.h"

namespace wm {

DeviceContext::DeviceContext(HWND hwnd, std::shared_ptr<gfx::Bitmap> buffer, TPoint origin,
                             gfx::Region visible)
    : hwnd_(hwnd), buffer_(std::move(buffer)), canvas_(*buffer_), visible_(std::move(visible)) {
    canvas_.SetOrigin(origin);
    canvas_.SetClipRegion(&visible_);
}

DeviceContext::DeviceContext(HWND hwnd, gfx::Bitmap& target, TPoint origin, gfx::Region visible)
    : hwnd_(hwnd), canvas_(target), visible_(std::move(visible)) {
    canvas_.SetOrigin(origin);
    canvas_.SetClipRegion(&visible_);
}

void DeviceContext::SelectClip(const gfx::Region* logical) {
    if (!logical) {
        canvas_.SetClipRegion(&visible_);
        return;
    }
    gfx::Region device = *logical;
    device.Offset(canvas_.Origin().X, canvas_.Origin().Y);
    gfx::Region clip = gfx::Region::Combine(device, visible_, gfx::RegionOp::And);
    canvas_.SetClipRegion(&clip);
}

}  // namespace wm
