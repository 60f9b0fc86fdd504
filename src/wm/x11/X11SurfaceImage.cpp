#include "wm/x11/X11SurfaceImage.h"

#include <X11/Xutil.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "wm/x11/X11ErrorTrap.h"

namespace wm::x11 {

X11SurfaceImage::X11SurfaceImage(::Display* dpy, Visual* visual, int depth, bool tryShm)
    : dpy_(dpy), visual_(visual), depth_(depth), tryShm_(tryShm) {}

X11SurfaceImage::~X11SurfaceImage() { Release(); }

void X11SurfaceImage::Release() {
    if (!image_) return;
    if (shm_) {
        XShmDetach(dpy_, &segment_);
        XSync(dpy_, False);
        shmdt(segment_.shmaddr);
        image_->data = nullptr;
    }
    XDestroyImage(image_);  // frees the data of a plain image
    image_ = nullptr;
    shm_ = false;
}

void X11SurfaceImage::Allocate(int width, int height) {
    Release();
    if (tryShm_) {
        image_ = XShmCreateImage(dpy_, visual_, static_cast<unsigned>(depth_), ZPixmap, nullptr,
                                 &segment_, static_cast<unsigned>(width), static_cast<unsigned>(height));
        if (image_) {
            size_t size = static_cast<size_t>(image_->bytes_per_line) * static_cast<size_t>(height);
            segment_.shmid = shmget(IPC_PRIVATE, size, IPC_CREAT | 0600);
            void* address = segment_.shmid >= 0 ? shmat(segment_.shmid, nullptr, 0) : reinterpret_cast<void*>(-1);
            bool attached = false;
            if (address != reinterpret_cast<void*>(-1)) {
                segment_.shmaddr = image_->data = static_cast<char*>(address);
                segment_.readOnly = False;
                X11ErrorTrap trap(dpy_);
                attached = XShmAttach(dpy_, &segment_) && !trap.Failed();
            }
            // Removed now; it stays until the last detach.
            if (segment_.shmid >= 0) shmctl(segment_.shmid, IPC_RMID, nullptr);
            if (attached) {
                shm_ = true;
            } else {
                if (address != reinterpret_cast<void*>(-1)) shmdt(address);
                image_->data = nullptr;
                XDestroyImage(image_);
                image_ = nullptr;
                tryShm_ = false;  // the server cannot reach our memory: stop trying
            }
        }
    }
    if (!image_) {
        image_ = XCreateImage(dpy_, visual_, static_cast<unsigned>(depth_), ZPixmap, 0, nullptr,
                              static_cast<unsigned>(width), static_cast<unsigned>(height), 32, 0);
        if (!image_) return;
        image_->data = static_cast<char*>(
            std::calloc(static_cast<size_t>(image_->bytes_per_line) * static_cast<size_t>(height), 1));
    }
    fastPath_ = image_->bits_per_pixel == 32 && image_->red_mask == 0xFF0000 &&
                image_->green_mask == 0xFF00 && image_->blue_mask == 0xFF &&
                image_->byte_order == LSBFirst;
}

void X11SurfaceImage::Convert(const gfx::Bitmap& src, const TRect& r) {
    for (int y = r.Top; y < r.Bottom; ++y) {
        const uint8_t* in = src.Row(y) + static_cast<ptrdiff_t>(r.Left) * 3;
        if (fastPath_) {
            uint8_t* out = reinterpret_cast<uint8_t*>(image_->data) +
                           static_cast<ptrdiff_t>(y) * image_->bytes_per_line + static_cast<ptrdiff_t>(r.Left) * 4;
            for (int x = r.Left; x < r.Right; ++x, in += 3, out += 4) {
                out[0] = in[0];
                out[1] = in[1];
                out[2] = in[2];
                out[3] = 0;
            }
        } else {
            for (int x = r.Left; x < r.Right; ++x, in += 3) {
                unsigned long pixel = 0;
                auto channel = [](unsigned value, unsigned long mask) {
                    if (!mask) return 0ul;
                    int shift = __builtin_ctzl(mask);
                    unsigned long max = mask >> shift;
                    return ((static_cast<unsigned long>(value) * max / 255) << shift) & mask;
                };
                pixel |= channel(in[2], image_->red_mask);
                pixel |= channel(in[1], image_->green_mask);
                pixel |= channel(in[0], image_->blue_mask);
                XPutPixel(image_, x, y, pixel);
            }
        }
    }
}

void X11SurfaceImage::Put(Drawable window, GC gc, const gfx::Bitmap& backBuffer,
                          const std::vector<TRect>& rects) {
    if (backBuffer.IsEmpty() || backBuffer.IsMono()) return;
    if (!image_ || image_->width != backBuffer.Width() || image_->height != backBuffer.Height())
        Allocate(backBuffer.Width(), backBuffer.Height());
    if (!image_ || !image_->data) return;
    for (TRect r : rects) {
        r = r.Intersect(backBuffer.Bounds());
        if (r.IsEmpty()) continue;
        Convert(backBuffer, r);
        auto w = static_cast<unsigned>(r.Width());
        auto h = static_cast<unsigned>(r.Height());
        if (shm_)
            XShmPutImage(dpy_, window, gc, image_, r.Left, r.Top, r.Left, r.Top, w, h, False);
        else
            XPutImage(dpy_, window, gc, image_, r.Left, r.Top, r.Left, r.Top, w, h);
    }
    // The server must have read the shared pixels before they are written again.
    if (shm_) XSync(dpy_, False);
}

}  // namespace wm::x11
