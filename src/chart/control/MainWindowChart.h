#pragma once
// The main window's chart SCPie1: its start-up settings, the drive figures a refresh
// writes into it, and what a click on a slice or a legend entry does.
//
// A form uses it like this:
//   SCPie1 = new chart::TSCPieControl(this);
//   SCPie1->SetParent(bsSkinPanel1);
//   SCPie1->SetAlign(vcl::alClient);
//   chart::SetUpMainWindowChart(*SCPie1);
//   SCPie1->SetPopupMenu(bsSkinPopupMenu2);
//   SCPie1->Chart().OnClickOnChart = [this](chart::TSCMain&, chart::TShiftState, int s, int, int l) {
//       chart::ToggleClickedSlice(SCPie1->Chart(), s, l);
//   };
//   ... on every refresh:
//   chart::ShowDriveSpace(SCPie1->Chart(), free, used, chart::cuMB, bsSkinDriveComboBox1->Text());

#include <cstdint>
#include <string>

#include "chart/control/TSCPieControl.h"

namespace chart {

// Applies the main window's chart settings through the property setters, in the order
// the window lists them: a 3D pie with labels and percentages, slices pulled out by 20 %,
// hints with name, share and focus outline, two series of one point, the legend at the
// bottom, high smoothing, Arial 8 point, hints on.
void SetUpMainWindowChart(TSCPieControl& control);

enum TCapacityUnit { cuMB, cuKB };

// One refresh of the chart: between BeginUpdate and EndUpdate (so it repaints once) the
// bottom title "Laufwerk: " + the drive entry's text, free and used space as the values
// of series 1 and 2, and the names "Frei (<free> MB)" and "Belegt (<used> MB)" (KB with
// cuKB).
void ShowDriveSpace(TSCPie& chart, int64_t freeSpace, int64_t usedSpace, TCapacityUnit unit,
                    const std::string& driveEntryText);

// The main window's click rule: pulls the clicked slice out of the pie or puts it back.
// A legend click arrives with aSeries 0 and the entry in aLegend, which then names the
// series. Nothing happens for doughnuts (the chart keeps no pulled-out slices there).
void ToggleClickedSlice(TSCPie& chart, int aSeries, int aLegend);

}  // namespace chart
