// Random texts and tags through the chart's markup renderer: each input is measured,
// then drawn into the measured rectangle (and, centred, into a narrow one) on a small
// bitmap. Neither pass may crash, and the canvas must come back with its own font.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "chart/MarkupRenderer.h"
#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) return 0;  // longer texts only repeat what shorter ones reach
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    gfx::Bitmap bitmap(120, 60);
    gfx::Canvas canvas(bitmap);
    gfx::FontSpec fontSpec;
    fontSpec.name = "Arial";
    fontSpec.height = -11;
    canvas.SetFont(fontSpec);
    canvas.SetFontColor(clBlack);
    canvas.Brush().style = gfx::BrushStyle::Clear;

    TRect measured(0, 0, 0, 0);
    chart::RenderMarkup(canvas, text, measured, false);
    if (measured.Right < 0 || measured.Bottom <= 0) std::abort();  // at least one line
    TRect drawn = measured;
    chart::RenderMarkup(canvas, text, drawn, true);
    TRect narrow(10, 5, 30, 20);
    std::string centred = "<center>";
    centred.append(text);
    chart::RenderMarkup(canvas, centred, narrow, true);
    if (!(canvas.Font().Attributes() == fontSpec)) std::abort();
    return 0;
}
