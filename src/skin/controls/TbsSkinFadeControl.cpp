#include "skin/controls/TbsSkinFadeControl.h"

#include <algorithm>

#include "wm/Messages.h"
#include "wm/Timers.h"

namespace skin {

namespace {
constexpr unsigned kMorphInterval = 20;
constexpr double kMorphStep = 0.1;
}  // namespace

void TbsSkinFadeControl::SetCanFocused(bool on) {
    canFocused_ = on;
    SetTabStop(on);
    Invalidate();
}

void TbsSkinFadeControl::StartMorph() {
    if (!Morphing()) {
        Invalidate();
        return;
    }
    if (!morphTimer_ && HandleAllocated()) {
        wm::SetTimer(Handle(), kMorphTimer, kMorphInterval);
        morphTimer_ = true;
    }
}

void TbsSkinFadeControl::StopMorph() {
    if (morphTimer_ && HandleAllocated()) wm::KillTimer(Handle(), kMorphTimer);
    morphTimer_ = false;
}

void TbsSkinFadeControl::MorphTick() {
    bool wantsActive = WantsActiveFace();
    if (!Morphing()) {
        morphProgress_ = wantsActive ? 1 : 0;
        StopMorph();
    } else if (wantsActive && morphProgress_ < 1) {
        morphProgress_ = std::min(1.0, morphProgress_ + kMorphStep);
    } else if (!wantsActive && morphProgress_ > 0) {
        morphProgress_ = std::max(0.0, morphProgress_ - kMorphStep);
    } else {
        morphProgress_ = wantsActive ? 1 : 0;
        StopMorph();
    }
    Invalidate();
}

void TbsSkinFadeControl::WndProc(TMessage& m) {
    if (m.Msg == wm::WM_TIMER && m.WParam == kMorphTimer) {
        MorphTick();
        return;
    }
    // A focusable control takes the focus before it handles a press; without it the press
    // is dropped.
    if ((m.Msg == wm::WM_LBUTTONDOWN || m.Msg == wm::WM_LBUTTONDBLCLK) && canFocused_ && !Focused()) {
        if (!CanFocus()) return;
        SetFocus();
        if (!Focused()) return;
    }
    TbsSkinCustomControl::WndProc(m);
}

void TbsSkinFadeControl::DoEnter() {
    TbsSkinCustomControl::DoEnter();
    if (canFocused_) StartMorph();
}

void TbsSkinFadeControl::DoExit() {
    TbsSkinCustomControl::DoExit();
    if (canFocused_) StartMorph();
}

void TbsSkinFadeControl::EnabledChanged() {
    StopMorph();
    morphProgress_ = 0;
    hot_ = false;
    TbsSkinCustomControl::EnabledChanged();
    Invalidate();
}

}  // namespace skin
