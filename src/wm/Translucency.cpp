#include "wm/Translucency.h"

#include "wm/WindowSystem.h"

namespace wm {

bool LayeredWindowsAvailable() {
    WindowSystem* ws = WindowSystem::Current();
    return ws && ws->GetDisplay().TranslucencyAvailable();
}

bool SetWindowOpacity(HWND hwnd, uint8_t opacity) {
    WindowSystem* ws = WindowSystem::Current();
    Window* w = ws ? ws->FindLive(hwnd) : nullptr;
    if (!w || w->IsChild() || !w->surface) return false;
    ws->GetDisplay().SetSurfaceOpacity(w->surface, opacity);
    return true;
}

}  // namespace wm
