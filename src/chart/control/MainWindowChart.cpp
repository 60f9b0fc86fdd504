#include "chart/control/MainWindowChart.h"

namespace chart {

void SetUpMainWindowChart(TSCPieControl& control) {
    TSCPie& chart = control.Chart();
    chart.SetKind(ckPie);
    chart.SetChart3D(true);
    chart.SetOptions({coShowLabel, coShowPercent});
    chart.SetExploded(true);
    chart.SetPercentExplode(20);
    chart.SetHintOptions({hoSeries, hoPercent, hoFocus});
    chart.SetNSeries(2);
    chart.SetNPoint(1);
    chart.SetBorderWidth(15);
    chart.SetForeColor(clWindowText);
    chart.SetBackColor(clWindow);
    chart.Legend().SetAlignment(laBottom);
    chart.Legend().SetColor(clWindow);
    chart.Legend().SetFrame(true);
    chart.Legend().SetVisible(true);
    chart.Legend().SetMaxWidth(50);
    chart.SetAntiAlias(aaHi);
    control.Font()->SetName("Arial");
    control.Font()->SetHeight(-11);  // 8 point
    control.SetShowHint(true);
}

void ShowDriveSpace(TSCPie& chart, int64_t freeSpace, int64_t usedSpace, TCapacityUnit unit,
                    const std::string& driveEntryText) {
    const char* suffix = unit == cuKB ? " KB)" : " MB)";
    chart.BeginUpdate();
    chart.SetBottomCaption("Laufwerk: " + driveEntryText);
    chart.SetValue(1, 1, float(freeSpace));
    chart.SetValue(2, 1, float(usedSpace));
    chart.SetSeriesName(1, "Frei (" + std::to_string(freeSpace) + suffix);
    chart.SetSeriesName(2, "Belegt (" + std::to_string(usedSpace) + suffix);
    chart.EndUpdate();
}

void ToggleClickedSlice(TSCPie& chart, int aSeries, int aLegend) {
    const int series = aSeries != 0 ? aSeries : aLegend;
    chart.BeginUpdate();
    if (series >= 1) chart.SetSliceExploded(series, !chart.GetSliceExploded(series));
    chart.EndUpdate();
}

}  // namespace chart
