#pragma once
// The main window, Form1: the drive's capacity and details beside the chart, the status
// bar with its clock. The constructor applies the window's description in its order.
//
// Still to come: the skinned frame and menu bar, the expanding panels, the buttons, the
// MB/KB choice and the scroll box. Until the expanding panels are placed, their labels and
// the drive selector sit on the form at the places the panels give them.

#include <memory>

#include "app/StatusClock.h"
#include "chart/control/TSCPieControl.h"
#include "drive/TDiskInfo.h"
#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsSkinData.h"
#include "skin/frame/FormSkinNotices.h"
#include "skin/controls/TbsSkinDriveComboBox.h"
#include "skin/controls/TbsSkinPanel.h"
#include "vcl/TImage.h"
#include "vcl/TForm.h"
#include "vcl/TLabel.h"
#include "vcl/TStatusBar.h"
#include "vcl/TTimer.h"

namespace app {

using namespace vcl;

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner);
    // The controls go first: they draw with bsSkinData1, a member destroyed before the
    // base class would destroy them.
    ~TForm1() override { DestroyComponents(); }

    // Client area of the window and the places of its parts (client coordinates).
    static constexpr int kClientWidth = 742;
    static constexpr int kClientHeight = 534;
    static constexpr int kMenuBarHeight = 22;
    static constexpr int kLeftPanelWidth = 177;
    static constexpr int kStatusBarHeight = 19;
    // Where the chart panel goes: right of the left panel, between menu bar and status bar.
    static constexpr TRect kChartPanelBounds{177, 22, 177 + 565, 22 + 493};
    // The client origins of the "Speicherkapazität:" and "Laufwerksinformation:" panels:
    // stacked at the top of the scroll box (8, 112) of the left panel, inside its
    // one-pixel raised border.
    static constexpr TPoint kCapacityPanelOrigin{8 + 1, kMenuBarHeight + 112 + 1};
    static constexpr TPoint kDetailsPanelOrigin{8 + 1, kMenuBarHeight + 112 + 1 + 113};

    // "Laufwerk wählen:" in the left panel.
    TLabel* Label2;
    // "Speicherkapazität:": captions and values.
    TLabel *Label8, *Label14, *Label3, *Label1, *Label16, *Label17;
    // "Laufwerksinformation:": captions and values.
    TLabel *Label7, *Label13, *Label4, *Label10, *Label5, *Label11, *Label6, *Label12, *Label18, *Label19,
        *Label9, *Label15;
    skin::TbsSkinDriveComboBox* bsSkinDriveComboBox1;
    skin::TbsSkinPanel* bsSkinPanel1;
    TImage* Image2;
    chart::TSCPieControl* SCPie1;
    TStatusBar* StatusBar1;
    TTimer* Timer1;
    drive::TDiskInfo DiskInfo1;
    // The skin every skinned control of every window uses, and the container it came from.
    skin::TbsSkinData bsSkinData1;
    skin::TbsCompressedStoredSkin Chrome;
    // Later skin changes are announced to every form, this one first.
    skin::FormSkinNotices skinNotices_{this};

    void Timer1Timer(TObject* sender);
    void FormCreate(TObject* sender);
    // One refresh: the selected drive's details into the labels, its capacity (in MB) into
    // the labels and the chart.
    void RefreshDrive();

private:
    void LoadSkin();
    TLabel* MakeLabel(TPoint panelOrigin, int x, int y, const char* caption, bool bold, TColor color);

    StatusClock clock_;
};

extern TForm1* Form1;

}  // namespace app
