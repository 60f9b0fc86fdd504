#include "chart/TSCMain.h"

#include <algorithm>
#include <cmath>

namespace chart {

TSCMain::TSCMain() : separators_(LocaleNumberSeparators()) {
    legend_.OnChange = [this] { Changed(3); };
}

TSCMain::~TSCMain() = default;

void TSCMain::SetBounds(int left, int top, int width, int height) {
    bounds_ = TRect::FromSize(left, top, std::max(width, 0), std::max(height, 0));
}

// --- Properties ----------------------------------------------------------------------------

void TSCMain::SetNSeries(int count) {
    if (count < 1 || count > kMaxCount) return;
    ResizeSeries(count);
}

void TSCMain::SetNPoint(int count) {
    if (count < 1 || count > kMaxCount) return;
    const int old = nPoint_;
    pointNames_.resize(size_t(count));
    nPoint_ = count;
    for (TSeriesData& s : series_) {
        for (auto& row : s.Values) row.resize(size_t(count), 0.0f);
        for (auto& row : s.IntValues) row.resize(size_t(count), 0);
        s.Percents.resize(size_t(count), 0.0f);
    }
    PointsResized(old);
}

void TSCMain::SetBorderWidth(int width) {
    if (width < 0) return;
    borderWidth_ = width;
    Changed(3);
}

void TSCMain::SetTopCaption(const std::string& text) {
    topCaption_ = text;
    Changed(3);
}

void TSCMain::SetBottomCaption(const std::string& text) {
    bottomCaption_ = text;
    Changed(3);
}

void TSCMain::SetForeColor(TColor color) {
    foreColor_ = color;
    Changed(1);
}

void TSCMain::SetBackColor(TColor color) {
    backColor_ = color;
    Changed(1);
}

void TSCMain::SetAntiAlias(TAntiAlias value) {
    antiAlias_ = value;
    Changed(1);
}

void TSCMain::SetChart3D(bool value) {
    chart3D_ = value;
    Changed(3);
}

void TSCMain::SetValueFormat(const std::string& format) {
    valueFormat_ = format;
    Changed(3);
}

void TSCMain::SetFont(const gfx::FontSpec& font) {
    font_ = font;
    parentFont_ = false;
    Changed(3);
}

void TSCMain::SetFontColor(TColor color) {
    fontColor_ = color;
    parentFont_ = false;
    Changed(3);
}

void TSCMain::AssignControlFont(const gfx::FontSpec& font, TColor color) {
    if (font == font_ && color == fontColor_) return;
    font_ = font;
    fontColor_ = color;
    Changed(3);
}

// --- Data ----------------------------------------------------------------------------------

void TSCMain::SetValue(int series, int point, float value) {
    if (ValidSeries(series) && ValidPoint(point)) Series(series).Values[0][size_t(point - 1)] = value;
    Changed(3);
}

float TSCMain::GetValue(int series, int point) const {
    if (!ValidSeries(series) || !ValidPoint(point)) return 0.0f;
    return Series(series).Values[0][size_t(point - 1)];
}

float TSCMain::GetPercent(int series, int point) const { return Share(series, point); }

float TSCMain::Share(int series, int point) const {
    if (!ValidSeries(series) || !ValidPoint(point)) return 0.0f;
    const std::vector<float>& p = Series(series).Percents;
    return size_t(point) <= p.size() ? p[size_t(point - 1)] : 0.0f;
}

void TSCMain::SetSeriesName(int series, const std::string& name) {
    if (ValidSeries(series)) Series(series).Name = name;
    Changed(3);
}

std::string TSCMain::GetSeriesName(int series) const { return ValidSeries(series) ? Series(series).Name : ""; }

std::string TSCMain::GetPointName(int point) const { return ValidPoint(point) ? pointNames_[size_t(point - 1)] : ""; }

void TSCMain::SetSeriesColor(int series, TColor color) {
    if (ValidSeries(series)) Series(series).Color = color;
}

TColor TSCMain::GetSeriesColor(int series) const { return ValidSeries(series) ? Series(series).Color : 0; }

void TSCMain::AddSeries() {
    TSeriesData s;
    s.RowCount = 1;
    s.Values.assign(1, std::vector<float>(size_t(nPoint_), 0.0f));
    s.Percents.assign(size_t(nPoint_), 0.0f);
    series_.push_back(std::move(s));
}

void TSCMain::DeleteSeries(int series) {
    if (ValidSeries(series)) series_.erase(series_.begin() + (series - 1));
}

// --- Change notification -------------------------------------------------------------------

void TSCMain::EndUpdate() {
    redrawEnabled_ = true;
    Changed(3);
}

void TSCMain::Changed(int level) {
    if (OnChange) OnChange(*this);
    if (!redrawEnabled_) return;
    redrawLevel_ = std::max(redrawLevel_, level);
    if (showHint_) {
        HideHint();
        skipNextMove_ = true;
        hit_ = {};
    }
    if (host_) host_->InvalidateChart();
}

// --- Texts ---------------------------------------------------------------------------------

std::string TSCMain::FormatValue(float value) const {
    if (valueFormat_.empty()) return FormatGeneral(value, separators_);
    return FormatTemplate(valueFormat_, value, separators_);
}

std::string TSCMain::FormatPercent(float percent, bool inParentheses) const {
    return FormatPercentText(percent, inParentheses, separators_);
}

// --- Series and point operations -----------------------------------------------------------

void TSCMain::ExchangeSeries(int a, int b) {
    if (ValidSeries(a) && ValidSeries(b)) std::swap(Series(a), Series(b));
}

void TSCMain::ShiftPointsDown(int n) {
    if (!ValidPoint(n)) return;
    const size_t count = size_t(nPoint_), k = size_t(n);
    for (TSeriesData& s : series_) {
        std::vector<float>& v = s.Values[0];
        for (size_t p = 0; p + k < count; ++p) v[p] = v[p + k];
        for (size_t p = count - k; p < count; ++p) v[p] = 0.0f;
    }
    // The last n names keep their texts.
    for (size_t p = 0; p + k < count; ++p) pointNames_[p] = pointNames_[p + k];
    Changed(2);
}

void TSCMain::ShiftPointsUp(int n) {
    if (!ValidPoint(n)) return;
    const size_t count = size_t(nPoint_), k = size_t(n);
    for (TSeriesData& s : series_) {
        std::vector<float>& v = s.Values[0];
        for (size_t p = count; p-- > k;) v[p] = v[p - k];
        for (size_t p = 0; p < k; ++p) v[p] = 0.0f;
    }
    // The first n names keep their texts.
    for (size_t p = count; p-- > k;) pointNames_[p] = pointNames_[p - k];
    Changed(2);
}

void TSCMain::ClearData(int what) {
    if (what == 0 || what == 1)
        for (TSeriesData& s : series_)
            for (auto& row : s.Values) std::fill(row.begin(), row.end(), 0.0f);
    if (what == 0 || what == 2)
        for (TSeriesData& s : series_) s.Name.clear();
    if (what == 0 || what == 3)
        for (std::string& name : pointNames_) name.clear();
}

}  // namespace chart
