#include "chart/PieGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/Rounding.h"

namespace chart {

TPoint PointOnEllipse(int r, bool flat, float percent) {
    const long double pi = std::numbers::pi_v<long double>;
    const float theta = float(percent * 0.01L * 2.0L * pi - pi / 2.0L);
    const long double ry = flat ? base::div(r, 2) : r;
    return {base::rnd(double(std::cos(static_cast<long double>(theta)) * r)),
            base::rnd(double(std::sin(static_cast<long double>(theta)) * ry))};
}

TPieSize FitSize(int width, int height, bool chart3D) {
    if (!chart3D) {
        int s = std::min(width, height);
        return {s, s};
    }
    TPieSize size{width, base::div(width, 10) + base::div(width, 2)};
    if (height < size.SY) {
        int t = height - base::div(2 * height, 10);
        size.SX = 2 * t;
        size.SY = base::div(size.SX, 10) + base::div(size.SX, 2);
    }
    return size;
}

TRect RingRect(const TRect& r, int ring, int rings, bool chart3D) {
    if (rings < 1) return r;
    const int half = base::div(r.Bottom - r.Top, 2);
    const double k = rings == 1 ? 0.5 : 0.65;
    const int d = base::rnd(double(rings - ring) / rings * k * half);
    const int dx = chart3D ? 2 * d : d;
    return {r.Left + dx, r.Top + d, r.Right - dx, r.Bottom - d};
}

TColor DarkenColor(TColor color) {
    TColor rgb = base::ColorToRGB(color);
    auto down = [](int c) { return std::max(c - 32, 0); };
    return base::RGB(down(base::GetRValue(rgb)), down(base::GetGValue(rgb)), down(base::GetBValue(rgb)));
}

}  // namespace chart
