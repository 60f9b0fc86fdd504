#include "wm/x11/X11Atoms.h"

#include <array>

namespace wm::x11 {

X11Atoms::X11Atoms(::Display* dpy) {
    struct Entry {
        const char* name;
        Atom* atom;
    };
    const std::array entries{
        Entry{"WM_PROTOCOLS", &wmProtocols},
        Entry{"WM_DELETE_WINDOW", &wmDeleteWindow},
        Entry{"WM_STATE", &wmState},
        Entry{"WM_CHANGE_STATE", &wmChangeState},
        Entry{"_MOTIF_WM_HINTS", &motifWmHints},
        Entry{"_NET_WM_NAME", &netWmName},
        Entry{"_NET_WM_PID", &netWmPid},
        Entry{"_NET_WM_WINDOW_TYPE", &netWmWindowType},
        Entry{"_NET_WM_WINDOW_TYPE_NORMAL", &netWmWindowTypeNormal},
        Entry{"_NET_WM_WINDOW_TYPE_POPUP_MENU", &netWmWindowTypePopupMenu},
        Entry{"_NET_WM_WINDOW_TYPE_TOOLTIP", &netWmWindowTypeTooltip},
        Entry{"_NET_WM_STATE", &netWmState},
        Entry{"_NET_WM_STATE_ABOVE", &netWmStateAbove},
        Entry{"_NET_WM_STATE_SKIP_TASKBAR", &netWmStateSkipTaskbar},
        Entry{"_NET_ACTIVE_WINDOW", &netActiveWindow},
        Entry{"_NET_WM_USER_TIME", &netWmUserTime},
        Entry{"_NET_WM_WINDOW_OPACITY", &netWmWindowOpacity},
        Entry{"_NET_WM_CM_S0", &netWmCmSelection},  // screen 0: the screen the display uses
        Entry{"_NET_WORKAREA", &netWorkarea},
        Entry{"_NET_CURRENT_DESKTOP", &netCurrentDesktop},
        Entry{"UTF8_STRING", &utf8String},
        Entry{"CLIPBOARD", &clipboard},
        Entry{"CLIPBOARD_MANAGER", &clipboardManager},
        Entry{"TARGETS", &targets},
        Entry{"MULTIPLE", &multiple},
        Entry{"TIMESTAMP", &timestamp},
        Entry{"SAVE_TARGETS", &saveTargets},
        Entry{"INCR", &incr},
        Entry{"ATOM_PAIR", &atomPair},
        Entry{"TEXT", &text},
        Entry{"text/plain;charset=utf-8", &textPlainUtf8},
        Entry{"image/png", &imagePng},
        Entry{"image/bmp", &imageBmp},
        Entry{"VELMORA_SELECTION", &transferProperty},
        Entry{"VELMORA_TIMESTAMP", &timestampProperty},
    };
    std::array<char*, entries.size()> names{};
    std::array<Atom, entries.size()> atoms{};
    for (size_t i = 0; i < entries.size(); ++i) names[i] = const_cast<char*>(entries[i].name);
    XInternAtoms(dpy, names.data(), static_cast<int>(names.size()), False, atoms.data());
    for (size_t i = 0; i < entries.size(); ++i) *entries[i].atom = atoms[i];
}

}  // namespace wm::x11
