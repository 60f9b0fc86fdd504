#pragma once
// One series (one slice, one legend entry): its values at every point, the percent
// shares the last full relayout computed, its name and colour.

#include <cstdint>
#include <string>
#include <vector>

#include "base/Color.h"

namespace chart {

struct TSeriesData {
    int32_t RowCount = 1;
    std::vector<std::vector<float>> Values;       // RowCount rows of NPoint values
    std::vector<std::vector<int32_t>> IntValues;  // only when asked for; the pie never is
    std::vector<float> Percents;                  // NPoint shares, 0..100
    std::string Name;
    TColor Color = clBlack;
    int32_t ExtraCount = 0;
    std::vector<int32_t> Extra;
};

}  // namespace chart
