#pragma once
// What skinned elements need from the window layer, which sits above the skin layer:
// painting the parent under a control and window translucency. The window layer installs
// its implementations with SetSkinWindowHooks; until then parents paint nothing,
// translucency is unavailable and SetWindowAlpha does nothing.

#include <cstdint>
#include <functional>

#include "gfx/Canvas.h"

namespace skin {

// A control or window: the address of its vcl::TControl (converted from a TControl*,
// not from a derived class's pointer, which may differ).
using SkinWindowId = const void*;

struct SkinWindowHooks {
    // Paints the part of the control's parent that lies under the control into the canvas.
    std::function<void(SkinWindowId control, gfx::Canvas& canvas)> paintParentBackground;
    // Whether top-level windows can be made translucent.
    std::function<bool()> layeredWindowsAvailable;
    // Sets a top-level window's opacity, 0 (invisible) .. 255 (opaque).
    std::function<void(SkinWindowId window, uint8_t alpha)> setWindowAlpha;
};

void SetSkinWindowHooks(SkinWindowHooks hooks);

void PaintParentBackground(SkinWindowId control, gfx::Canvas& canvas);
bool LayeredWindowsAvailable();
// Alpha is clamped to 0..255.
void SetWindowAlpha(SkinWindowId window, int alpha);

}  // namespace skin
