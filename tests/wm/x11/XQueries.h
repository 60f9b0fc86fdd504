#pragma once
// What the end-to-end tests ask the X server directly: windows by name, their place on
// the screen, pixels, and the window manager's close message.

#include <X11/Xlib.h>

#include <optional>
#include <string>
#include <vector>

#include "base/Geometry.h"

namespace x11test {

class XConnection {
public:
    explicit XConnection(const std::string& display);
    ~XConnection();
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;
    ::Display* Get() const { return dpy_; }
    explicit operator bool() const { return dpy_ != nullptr; }

    // A viewable window whose name is `name` (searched through window-manager frames).
    std::optional<::Window> FindViewableWindow(const std::string& name);
    // The window's rectangle in screen coordinates.
    TRect ScreenRect(::Window window);
    // The 24-bit colours (0x00BBGGRR) of a screen rectangle, row by row.
    std::vector<uint32_t> ScreenPixels(const TRect& area);
    // What the window manager's close button sends: WM_PROTOCOLS / WM_DELETE_WINDOW.
    void SendDeleteWindow(::Window window);
    ::Window FocusWindow();
    // A 32-bit CARDINAL property of a window; nullopt when it is not set.
    std::optional<unsigned long> CardinalProperty(::Window window, const char* name);
    // Gives the keysym to a keycode that has none; false when every keycode is in use.
    bool MapSpareKey(KeySym keysym);
    // The modifier and lock state (ShiftMask ... Mod5Mask) as the server has it now.
    unsigned ModifierState();
    TRect WorkArea();

private:
    ::Display* dpy_;
};

}  // namespace x11test
