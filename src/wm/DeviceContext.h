#pragma once
// A device context: a canvas over a window's pixels (its top-level's back buffer, or a
// foreign bitmap while a parent paints a control's background), with the origin at the
// window's client (or window) top-left and the clip limited to what the window may touch.

#include <memory>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "gfx/Region.h"
#include "wm/Types.h"

namespace wm {

class DeviceContext {
public:
    // Draws into a back buffer it keeps alive; `visible` is in device pixels.
    DeviceContext(HWND hwnd, std::shared_ptr<gfx::Bitmap> buffer, TPoint origin,
                  gfx::Region visible);
    // Draws into a bitmap owned by the caller, which must outlive the context.
    DeviceContext(HWND hwnd, gfx::Bitmap& target, TPoint origin, gfx::Region visible);

    HWND Window() const { return hwnd_; }
    gfx::Canvas& Canvas() { return canvas_; }
    // Where the window may draw, device pixels.
    const gfx::Region& Visible() const { return visible_; }
    bool DrawsToBackBuffer() const { return buffer_ != nullptr; }

    // Limits drawing to a region in logical coordinates (nullptr: everything visible).
    void SelectClip(const gfx::Region* logical);

private:
    HWND hwnd_;
    std::shared_ptr<gfx::Bitmap> buffer_;
    gfx::Canvas canvas_;
    gfx::Region visible_;
};

}  // namespace wm
