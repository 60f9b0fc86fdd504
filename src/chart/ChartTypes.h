#pragma once
// Enumerations, option sets, the hit record and the event signatures the chart shares
// with its host. Series and points are numbered from 1; 0 means none.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

#include "base/Geometry.h"

namespace chart {

class TSCMain;

enum TPieKind : uint8_t { ckPie = 0, ckDoughnut = 1 };

enum TPieOption : uint8_t { coShowLabel = 0, coShowValue = 1, coShowPercent = 2 };
enum THintOption : uint8_t { hoSeries = 0, hoPoint = 1, hoValue = 2, hoPercent = 3, hoFocus = 4 };

enum TAntiAlias : uint8_t { aaNone = 0, aaLo = 1, aaHi = 2 };

enum TLegendAlignment : uint8_t { laLeft = 0, laRight = 1, laTop = 2, laBottom = 3 };

// A set of small enumeration values, one bit per ordinal (bit n for value n).
template <typename E>
class TOptionSet {
public:
    constexpr TOptionSet() = default;
    constexpr TOptionSet(std::initializer_list<E> values) {
        for (E v : values) bits_ |= Bit(v);
    }
    static constexpr TOptionSet FromMask(uint32_t mask) {
        TOptionSet s;
        s.bits_ = mask;
        return s;
    }
    constexpr bool Contains(E v) const { return (bits_ & Bit(v)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr uint32_t Mask() const { return bits_; }
    constexpr void Include(E v) { bits_ |= Bit(v); }
    constexpr void Exclude(E v) { bits_ &= ~Bit(v); }
    friend constexpr bool operator==(TOptionSet, TOptionSet) = default;

private:
    static constexpr uint32_t Bit(E v) { return uint32_t(1) << unsigned(v); }
    uint32_t bits_ = 0;
};

using TPieOptions = TOptionSet<TPieOption>;
using THintOptions = TOptionSet<THintOption>;

// Keyboard and mouse button state passed with mouse events.
enum TShiftFlag : uint8_t { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };
using TShiftState = uint8_t;

enum class TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

// What lies under the pointer. All zero: nothing.
struct TChartHit {
    int32_t Series = 0;
    int32_t Point = 0;
    int32_t LegendItem = 0;
    TRect LegendRect;

    // LegendRect does not take part: two hits on one thing are equal wherever it lies.
    bool SameTarget(const TChartHit& o) const {
        return Series == o.Series && Point == o.Point && LegendItem == o.LegendItem;
    }
};

using TNotifyEvent = std::function<void(TSCMain& sender)>;
using TGetHintEvent =
    std::function<void(TSCMain& sender, int aSeries, int aPoint, int aLegend, std::string& hintText)>;
using TClickOnChartEvent =
    std::function<void(TSCMain& sender, TShiftState shift, int aSeries, int aPoint, int aLegend)>;
using TMouseEvent =
    std::function<void(TSCMain& sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TSCMain& sender, TShiftState shift, int x, int y)>;

}  // namespace chart
