// The chart's per-paint pie: two slices (35 % and 65 %) inscribed in the centred square
// of a 1126 x 982 bitmap, each filled with its brush and outlined with the pen.
//   BM_OurPie       rasterizer spans painted straight into a 24-bit gfx::Bitmap
//   BM_OurPieSpans  the rasterizer alone (span lists, no painting)
//   BM_CairoPie     the same two sectors through cairo, without antialiasing
// Run: PieBench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "gfx/Bitmap.h"
#include "gfx/Rasterizer.h"

#if __has_include(<cairo.h>)
#include <cairo.h>
#define VELMORA_HAVE_CAIRO 1
#endif

namespace {

constexpr int kWidth = 1126;
constexpr int kHeight = 982;
constexpr double kShares[] = {35.0, 65.0};

struct Colour {
    uint8_t b, g, r;
};
constexpr Colour kPen{0, 0, 0};
constexpr Colour kBrushes[] = {{255, 0, 0}, {0, 160, 255}};

// The pie's square, centred in the bitmap.
TRect PieRect() {
    const int side = std::min(kWidth, kHeight);
    const int left = (kWidth - side) / 2;
    const int top = (kHeight - side) / 2;
    return {left, top, left + side, top + side};
}

// Percent 0 at 12 o'clock, growing clockwise, as the chart places slice ends.
double AngleOf(double percent) { return percent * 0.01 * 2 * M_PI - M_PI / 2; }

// The chart's slice end points: the top of the ellipse for the first start and the last
// end, otherwise the rounded point on the ellipse.
struct SlicePoints {
    TPoint start, end;
};
SlicePoints SliceAt(const TRect& r, double start, double end) {
    const int rx = r.Width() / 2;
    const TPoint m{r.Left + rx, r.Top + rx};
    auto onEllipse = [&](double percent) {
        const double a = AngleOf(percent);
        return TPoint{m.X + static_cast<int>(std::lround(std::cos(a) * rx)),
                      m.Y + static_cast<int>(std::lround(std::sin(a) * rx))};
    };
    return {start == 0 ? TPoint{m.X, r.Top} : onEllipse(start),
            end >= 100 ? TPoint{m.X, r.Top + 1} : onEllipse(end)};
}

// Fills a run of 3-byte pixels, 32 at a time through a 96-byte pattern (whole 16-byte
// stores), the rest 4 at a time.
struct Pattern {
    explicit Pattern(Colour c) {
        for (int i = 0; i < 32; ++i) {
            bytes[3 * i] = c.b;
            bytes[3 * i + 1] = c.g;
            bytes[3 * i + 2] = c.r;
        }
    }
    uint8_t bytes[96];
};

void FillPixels(uint8_t* p, int count, const Pattern& pattern) {
    for (; count >= 32; count -= 32, p += 96) std::memcpy(p, pattern.bytes, 96);
    for (; count >= 4; count -= 4, p += 12) std::memcpy(p, pattern.bytes, 12);
    for (; count > 0; --count, p += 3) std::memcpy(p, pattern.bytes, 3);
}

void Paint(gfx::Bitmap& bitmap, const gfx::Spans& spans, Colour c) {
    const Pattern pattern(c);
    for (const gfx::Span& s : spans) {
        if (s.y < 0 || s.y >= bitmap.Height()) continue;
        const int x0 = std::max(s.x0, 0);
        const int x1 = std::min(s.x1, bitmap.Width());
        if (x0 < x1) FillPixels(bitmap.Row(s.y) + 3 * x0, x1 - x0, pattern);
    }
}

void BM_OurPie(benchmark::State& state) {
    gfx::Bitmap bitmap(kWidth, kHeight);
    const TRect r = PieRect();
    for (auto _ : state) {
        double start = 0;
        for (int i = 0; i < 2; ++i) {
            const double end = start + kShares[i];
            SlicePoints p = SliceAt(r, start, end);
            gfx::ShapeSpans slice = gfx::raster::Pie(r, p.end, p.start);
            Paint(bitmap, slice.interior, kBrushes[i]);
            Paint(bitmap, slice.outline, kPen);
            start = end;
        }
        benchmark::DoNotOptimize(bitmap.Data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_OurPie)->Unit(benchmark::kMicrosecond);

void BM_OurPieSpans(benchmark::State& state) {
    const TRect r = PieRect();
    for (auto _ : state) {
        double start = 0;
        for (double share : kShares) {
            SlicePoints p = SliceAt(r, start, start + share);
            gfx::ShapeSpans slice = gfx::raster::Pie(r, p.end, p.start);
            benchmark::DoNotOptimize(slice.outline.data());
            benchmark::DoNotOptimize(slice.interior.data());
            start += share;
        }
    }
}
BENCHMARK(BM_OurPieSpans)->Unit(benchmark::kMicrosecond);

#ifdef VELMORA_HAVE_CAIRO
void BM_CairoPie(benchmark::State& state) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
    cairo_t* cr = cairo_create(surface);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_width(cr, 1.0);
    const TRect r = PieRect();
    // Pixel centres of the square's first and last columns lie on the circle.
    const double cx = (r.Left + r.Right) / 2.0;
    const double cy = (r.Top + r.Bottom) / 2.0;
    const double radius = r.Width() / 2.0 - 0.5;
    for (auto _ : state) {
        double start = 0;
        for (int i = 0; i < 2; ++i) {
            const double end = start + kShares[i];
            cairo_move_to(cr, cx, cy);
            cairo_arc(cr, cx, cy, radius, AngleOf(start), AngleOf(end));  // clockwise on screen
            cairo_line_to(cr, cx, cy);
            const Colour b = kBrushes[i];
            cairo_set_source_rgb(cr, b.r / 255.0, b.g / 255.0, b.b / 255.0);
            cairo_fill_preserve(cr);
            cairo_set_source_rgb(cr, kPen.r / 255.0, kPen.g / 255.0, kPen.b / 255.0);
            cairo_stroke(cr);
            start = end;
        }
        cairo_surface_flush(surface);
        benchmark::DoNotOptimize(cairo_image_surface_get_data(surface));
        benchmark::ClobberMemory();
    }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}
BENCHMARK(BM_CairoPie)->Unit(benchmark::kMicrosecond);
#endif

}  // namespace

BENCHMARK_MAIN();
