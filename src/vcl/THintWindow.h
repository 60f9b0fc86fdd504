#pragma once
// The small window that shows a hint: top-most, never activated, the pointer passes
// through it; a one-pixel raised border (highlight top and left, shadow bottom and
// right), the system hint font, on the tooltip colour.

#include <string>

#include "vcl/TCustomControl.h"

namespace vcl {

class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* owner);

    // Shows the text in a screen rectangle: 4 pixels are added to its height, and it is
    // moved up and left to stay inside the work area (never left of its left edge, nor
    // above its top). Shown top-most without activating anything.
    virtual void ActivateHint(TRect rect, const std::string& text);
    // The rectangle (at 0, 0) the text needs: its extent plus 6 wide and 2 high
    // (Width/height of the border included in ActivateHint's 4).
    virtual TRect CalcHintRect(int maxWidth, const std::string& text);
    // Hides the window and lets it go.
    void ReleaseHandle();

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(wm::CreateParams& params) override;
    bool IsTopLevel() const override { return true; }
    void Paint() override;
    void NCPaint();
};

}  // namespace vcl
