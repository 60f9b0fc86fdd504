#include "app/OptionsSettings.h"

namespace app {

namespace {
constexpr const char* kKey = "Status";
// Two non-ASCII letters: the settings file stores the name in Windows-1252.
constexpr const char* kFontSizeSection = "Schriftgröße";
}  // namespace

ChartOptionValues ReadChartOptions(const os::IniFile& file, const ChartOptionValues& defaults) {
    ChartOptionValues v;
    v.bottomTitle = file.ReadBool("BottomTitel", kKey, defaults.bottomTitle);
    v.fontNameIndex = file.ReadInteger("Schriftart", kKey, defaults.fontNameIndex);
    v.fontSizeIndex = file.ReadInteger(kFontSizeSection, kKey, defaults.fontSizeIndex);
    v.fontColor = file.ReadInteger("Schriftfarbe", kKey, defaults.fontColor);
    v.chartBackground = file.ReadInteger("HintergrundD", kKey, defaults.chartBackground);
    v.legendBackground = file.ReadInteger("HintergrundL", kKey, defaults.legendBackground);
    return v;
}

void WriteChartOptions(os::IniFile& file, const ChartOptionValues& values) {
    file.WriteBool("BottomTitel", kKey, values.bottomTitle);
    file.WriteInteger("Schriftart", kKey, values.fontNameIndex);
    file.WriteInteger(kFontSizeSection, kKey, values.fontSizeIndex);
    file.WriteInteger("Schriftfarbe", kKey, values.fontColor);
    file.WriteInteger("HintergrundD", kKey, values.chartBackground);
    file.WriteInteger("HintergrundL", kKey, values.legendBackground);
}

int ListIndexOrNone(int32_t index, int count) { return index >= 0 && index < count ? index : -1; }

}  // namespace app
