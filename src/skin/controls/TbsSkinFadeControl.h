#pragma once
// The hover and focus fade shared by the button and the check/radio box: Hot follows the
// pointer, a focusable control (CanFocused) takes the focus before a press is handled,
// and while the record morphs a 20 ms timer moves MorphProgress by 0.1 towards the active
// face (hot or focused) or back to the normal one. Focus changes start the fade; a change
// of the enabled state resets it.

#include <cstdint>

#include "skin/controls/TbsSkinCustomControl.h"

namespace skin {

class TbsSkinFadeControl : public TbsSkinCustomControl {
public:
    explicit TbsSkinFadeControl(TComponent* owner) : TbsSkinCustomControl(owner) {}

    bool Hot() const { return hot_; }
    bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool on);
    // 0 shows the normal face, 1 the active one, values between a mix of both.
    double MorphProgress() const { return morphProgress_; }

    void WndProc(TMessage& message) override;

protected:
    // Whether the current record asks for the fade.
    virtual bool Morphing() const = 0;
    bool HasFocus() const { return canFocused_ && Focused(); }
    bool WantsActiveFace() const { return hot_ || HasFocus(); }
    // Starts the fade timer, or just repaints when the record does not morph.
    void StartMorph();
    void StopMorph();
    void MorphTick();

    void DoEnter() override;
    void DoExit() override;
    void EnabledChanged() override;

    static constexpr uintptr_t kMorphTimer = 2;

    bool hot_ = false;
    bool canFocused_ = true;
    double morphProgress_ = 0;

private:
    bool morphTimer_ = false;
};

}  // namespace skin
