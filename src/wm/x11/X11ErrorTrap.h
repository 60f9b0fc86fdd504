#pragma once
// X errors never end the program. The handler installed by InstallErrorHandlers reports
// an unexpected error on standard error and goes on; code that expects an error (a key
// grab another client holds, a shared-memory attach the server refuses) traps it:
//
//     X11ErrorTrap trap(dpy);
//     XGrabKey(...);
//     if (trap.Failed()) ...   // syncs, then tells whether an error came
//
// A lost connection is not an X error: SetConnectionLostCallback's function runs instead
// of Xlib's exit, and Xlib calls on the dead connection return at once afterwards.

#include <X11/Xlib.h>

#include <functional>

namespace wm::x11 {

void InstallErrorHandlers(::Display* dpy);
// Called (once) from inside Xlib when the connection is lost; it must only note it.
void SetConnectionLostCallback(::Display* dpy, std::function<void()> callback);

class X11ErrorTrap {
public:
    explicit X11ErrorTrap(::Display* dpy);
    ~X11ErrorTrap();
    X11ErrorTrap(const X11ErrorTrap&) = delete;
    X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;

    // Waits for the server to answer everything sent so far; true when an error came.
    bool Failed();
    unsigned char ErrorCode() const { return errorCode_; }

private:
    friend int HandleXError(::Display*, XErrorEvent*);
    void SyncIfOutstanding();
    ::Display* dpy_;
    X11ErrorTrap* outer_;
    unsigned char errorCode_ = 0;
};

}  // namespace wm::x11
