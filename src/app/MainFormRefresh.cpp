// Start-up and the refresh: the figures of the selected drive in the labels and the
// chart, in MB or KB; the status-bar clock.

#include "app/MainForm.h"
#include "chart/control/MainWindowChart.h"

namespace app {

void TForm1::FormCreate(TObject*) {
    ReadWindowSettings();
    // The selector's window is created now at the latest: that builds the drive list and
    // selects the current directory's drive (reported, so it refreshes); then entry 1,
    // the second drive of the list, is selected and refreshes again.
    bsSkinDriveComboBox1->HandleNeeded();
    bsSkinDriveComboBox1->SetItemIndex(1);
    RefreshDrive();
}

void TForm1::RefreshDrive() {
    const std::string selected = bsSkinDriveComboBox1->Text();
    DiskInfo1.SetDrive(selected);
    if (MB->Checked()) ShowCapacity(selected, drive::cuMB);
    if (KB->Checked()) ShowCapacity(selected, drive::cuKB);

    Label13->SetCaption(DiskInfo1.Drive());
    Label10->SetCaption(DiskInfo1.DriveType());
    Label11->SetCaption(DiskInfo1.FileSystemType());
    Label12->SetCaption(DiskInfo1.SerialNumber());
    Label15->SetCaption(std::to_string(DiskInfo1.BytesPerSector()));
    Label19->SetCaption(std::to_string(DiskInfo1.SectorsPerCluster()));
}

void TForm1::RefreshUnit(drive::TCapacityUnit unit) {
    const skin::TbsSkinCheckRadioBox* box = unit == drive::cuMB ? MB : KB;
    const std::string selected = bsSkinDriveComboBox1->Text();
    DiskInfo1.SetDrive(selected);
    if (box->Checked()) ShowCapacity(selected, unit);
}

void TForm1::ShowCapacity(const std::string& selectorText, drive::TCapacityUnit unit) {
    // Total is asked before free, each its own query; a failed query shows 0.
    os::DiskSpace space = drive::QueryDriveCapacity(selectorText);
    drive::CapacityFigures figures = drive::ComputeCapacity(space.totalBytes, space.freeBytesAvailable, unit);
    Label17->SetCaption(drive::CapacityLabel(figures.total, unit));
    Label14->SetCaption(drive::CapacityLabel(figures.free, unit));
    Label1->SetCaption(drive::CapacityLabel(figures.used, unit));
    chart::ShowDriveSpace(SCPie1->Chart(), figures.free, figures.used, unit == drive::cuMB ? chart::cuMB : chart::cuKB,
                          selectorText);
}

void TForm1::Timer1Timer(TObject*) { StatusBar1->Panels(0)->SetText(clock_.Text()); }

}  // namespace app
