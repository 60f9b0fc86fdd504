#include "app/PreviewWindow.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace app {
namespace {

// The picture as 32-bit pixels for a TrueColor visual of depth 24.
std::vector<char> ToXPixels(const gfx::Bitmap& picture) {
    std::vector<char> pixels(size_t(picture.Width()) * picture.Height() * 4);
    for (int y = 0; y < picture.Height(); ++y) {
        const uint8_t* src = picture.Row(y);
        char* dst = pixels.data() + size_t(y) * picture.Width() * 4;
        for (int x = 0; x < picture.Width(); ++x) {
            dst[x * 4 + 0] = static_cast<char>(src[x * 3 + 0]);
            dst[x * 4 + 1] = static_cast<char>(src[x * 3 + 1]);
            dst[x * 4 + 2] = static_cast<char>(src[x * 3 + 2]);
            dst[x * 4 + 3] = 0;
        }
    }
    return pixels;
}

}  // namespace

bool ShowPreviewWindow(const char* title, const gfx::Bitmap& picture) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    int screen = DefaultScreen(display);
    Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0,
                                        unsigned(picture.Width()), unsigned(picture.Height()), 0,
                                        BlackPixel(display, screen), WhitePixel(display, screen));
    XStoreName(display, window, title);
    XSizeHints hints{};
    hints.flags = PMinSize | PMaxSize;
    hints.min_width = hints.max_width = picture.Width();
    hints.min_height = hints.max_height = picture.Height();
    XSetWMNormalHints(display, window, &hints);
    Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &deleteWindow, 1);
    XSelectInput(display, window, ExposureMask | KeyPressMask);

    std::vector<char> pixels = ToXPixels(picture);
    XImage* image = XCreateImage(display, DefaultVisual(display, screen), 24, ZPixmap, 0,
                                 pixels.data(), unsigned(picture.Width()),
                                 unsigned(picture.Height()), 32, picture.Width() * 4);
    GC gc = XCreateGC(display, window, 0, nullptr);
    XMapWindow(display, window);

    for (bool open = true; open;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == Expose && event.xexpose.count == 0)
            XPutImage(display, window, gc, image, 0, 0, 0, 0, unsigned(picture.Width()),
                      unsigned(picture.Height()));
        else if (event.type == ClientMessage &&
                 Atom(event.xclient.data.l[0]) == deleteWindow)
            open = false;
    }
    image->data = nullptr;  // the pixels belong to the vector
    XDestroyImage(image);
    XFreeGC(display, gc);
    XDestroyWindow(display, window);
    XCloseDisplay(display);
    return true;
}

}  // namespace app
