#pragma once
// What a display backend does for the window system. The core keeps every window,
// message and pixel itself; a display only shows the top-level windows' back buffers as
// native surfaces, reports input, and keeps the clock. Two implementations: the X11
// display and the headless one the tests run on.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/Region.h"
#include "wm/Cursor.h"
#include "wm/Types.h"

namespace wm {

using SurfaceId = uint32_t;  // 0 = none

struct SurfaceOptions {
    bool popup = false;         // override-redirect: no window-manager decoration or placement
    bool topMost = false;
    bool noActivate = false;    // never takes the keyboard focus
    bool noDecorations = false; // ask the window manager for no frame of its own
    bool noInput = false;       // empty input shape: the pointer passes through (hints)
    HWND owner = 0;             // transient-for
};

enum class MouseButton { Left, Right, Middle };

// Shift, Ctrl and Alt as held when an input event happened.
struct ModifierKeys {
    bool shift = false;
    bool control = false;
    bool alt = false;
};

// One input event as a display reports it. Positions are screen coordinates.
struct InputEvent {
    enum class Kind {
        PointerMove,
        PointerLeave,  // the pointer went to a window of another program or the desktop
        ButtonDown,
        ButtonUp,
        Wheel,
        KeyDown,
        KeyUp,
        FocusIn,       // the surface got the keyboard focus from the window manager
        FocusOut,
        CloseRequest,  // the window manager's close button
        Expose,        // part of a surface must be shown again (answered from the back buffer)
    };
    Kind kind = Kind::PointerMove;
    SurfaceId surface = 0;   // focus, close and expose events
    TPoint screen;           // pointer events
    MouseButton button = MouseButton::Left;
    int wheelDelta = 0;      // 120 per notch, positive away from the user
    int virtualKey = 0;      // key events (see base/ShortCut.h)
    uint32_t character = 0;  // key down: the typed character (UTF-32), 0 for none
    bool repeat = false;     // key down: an auto-repeat
    TRect area;              // expose: surface coordinates
    // Key, button, pointer and focus events: the modifiers the display saw held. The
    // window system's key state follows it, so a release lost to a key grab or a focus
    // change cannot leave a modifier stuck. Unset when the display does not know.
    std::optional<ModifierKeys> modifiers;
};

// The core's entry point for input; the display calls it for each event.
class InputSink {
public:
    virtual void FeedInput(const InputEvent& event) = 0;

protected:
    ~InputSink() = default;
};

class Display {
public:
    virtual ~Display() = default;

    // Set by the window system when it starts; events go there.
    void SetInputSink(InputSink* sink) { sink_ = sink; }

    virtual TRect ScreenRect() const = 0;
    virtual TRect WorkArea() const = 0;

    virtual SurfaceId CreateSurface(HWND window, const TRect& screenBounds,
                                    const SurfaceOptions& options) = 0;
    virtual void DestroySurface(SurfaceId surface) = 0;
    virtual void ShowSurface(SurfaceId surface, bool visible) = 0;
    virtual void MoveSurface(SurfaceId surface, const TRect& screenBounds) = 0;
    virtual void SetSurfaceTitle(SurfaceId surface, std::string_view utf8) = 0;
    // The window region in surface coordinates; nullptr: rectangular again.
    virtual void SetSurfaceShape(SurfaceId surface, const gfx::Region* shape) = 0;
    // Stacking of all surfaces, bottom first.
    virtual void RestackSurfaces(const std::vector<SurfaceId>& bottomToTop) = 0;
    // Shows `area` (surface coordinates) of the surface's back buffer.
    virtual void Present(SurfaceId surface, const gfx::Bitmap& backBuffer,
                         const gfx::Region& area) = 0;
    virtual void SetCursor(CursorShape shape) = 0;
    // Pointer grab with owner events (menus, drop-down lists, move loops).
    virtual bool GrabPointer(SurfaceId surface) = 0;
    virtual void UngrabPointer() = 0;
    virtual void Minimize(SurfaceId surface) = 0;
    virtual void Activate(SurfaceId surface) = 0;
    virtual void Beep() {}

    // --- display-bound services ----------------------------------------------------------
    // The clipboard. The base class keeps it in memory (the headless display); the X11
    // display owns the CLIPBOARD selection. Setting replaces the whole content; false when
    // the display could not take it.
    struct ClipboardContent {
        std::optional<gfx::Bitmap> picture;
        std::optional<std::string> text;  // UTF-8
    };
    virtual bool SetClipboard(const ClipboardContent& content) { clipboard_ = content; return true; }
    // Text another program (or this one) offers for pasting; nullopt when there is none.
    virtual std::optional<std::string> ClipboardText() { return clipboard_.text; }
    virtual std::optional<gfx::Bitmap> ClipboardPicture() { return clipboard_.picture; }

    // System-wide hot keys: a press arrives as WM_HOTKEY (wParam = id) at `window`.
    // `modifiers` uses the MOD_* bits of wm/Messages.h. False when the key is held by
    // another client (the caller treats that as silent failure).
    virtual bool RegisterHotKey(HWND window, int id, unsigned modifiers, unsigned virtualKey) {
        return true;
    }
    virtual void UnregisterHotKey(HWND window, int id) {}

    // Translucent top-level windows (a compositing manager must run); opacity 0..255.
    virtual bool TranslucencyAvailable() const { return false; }
    virtual void SetSurfaceOpacity(SurfaceId surface, uint8_t opacity) {}

    // The session ends (SIGTERM or SIGHUP, or the connection to the display server is
    // lost). The display runs this handler on the user interface thread, from
    // WaitForInput, and then ends the process; the handler must not use the display (it
    // may be gone). The application sets it to give every form WM_ENDSESSION.
    void SetSessionEndHandler(std::function<void()> handler) { sessionEnd_ = std::move(handler); }

    // Milliseconds on the display's clock (monotonic).
    virtual uint64_t Now() const = 0;
    // Blocks until input was fed to the sink or the deadline (on Now()) has come; without
    // a deadline until input arrives. Returns at once when input is already waiting.
    virtual void WaitForInput(std::optional<uint64_t> deadline) = 0;

protected:
    InputSink* Sink() const { return sink_; }
    const std::function<void()>& SessionEndHandler() const { return sessionEnd_; }

private:
    InputSink* sink_ = nullptr;
    ClipboardContent clipboard_;
    std::function<void()> sessionEnd_;
};

}  // namespace wm
