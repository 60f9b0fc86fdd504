#include "app/AppIcon.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>
#include <optional>
#include <stdexcept>

namespace app {
namespace {

struct Rgb {
    double r, g, b;
};

Rgb Mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

constexpr Rgb kOutline{0.20, 0.22, 0.26};
constexpr Rgb kFaceTop{0.93, 0.94, 0.96};
constexpr Rgb kFaceBottom{0.62, 0.65, 0.70};
constexpr Rgb kSlot{0.36, 0.38, 0.42};
constexpr Rgb kLight{0.20, 0.80, 0.25};
constexpr Rgb kFreeLight{0.35, 0.60, 1.00};
constexpr Rgb kFreeDark{0.05, 0.25, 0.75};
constexpr Rgb kUsedLight{1.00, 0.40, 0.35};
constexpr Rgb kUsedDark{0.75, 0.08, 0.08};

// Everything is laid out on a unit square; y grows downwards.
constexpr double kDriveLeft = 0.05, kDriveRight = 0.95, kDriveTop = 0.56, kDriveBottom = 0.93;
constexpr double kDriveRadius = 0.09;
constexpr double kPieX = 0.47, kPieY = 0.34, kPieRadius = 0.29;
// The used slice: from 12 o'clock clockwise over a third of the pie, pulled out along
// its middle.
constexpr double kUsedStart = -90.0, kUsedSweep = 120.0, kPullOut = 0.06;

double Outline(int size) { return std::max(1.0, size / 32.0) / size; }

bool InRoundRect(double x, double y, double l, double t, double r, double b, double radius) {
    if (x < l || x >= r || y < t || y >= b) return false;
    double cx = std::clamp(x, l + radius, r - radius);
    double cy = std::clamp(y, t + radius, b - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

std::optional<Rgb> DriveAt(double x, double y, double line) {
    if (!InRoundRect(x, y, kDriveLeft, kDriveTop, kDriveRight, kDriveBottom, kDriveRadius)) return std::nullopt;
    if (!InRoundRect(x, y, kDriveLeft + line, kDriveTop + line, kDriveRight - line, kDriveBottom - line,
                     kDriveRadius - line))
        return kOutline;
    double ledX = 0.80, ledY = 0.78, ledR = 0.05;
    if ((x - ledX) * (x - ledX) + (y - ledY) * (y - ledY) <= ledR * ledR) return kLight;
    if (x >= 0.13 && x < 0.62 && y >= 0.755 && y < 0.805) return kSlot;
    return Mix(kFaceTop, kFaceBottom, (y - kDriveTop) / (kDriveBottom - kDriveTop));
}

// Angle of (dx, dy) in degrees, clockwise on screen from 3 o'clock, in [-180, 180).
double ScreenAngle(double dx, double dy) { return std::atan2(dy, dx) * 180.0 / std::numbers::pi; }

bool InUsedSector(double dx, double dy) {
    double a = ScreenAngle(dx, dy) - kUsedStart;
    while (a < 0) a += 360.0;
    return a < kUsedSweep;
}

std::optional<Rgb> DiscAt(double x, double y, double cx, double cy, double line, Rgb light, Rgb dark) {
    double dx = x - cx, dy = y - cy;
    double d = std::sqrt(dx * dx + dy * dy);
    if (d > kPieRadius) return std::nullopt;
    if (d > kPieRadius - line) return kOutline;
    // Lit from the top left.
    double shade = std::clamp(0.5 + (dx + dy) / (2.6 * kPieRadius), 0.0, 1.0);
    return Mix(light, dark, shade);
}

std::optional<Rgb> PieAt(double x, double y, double line) {
    double middle = (kUsedStart + kUsedSweep / 2) * std::numbers::pi / 180.0;
    double ux = kPieX + kPullOut * std::cos(middle), uy = kPieY + kPullOut * std::sin(middle);
    if (InUsedSector(x - ux, y - uy)) {
        if (auto c = DiscAt(x, y, ux, uy, line, kUsedLight, kUsedDark)) {
            // A thin edge along the slice's two straight sides.
            double a = ScreenAngle(x - ux, y - uy) - kUsedStart;
            while (a < 0) a += 360.0;
            double d = std::hypot(x - ux, y - uy);
            double edge = std::min(a, kUsedSweep - a) * std::numbers::pi / 180.0 * d;
            return edge < line ? kOutline : *c;
        }
    }
    if (!InUsedSector(x - kPieX, y - kPieY)) {
        if (auto c = DiscAt(x, y, kPieX, kPieY, line, kFreeLight, kFreeDark)) {
            double a = ScreenAngle(x - kPieX, y - kPieY) - kUsedStart;
            while (a < 0) a += 360.0;
            double d = std::hypot(x - kPieX, y - kPieY);
            double edge = std::min(a - kUsedSweep, 360.0 - a) * std::numbers::pi / 180.0 * d;
            return edge < line ? kOutline : *c;
        }
    }
    return std::nullopt;
}

// The pie lies in front of the drive.
std::optional<Rgb> IconAt(double x, double y, double line) {
    if (auto c = PieAt(x, y, line)) return c;
    return DriveAt(x, y, line);
}

static_assert(sizeof(IconPixel) == 4, "PNG rows are written straight from the pixels");

uint8_t ToByte(double v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); }

}  // namespace

IconImage DrawAppIcon(int size) {
    size = std::clamp(size, 8, 512);
    constexpr int kSamples = 4;
    const double line = Outline(size);
    IconImage image{size, std::vector<IconPixel>(static_cast<size_t>(size) * size)};
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            Rgb sum{0, 0, 0};
            int covered = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx) {
                    double x = (px + (sx + 0.5) / kSamples) / size;
                    double y = (py + (sy + 0.5) / kSamples) / size;
                    if (auto c = IconAt(x, y, line)) {
                        sum = {sum.r + c->r, sum.g + c->g, sum.b + c->b};
                        ++covered;
                    }
                }
            if (covered == 0) continue;
            image.pixels[static_cast<size_t>(py) * size + px] = {
                ToByte(sum.r / covered), ToByte(sum.g / covered), ToByte(sum.b / covered),
                static_cast<uint8_t>(covered * 255 / (kSamples * kSamples))};
        }
    }
    return image;
}

gfx::Bitmap AppIconOver(int size, TColor background) {
    IconImage icon = DrawAppIcon(size);
    gfx::Bitmap bitmap(icon.size, icon.size);
    background = base::ColorToRGB(background);
    const int br = base::GetRValue(background), bg = base::GetGValue(background), bb = base::GetBValue(background);
    for (int y = 0; y < icon.size; ++y)
        for (int x = 0; x < icon.size; ++x) {
            const IconPixel& p = icon.At(x, y);
            auto over = [&](int front, int back) { return (front * p.a + back * (255 - p.a) + 127) / 255; };
            bitmap.SetPixel(x, y, base::RGB(over(p.r, br), over(p.g, bg), over(p.b, bb)));
        }
    return bitmap;
}

void WriteAppIconPng(const std::string& path, int size) {
    IconImage icon = DrawAppIcon(size);
    auto fail = [&path] { return std::runtime_error("Datei " + path + " kann nicht erstellt werden"); };
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file) throw fail();
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        throw fail();
    }
    std::vector<png_bytep> rows(static_cast<size_t>(icon.size));
    for (int y = 0; y < icon.size; ++y)
        rows[static_cast<size_t>(y)] = reinterpret_cast<png_bytep>(&icon.pixels[static_cast<size_t>(y) * icon.size]);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw fail();
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(icon.size), static_cast<png_uint_32>(icon.size), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_rows(png, info, rows.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fflush(file.get()) != 0 || std::ferror(file.get())) throw fail();
}

}  // namespace app
