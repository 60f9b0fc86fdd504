#include "skin/menus/MenuPointerGrab.h"

#include "wm/Display.h"
#include "wm/Window.h"
#include "wm/WindowSystem.h"

namespace skin {

bool GrabDisplayPointer(wm::HWND window) {
    wm::WindowSystem* system = wm::WindowSystem::Current();
    if (!system) return false;
    wm::Window* w = system->Find(window);
    if (!w || !w->surface) return false;
    return system->GetDisplay().GrabPointer(w->surface);
}

void UngrabDisplayPointer() {
    if (wm::WindowSystem* system = wm::WindowSystem::Current()) system->GetDisplay().UngrabPointer();
}

}  // namespace skin
