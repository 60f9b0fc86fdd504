// The main window's commands: export and help (ChartCommands), the dialogs, the click on
// the chart and the chart's display switches of its popup menu.

#include "app/AboutForm.h"
#include "app/ChartCommands.h"
#include "app/ChartOptionsForm.h"
#include "app/MainForm.h"
#include "chart/control/MainWindowChart.h"

namespace app {

void TForm1::Diegrammspeichern1Click(TObject*) { SaveChartAsJpeg(*SCPie1, *Image2, *SavePictureDialog1); }

void TForm1::Diagrammdrucken1Click(TObject*) { PrintChart(*SCPie1, *Image2); }

void TForm1::Zwischenablage1Click(TObject*) { CopyChart(*SCPie1, *Image2); }

void TForm1::Hilfe1Click(TObject*) { OpenHelpPage(*this); }

void TForm1::ber1Click(TObject*) {
    if (Form2) Form2->ShowModal();
}

// Showing the dialog while it is open already fails with the framework's error, which
// the message loop shows in the error box.
void TForm1::ShowChartOptions() {
    if (Form3) Form3->ShowModal();
}

void TForm1::SCPie1ClickOnChart(int aSeries, int aLegend) {
    // The chart repaints once, at the end of the update.
    chart::TSCPie& pie = SCPie1->Chart();
    pie.BeginUpdate();
    chart::ToggleClickedSlice(pie, aSeries, aLegend);
    pie.EndUpdate();
}

void TForm1::orte1Click(TObject*) {
    CheckItem(orte1);
    SCPie1->Chart().SetKind(chart::ckPie);
}

void TForm1::Doughnut1Click(TObject*) {
    CheckItem(Doughnut1);
    SCPie1->Chart().SetKind(chart::ckDoughnut);
}

void TForm1::N3D1Click(TObject*) {
    CheckItem(N3D1);
    SCPie1->Chart().SetChart3D(true);
}

void TForm1::N2D1Click(TObject*) {
    CheckItem(N2D1);
    SCPie1->Chart().SetChart3D(false);
}

void TForm1::Hoch1Click(TObject*) {
    CheckItem(Hoch1);
    SCPie1->Chart().SetAntiAlias(chart::aaHi);
}

void TForm1::Mittel1Click(TObject*) {
    CheckItem(Mittel1);
    SCPie1->Chart().SetAntiAlias(chart::aaLo);
}

void TForm1::Niedrig1Click(TObject*) {
    CheckItem(Niedrig1);
    SCPie1->Chart().SetAntiAlias(chart::aaNone);
}

void TForm1::anzeigen1Click(TObject*) {
    CheckItem(anzeigen1);
    SCPie1->Chart().Legend().SetVisible(true);
}

void TForm1::Legendeausblenden1Click(TObject*) {
    CheckItem(Legendeausblenden1);
    SCPie1->Chart().Legend().SetVisible(false);
}

void TForm1::Links1Click(TObject*) {
    CheckItem(Links1);
    SCPie1->Chart().Legend().SetAlignment(chart::laLeft);
}

void TForm1::Rechts1Click(TObject*) {
    CheckItem(Rechts1);
    SCPie1->Chart().Legend().SetAlignment(chart::laRight);
}

void TForm1::Oben1Click(TObject*) {
    CheckItem(Oben1);
    SCPie1->Chart().Legend().SetAlignment(chart::laTop);
}

void TForm1::Unten1Click(TObject*) {
    CheckItem(Unten1);
    SCPie1->Chart().Legend().SetAlignment(chart::laBottom);
}

}  // namespace app
