#include "chart/TSCHintWindow.h"

#include <algorithm>

#include "chart/MarkupRenderer.h"

namespace chart {

TSCHintWindow::TSCHintWindow() : measureBitmap_(1, 1), measureCanvas_(measureBitmap_) {
    font_.name = "Tahoma";
    font_.height = -11;
    measureCanvas_.SetFont(font_);
    measureCanvas_.SetFontColor(base::ColorToRGB(clInfoText));
}

void TSCHintWindow::SetFont(const gfx::FontSpec& font) {
    font_ = font;
    measureCanvas_.SetFont(font_);
}

void TSCHintWindow::ActivateHint(const TRect& rect, const std::string& text, const TRect& desktop) {
    text_ = text;
    TRect r = rect;
    r.Bottom += 4;
    if (r.Right > desktop.Right) r = r.Offset(desktop.Right - r.Right, 0);
    if (r.Left < desktop.Left) r = r.Offset(desktop.Left - r.Left, 0);
    if (r.Bottom > desktop.Bottom) r = r.Offset(0, desktop.Bottom - r.Bottom);
    bounds_ = r;
}

void TSCHintWindow::Paint(gfx::Canvas& canvas) const {
    const TRect whole(0, 0, bounds_.Width(), bounds_.Height());
    canvas.Save();
    // Raised edge: light top and left, dark bottom and right.
    canvas.Pen().mode = gfx::RasterOp::Copy;
    canvas.Pen().color = base::ColorToRGB(clBtnHighlight);
    canvas.MoveTo(whole.Left, whole.Bottom - 1);
    canvas.LineTo(whole.Left, whole.Top);
    canvas.LineTo(whole.Right - 1, whole.Top);
    canvas.Pen().color = base::ColorToRGB(clBtnShadow);
    canvas.LineTo(whole.Right - 1, whole.Bottom - 1);
    canvas.LineTo(whole.Left - 1, whole.Bottom - 1);

    const TRect client = whole.Inflate(-1, -1);
    canvas.Brush().color = base::ColorToRGB(color_);
    canvas.Brush().style = gfx::BrushStyle::Solid;
    canvas.FillRect(client);
    canvas.SetFont(font_);
    canvas.SetFontColor(base::ColorToRGB(clInfoText));
    TRect text = client.Inflate(-3, -1);
    RenderMarkup(canvas, text_, text, true);
    canvas.Restore();
}

gfx::Bitmap TSCHintWindow::Render() const {
    gfx::Bitmap picture(std::max(bounds_.Width(), 0), std::max(bounds_.Height(), 0));
    gfx::Canvas canvas(picture);
    Paint(canvas);
    return picture;
}

}  // namespace chart
