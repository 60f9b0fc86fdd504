#include "skin/SkinWindowBridge.h"

#include "skin/SkinWindowHooks.h"
#include "vcl/TWinControl.h"
#include "wm/Paint.h"
#include "wm/Translucency.h"

namespace skin {
namespace {

// The windowed control behind an id, or null (a control without a window paints nothing
// under itself: it has no parent window of its own to ask).
vcl::TWinControl* WindowedControl(SkinWindowId id) {
    auto* control = static_cast<vcl::TControl*>(const_cast<void*>(id));
    return dynamic_cast<vcl::TWinControl*>(control);
}

}  // namespace

void InstallSkinWindowBridge() {
    SkinWindowHooks hooks;
    hooks.paintParentBackground = [](SkinWindowId id, gfx::Canvas& canvas) {
        vcl::TWinControl* control = WindowedControl(id);
        if (!control || !control->Parent()) return;
        // Logical (0, 0) of the canvas is the control's client origin.
        TPoint origin = canvas.Origin();
        wm::PaintParentBackground(control->Handle(), canvas.Target(), TPoint{-origin.X, -origin.Y});
    };
    hooks.layeredWindowsAvailable = [] { return wm::LayeredWindowsAvailable(); };
    hooks.setWindowAlpha = [](SkinWindowId id, uint8_t alpha) {
        if (vcl::TWinControl* control = WindowedControl(id)) wm::SetWindowOpacity(control->Handle(), alpha);
    };
    SetSkinWindowHooks(std::move(hooks));
}

}  // namespace skin
