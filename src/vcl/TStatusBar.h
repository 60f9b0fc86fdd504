#pragma once
// The bar at the bottom of a window: panels side by side, each with its text in a
// sunken frame, or one simple panel across the whole bar.
//
// Geometry (client coordinates): panel i starts at the sum of the widths before it and
// its sunken frame covers [start, start + Width - kPanelGap) x [kTopMargin, height);
// the last panel reaches the right end of the bar (less the size grip, when shown).

#include <memory>
#include <string>
#include <vector>

#include "vcl/TCustomControl.h"
#include "vcl/TStatusPanel.h"

namespace vcl {

class TStatusBar : public TCustomControl {
public:
    static constexpr int kPanelGap = 2;
    static constexpr int kTopMargin = 2;
    static constexpr int kGripWidth = 12;

    explicit TStatusBar(TComponent* owner);
    ~TStatusBar() override;

    // --- panels ---
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    TStatusPanel* Panels(int index) const;
    TStatusPanel* AddPanel();
    void ClearPanels();
    // The sunken frame of a panel (empty for a bad index).
    TRect PanelRect(int index) const;

    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool on) { simplePanel_ = on; Invalidate(); }
    const std::string& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& text) { simpleText_ = text; if (simplePanel_) Invalidate(); }
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool on) { sizeGrip_ = on; Invalidate(); }

protected:
    void Paint() override;
    void CreateParams(wm::CreateParams& params) override;

private:
    void PaintPanel(const TRect& frame, const std::string& text, TAlignment alignment);
    void PaintGrip();

    std::vector<std::unique_ptr<TStatusPanel>> panels_;
    bool simplePanel_ = false;
    std::string simpleText_;
    bool sizeGrip_ = true;
};

}  // namespace vcl
