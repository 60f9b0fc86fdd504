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
    XSync(dpy_, False);  // errors of earlier requests are not ours
    activeTrap = this;
}

X11ErrorTrap::~X11ErrorTrap() {
    XSync(dpy_, False);
    activeTrap = outer_;
}

bool X11ErrorTrap::Failed() {
    XSync(dpy_, False);
    return errorCode_ != 0;
}

}  // namespace wm::x11
