#pragma once
// System-wide hot keys as passive key grabs on the root window. Each key is grabbed with
// every combination of Caps Lock and Num Lock, so it works whatever the lock keys say,
// and grabbed again after a keyboard mapping change. A combination another client holds
// makes the server refuse the grab (BadAccess): Register then returns false and leaves
// nothing behind.

#include "wm/Types.h"

#include <X11/Xlib.h>

#include <optional>
#include <vector>

namespace wm::x11 {

class X11HotKeys {
public:
    struct Hit {
        HWND window;
        int id;
        unsigned modifiers;  // MOD_* bits
        unsigned virtualKey;
    };

    explicit X11HotKeys(::Display* dpy);
    ~X11HotKeys();
    X11HotKeys(const X11HotKeys&) = delete;
    X11HotKeys& operator=(const X11HotKeys&) = delete;

    bool Register(HWND window, int id, unsigned modifiers, unsigned virtualKey);
    void Unregister(HWND window, int id);
    // The keyboard mapping changed: keycodes and the Num Lock modifier are looked up again.
    void Regrab();
    // The registration a key press on the root window belongs to.
    std::optional<Hit> Match(const XKeyEvent& event) const;

private:
    struct Entry {
        Hit hit;
        KeyCode keycode = 0;
        unsigned xModifiers = 0;
    };
    bool Grab(Entry& entry);
    void Ungrab(const Entry& entry);
    std::vector<unsigned> LockCombinations() const;
    unsigned FindNumLockMask() const;

    ::Display* dpy_;
    Window root_;
    unsigned numLockMask_;
    std::vector<Entry> entries_;
};

}  // namespace wm::x11
