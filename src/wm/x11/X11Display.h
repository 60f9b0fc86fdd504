#pragma once
// The display on an X server: one X window per top-level surface, showing the back
// buffer the core composes (MIT-SHM where the server has it); input as InputEvents; the
// services bound to the server: system-wide hot keys (key grabs on the root window), the
// CLIPBOARD selection, the work area, and the session end (SIGTERM, SIGHUP, the
// connection lost). README.md in this folder records the decisions.
//
//   auto display = wm::x11::X11Display::Open();   // nullptr without a server
//   wm::WindowSystem system(*display);

#include "wm/Display.h"  // before Xlib.h: its macros clash with our names

#include <X11/Xlib.h>
#undef CursorShape  // X.h names a class of XQueryBestSize so; ours is the pointer shape

#include <chrono>
#include <map>
#include <memory>
#include <set>

namespace wm::x11 {

struct X11Atoms;
class X11Clipboard;
class X11HotKeys;
class X11SurfaceImage;
class SessionSignals;

class X11Display final : public Display {
public:
    // Connects to the named display (nullptr: $DISPLAY); nullptr when that fails.
    static std::unique_ptr<X11Display> Open(const char* name = nullptr);
    ~X11Display() override;
    X11Display(const X11Display&) = delete;
    X11Display& operator=(const X11Display&) = delete;

    ::Display* Connection() const { return dpy_; }
    bool UsesSharedMemory() const { return shmAvailable_; }
    // The X window showing a surface (0 for an unknown one).
    ::Window NativeWindow(SurfaceId surface) const;

    // Display
    TRect ScreenRect() const override;
    TRect WorkArea() const override;
    SurfaceId CreateSurface(HWND window, const TRect& bounds, const SurfaceOptions& options) override;
    void DestroySurface(SurfaceId surface) override;
    void ShowSurface(SurfaceId surface, bool visible) override;
    void MoveSurface(SurfaceId surface, const TRect& bounds) override;
    void SetSurfaceTitle(SurfaceId surface, std::string_view utf8) override;
    void SetSurfaceShape(SurfaceId surface, const gfx::Region* shape) override;
    void RestackSurfaces(const std::vector<SurfaceId>& bottomToTop) override;
    void Present(SurfaceId surface, const gfx::Bitmap& backBuffer, const gfx::Region& area) override;
    void SetCursor(CursorShape shape) override;
    bool GrabPointer(SurfaceId surface) override;
    void UngrabPointer() override;
    void Minimize(SurfaceId surface) override;
    void Activate(SurfaceId surface) override;
    void Beep() override;
    bool SetClipboard(const ClipboardContent& content) override;
    std::optional<std::string> ClipboardText() override;
    std::optional<gfx::Bitmap> ClipboardPicture() override;
    bool RegisterHotKey(HWND window, int id, unsigned modifiers, unsigned virtualKey) override;
    void UnregisterHotKey(HWND window, int id) override;
    bool TranslucencyAvailable() const override;
    void SetSurfaceOpacity(SurfaceId surface, uint8_t opacity) override;
    uint64_t Now() const override;
    void WaitForInput(std::optional<uint64_t> deadline) override;

private:
    struct Surface {
        HWND window = 0;
        ::Window xid = 0;
        TRect bounds;
        SurfaceOptions options;
        bool visible = false;
        bool overrideRedirect = false;
        XIC inputContext = nullptr;
        std::unique_ptr<X11SurfaceImage> image;
    };

    explicit X11Display(::Display* dpy);
    Surface* Find(SurfaceId id);
    const Surface* Find(SurfaceId id) const;
    Surface* FindByXid(::Window xid);
    void SetWindowProperties(Surface& s);
    bool WindowManagerRunning() const;

    // Events (X11Events.cpp).
    void DispatchQueuedEvents();
    void HandleEvent(XEvent& event);
    void HandleKey(Surface* s, XKeyEvent& event);
    // Opens the input method once, when the program first waits for input or at the first
    // key if that comes sooner, and gives every surface its context; the one of
    // `focusWindow` gets the input focus.
    void EnsureInputMethod(::Window focusWindow);
    void CreateInputContext(Surface& s);
    void HandleRootKey(const XKeyEvent& event);
    void Feed(const InputEvent& event);
    TPoint ScreenPoint(const Surface* s, int x, int y, int xRoot, int yRoot) const;
    ModifierKeys Modifiers(unsigned state) const;
    [[noreturn]] void EndSession(int exitCode);

    ::Display* dpy_;
    int screen_;
    ::Window root_;
    std::unique_ptr<X11Atoms> atoms_;
    std::unique_ptr<X11Clipboard> clipboard_;
    std::unique_ptr<X11HotKeys> hotKeys_;
    std::unique_ptr<SessionSignals> signals_;
    XIM inputMethod_ = nullptr;
    bool inputMethodTried_ = false;
    ::Window focusedWindow_ = None;  // our surface holding the X input focus
    GC gc_ = nullptr;
    bool shmAvailable_ = false;
    int shapeEvent_ = 0;
    bool hasShape_ = false;
    std::map<SurfaceId, Surface> surfaces_;
    SurfaceId nextSurface_ = 1;
    std::map<CursorShape, Cursor> cursors_;
    CursorShape cursor_ = CursorShape::Arrow;
    std::set<unsigned> keysDown_;  // keycodes, to tell auto-repeat presses
    Time lastUserTime_ = CurrentTime;
    unsigned altMask_ = Mod1Mask;  // modifier bits of the Alt-like keys
    bool fed_ = false;
    bool connectionLost_ = false;
    std::chrono::steady_clock::time_point start_;
};

}  // namespace wm::x11
