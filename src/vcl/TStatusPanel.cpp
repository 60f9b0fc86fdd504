#include "vcl/TStatusPanel.h"

#include <algorithm>

#include "vcl/TStatusBar.h"

namespace vcl {

void TStatusPanel::SetText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    bar_->Invalidate();
}

void TStatusPanel::SetWidth(int width) {
    width_ = std::max(0, width);
    bar_->Invalidate();
}

void TStatusPanel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    bar_->Invalidate();
}

}  // namespace vcl
