// Plays a clipboard manager for the tests: owns CLIPBOARD_MANAGER; when a program asks
// it to SAVE_TARGETS, it converts that program's image/png, answers, and from then on
// owns CLIPBOARD and offers the saved picture itself. Prints "ready" and "saved <bytes>".
// With --hang it instead owns CLIPBOARD and never answers: an owner that hangs.

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const bool hang = argc > 1 && std::string(argv[1]) == "--hang";
    ::Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) return 1;
    Window self = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, 1, 1, 0, 0, 0);
    Atom manager = XInternAtom(dpy, "CLIPBOARD_MANAGER", False);
    Atom clipboard = XInternAtom(dpy, "CLIPBOARD", False);
    Atom saveTargets = XInternAtom(dpy, "SAVE_TARGETS", False);
    Atom targets = XInternAtom(dpy, "TARGETS", False);
    Atom png = XInternAtom(dpy, "image/png", False);
    Atom property = XInternAtom(dpy, "STUB_DATA", False);
    XSetSelectionOwner(dpy, hang ? clipboard : manager, self, CurrentTime);
    XSync(dpy, False);
    std::printf("ready\n");
    std::fflush(stdout);

    std::vector<unsigned char> saved;
    XSelectionRequestEvent pendingSave{};
    bool saving = false;
    for (;;) {
        XEvent e;
        XNextEvent(dpy, &e);
        if (hang) continue;
        if (e.type == SelectionRequest) {
            XSelectionRequestEvent& r = e.xselectionrequest;
            XSelectionEvent reply{};
            reply.type = SelectionNotify;
            reply.requestor = r.requestor;
            reply.selection = r.selection;
            reply.target = r.target;
            reply.time = r.time;
            reply.property = None;
            if (r.selection == manager && r.target == saveTargets) {
                pendingSave = r;
                saving = true;
                XConvertSelection(dpy, clipboard, png, property, self, CurrentTime);
                continue;
            }
            if (r.selection == clipboard && r.target == targets) {
                Atom list[] = {targets, png};
                XChangeProperty(dpy, r.requestor, r.property, XA_ATOM, 32, PropModeReplace,
                                reinterpret_cast<unsigned char*>(list), 2);
                reply.property = r.property;
            } else if (r.selection == clipboard && r.target == png && !saved.empty()) {
                XChangeProperty(dpy, r.requestor, r.property, png, 8, PropModeReplace, saved.data(),
                                static_cast<int>(saved.size()));
                reply.property = r.property;
            }
            XSendEvent(dpy, r.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reply));
            XFlush(dpy);
        } else if (e.type == SelectionNotify && saving) {
            saving = false;
            if (e.xselection.property != None) {
                Atom type;
                int format;
                unsigned long count, after;
                unsigned char* data = nullptr;
                XGetWindowProperty(dpy, self, property, 0, 1 << 24, True, AnyPropertyType, &type, &format, &count,
                                   &after, &data);
                if (data) {
                    saved.assign(data, data + count);
                    XFree(data);
                }
            }
            XSelectionEvent reply{};
            reply.type = SelectionNotify;
            reply.requestor = pendingSave.requestor;
            reply.selection = pendingSave.selection;
            reply.target = pendingSave.target;
            reply.time = pendingSave.time;
            reply.property = saved.empty() ? None : saveTargets;
            XSendEvent(dpy, pendingSave.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reply));
            XSetSelectionOwner(dpy, clipboard, self, CurrentTime);
            XFlush(dpy);
            std::printf("saved %zu\n", saved.size());
            std::fflush(stdout);
        }
    }
}
