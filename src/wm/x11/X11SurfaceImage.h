#pragma once
// The client-side copy of one surface's pixels in the server's format, and putting parts
// of it on the window. With MIT-SHM the server reads the pixels from shared memory;
// without it (a remote server, a refused attach) they go through the connection.

#include "gfx/Bitmap.h"

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <vector>

namespace wm::x11 {

class X11SurfaceImage {
public:
    X11SurfaceImage(::Display* dpy, Visual* visual, int depth, bool tryShm);
    ~X11SurfaceImage();
    X11SurfaceImage(const X11SurfaceImage&) = delete;
    X11SurfaceImage& operator=(const X11SurfaceImage&) = delete;

    // Converts `rects` (clipped to both sizes) of the back buffer and puts them on the
    // window with `gc`.
    void Put(Drawable window, GC gc, const gfx::Bitmap& backBuffer, const std::vector<TRect>& rects);
    bool UsesShm() const { return shm_; }

private:
    void Allocate(int width, int height);
    void Release();
    void Convert(const gfx::Bitmap& src, const TRect& r);

    ::Display* dpy_;
    Visual* visual_;
    int depth_;
    bool tryShm_;
    bool shm_ = false;
    XImage* image_ = nullptr;
    XShmSegmentInfo segment_{};
    bool fastPath_ = false;  // 32 bits per pixel, 0xRRGGBB masks, little endian
};

}  // namespace wm::x11
