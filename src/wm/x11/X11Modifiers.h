#pragma once
// Shift, Ctrl and Alt from the modifier state X reports with every key, button, pointer
// and crossing event. Alt is whichever modifier bits the keyboard's Alt, Meta and AltGr
// keys are mapped to (usually Mod1, AltGr on Mod5), matching the key table, which
// reports all of them as the Alt key.

#include "wm/Display.h"  // before the X headers, whose macros take names it uses

#include <X11/Xlib.h>

namespace wm::x11 {

// Modifier bits held by the Alt-like keys in the server's modifier map; Mod1Mask when the
// map names none.
unsigned FindAltModifierMask(::Display* dpy);

ModifierKeys ModifierKeysFromState(unsigned state, unsigned altMask);

// The modifiers held right now (after a focus change, when no event carried them).
ModifierKeys QueryModifierKeys(::Display* dpy, unsigned altMask);

}  // namespace wm::x11
