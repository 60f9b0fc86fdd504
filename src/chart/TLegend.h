#pragma once
// The legend's settings, a nested property of the chart. Every accepted change fires
// OnChange, through which the chart relays itself out.

#include <functional>

#include "base/Color.h"
#include "chart/ChartTypes.h"

namespace chart {

class TLegend {
public:
    TLegendAlignment Alignment() const { return alignment_; }
    void SetAlignment(TLegendAlignment value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    bool Frame() const { return frame_; }
    void SetFrame(bool value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    // Percent of the area's width a side legend may take, 0..50.
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int value);

    std::function<void()> OnChange;

private:
    void Notify() {
        if (OnChange) OnChange();
    }

    TLegendAlignment alignment_ = laRight;
    TColor color_ = clWindow;
    bool frame_ = true;
    bool visible_ = true;
    int maxWidth_ = 50;
};

}  // namespace chart
