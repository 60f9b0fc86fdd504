#include "app/CorePreview.h"

#include <sys/statvfs.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "base/Rounding.h"
#include "gfx/Canvas.h"

namespace app {
namespace {

struct Usage {
    double freeBytes = 0;
    double totalBytes = 0;
};

Usage RootUsage() {
    struct statvfs info {};
    if (statvfs("/", &info) != 0 || info.f_blocks == 0) return {};
    return {double(info.f_bavail) * double(info.f_frsize), double(info.f_blocks) * double(info.f_frsize)};
}

std::string Megabytes(double bytes) { return std::to_string(int64_t(bytes / 1024 / 1024)) + " MB"; }

}  // namespace

gfx::Bitmap RenderCorePreview(int width, int height) {
    gfx::Bitmap picture(width, height);
    gfx::Canvas canvas(picture);
    canvas.Brush().color = clWhite;
    canvas.FillRect(picture.Bounds());

    Usage usage = RootUsage();
    double freeShare = usage.totalBytes > 0 ? usage.freeBytes / usage.totalBytes * 100 : 0;

    gfx::FontSpec titleFont{.name = "Arial", .height = -16, .bold = true};
    canvas.SetFont(titleFont);
    canvas.Brush().style = gfx::BrushStyle::Clear;
    std::string title = "Laufwerk C: (/)";
    canvas.TextOut((width - canvas.TextWidth(title)) / 2, 16, title);

    // A pie of free and used space, 12 o'clock clockwise, like the chart draws it: the
    // end point is passed first, the start point second.
    int size = std::min(width - 200, height - 110);
    TRect pie = TRect::FromSize(40, 60, size, size);
    TPoint centre{pie.Left + size / 2, pie.Top + size / 2};
    auto onCircle = [&](double percent) {
        double a = percent / 100.0 * 2 * M_PI;
        return TPoint{centre.X + base::rnd(std::sin(a) * size), centre.Y - base::rnd(std::cos(a) * size)};
    };
    TPoint top{centre.X, pie.Top};
    const TColor freeColour = base::RGB(0, 160, 0), usedColour = base::RGB(220, 40, 40);
    canvas.Brush().style = gfx::BrushStyle::Solid;
    canvas.Pen().color = clBlack;
    if (freeShare > 0) {
        canvas.Brush().color = freeColour;
        canvas.Pie(pie, freeShare >= 100 ? top : onCircle(freeShare), top);
    }
    if (freeShare < 100) {
        canvas.Brush().color = usedColour;
        canvas.Pie(pie, top, freeShare > 0 ? onCircle(freeShare) : top);
    }

    // The legend: a box in the slice colour and the slice's name.
    canvas.SetFont(gfx::FontSpec{.name = "Arial", .height = -12});
    int x = pie.Right + 30, y = pie.Top + 20;
    for (auto [colour, text] : {std::pair{freeColour, "Frei (" + Megabytes(usage.freeBytes) + ")"},
                                std::pair{usedColour, "Belegt (" + Megabytes(usage.totalBytes - usage.freeBytes) + ")"}}) {
        canvas.Brush().style = gfx::BrushStyle::Solid;
        canvas.Brush().color = colour;
        canvas.Rectangle(TRect::FromSize(x, y + 2, 12, 12));
        canvas.Brush().style = gfx::BrushStyle::Clear;
        canvas.TextOut(x + 18, y, text);
        y += 24;
    }
    return picture;
}

}  // namespace app
