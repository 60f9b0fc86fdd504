#pragma once
// The state of the in-process window system: the windows by handle, the top-level
// stacking, the message queue, timers, focus, capture, activation and the pointer. One
// instance runs at a time (WindowSystem::Current()); the public functions of Windows.h,
// MessageLoop.h, Input.h, Paint.h and Timers.h work on it and do nothing (returning
// 0 / false / empty) when none runs.
//
// The members below are the implementation's shared state; code outside src/wm uses the
// public functions instead.

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "gfx/Region.h"
#include "wm/Display.h"
#include "wm/Messages.h"
#include "wm/TimerQueue.h"
#include "wm/Window.h"

namespace wm {

class DeviceContext;

// Returns true when it consumed the message (it is then neither translated nor dispatched).
using MessageHook = std::function<bool(MSG&)>;

class WindowSystem final : public InputSink {
public:
    explicit WindowSystem(Display& display);
    // Drops every window left without sending messages: destroy windows (and so run their
    // procedures) while the objects they refer to still live.
    ~WindowSystem();
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;

    static WindowSystem* Current();

    Display& GetDisplay() { return display_; }
    uint64_t Now() const { return display_.Now(); }

    // Queues an input event; it becomes messages when the loop reaches it.
    void FeedInput(const InputEvent& event) override;

    // --- shared implementation helpers -------------------------------------------------
    Window* Find(HWND hwnd) const;             // null for 0, unknown or destroyed handles
    Window* FindLive(HWND hwnd) const;         // also null while being destroyed
    Window* RootOf(const Window& w) const;     // the top-level a window lives in
    bool IsAncestorOf(HWND ancestor, HWND hwnd) const;  // also true when equal
    TPoint OriginInRoot(const Window& w) const;  // window (0,0) in the root's window coords
    TPoint ScreenOrigin(const Window& w) const;  // window (0,0) on the screen
    bool IsShown(const Window& w) const;         // visible with all its ancestors
    std::vector<HWND>& SiblingsOf(const Window& w);  // the z-ordered list holding w
    void RestackDisplay();                        // tells the display the top-level order
    // Every window of the tree below `root` (itself first, parents before children).
    std::vector<HWND> TreeOf(HWND root) const;

    // --- state -----------------------------------------------------------------------
    struct QueueItem {
        bool isInput = false;
        MSG msg;
        InputEvent input;
    };
    struct PointerState {
        TPoint screen{-1, -1};
        HWND hover = 0;      // the window the pointer is over (enter/leave notices)
        HWND lastDownWindow = 0;
        int lastDownHit = 0;
        UINT lastDownMessage = 0;
        uint64_t lastDownTime = 0;
        TPoint lastDownPoint;
        bool lastWasDoubleClick = false;
    };

    std::unordered_map<HWND, std::unique_ptr<Window>> windows;
    HWND nextHandle = 1;
    std::vector<HWND> topLevels;  // z-order, bottom first; top-most ones last

    std::deque<QueueItem> queue;
    std::optional<int> quitCode;
    TimerQueue timers;
    std::vector<std::pair<int, MessageHook>> hooks;
    int nextHookId = 1;

    HWND focus = 0;
    HWND active = 0;
    HWND capture = 0;
    PointerState pointer;
    std::array<bool, 256> keyDown{};
    bool altTapPending = false;   // Alt went down and nothing else happened since
    bool altTapped = false;       // the Alt release just seen was a tap (SC_KEYMENU)
    int waitCursorCount = 0;      // application-wide wait cursor
    CursorShape shownCursor = CursorShape::Arrow;

    std::unordered_map<HDC, std::unique_ptr<DeviceContext>> dcs;
    HDC nextDc = 1;
    // Windows painting into a foreign bitmap (PaintParentBackground): BeginPaint hands
    // them this DC.
    std::vector<std::pair<HWND, HDC>> paintRedirects;

    int modalDepth = 0;
    // While ProcessPendingMessages runs: timers due after this time wait for the next
    // round, so a short timer cannot keep it busy for ever on a real clock.
    std::optional<uint64_t> timerHorizon;

private:
    Display& display_;
};

}  // namespace wm
