#pragma once
// The atoms the display uses, interned in one round trip when it connects.

#include <X11/Xlib.h>

namespace wm::x11 {

struct X11Atoms {
    explicit X11Atoms(::Display* dpy);

    Atom wmProtocols, wmDeleteWindow, wmState, wmChangeState;
    Atom motifWmHints, netWmName, netWmPid, netWmWindowType, netWmWindowTypeNormal,
        netWmWindowTypePopupMenu, netWmWindowTypeTooltip, netWmState, netWmStateAbove,
        netWmStateSkipTaskbar, netActiveWindow, netWmUserTime, netWmWindowOpacity, netWmCmSelection, netWorkarea, netCurrentDesktop, utf8String;
    Atom clipboard, clipboardManager, targets, multiple, timestamp, saveTargets, incr, atomPair,
        text, textPlainUtf8, imagePng, imageBmp, transferProperty, timestampProperty;
};

}  // namespace wm::x11
