// Random texts and tags through the chart's markup renderer: each input is measured,
// then drawn into the measured rectangle (and, centred, into a narrow one) on a small
// bitmap. Neither pass may crash, and the canvas must come back with its own font.
// Then the same text goes through a whole chart as caption, series name and value
// template: layout, legend (with its ellipsis), labels and the hint text.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "chart/MarkupRenderer.h"
#include "chart/TSCPie.h"
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

    const std::string owned(text);
    chart::TSCPie pie;
    pie.SetBounds(0, 0, 160, 120);
    pie.SetFont(fontSpec);
    pie.SetAntiAlias(size % 3 == 0 ? chart::aaLo : chart::aaNone);
    pie.SetChart3D(size % 2 == 0);
    pie.SetOptions({chart::coShowLabel, chart::coShowValue, chart::coShowPercent});
    pie.SetNSeries(2);
    pie.SetValue(1, 1, float(size));
    pie.SetValue(2, 1, 7.0f);
    pie.SetTopCaption(owned);
    pie.SetSeriesName(1, owned);
    pie.SetValueFormat(owned);
    gfx::Bitmap picture;
    pie.DrawToGraphic(picture, pie.AntiAlias(), 0, 0, 4);
    if (pie.GetHintText({1, 1, 0, {}}).size() > owned.size() + 4096) std::abort();
    return 0;
}
