#include "XQueries.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <functional>

namespace x11test {

XConnection::XConnection(const std::string& display) : dpy_(XOpenDisplay(display.c_str())) {
    // Windows come and go while the tests look at them (a BadWindow from a window that was
    // just destroyed): Xlib's default handler would end the test program.
    XSetErrorHandler([](::Display*, XErrorEvent*) { return 0; });
}

XConnection::~XConnection() {
    if (dpy_) XCloseDisplay(dpy_);
}

std::optional<::Window> XConnection::FindViewableWindow(const std::string& name) {
    std::optional<::Window> found;
    std::function<void(::Window)> visit = [&](::Window w) {
        if (found) return;
        char* windowName = nullptr;
        if (XFetchName(dpy_, w, &windowName) && windowName) {
            bool match = name == windowName;
            XFree(windowName);
            XWindowAttributes a;
            if (match && XGetWindowAttributes(dpy_, w, &a) && a.map_state == IsViewable) {
                found = w;
                return;
            }
        }
        ::Window root, parent, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(dpy_, w, &root, &parent, &children, &count)) return;
        for (unsigned i = 0; i < count; ++i) visit(children[i]);
        if (children) XFree(children);
    };
    visit(DefaultRootWindow(dpy_));
    return found;
}

TRect XConnection::ScreenRect(::Window w) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(dpy_, w, &a)) return {};
    int x, y;
    ::Window child;
    XTranslateCoordinates(dpy_, w, DefaultRootWindow(dpy_), 0, 0, &x, &y, &child);
    return {x, y, x + a.width, y + a.height};
}

std::vector<uint32_t> XConnection::ScreenPixels(const TRect& r) {
    std::vector<uint32_t> pixels;
    XImage* image = XGetImage(dpy_, DefaultRootWindow(dpy_), r.Left, r.Top, static_cast<unsigned>(r.Width()),
                              static_cast<unsigned>(r.Height()), AllPlanes, ZPixmap);
    if (!image) return pixels;
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x) {
            unsigned long p = XGetPixel(image, x, y);
            pixels.push_back(static_cast<uint32_t>(((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16)));
        }
    XDestroyImage(image);
    return pixels;
}

void XConnection::SendDeleteWindow(::Window w) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(dpy_, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy_, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy_, w, False, NoEventMask, &e);
    XFlush(dpy_);
}

unsigned XConnection::ModifierState() {
    ::Window root, child;
    int rootX, rootY, x, y;
    unsigned mask = 0;
    XQueryPointer(dpy_, DefaultRootWindow(dpy_), &root, &child, &rootX, &rootY, &x, &y, &mask);
    return mask;
}

bool XConnection::MapSpareKey(KeySym keysym) {
    int first, last, perCode;
    XDisplayKeycodes(dpy_, &first, &last);
    KeySym* map = XGetKeyboardMapping(dpy_, static_cast<KeyCode>(first), last - first + 1, &perCode);
    if (!map) return false;
    int spare = 0;
    for (int code = last; code >= first && !spare; --code) {
        bool unused = true;
        for (int i = 0; i < perCode; ++i) unused = unused && map[(code - first) * perCode + i] == NoSymbol;
        if (unused) spare = code;
    }
    XFree(map);
    if (!spare) return false;
    KeySym syms[2] = {keysym, keysym};
    XChangeKeyboardMapping(dpy_, spare, 2, syms, 1);
    XSync(dpy_, False);
    return true;
}

std::optional<unsigned long> XConnection::CardinalProperty(::Window window, const char* name) {
    Atom type;
    int format;
    unsigned long count = 0, after;
    unsigned char* data = nullptr;
    std::optional<unsigned long> value;
    if (XGetWindowProperty(dpy_, window, XInternAtom(dpy_, name, False), 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success && data && count == 1)
        value = static_cast<unsigned long>(*reinterpret_cast<long*>(data)) & 0xFFFFFFFFul;
    if (data) XFree(data);
    return value;
}

::Window XConnection::FocusWindow() {
    ::Window w;
    int revert;
    XGetInputFocus(dpy_, &w, &revert);
    return w;
}

TRect XConnection::WorkArea() {
    Atom type;
    int format;
    unsigned long count = 0, after;
    unsigned char* data = nullptr;
    TRect area{0, 0, DisplayWidth(dpy_, 0), DisplayHeight(dpy_, 0)};
    XGetWindowProperty(dpy_, DefaultRootWindow(dpy_), XInternAtom(dpy_, "_NET_WORKAREA", False), 0, 4, False,
                       XA_CARDINAL, &type, &format, &count, &after, &data);
    if (data && count >= 4) {
        auto* v = reinterpret_cast<long*>(data);
        area = {static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[0] + v[2]),
                static_cast<int>(v[1] + v[3])};
    }
    if (data) XFree(data);
    return area;
}

}  // namespace x11test
