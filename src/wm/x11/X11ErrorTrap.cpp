#include "wm/x11/X11ErrorTrap.h"

#include <cstdio>

namespace wm::x11 {

namespace {
X11ErrorTrap* activeTrap = nullptr;
std::function<void()> connectionLost;

int HandleIoError(::Display*) {
    return 0;  // returning hands over to the exit handler below
}

void HandleIoErrorExit(::Display*, void*) {
    if (connectionLost) connectionLost();
}
}  // namespace

int HandleXError(::Display* dpy, XErrorEvent* e) {
    if (activeTrap) {
        if (activeTrap->errorCode_ == 0) activeTrap->errorCode_ = e->error_code;
        return 0;
    }
    char text[160] = {};
    XGetErrorText(dpy, e->error_code, text, sizeof text);
    std::fprintf(stderr, "Velmora: X-Fehler %s (Anfrage %d.%d, Ressource 0x%lx)\n", text,
                 e->request_code, e->minor_code, e->resourceid);
    return 0;
}

void InstallErrorHandlers(::Display* dpy) {
    XSetErrorHandler(HandleXError);
    XSetIOErrorHandler(HandleIoError);
    XSetIOErrorExitHandler(dpy, HandleIoErrorExit, nullptr);
}

void SetConnectionLostCallback(::Display*, std::function<void()> callback) {
    connectionLost = std::move(callback);
}

X11ErrorTrap::X11ErrorTrap(::Display* dpy) : dpy_(dpy), outer_(activeTrap) {
    SyncIfOutstanding();  // errors of earlier requests are not ours
    activeTrap = this;
}

X11ErrorTrap::~X11ErrorTrap() {
    SyncIfOutstanding();
    activeTrap = outer_;
}

bool X11ErrorTrap::Failed() {
    SyncIfOutstanding();
    return errorCode_ != 0;
}

void X11ErrorTrap::SyncIfOutstanding() {
    // When the server's answer to the last request sent has been read, so has every error
    // before it: a round trip would tell nothing new. Grabbing a row of keys then costs
    // one round trip per key instead of three.
    if (LastKnownRequestProcessed(dpy_) + 1 < NextRequest(dpy_)) XSync(dpy_, False);
}

}  // namespace wm::x11
