// The rendering pipeline: every picture is composed off screen, shapes first and texts on
// top. Smoothing draws the shapes at twice the size and reduces them with a filter, then
// draws the texts at the final size so they stay crisp.

#include "chart/ResampleFilters.h"
#include "chart/TSCMain.h"

namespace chart {

namespace {

// Resets the scale factor however the supersampled drawing ends.
class ScaleGuard {
public:
    ScaleGuard(int& factor, int value) : factor_(factor) { factor_ = value; }
    ~ScaleGuard() { factor_ = 1; }
    ScaleGuard(const ScaleGuard&) = delete;
    ScaleGuard& operator=(const ScaleGuard&) = delete;

private:
    int& factor_;
};

}  // namespace

void TSCMain::RenderUnsmoothed(gfx::Bitmap& target, const TRect& rect, int border, bool relayout) {
    gfx::Canvas canvas(target);
    if (relayout) Layout(canvas, rect, border);
    DrawBackgroundAndLegend(canvas, rect, border, false);
    DrawBackgroundAndLegend(canvas, rect, border, true);
}

void TSCMain::Paint(gfx::Canvas& screen) {
    const int w = Width(), h = Height();
    if (w != lastClientWidth_ || h != lastClientHeight_) {
        lastClientWidth_ = w;
        lastClientHeight_ = h;
        redrawLevel_ = 3;
    }
    if (redrawLevel_ != 0) {
        if (antiAlias_ != aaNone) {
            DrawToGraphic(chartBitmap_, antiAlias_, 0, 0, -1);
        } else {
            chartBitmap_.SetFormat(gfx::PixelFormat::Bgr24);
            chartBitmap_.SetSize(w, h);
            RenderUnsmoothed(chartBitmap_, ClientRect(), borderWidth_, redrawLevel_ != 1);
            redrawLevel_ = 0;
        }
    }
    screen.CopyRect(ClientRect(), chartBitmap_, chartBitmap_.Bounds());
    // The copy wiped a focus outline the hover still counts as shown; draw it again, or
    // the next hover change would invert it back onto a clean picture.
    if (showHint_ && (hit_.Series > 0 || hit_.LegendItem > 0)) DrawFocus(screen, hit_, true);
    if (OnAfterDraw) OnAfterDraw(*this);
}

void TSCMain::DrawToGraphic(gfx::Bitmap& graphic, TAntiAlias antiAlias, int width, int height, int border) {
    const int gw = width == 0 ? Width() : std::max(width, 0);
    const int gh = height == 0 ? Height() : std::max(height, 0);
    graphic.SetFormat(gfx::PixelFormat::Bgr24);
    graphic.SetSize(gw, gh);
    const TRect rect(0, 0, gw, gh);
    if (border < 0) border = borderWidth_;

    // The filters need a target of 2 x 2 pixels at least, and the scratch must stay
    // within the bitmap size limit; otherwise this frame is drawn without smoothing.
    const bool smooth = antiAlias != aaNone && gw >= 2 && gh >= 2 &&
                        int64_t(gw) * gh * 4 <= gfx::Bitmap::kMaxPixels;
    if (smooth) {
        gfx::Bitmap scratch(2 * gw, 2 * gh);
        {
            ScaleGuard scale(scaleFactor_, 2);
            gfx::Canvas canvas(scratch);
            const TRect scratchRect(0, 0, scratch.Width(), scratch.Height());
            redrawLevel_ = 3;
            Layout(canvas, scratchRect, border);
            DrawBackgroundAndLegend(canvas, scratchRect, border, false);
        }
        if (antiAlias_ == aaLo) BoxFilterReduce(scratch, graphic);
        else TentFilterReduce(scratch, graphic);
    }

    gfx::Canvas canvas(graphic);
    redrawLevel_ = 3;
    Layout(canvas, rect, border);
    if (!smooth) DrawBackgroundAndLegend(canvas, rect, border, false);
    DrawBackgroundAndLegend(canvas, rect, border, true);

    // Hit testing follows the on-screen layout, so restore it after a foreign size.
    if (gw != Width() || gh != Height() || border != borderWidth_) {
        redrawLevel_ = 3;
        gfx::Canvas screenLayout(chartBitmap_);
        Layout(screenLayout, ClientRect(), borderWidth_);
    }
}

}  // namespace chart
