#include "vcl/TTimer.h"

#include "vcl/TApplication.h"
#include "wm/DefWindowProc.h"
#include "wm/Timers.h"
#include "wm/Windows.h"

namespace vcl {

constexpr uintptr_t kTimerId = 1;

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
    if (window_) {
        wm::KillTimer(window_, kTimerId);
        wm::SetWindowProc(window_, wm::DefWindowProc);
        wm::DestroyWindow(window_);
    }
}

void TTimer::SetEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned ms) {
    if (ms == interval_) return;
    interval_ = ms;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
    onTimer_ = std::move(handler);
    UpdateTimer();
}

void TTimer::Loaded() {
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    if (running_) {
        wm::KillTimer(window_, kTimerId);
        running_ = false;
    }
    // While the description is applied the timer waits for Loaded.
    if (!enabled_ || interval_ == 0 || !onTimer_ || IsLoading() || IsDestroying()) return;
    if (!wm::IsWindow(window_)) {
        wm::CreateParams p;
        p.className = "TTimerWindow";
        p.style = wm::WS_POPUP;
        p.proc = [this](HWND h, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
            if (msg != wm::WM_TIMER) return wm::DefWindowProc(h, msg, wp, lp);
            try {
                Timer();
            } catch (const std::exception& e) {
                HandleException(this, e);
            }
            return 0;
        };
        window_ = wm::CreateWindow(p);
    }
    running_ = wm::SetTimer(window_, kTimerId, interval_) != 0;
}

void TTimer::Timer() {
    if (enabled_ && onTimer_) onTimer_(this);
}

}  // namespace vcl
