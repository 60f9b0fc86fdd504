#include "skin/SkinWindowHooks.h"

#include <algorithm>
#include <utility>

namespace skin {
namespace {

SkinWindowHooks& Hooks() {
    static SkinWindowHooks hooks;
    return hooks;
}

}  // namespace

void SetSkinWindowHooks(SkinWindowHooks hooks) { Hooks() = std::move(hooks); }

void PaintParentBackground(SkinWindowId control, gfx::Canvas& canvas) {
    if (Hooks().paintParentBackground) Hooks().paintParentBackground(control, canvas);
}

bool LayeredWindowsAvailable() {
    return Hooks().layeredWindowsAvailable ? Hooks().layeredWindowsAvailable() : false;
}

void SetWindowAlpha(SkinWindowId window, int alpha) {
    if (Hooks().setWindowAlpha) Hooks().setWindowAlpha(window, uint8_t(std::clamp(alpha, 0, 255)));
}

}  // namespace skin
