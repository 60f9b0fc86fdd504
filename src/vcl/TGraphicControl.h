#pragma once
// A control without a window: it paints on its parent's surface inside its own bounds
// (the parent calls Paint after painting itself) and gets the mouse messages that fall
// on it from the parent, in its own client coordinates.

#include <memory>

#include "vcl/TCanvas.h"
#include "vcl/TControl.h"

namespace vcl {

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;

    // Valid while Paint runs.
    TCanvas* Canvas() { return canvas_.get(); }

    void WndProc(TMessage& message) override;

protected:
    virtual void Paint() {}

private:
    std::unique_ptr<TCanvas> canvas_;
};

}  // namespace vcl
