#include "wm/x11/X11Display.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/shape.h>
#include <unistd.h>

#include <clocale>
#include <cstring>
#include <string>

#include "wm/x11/SessionSignals.h"
#include "wm/x11/X11Atoms.h"
#include "wm/x11/X11Clipboard.h"
#include "wm/x11/X11ErrorTrap.h"
#include "wm/x11/X11HotKeys.h"
#include "wm/x11/X11Modifiers.h"
#include "wm/x11/X11SurfaceImage.h"

namespace wm::x11 {

namespace {

// The window manager is asked for no frame of its own: the core draws every frame.
struct MotifWmHints {
    unsigned long flags, functions, decorations;
    long inputMode;
    unsigned long status;
};
constexpr unsigned long kMotifHintsDecorations = 1ul << 1;

// Keys go through the input method, which needs a locale that the server's input
// method supports; only the character type is set (numbers stay in the C locale).
void SelectInputLocale() {
    const char* ctype = std::setlocale(LC_CTYPE, "");
    if (!ctype || !XSupportsLocale()) std::setlocale(LC_CTYPE, "C.UTF-8");
    if (!XSupportsLocale()) std::setlocale(LC_CTYPE, "C");
    XSetLocaleModifiers("");
}

XIM OpenInputMethod(::Display* dpy) {
    XIM im = XOpenIM(dpy, nullptr, nullptr, nullptr);
    if (!im) {
        XSetLocaleModifiers("@im=none");
        im = XOpenIM(dpy, nullptr, nullptr, nullptr);
    }
    return im;
}

unsigned int CursorFontShape(CursorShape shape) {
    switch (shape) {
        case CursorShape::Arrow: return XC_left_ptr;
        case CursorShape::Hand: return XC_hand2;
        case CursorShape::Wait: return XC_watch;
        case CursorShape::IBeam: return XC_xterm;
        case CursorShape::SizeWE: return XC_sb_h_double_arrow;
        case CursorShape::SizeNS: return XC_sb_v_double_arrow;
        case CursorShape::SizeNWSE: return XC_bottom_right_corner;
        case CursorShape::SizeNESW: return XC_bottom_left_corner;
        case CursorShape::SizeAll: return XC_fleur;
    }
    return XC_left_ptr;
}

std::string Latin1Title(std::string_view utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size(); ++i) {
        auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
            out.push_back(static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F)));
        } else if (c >= 0xC0) {
            out.push_back('?');
        }
    }
    return out;
}

X11Display* connectionOwner = nullptr;

}  // namespace

std::unique_ptr<X11Display> X11Display::Open(const char* name) {
    ::Display* dpy = XOpenDisplay(name);
    if (!dpy) return nullptr;
    return std::unique_ptr<X11Display>(new X11Display(dpy));
}

X11Display::X11Display(::Display* dpy)
    : dpy_(dpy), screen_(DefaultScreen(dpy)), root_(RootWindow(dpy, screen_)),
      start_(std::chrono::steady_clock::now()) {
    InstallErrorHandlers(dpy_);
    connectionOwner = this;
    SetConnectionLostCallback(dpy_, [] {
        if (connectionOwner) connectionOwner->connectionLost_ = true;
    });
    atoms_ = std::make_unique<X11Atoms>(dpy_);
    clipboard_ = std::make_unique<X11Clipboard>(dpy_, *atoms_);
    hotKeys_ = std::make_unique<X11HotKeys>(dpy_);
    altMask_ = FindAltModifierMask(dpy_);
    signals_ = std::make_unique<SessionSignals>();
    // The input method itself opens after the first frame (see EnsureInputMethod).
    SelectInputLocale();
    gc_ = XCreateGC(dpy_, root_, 0, nullptr);
    int major, minor;
    Bool pixmaps;
    // Shared memory needs the server on this machine; a remote one refuses the attach.
    shmAvailable_ = XShmQueryVersion(dpy_, &major, &minor, &pixmaps) && !std::getenv("VELMORA_NO_SHM");
    int shapeError;
    hasShape_ = XShapeQueryExtension(dpy_, &shapeEvent_, &shapeError);
    Bool detectable = False;
    XkbSetDetectableAutoRepeat(dpy_, True, &detectable);
}

X11Display::~X11Display() {
    if (!connectionLost_) {
        clipboard_->HandOverToManager(std::chrono::milliseconds(2000));
        for (auto& [id, s] : surfaces_) {
            s.image.reset();
            if (s.inputContext) XDestroyIC(s.inputContext);
            XDestroyWindow(dpy_, s.xid);
        }
        for (auto& [shape, cursor] : cursors_) XFreeCursor(dpy_, cursor);
        hotKeys_.reset();
        clipboard_.reset();
        if (inputMethod_) XCloseIM(inputMethod_);
        XFreeGC(dpy_, gc_);
    }
    if (connectionOwner == this) connectionOwner = nullptr;
    XCloseDisplay(dpy_);
}

X11Display::Surface* X11Display::Find(SurfaceId id) {
    auto it = surfaces_.find(id);
    return it == surfaces_.end() ? nullptr : &it->second;
}

const X11Display::Surface* X11Display::Find(SurfaceId id) const {
    auto it = surfaces_.find(id);
    return it == surfaces_.end() ? nullptr : &it->second;
}

X11Display::Surface* X11Display::FindByXid(::Window xid) {
    for (auto& [id, s] : surfaces_)
        if (s.xid == xid) return &s;
    return nullptr;
}

::Window X11Display::NativeWindow(SurfaceId surface) const {
    const Surface* s = Find(surface);
    return s ? s->xid : 0;
}

TRect X11Display::ScreenRect() const {
    return {0, 0, DisplayWidth(dpy_, screen_), DisplayHeight(dpy_, screen_)};
}

TRect X11Display::WorkArea() const {
    TRect screen = ScreenRect();
    if (connectionLost_) return screen;
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* raw = nullptr;
    long desktop = 0;
    if (XGetWindowProperty(dpy_, root_, atoms_->netCurrentDesktop, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &raw) == Success && raw && count == 1)
        desktop = *reinterpret_cast<long*>(raw);
    if (raw) XFree(raw);
    raw = nullptr;
    TRect area = screen;
    if (XGetWindowProperty(dpy_, root_, atoms_->netWorkarea, 0, 1024, False, XA_CARDINAL, &type, &format, &count,
                           &after, &raw) == Success && raw && format == 32) {
        auto* v = reinterpret_cast<long*>(raw);
        unsigned long first = static_cast<unsigned long>(desktop) * 4;
        if (first + 3 >= count) first = 0;
        if (count >= 4) {
            TRect r{static_cast<int>(v[first]), static_cast<int>(v[first + 1]),
                    static_cast<int>(v[first] + v[first + 2]), static_cast<int>(v[first + 1] + v[first + 3])};
            r = r.Intersect(screen);
            if (!r.IsEmpty()) area = r;
        }
    }
    if (raw) XFree(raw);
    return area;
}

bool X11Display::WindowManagerRunning() const {
    // A window manager selects SubstructureRedirect on the root; only one client can.
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(dpy_, root_, &attributes)) return false;
    return (attributes.all_event_masks & SubstructureRedirectMask) != 0;
}

SurfaceId X11Display::CreateSurface(HWND window, const TRect& bounds, const SurfaceOptions& options) {
    Surface s;
    s.window = window;
    s.bounds = bounds;
    s.options = options;
    // Menus, drop-down lists and hints never activate: the window manager leaves them alone.
    s.overrideRedirect = options.popup && options.noActivate;
    XSetWindowAttributes a{};
    a.background_pixmap = None;  // no flash of a background before the first present
    a.bit_gravity = NorthWestGravity;
    a.override_redirect = s.overrideRedirect ? True : False;
    a.event_mask = ExposureMask | StructureNotifyMask | FocusChangeMask | EnterWindowMask | LeaveWindowMask |
                   PointerMotionMask | ButtonPressMask | ButtonReleaseMask | KeyPressMask | KeyReleaseMask;
    a.cursor = None;
    s.xid = XCreateWindow(dpy_, root_, bounds.Left, bounds.Top, static_cast<unsigned>(std::max(1, bounds.Width())),
                          static_cast<unsigned>(std::max(1, bounds.Height())), 0, CopyFromParent, InputOutput,
                          CopyFromParent, CWBackPixmap | CWBitGravity | CWOverrideRedirect | CWEventMask, &a);
    s.image = std::make_unique<X11SurfaceImage>(dpy_, DefaultVisual(dpy_, screen_), DefaultDepth(dpy_, screen_),
                                                shmAvailable_);
    if (inputMethod_) CreateInputContext(s);
    if (options.noInput && hasShape_)
        XShapeCombineRectangles(dpy_, s.xid, ShapeInput, 0, 0, nullptr, 0, ShapeSet, Unsorted);
    SurfaceId id = nextSurface_++;
    auto& stored = surfaces_.emplace(id, std::move(s)).first->second;
    SetWindowProperties(stored);
    if (cursor_ != CursorShape::Arrow) SetCursor(cursor_);
    return id;
}

void X11Display::CreateInputContext(Surface& s) {
    s.inputContext = XCreateIC(inputMethod_, XNInputStyle, XIMPreeditNothing | XIMStatusNothing, XNClientWindow,
                               s.xid, XNFocusWindow, s.xid, nullptr);
}

void X11Display::EnsureInputMethod(::Window focusWindow) {
    // Opening the input method reads the locale's compose table, which costs more than
    // everything else the connection needs at start-up; no key needs it before the
    // window's first frame is out.
    if (inputMethodTried_) return;
    inputMethodTried_ = true;
    inputMethod_ = OpenInputMethod(dpy_);
    if (!inputMethod_) return;
    for (auto& [id, s] : surfaces_) {
        CreateInputContext(s);
        if (s.inputContext && s.xid == focusWindow) XSetICFocus(s.inputContext);
    }
}

void X11Display::SetWindowProperties(Surface& s) {
    XSizeHints size{};
    size.flags = PPosition | USPosition | PSize;
    size.x = s.bounds.Left;
    size.y = s.bounds.Top;
    size.width = s.bounds.Width();
    size.height = s.bounds.Height();
    XWMHints hints{};
    hints.flags = InputHint | StateHint;
    hints.input = s.options.noActivate ? False : True;
    hints.initial_state = NormalState;
    XClassHint classHint{const_cast<char*>("velmora"), const_cast<char*>("Velmora")};
    XSetWMProperties(dpy_, s.xid, nullptr, nullptr, nullptr, 0, &size, &hints, &classHint);
    Atom protocols[] = {atoms_->wmDeleteWindow};
    XSetWMProtocols(dpy_, s.xid, protocols, 1);
    long pid = getpid();
    XChangeProperty(dpy_, s.xid, atoms_->netWmPid, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&pid), 1);
    if (s.options.noDecorations) {
        MotifWmHints motif{kMotifHintsDecorations, 0, 0, 0, 0};
        XChangeProperty(dpy_, s.xid, atoms_->motifWmHints, atoms_->motifWmHints, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&motif), 5);
    }
    Atom type = atoms_->netWmWindowTypeNormal;
    if (s.overrideRedirect) type = s.options.noInput ? atoms_->netWmWindowTypeTooltip : atoms_->netWmWindowTypePopupMenu;
    XChangeProperty(dpy_, s.xid, atoms_->netWmWindowType, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&type), 1);
    if (s.options.topMost && !s.overrideRedirect) {
        Atom state = atoms_->netWmStateAbove;
        XChangeProperty(dpy_, s.xid, atoms_->netWmState, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&state), 1);
    }
    for (auto& [id, other] : surfaces_)
        if (other.window == s.options.owner && s.options.owner != 0) XSetTransientForHint(dpy_, s.xid, other.xid);
}

void X11Display::DestroySurface(SurfaceId id) {
    auto it = surfaces_.find(id);
    if (it == surfaces_.end()) return;
    Surface& s = it->second;
    s.image.reset();
    if (s.inputContext) XDestroyIC(s.inputContext);
    XDestroyWindow(dpy_, s.xid);
    surfaces_.erase(it);
    XFlush(dpy_);
}

void X11Display::ShowSurface(SurfaceId id, bool visible) {
    Surface* s = Find(id);
    if (!s || s->visible == visible) return;
    s->visible = visible;
    if (visible) {
        // The window manager places the window where the core says (USPosition).
        XMoveWindow(dpy_, s->xid, s->bounds.Left, s->bounds.Top);
        // The time of the user's last key or click (a hot key's, say): a window manager
        // that prevents focus stealing lets a window shown in answer to it come first.
        if (lastUserTime_ != CurrentTime && !s->overrideRedirect) {
            long time = static_cast<long>(lastUserTime_);
            XChangeProperty(dpy_, s->xid, atoms_->netWmUserTime, XA_CARDINAL, 32, PropModeReplace,
                            reinterpret_cast<unsigned char*>(&time), 1);
        }
        XMapRaised(dpy_, s->xid);
    } else if (s->overrideRedirect) {
        XUnmapWindow(dpy_, s->xid);
    } else {
        XWithdrawWindow(dpy_, s->xid, screen_);
    }
    XFlush(dpy_);
}

void X11Display::MoveSurface(SurfaceId id, const TRect& bounds) {
    Surface* s = Find(id);
    if (!s) return;
    s->bounds = bounds;
    XMoveResizeWindow(dpy_, s->xid, bounds.Left, bounds.Top, static_cast<unsigned>(std::max(1, bounds.Width())),
                      static_cast<unsigned>(std::max(1, bounds.Height())));
}

void X11Display::SetSurfaceTitle(SurfaceId id, std::string_view utf8) {
    Surface* s = Find(id);
    if (!s) return;
    std::string latin1 = Latin1Title(utf8);
    XStoreName(dpy_, s->xid, latin1.c_str());
    XChangeProperty(dpy_, s->xid, atoms_->netWmName, atoms_->utf8String, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(utf8.data()), static_cast<int>(utf8.size()));
}

void X11Display::SetSurfaceShape(SurfaceId id, const gfx::Region* shape) {
    Surface* s = Find(id);
    if (!s || !hasShape_) return;
    if (!shape) {
        XShapeCombineMask(dpy_, s->xid, ShapeBounding, 0, 0, None, ShapeSet);
        return;
    }
    std::vector<XRectangle> rects;
    for (const TRect& r : shape->Rects())
        rects.push_back({static_cast<short>(r.Left), static_cast<short>(r.Top), static_cast<unsigned short>(r.Width()),
                         static_cast<unsigned short>(r.Height())});
    XShapeCombineRectangles(dpy_, s->xid, ShapeBounding, 0, 0, rects.data(), static_cast<int>(rects.size()), ShapeSet,
                            YXBanded);
}

void X11Display::RestackSurfaces(const std::vector<SurfaceId>& bottomToTop) {
    // Raising each window in turn works through a window manager's frames, where the
    // client windows are no siblings that one restack request could order.
    for (SurfaceId id : bottomToTop)
        if (Surface* s = Find(id); s && s->visible) XRaiseWindow(dpy_, s->xid);
}

void X11Display::Present(SurfaceId id, const gfx::Bitmap& backBuffer, const gfx::Region& area) {
    Surface* s = Find(id);
    if (!s || connectionLost_) return;
    s->image->Put(s->xid, gc_, backBuffer, area.Rects());
    XFlush(dpy_);
}

void X11Display::SetCursor(CursorShape shape) {
    cursor_ = shape;
    auto it = cursors_.find(shape);
    if (it == cursors_.end()) it = cursors_.emplace(shape, XCreateFontCursor(dpy_, CursorFontShape(shape))).first;
    for (auto& [id, s] : surfaces_) XDefineCursor(dpy_, s.xid, it->second);
    XFlush(dpy_);
}

bool X11Display::GrabPointer(SurfaceId id) {
    Surface* s = Find(id);
    if (!s) return false;
    // Owner events: our windows get their events as usual, a press anywhere else comes
    // to the grab window (and closes the menu that asked for the grab).
    unsigned mask = ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask | LeaveWindowMask;
    int result = XGrabPointer(dpy_, s->xid, True, mask, GrabModeAsync, GrabModeAsync, None, None, CurrentTime);
    return result == GrabSuccess;
}

void X11Display::UngrabPointer() {
    XUngrabPointer(dpy_, CurrentTime);
    XFlush(dpy_);
}

void X11Display::Minimize(SurfaceId id) {
    if (Surface* s = Find(id)) XIconifyWindow(dpy_, s->xid, screen_);
    XFlush(dpy_);
}

void X11Display::Activate(SurfaceId id) {
    Surface* s = Find(id);
    if (!s || !s->visible || s->options.noActivate) return;
    if (WindowManagerRunning()) {
        // Source 1 (an application) with the time of the user's last key or click, e.g.
        // the hot key that opened this dialog: the window manager then lets it come first.
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = s->xid;
        e.xclient.message_type = atoms_->netActiveWindow;
        e.xclient.format = 32;
        e.xclient.data.l[0] = 1;
        e.xclient.data.l[1] = static_cast<long>(lastUserTime_);
        XSendEvent(dpy_, root_, False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    } else {
        XRaiseWindow(dpy_, s->xid);
        X11ErrorTrap trap(dpy_);  // not viewable yet: the focus follows with the map
        XSetInputFocus(dpy_, s->xid, RevertToParent, CurrentTime);
    }
    XFlush(dpy_);
}

void X11Display::Beep() {
    XBell(dpy_, 0);
    XFlush(dpy_);
}

bool X11Display::SetClipboard(const ClipboardContent& content) {
    return !connectionLost_ && clipboard_->Set(content);
}

std::optional<std::string> X11Display::ClipboardText() {
    if (connectionLost_) return std::nullopt;
    return clipboard_->Text();
}

std::optional<gfx::Bitmap> X11Display::ClipboardPicture() {
    if (connectionLost_) return std::nullopt;
    return clipboard_->Picture();
}

bool X11Display::RegisterHotKey(HWND window, int id, unsigned modifiers, unsigned virtualKey) {
    return !connectionLost_ && hotKeys_->Register(window, id, modifiers, virtualKey);
}

void X11Display::UnregisterHotKey(HWND window, int id) {
    if (!connectionLost_) hotKeys_->Unregister(window, id);
}

bool X11Display::TranslucencyAvailable() const {
    // A compositing manager owns _NET_WM_CM_S<screen>; without one opacity shows nothing.
    return !connectionLost_ && screen_ == 0 && XGetSelectionOwner(dpy_, atoms_->netWmCmSelection) != None;
}

void X11Display::SetSurfaceOpacity(SurfaceId id, uint8_t opacity) {
    Surface* s = Find(id);
    if (!s) return;
    if (opacity == 255) {
        XDeleteProperty(dpy_, s->xid, atoms_->netWmWindowOpacity);
    } else {
        // The compositor reads a 32-bit fraction of fully opaque.
        long value = static_cast<long>(static_cast<uint64_t>(opacity) * 0xFFFFFFFFull / 255);
        XChangeProperty(dpy_, s->xid, atoms_->netWmWindowOpacity, XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&value), 1);
    }
    XFlush(dpy_);
}

uint64_t X11Display::Now() const {
    auto elapsed = std::chrono::steady_clock::now() - start_;
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

}  // namespace wm::x11
