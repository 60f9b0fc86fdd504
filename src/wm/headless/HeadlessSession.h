#pragma once
// A running window system on a headless display, with scripted input and a virtual
// clock: what every behaviour test of windows, controls, menus and frames starts with.
//
//   wm::headless::HeadlessSession h(800, 600);
//   HWND w = wm::CreateWindow(...);
//   h.ProcessPending();          // create/show/paint
//   h.Click(120, 80);            // move, press, release; messages processed
//   h.Advance(1000);             // timers fire at their due times on the way
//   TColor c = h.ScreenPixel(120, 80);
//
// Input methods queue events on the display's script and then process until idle. A
// nested loop (modal dialog, move loop, menu) started by an event takes the following
// events of the script itself, so `Drag` works through the move loop. When a loop waits
// and the script is empty, HeadlessStall is thrown instead of hanging.

#include <memory>
#include <string_view>

#include "wm/WindowSystem.h"
#include "wm/headless/HeadlessDisplay.h"

namespace wm::headless {

class HeadlessSession {
public:
    explicit HeadlessSession(int width = 800, int height = 600);
    ~HeadlessSession();
    HeadlessSession(const HeadlessSession&) = delete;
    HeadlessSession& operator=(const HeadlessSession&) = delete;

    HeadlessDisplay& Display() { return *display_; }
    WindowSystem& System() { return *system_; }

    // --- time and processing ---------------------------------------------------------
    uint64_t Now() const { return display_->Now(); }
    // Moves the clock on by ms, stopping at every timer's due time to process messages.
    void Advance(uint64_t ms);
    // Processes messages (painting and due timers included) and the queued script until
    // nothing is left or a quit is pending.
    void ProcessPending();

    // --- pointer (screen coordinates) --------------------------------------------------
    void MoveTo(int x, int y);
    void Press(MouseButton button = MouseButton::Left);
    void Release(MouseButton button = MouseButton::Left);
    void Click(int x, int y, MouseButton button = MouseButton::Left);
    void DoubleClick(int x, int y, MouseButton button = MouseButton::Left);
    // Press at `from`, move in `steps` equal steps to `to`, release there.
    void Drag(TPoint from, TPoint to, int steps = 1, MouseButton button = MouseButton::Left);
    void Wheel(int x, int y, int delta);

    // --- keyboard -------------------------------------------------------------------------
    void KeyDown(int virtualKey, uint32_t character = 0);
    void KeyUp(int virtualKey);
    // Down and up; `character` is what the key types (0 for none).
    void Key(int virtualKey, uint32_t character = 0);
    // Each character of the UTF-8 text as a key press (letters with their capital's key).
    void TypeText(std::string_view utf8);

    // --- queueing without processing (for events a nested loop should take) -----------
    void QueueMove(int x, int y);
    void QueueButton(MouseButton button, bool down);
    void QueueKey(int virtualKey, bool down, uint32_t character = 0);
    void QueueAdvance(uint64_t ms) { display_->QueueAdvance(ms); }

    // --- read-back --------------------------------------------------------------------
    gfx::Bitmap Screen() const { return display_->ComposeScreen(); }
    TColor ScreenPixel(int x, int y) const;
    // What the display shows of a top-level window (its presented picture), window
    // coordinates; empty for a child or stale handle.
    gfx::Bitmap WindowImage(HWND topLevel) const;
    TPoint Pointer() const { return pointer_; }

private:
    void Queue(InputEvent e);

    std::unique_ptr<HeadlessDisplay> display_;
    std::unique_ptr<WindowSystem> system_;
    TPoint pointer_;
};

}  // namespace wm::headless
