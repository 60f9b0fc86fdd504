#include "wm/x11/X11Modifiers.h"

#include <X11/XKBlib.h>
#include <X11/keysym.h>

namespace wm::x11 {

namespace {
bool IsAltLike(KeySym k) {
    return k == XK_Alt_L || k == XK_Alt_R || k == XK_Meta_L || k == XK_Meta_R ||
           k == XK_ISO_Level3_Shift;
}
}  // namespace

unsigned FindAltModifierMask(::Display* dpy) {
    XModifierKeymap* map = XGetModifierMapping(dpy);
    if (!map) return Mod1Mask;
    unsigned mask = 0;
    // Shift, Lock and Control (the first three rows) are never Alt.
    for (int mod = Mod1MapIndex; mod <= Mod5MapIndex; ++mod)
        for (int k = 0; k < map->max_keypermod; ++k) {
            KeyCode code = map->modifiermap[mod * map->max_keypermod + k];
            if (code && IsAltLike(XkbKeycodeToKeysym(dpy, code, 0, 0))) mask |= 1u << mod;
        }
    XFreeModifiermap(map);
    return mask ? mask : Mod1Mask;
}

ModifierKeys ModifierKeysFromState(unsigned state, unsigned altMask) {
    ModifierKeys keys;
    keys.shift = (state & ShiftMask) != 0;
    keys.control = (state & ControlMask) != 0;
    keys.alt = (state & altMask) != 0;
    return keys;
}

ModifierKeys QueryModifierKeys(::Display* dpy, unsigned altMask) {
    ::Window root = 0, child = 0;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned state = 0;
    // On another screen XQueryPointer returns False but still fills in the mask.
    XQueryPointer(dpy, DefaultRootWindow(dpy), &root, &child, &rootX, &rootY, &x, &y, &state);
    return ModifierKeysFromState(state, altMask);
}

}  // namespace wm::x11
