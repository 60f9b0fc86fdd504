#include "chart/TLegend.h"

namespace chart {

void TLegend::SetAlignment(TLegendAlignment value) {
    alignment_ = value;
    Notify();
}

void TLegend::SetColor(TColor value) {
    color_ = value;
    Notify();
}

void TLegend::SetFrame(bool value) {
    frame_ = value;
    Notify();
}

void TLegend::SetVisible(bool value) {
    visible_ = value;
    Notify();
}

void TLegend::SetMaxWidth(int value) {
    if (value < 0 || value > 50 || value == maxWidth_) return;
    maxWidth_ = value;
    Notify();
}

}  // namespace chart
