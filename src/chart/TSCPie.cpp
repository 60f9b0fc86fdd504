#include "chart/TSCPie.h"

#include <algorithm>
#include <cmath>

#include "base/Rounding.h"
#include "chart/MarkupRenderer.h"

namespace chart {

namespace {

constexpr TColor kDefaultSeriesColors[12] = {
    0x00FF0000, 0x000000FF, 0x0000FF00, 0x00FFFF00, 0x0000FFFF, 0x00FF00FF,
    0x00800000, 0x00000080, 0x00008000, 0x00808000, 0x00008080, 0x00800080,
};

void DropLast4(std::string& s) { s.erase(s.size() - std::min<size_t>(4, s.size())); }

}  // namespace

TSCPie::TSCPie(bool designing) {
    designing_ = designing;
    SetNPoint(1);
    if (designing) ResizeSeries(6);
}

// --- Properties ----------------------------------------------------------------------------

void TSCPie::SetKind(TPieKind kind) {
    if (kind == kind_) return;
    kind_ = kind;
    explodedSlices_.clear();
    if (kind == ckPie) explodedSlices_.assign(size_t(NSeries()), false);
    Changed(3);
}

void TSCPie::SetOptions(TPieOptions options) {
    options_ = options;
    Changed(3);
}

void TSCPie::SetExploded(bool value) {
    if (kind_ == ckDoughnut || value == exploded_) return;
    exploded_ = value;
    if (!value) std::fill(explodedSlices_.begin(), explodedSlices_.end(), false);
    Changed(3);
}

void TSCPie::SetPercentExplode(int value) {
    if (value == percentExplode_ || value < 0 || value > 50) return;
    percentExplode_ = value;
    if (kind_ == ckPie) Changed(3);
}

void TSCPie::SetSliceExploded(int series, bool exploded) {
    if (kind_ != ckPie || !ValidSeries(series) || size_t(series) > explodedSlices_.size()) return;
    explodedSlices_[size_t(series - 1)] = exploded;
    if (exploded) exploded_ = true;
    Changed(3);
}

bool TSCPie::GetSliceExploded(int series) const {
    if (kind_ != ckPie || !ValidSeries(series) || size_t(series) > explodedSlices_.size()) return false;
    return explodedSlices_[size_t(series - 1)];
}

// --- Series and points ---------------------------------------------------------------------

void TSCPie::ResizeSeries(int count) {
    const int old = NSeries();
    for (int n = old + 1; n <= count; ++n) {
        AddSeries();
        SetSeriesColor(n, kDefaultSeriesColors[(n - 1) % 12]);
        if (designing_) {
            std::uniform_int_distribution<int> sample(1, 10);
            for (int p = 1; p <= NPoint(); ++p) Series(n).Values[0][size_t(p - 1)] = float(sample(sampleValues_));
            Series(n).Name = "Slice " + std::to_string(n);
        }
    }
    for (int n = old; n > count; --n) DeleteSeries(NSeries());
    if (kind_ == ckPie) explodedSlices_.resize(size_t(count), false);
    Changed(3);
}

void TSCPie::PointsResized(int oldCount) {
    if (designing_ && NPoint() > oldCount) {
        std::uniform_int_distribution<int> sample(1, 10);
        for (int s = 1; s <= NSeries(); ++s)
            for (int p = 1; p <= NPoint(); ++p) Series(s).Values[0][size_t(p - 1)] = float(sample(sampleValues_));
    }
    Changed(3);
}

// --- Layout --------------------------------------------------------------------------------

std::string TSCPie::LabelText(int series, int point) const {
    std::string text;
    const bool label = options_.Contains(coShowLabel), value = options_.Contains(coShowValue);
    if (label) text += GetSeriesName(series) + "<br>";
    if (value) text += FormatValue(GetValue(series, point)) + "<br>";
    if (options_.Contains(coShowPercent)) {
        if (label && value) {
            DropLast4(text);
            text += " " + FormatPercent(GetPercent(series, point), true) + "<br>";
        } else {
            text += FormatPercent(GetPercent(series, point), false) + "<br>";
        }
    }
    DropLast4(text);
    return text;
}

void TSCPie::LayoutPlot(gfx::Canvas& canvas, const TRect& plot) {
    const int k = scaleFactor_;
    // Percent shares: magnitudes summed in 32-bit floats; an all-zero point gives 0 %.
    for (int p = 1; p <= NPoint(); ++p) {
        float sum = 0.0f;
        for (int s = 1; s <= NSeries(); ++s) sum += std::fabs(GetValue(s, p));
        if (sum == 0.0f) sum = 1.0f;
        for (int s = 1; s <= NSeries(); ++s)
            Series(s).Percents[size_t(p - 1)] = std::fabs(GetValue(s, p)) * 100.0f / sum;
    }

    TRect r = plot;
    const int halfText = base::div(canvas.TextHeight("Wg"), 2) * k;
    labelWidth_ = labelHeight_ = 0;
    if (!options_.Empty()) {
        const int points = kind_ == ckPie ? 1 : NPoint();
        for (int p = 1; p <= points; ++p)
            for (int s = 1; s <= NSeries(); ++s) {
                TPoint size = MeasureMarkup(canvas, LabelText(s, p));
                labelWidth_ = std::max(labelWidth_, size.X * k);
                labelHeight_ = std::max(labelHeight_, size.Y * k);
            }
        labelWidth_ += halfText;
        labelHeight_ += halfText;
    }

    if (kind_ == ckPie) {
        r = r.Inflate(-labelWidth_, -labelHeight_);
        if (exploded_) {
            // Room for a pulled-out slice: roughly the offset of a slice of the shrunk pie.
            // Left to right in extended precision, as the offset itself is computed.
            const long double s = FitSize(r.Width(), r.Height()).SX;
            const int b1 = base::rnd(double(s * 0.5L * percentExplode_ * 0.01L));
            const int b2 = base::rnd(double((s * 0.5L - b1) * percentExplode_ * 0.01L));
            const int e = base::div(b1 + b2, 2);
            r = Chart3D() ? r.Inflate(-e, -base::div(e, 2)) : r.Inflate(-e, -e);
        }
    } else {
        r = r.Inflate(-base::div(labelWidth_, 4), -base::div(labelHeight_, 4));
    }

    TPieSize size = FitSize(r.Width(), r.Height());
    // An even width keeps both halves of the pie the same size.
    if (size.SX % 2 != 0) size.SX -= 1;
    r.Left += base::div(r.Width() - size.SX, 2);
    r.Right = r.Left + size.SX;
    r.Top += base::div(r.Height() - size.SY, 2);
    r.Bottom = r.Top + size.SY;
    if (Chart3D()) r.Bottom -= base::div(size.SX, 10);  // the depth band lies below
    pieRect_ = r;
}

// --- Hint text -----------------------------------------------------------------------------

std::string TSCPie::GetHintText(const TChartHit& hit) {
    std::string text;
    if (kind_ == ckDoughnut && hintOptions_.Contains(hoPoint)) {
        std::string name = GetPointName(hit.Point);
        text += (name.empty() ? "Point " + std::to_string(hit.Point) : name) + "<br>";
    }
    if (hintOptions_.Contains(hoSeries)) {
        std::string name = GetSeriesName(hit.Series);
        if (!name.empty()) text += name + "<br>";
    }
    if (hintOptions_.Contains(hoValue)) text += FormatValue(GetValue(hit.Series, hit.Point)) + "<br>";
    if (hintOptions_.Contains(hoPercent)) text += FormatPercent(GetPercent(hit.Series, hit.Point), false) + "<br>";
    if (!text.empty()) DropLast4(text);
    return text;
}

}  // namespace chart
