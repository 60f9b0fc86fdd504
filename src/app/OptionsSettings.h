#pragma once
// The chart options kept in the settings file: the bottom-title switch, the indexes of
// the font-name and font-size lists and the three colours, each in a section of its own
// under the key "Status", read and written in this order.

#include <cstdint>

#include "base/Color.h"
#include "os/IniFile.h"

namespace app {

// Positions of black and white in the colour pickers' lists.
constexpr int kBlackColorIndex = 0;
constexpr int kWhiteColorIndex = 15;

struct ChartOptionValues {
    bool bottomTitle = true;
    int32_t fontNameIndex = 0;
    int32_t fontSizeIndex = 0;
    TColor fontColor = clBlack;
    TColor chartBackground = clWhite;
    TColor legendBackground = clWhite;

    bool operator==(const ChartOptionValues&) const = default;
};

// Reads BottomTitel, Schriftart, Schriftgröße, Schriftfarbe, HintergrundD, HintergrundL;
// what is missing or no number keeps the value of `defaults`.
ChartOptionValues ReadChartOptions(const os::IniFile& file, const ChartOptionValues& defaults);

// Writes the six values in the same order. A refused write throws os::IniWriteError and
// the values after it are not written.
void WriteChartOptions(os::IniFile& file, const ChartOptionValues& values);

// `index` when it names one of `count` entries, else -1 (no entry).
int ListIndexOrNone(int32_t index, int count);

}  // namespace app
