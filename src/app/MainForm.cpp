#include "app/MainForm.h"

#include <cstdio>

#include "chart/control/MainWindowChart.h"
#include "drive/Capacity.h"
#include "skin/EmbeddedSkin.h"

namespace app {

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* owner) : TForm(owner), clock_(os::QueryLocaleFormats()) {
    BeginLoading();
    SetName("Form1");
    LoadSkin();
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

    bsSkinDriveComboBox1 = new skin::TbsSkinDriveComboBox(this);
    bsSkinDriveComboBox1->SetName("bsSkinDriveComboBox1");
    bsSkinDriveComboBox1->SetSkinData(&bsSkinData1);
    bsSkinDriveComboBox1->SetBounds(8, kMenuBarHeight + 48, 161, 20);
    bsSkinDriveComboBox1->SetParent(this);
    bsSkinDriveComboBox1->OnChange = [this](TObject*) { RefreshDrive(); };
    bsSkinDriveComboBox1->OnClick = [this](TObject*) { RefreshDrive(); };

    bsSkinPanel1 = new skin::TbsSkinPanel(this);
    bsSkinPanel1->SetName("bsSkinPanel1");
    bsSkinPanel1->SetSkinData(&bsSkinData1);
    bsSkinPanel1->SetBoundsRect(kChartPanelBounds);
    bsSkinPanel1->SetBorderStyle(skin::bvFrame);
    bsSkinPanel1->SetParent(this);

    // The export picture: invisible, rendered into by save, print and copy.
    Image2 = new TImage(this);
    Image2->SetName("Image2");
    Image2->SetParent(bsSkinPanel1);
    Image2->SetAlign(alClient);
    Image2->SetVisible(false);

    SCPie1 = new chart::TSCPieControl(this);
    SCPie1->SetName("SCPie1");
    SCPie1->SetParent(bsSkinPanel1);
    SCPie1->SetAlign(alClient);
    chart::SetUpMainWindowChart(*SCPie1);
    SCPie1->Chart().OnClickOnChart = [this](chart::TSCMain&, chart::TShiftState, int aSeries, int, int aLegend) {
        chart::ToggleClickedSlice(SCPie1->Chart(), aSeries, aLegend);
    };

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
    DiskInfo1.SetDrive("C");
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    Form1 = this;
}

void TForm1::LoadSkin() {
    // A skin that cannot be read leaves every control with its look without skin; the
    // reason is told once.
    skin::LoadEmbeddedChromeSkin(bsSkinData1, Chrome, [](const std::string& error) {
        std::fprintf(stderr, "velmora: Skin nicht geladen: %s\n", error.c_str());
    });
    // The start-up load runs while the window is still being described, before any control
    // exists that a notice could concern; from now on every change is announced.
    bsSkinData1.SetNoticeSink(&skinNotices_);
}

void TForm1::FormCreate(TObject*) {
    // The selector builds its drive list with its window, at the latest now; then entry 1,
    // the second drive of the list, is selected, which refreshes.
    bsSkinDriveComboBox1->Handle();
    bsSkinDriveComboBox1->SetItemIndex(1);
    RefreshDrive();
}

void TForm1::RefreshDrive() {
    const std::string selected = bsSkinDriveComboBox1->Text();
    DiskInfo1.SetDrive(selected);
    os::DiskSpace space = drive::QueryDriveCapacity(selected);
    drive::CapacityFigures mb = drive::ComputeCapacity(space.totalBytes, space.freeBytesAvailable, drive::cuMB);
    Label17->SetCaption(drive::CapacityLabel(mb.total, drive::cuMB));
    Label14->SetCaption(drive::CapacityLabel(mb.free, drive::cuMB));
    Label1->SetCaption(drive::CapacityLabel(mb.used, drive::cuMB));
    chart::ShowDriveSpace(SCPie1->Chart(), mb.free, mb.used, chart::cuMB, selected);

    Label13->SetCaption(DiskInfo1.Drive());
    Label10->SetCaption(DiskInfo1.DriveType());
    Label11->SetCaption(DiskInfo1.FileSystemType());
    Label12->SetCaption(DiskInfo1.SerialNumber());
    Label15->SetCaption(std::to_string(DiskInfo1.BytesPerSector()));
    Label19->SetCaption(std::to_string(DiskInfo1.SectorsPerCluster()));
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
