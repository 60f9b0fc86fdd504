#include "wm/x11/X11HotKeys.h"

#include <X11/keysym.h>

#include <algorithm>

#include "wm/Messages.h"
#include "wm/x11/X11ErrorTrap.h"
#include "wm/x11/X11KeyMap.h"

namespace wm::x11 {

namespace {
unsigned XModifiersOf(unsigned modifiers) {
    unsigned x = 0;
    if (modifiers & MOD_SHIFT) x |= ShiftMask;
    if (modifiers & MOD_CONTROL) x |= ControlMask;
    if (modifiers & MOD_ALT) x |= Mod1Mask;
    if (modifiers & MOD_WIN) x |= Mod4Mask;
    return x;
}
}  // namespace

X11HotKeys::X11HotKeys(::Display* dpy)
    : dpy_(dpy), root_(DefaultRootWindow(dpy)), numLockMask_(FindNumLockMask()) {}

X11HotKeys::~X11HotKeys() {
    for (const Entry& e : entries_) Ungrab(e);
}

unsigned X11HotKeys::FindNumLockMask() const {
    unsigned mask = 0;
    KeyCode numLock = XKeysymToKeycode(dpy_, XK_Num_Lock);
    XModifierKeymap* map = XGetModifierMapping(dpy_);
    if (!map) return Mod2Mask;
    for (int mod = 0; mod < 8 && numLock; ++mod)
        for (int k = 0; k < map->max_keypermod; ++k)
            if (map->modifiermap[mod * map->max_keypermod + k] == numLock) mask = 1u << mod;
    XFreeModifiermap(map);
    return mask ? mask : Mod2Mask;
}

std::vector<unsigned> X11HotKeys::LockCombinations() const {
    return {0, LockMask, numLockMask_, LockMask | numLockMask_};
}

bool X11HotKeys::Grab(Entry& entry) {
    KeySym keysym = KeysymFromVirtualKey(static_cast<int>(entry.hit.virtualKey));
    entry.keycode = keysym == NoSymbol ? 0 : XKeysymToKeycode(dpy_, keysym);
    entry.xModifiers = XModifiersOf(entry.hit.modifiers);
    if (entry.keycode == 0) return false;
    X11ErrorTrap trap(dpy_);
    for (unsigned locks : LockCombinations())
        XGrabKey(dpy_, entry.keycode, entry.xModifiers | locks, root_, False, GrabModeAsync,
                 GrabModeAsync);
    if (!trap.Failed()) return true;
    Ungrab(entry);  // some combinations may have been granted
    return false;
}

void X11HotKeys::Ungrab(const Entry& entry) {
    if (entry.keycode == 0) return;
    X11ErrorTrap trap(dpy_);
    for (unsigned locks : LockCombinations())
        XUngrabKey(dpy_, entry.keycode, entry.xModifiers | locks, root_);
}

bool X11HotKeys::Register(HWND window, int id, unsigned modifiers, unsigned virtualKey) {
    Unregister(window, id);
    Entry entry{{window, id, modifiers, virtualKey}};
    // The same combination registered twice in this process: the second one fails, as a
    // combination held elsewhere does.
    for (const Entry& e : entries_)
        if (e.hit.modifiers == modifiers && e.hit.virtualKey == virtualKey) return false;
    if (!Grab(entry)) return false;
    entries_.push_back(entry);
    return true;
}

void X11HotKeys::Unregister(HWND window, int id) {
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return e.hit.window == window && e.hit.id == id;
    });
    if (it == entries_.end()) return;
    Ungrab(*it);
    entries_.erase(it);
}

void X11HotKeys::Regrab() {
    // The new grabs come first, and only then go the old ones the new mapping no longer
    // needs. Ungrabbing first left a moment without the grab, and a program that changes
    // the mapping often presses a key right after (the key then went to the focused
    // window instead of to us).
    const std::vector<Entry> before = entries_;
    const std::vector<unsigned> oldLocks = LockCombinations();
    numLockMask_ = FindNumLockMask();
    // A grab lost to another client during the change stays lost (silently).
    std::erase_if(entries_, [this](Entry& e) { return !Grab(e); });
    const std::vector<unsigned> newLocks = LockCombinations();
    auto stillHeld = [&](KeyCode keycode, unsigned modifiers) {
        for (const Entry& e : entries_)
            for (unsigned locks : newLocks)
                if (e.keycode == keycode && (e.xModifiers | locks) == modifiers) return true;
        return false;
    };
    X11ErrorTrap trap(dpy_);
    for (const Entry& old : before)
        for (unsigned locks : oldLocks)
            if (old.keycode != 0 && !stillHeld(old.keycode, old.xModifiers | locks))
                XUngrabKey(dpy_, old.keycode, old.xModifiers | locks, root_);
}

std::optional<X11HotKeys::Hit> X11HotKeys::Match(const XKeyEvent& event) const {
    const unsigned relevant = ShiftMask | ControlMask | Mod1Mask | Mod4Mask;
    for (const Entry& e : entries_)
        if (e.keycode == event.keycode && (event.state & relevant) == e.xModifiers) return e.hit;
    return std::nullopt;
}

}  // namespace wm::x11
