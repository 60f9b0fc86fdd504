#include "wm/MessageLoop.h"

#include <algorithm>

#include "wm/Display.h"
#include "wm/WindowInternals.h"
#include "wm/Windows.h"

namespace wm {

namespace {
WindowSystem* WS() { return WindowSystem::Current(); }

// Re-enables, at scope end, exactly the windows a modal loop disabled.
class ModalDisabler {
public:
    ModalDisabler(WindowSystem& ws, HWND modalWindow) : ws_(ws) {
        for (HWND h : std::vector<HWND>(ws.topLevels)) {
            Window* w = ws.FindLive(h);
            if (!w || w->HasFlag(WS_DISABLED) || OwnedBy(h, modalWindow)) continue;
            EnableWindow(h, false);
            disabled_.push_back(h);
        }
        ++ws_.modalDepth;
    }
    ~ModalDisabler() {
        --ws_.modalDepth;
        for (HWND h : disabled_) EnableWindow(h, true);
    }
    ModalDisabler(const ModalDisabler&) = delete;
    ModalDisabler& operator=(const ModalDisabler&) = delete;

private:
    // The modal window itself and the windows it owns stay usable.
    bool OwnedBy(HWND hwnd, HWND modalWindow) const {
        if (!modalWindow) return false;
        for (Window* w = ws_.Find(hwnd); w; w = ws_.Find(w->owner))
            if (w->handle == modalWindow) return true;
        return false;
    }
    WindowSystem& ws_;
    std::vector<HWND> disabled_;
};

}  // namespace

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    WindowSystem* ws = WS();
    Window* w = ws ? ws->Find(hwnd) : nullptr;
    if (!w || !w->proc) return 0;
    // A copy: the procedure may replace itself or destroy its window while it runs.
    WindowProc proc = w->proc;
    return proc(hwnd, msg, wParam, lParam);
}

bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    WindowSystem* ws = WS();
    if (!ws || (hwnd != 0 && !ws->FindLive(hwnd))) return false;
    WindowSystem::QueueItem item;
    item.msg = MSG{hwnd, msg, wParam, lParam, ws->Now(), ws->pointer.screen, 0};
    ws->queue.push_back(item);
    return true;
}

void PostQuitMessage(int exitCode) {
    if (WindowSystem* ws = WS()) ws->quitCode = exitCode;
}

bool IsQuitPending() {
    WindowSystem* ws = WS();
    return ws && ws->quitCode.has_value();
}

bool PeekMessage(MSG& msg, UINT removeFlags) {
    WindowSystem* ws = WS();
    if (!ws) return false;
    bool remove = (removeFlags & PM_REMOVE) != 0;
    while (!ws->queue.empty()) {
        WindowSystem::QueueItem item = ws->queue.front();
        ws->queue.pop_front();
        if (item.isInput) {
            MSG made;
            if (!detail::TranslateInput(*ws, item.input, made)) continue;
            item.isInput = false;
            item.msg = made;
        } else if (item.msg.hwnd != 0 && !ws->FindLive(item.msg.hwnd)) {
            continue;  // its window is gone
        }
        msg = item.msg;
        if (!remove) ws->queue.push_front(item);
        return true;
    }
    if (ws->quitCode) {
        msg = MSG{0, WM_QUIT, static_cast<WPARAM>(*ws->quitCode), 0, ws->Now(),
                  ws->pointer.screen, 0};
        if (remove) ws->quitCode.reset();
        return true;
    }
    if (HWND h = detail::FindWindowToPaint(*ws)) {
        msg = MSG{h, WM_PAINT, 0, 0, ws->Now(), ws->pointer.screen, 0};
        return true;
    }
    detail::FlushPresent(*ws);
    uint64_t timerNow = ws->timerHorizon ? std::min(*ws->timerHorizon, ws->Now()) : ws->Now();
    if (auto timer = ws->timers.TakeDue(timerNow)) {
        msg = MSG{timer->hwnd, WM_TIMER, timer->id, 0, ws->Now(), ws->pointer.screen, 0};
        if (!remove) {
            WindowSystem::QueueItem item;
            item.msg = msg;
            ws->queue.push_front(item);
        }
        return true;
    }
    return false;
}

bool GetMessage(MSG& msg) {
    WindowSystem* ws = WS();
    if (!ws) {
        msg = MSG{0, WM_QUIT, 0, 0, 0, {}, 0};
        return false;
    }
    // A loop that waits is a loop of its own: the horizon of an outer
    // ProcessPendingMessages does not hold it back (timers would never come due).
    std::optional<uint64_t> outerHorizon = ws->timerHorizon;
    ws->timerHorizon.reset();
    struct RestoreHorizon {
        WindowSystem* ws;
        std::optional<uint64_t> horizon;
        ~RestoreHorizon() {
            if (WindowSystem::Current() == ws) ws->timerHorizon = horizon;
        }
    } restore{ws, outerHorizon};
    while (!PeekMessage(msg, PM_REMOVE)) ws->GetDisplay().WaitForInput(ws->timers.NextDue());
    return msg.message != WM_QUIT;
}

bool TranslateMessage(const MSG& msg) {
    WindowSystem* ws = WS();
    if (!ws || msg.character == 0) return false;
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    WindowSystem::QueueItem item;
    item.msg = msg;
    item.msg.message = msg.message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    item.msg.wParam = msg.character;
    item.msg.character = 0;
    ws->queue.push_front(item);
    return true;
}

LRESULT DispatchMessage(const MSG& msg) {
    WindowSystem* ws = WS();
    if (!ws || msg.hwnd == 0) return 0;
    if (msg.message == WM_PAINT) {
        detail::PaintWindow(*ws, msg.hwnd);
        return 0;
    }
    return SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

int AddMessageHook(MessageHook hook) {
    WindowSystem* ws = WS();
    if (!ws || !hook) return 0;
    int id = ws->nextHookId++;
    ws->hooks.emplace_back(id, std::move(hook));
    return id;
}

void RemoveMessageHook(int hookId) {
    if (WindowSystem* ws = WS())
        std::erase_if(ws->hooks, [&](const auto& h) { return h.first == hookId; });
}

bool CallMessageHooks(MSG& msg) {
    WindowSystem* ws = WS();
    if (!ws) return false;
    // A copy: hooks may add or remove hooks; removed ones are not called any more.
    auto hooks = ws->hooks;
    for (auto it = hooks.rbegin(); it != hooks.rend(); ++it) {
        bool stillThere = std::any_of(ws->hooks.begin(), ws->hooks.end(),
                                      [&](const auto& h) { return h.first == it->first; });
        if (stillThere && it->second(msg)) return true;
    }
    return false;
}

bool ProcessMessage(MSG& msg) {
    if (msg.message == WM_QUIT) return false;
    if (msg.message != WM_PAINT && CallMessageHooks(msg)) return true;
    TranslateMessage(msg);
    DispatchMessage(msg);
    return true;
}

bool ProcessPendingMessages() {
    WindowSystem* ws = WS();
    if (!ws) return false;
    std::optional<uint64_t> outerHorizon = ws->timerHorizon;
    ws->timerHorizon = ws->Now();
    bool running = true;
    MSG msg;
    while (running && PeekMessage(msg, PM_REMOVE)) {
        if (!ProcessMessage(msg)) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // still ends the running loop
            running = false;
        }
    }
    if (WS() == ws) ws->timerHorizon = outerHorizon;
    return running;
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessage(msg)) ProcessMessage(msg);
    return static_cast<int>(msg.wParam);
}

bool RunModalLoop(HWND modalWindow, const std::function<bool()>& done) {
    WindowSystem* ws = WS();
    if (!ws) return false;
    bool watchWindow = modalWindow != 0 && ws->FindLive(modalWindow);
    ModalDisabler disabler(*ws, modalWindow);
    MSG msg;
    while (!(done && done())) {
        if (watchWindow && !ws->FindLive(modalWindow)) break;  // nothing left to wait for
        if (!GetMessage(msg)) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        ProcessMessage(msg);
    }
    return true;
}

void PaintPendingWindows() {
    WindowSystem* ws = WS();
    if (!ws) return;
    while (HWND h = detail::FindWindowToPaint(*ws)) detail::PaintWindow(*ws, h);
    detail::FlushPresent(*ws);
}

}  // namespace wm
