#pragma once
// Shared helpers of the window-system tests: windows whose procedure records every
// message and can answer some of them itself.

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

#include "wm/DefWindowProc.h"
#include "wm/Paint.h"
#include "wm/Messages.h"
#include "wm/Windows.h"
#include "wm/headless/HeadlessSession.h"

namespace wmtest {

using namespace wm;

// Answers a message itself (a value) or lets the default procedure handle it (nullopt).
using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

struct Logged {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

class MessageLog {
public:
    void Add(const Logged& m) { entries_.push_back(m); }
    void Clear() { entries_.clear(); }
    const std::vector<Logged>& Entries() const { return entries_; }
    // The messages a window got, in order, leaving out the chatty ones (hit tests and
    // cursor requests) unless asked for.
    std::vector<UINT> Of(HWND hwnd, std::vector<UINT> only = {}) const {
        std::vector<UINT> out;
        for (const Logged& m : entries_) {
            if (m.hwnd != hwnd) continue;
            if (!only.empty() && std::find(only.begin(), only.end(), m.msg) == only.end()) continue;
            out.push_back(m.msg);
        }
        return out;
    }
    int Count(HWND hwnd, UINT msg) const {
        return static_cast<int>(std::count_if(entries_.begin(), entries_.end(), [&](const Logged& m) {
            return m.hwnd == hwnd && m.msg == msg;
        }));
    }
    std::optional<Logged> Last(HWND hwnd, UINT msg) const {
        for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
            if (it->hwnd == hwnd && it->msg == msg) return *it;
        return std::nullopt;
    }

private:
    std::vector<Logged> entries_;
};

inline WindowProc LoggingProc(MessageLog* log, Handler handler = {}) {
    return [log, handler](HWND h, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
        if (log) log->Add({h, msg, wp, lp});
        if (handler)
            if (auto r = handler(h, msg, wp, lp)) return *r;
        return DefWindowProc(h, msg, wp, lp);
    };
}

inline HWND MakeTopLevel(const TRect& bounds, MessageLog* log = nullptr, Handler handler = {},
                         WindowStyle style = WS_VISIBLE | WS_POPUP, TColor background = clWhite) {
    CreateParams p;
    p.className = "TestTop";
    p.style = style;
    p.bounds = bounds;
    p.proc = LoggingProc(log, std::move(handler));
    p.background = background;
    return CreateWindow(p);
}

inline HWND MakeChild(HWND parent, const TRect& bounds, MessageLog* log = nullptr,
                      Handler handler = {}, WindowStyle style = WS_VISIBLE,
                      TColor background = clSilver) {
    CreateParams p;
    p.className = "TestChild";
    p.style = style | WS_CHILD;
    p.parent = parent;
    p.bounds = bounds;
    p.proc = LoggingProc(log, std::move(handler));
    p.background = background;
    return CreateWindow(p);
}

// Fills the client area with a colour on every WM_PAINT (no erasing needed).
inline Handler PaintsWith(TColor color, int* paints = nullptr) {
    return [color, paints](HWND h, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg != WM_PAINT) return std::nullopt;
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(h, ps);
        if (gfx::Canvas* c = GetCanvas(hdc)) {
            c->Brush().color = color;
            c->FillRect(GetClientRect(h));
        }
        EndPaint(h, ps);
        if (paints) ++*paints;
        return 0;
    };
}

}  // namespace wmtest
