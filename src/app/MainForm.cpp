#include "app/MainForm.h"

namespace app {

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* owner) : TForm(owner), clock_(os::QueryLocaleFormats()) {
    BeginLoading();
    SetName("Form1");
    SetCaption("Velmora");
    SetClientSize(kClientWidth, kClientHeight);
    SetPosition(poDesktopCenter);
    SetBorderIcons({});
    Font()->SetName("Verdana");
    Font()->SetHeight(-11);

    Label2 = MakeLabel({0, kMenuBarHeight}, 8, 32, "Laufwerk wählen:", true, clWindowText);
    Label2->SetTransparent(true);

    const TPoint cap = kCapacityPanelOrigin;
    Label8 = MakeLabel(cap, 8, 32, "Frei:", true, clBlue);
    Label14 = MakeLabel(cap, 72, 32, "Frei", false, clBlue);
    Label3 = MakeLabel(cap, 8, 48, "Belegt:", true, clRed);
    Label1 = MakeLabel(cap, 72, 48, "Belegt", false, clRed);
    Label16 = MakeLabel(cap, 8, 64, "Gesamt:", true, clGreen);
    Label17 = MakeLabel(cap, 72, 64, "Gesamt", false, clGreen);

    const TPoint det = kDetailsPanelOrigin;
    Label7 = MakeLabel(det, 8, 24, "Laufwerk:", true, clWindowText);
    Label13 = MakeLabel(det, 8, 40, "Laufwerk", false, clWindowText);
    Label4 = MakeLabel(det, 8, 56, "Typ:", true, clWindowText);
    Label10 = MakeLabel(det, 8, 72, "Typ", false, clWindowText);
    Label5 = MakeLabel(det, 8, 88, "Dateisystem:", true, clWindowText);
    Label11 = MakeLabel(det, 8, 104, "Dateisystem", false, clWindowText);
    Label6 = MakeLabel(det, 8, 120, "Serienummer:", true, clWindowText);
    Label12 = MakeLabel(det, 8, 136, "Serienummer", false, clWindowText);
    Label18 = MakeLabel(det, 8, 152, "Sektoren pro Cluster:", true, clWindowText);
    Label19 = MakeLabel(det, 8, 168, "Sektoren pro Cluster", false, clWindowText);
    Label9 = MakeLabel(det, 8, 184, "Bytes pro Sektor:", true, clWindowText);
    Label15 = MakeLabel(det, 8, 200, "Bytes pro Sektor", false, clWindowText);

    // The chart panel (kChartPanelBounds) with the chart and the export picture goes here.

    StatusBar1 = new TStatusBar(this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->SetParent(this);
    StatusBar1->SetAlign(alBottom);
    StatusBar1->SetHeight(kStatusBarHeight);
    StatusBar1->SetColor(static_cast<TColor>(14076870));
    StatusBar1->Font()->SetName("Verdana");
    StatusBar1->Font()->SetHeight(-11);
    StatusBar1->SetSizeGrip(false);
    StatusBar1->AddPanel()->SetWidth(kLeftPanelWidth);  // the clock
    StatusBar1->AddPanel()->SetWidth(50);               // hints; the last panel reaches the end

    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetInterval(1000);
    Timer1->SetEnabled(true);
    Timer1->SetOnTimer([this](TObject* sender) { Timer1Timer(sender); });
    Form1 = this;
}

TLabel* TForm1::MakeLabel(TPoint origin, int x, int y, const char* caption, bool bold, TColor color) {
    auto* label = new TLabel(this);
    label->SetParent(this);
    label->SetLeft(origin.X + x);
    label->SetTop(origin.Y + y);
    label->SetCaption(caption);
    label->Font()->SetColor(color);
    if (bold) label->Font()->SetStyle({fsBold});
    return label;
}

void TForm1::Timer1Timer(TObject*) {
    StatusBar1->Panels(0)->SetText(clock_.Text());
}

}  // namespace app
