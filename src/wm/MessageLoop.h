#pragma once
// Sending and posting messages and the loop primitives.
//
// Priorities when the loop asks for the next message: queued items (posted messages and
// input, in arrival order), then the quit request, then painting (WM_PAINT for windows
// with an update region), then due timers (WM_TIMER). Only when none is left does the
// loop wait for input on the display.

#include <functional>

#include "wm/Messages.h"
#include "wm/WindowSystem.h"

namespace wm {

// Calls the window procedure at once (reentrant); 0 for a stale handle.
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
// Queues the message; false for a stale handle. hwnd 0 posts a message to the loop
// itself (GetMessage returns it; DispatchMessage ignores it).
bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
// Asks every running loop to end: GetMessage returns false with WM_QUIT (wParam = code).
void PostQuitMessage(int exitCode = 0);
bool IsQuitPending();

// Blocks until a message is available; false when it is WM_QUIT (the quit request stays
// answered: the loop that sees it ends).
bool GetMessage(MSG& msg);
constexpr UINT PM_NOREMOVE = 0;
constexpr UINT PM_REMOVE = 1;
// Never blocks; false when nothing is pending. Also returns WM_QUIT (then true).
bool PeekMessage(MSG& msg, UINT removeFlags = PM_REMOVE);
// Key presses with a character queue WM_CHAR (WM_SYSCHAR while Alt is held) right after.
bool TranslateMessage(const MSG& msg);
LRESULT DispatchMessage(const MSG& msg);

// Application-wide hooks that see every message the loops get before it is translated
// and dispatched; a hook returning true consumes it. Hooks run newest first.
int AddMessageHook(MessageHook hook);
void RemoveMessageHook(int hookId);
bool CallMessageHooks(MSG& msg);

// One step of the standard loop: hooks, TranslateMessage, DispatchMessage. False when the
// message was WM_QUIT.
bool ProcessMessage(MSG& msg);
// Handles everything pending without waiting (painting and due timers included); false
// when a quit is pending.
bool ProcessPendingMessages();

// The main loop: runs until WM_QUIT and returns its exit code.
int RunMessageLoop();

// A nested loop until `done` returns true (checked before each message) or the
// application quits. Every other enabled top-level window is disabled meanwhile and
// exactly those are enabled again afterwards. `modalWindow` (may be 0) stays enabled.
// Returns false when it ended by a quit; the quit stays pending so the outer loops end too.
bool RunModalLoop(HWND modalWindow, const std::function<bool()>& done);

// The painting part of the loop on its own: paints every window with an update region
// and shows the result (also called by UpdateWindow for one window).
void PaintPendingWindows();

}  // namespace wm
