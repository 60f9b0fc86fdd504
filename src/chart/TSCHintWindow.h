#pragma once
// The window that shows the chart's marked-up hover text: a one-pixel raised frame
// around the text, drawn on the tooltip colour with the system hint font.

#include <memory>
#include <string>

#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"

namespace chart {

class TSCHintWindow {
public:
    TSCHintWindow();

    // The canvas text is measured on (system hint font).
    gfx::Canvas& Canvas() { return measureCanvas_; }

    // The system hint font the text is measured and drawn with.
    const gfx::FontSpec& Font() const { return font_; }
    void SetFont(const gfx::FontSpec& font);
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    const std::string& Text() const { return text_; }
    // Screen rectangle of the whole window.
    const TRect& BoundsRect() const { return bounds_; }

    // Takes the text and the rectangle, adds 4 to its height and moves it up or left as
    // needed to stay inside `desktop` (never left of the desktop's left edge).
    void ActivateHint(const TRect& rect, const std::string& text, const TRect& desktop);

    // Draws the whole window (frame and text) onto a canvas of its size.
    void Paint(gfx::Canvas& canvas) const;
    // The window as a picture, for hosts that show bitmaps and for tests.
    gfx::Bitmap Render() const;

private:
    gfx::Bitmap measureBitmap_;
    gfx::Canvas measureCanvas_;
    gfx::FontSpec font_;
    TColor color_ = clInfoBk;
    std::string text_;
    TRect bounds_;
};

}  // namespace chart
