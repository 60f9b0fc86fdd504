#pragma once
// X keysyms and the virtual key codes the window system works with (base/ShortCut.h).
// A key's virtual key comes from its unshifted keysym, so Shift+1 is still the key '1'
// and a letter is its capital, whatever the layout's shift level gives.

#include <X11/X.h>

namespace wm::x11 {

// 0 when the keysym has no virtual key.
int VirtualKeyFromKeysym(KeySym keysym);
// The keysym a hot key's virtual key is grabbed with; NoSymbol when there is none.
KeySym KeysymFromVirtualKey(int virtualKey);

}  // namespace wm::x11
