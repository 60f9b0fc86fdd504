#pragma once
// A timer component: OnTimer every Interval milliseconds while Enabled, delivered by the
// message loop (through a hidden window of its own, made when the timer first runs).

#include "vcl/TComponent.h"
#include "vcl/TControl.h"

namespace vcl {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned ms);
    // Setting the handler (re)starts the timer when it is enabled.
    void SetOnTimer(TNotifyEvent handler);
    const TNotifyEvent& OnTimer() const { return onTimer_; }

protected:
    virtual void Timer();
    void Loaded() override;

private:
    void UpdateTimer();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    TNotifyEvent onTimer_;
    HWND window_ = 0;
    bool running_ = false;
};

}  // namespace vcl
