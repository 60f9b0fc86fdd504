#pragma once
// One panel of a status bar: its text, width and text alignment. A change repaints the bar.

#include <string>

#include "vcl/Types.h"

namespace vcl {

class TStatusBar;

class TStatusPanel {
public:
    explicit TStatusPanel(TStatusBar* bar) : bar_(bar) {}
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    int Width() const { return width_; }
    void SetWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

private:
    TStatusBar* bar_;
    std::string text_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
};

}  // namespace vcl
