#pragma once
// The main window, Form1: the drive selector, the drive's capacity and details in the
// left panel, the chart beside them, the status bar with its clock, the menus and the six
// system-wide hot keys. The constructor applies the window's description in its order
// (MainFormLayout.cpp, MainFormMenus.cpp); the refresh is MainFormRefresh.cpp, the
// commands MainFormCommands.cpp, the window's settings MainFormSettings.cpp.
//
// The skinned frame replaces the window's own; the skinned menu bar takes the top 22
// pixels of the client area.

#include <memory>
#include <string>

#include "app/StatusClock.h"
#include "chart/control/TSCPieControl.h"
#include "drive/Capacity.h"
#include "drive/TDiskInfo.h"
#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsSkinData.h"
#include "skin/controls/TbsSavePictureDialog.h"
#include "skin/controls/TbsSkinButton.h"
#include "skin/controls/TbsSkinCheckRadioBox.h"
#include "skin/controls/TbsSkinDriveComboBox.h"
#include "skin/controls/TbsSkinExPanel.h"
#include "skin/controls/TbsSkinPanel.h"
#include "skin/controls/TbsSkinScrollBox.h"
#include "skin/frame/FormSkinNotices.h"
#include "skin/frame/TbsBusinessSkinForm.h"
#include "skin/frame/TbsSkinMainMenu.h"
#include "skin/frame/TbsSkinMainMenuBar.h"
#include "skin/menus/TbsSkinPopupMenu.h"
#include "vcl/TForm.h"
#include "vcl/TImage.h"
#include "vcl/TImageList.h"
#include "vcl/TLMDGlobalHotKey.h"
#include "vcl/TLabel.h"
#include "vcl/TMenuItem.h"
#include "vcl/TStatusBar.h"
#include "vcl/TTimer.h"

namespace app {

using namespace vcl;

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner);
    // The controls go first: they draw with bsSkinData1, a member destroyed before the
    // base class would destroy them.
    ~TForm1() override;

    // Client area of the window and the places of its parts (client coordinates).
    static constexpr int kClientWidth = 742;
    static constexpr int kClientHeight = 534;
    static constexpr int kMenuBarHeight = 22;
    static constexpr int kLeftPanelWidth = 177;
    static constexpr int kStatusBarHeight = 19;
    static constexpr TRect kLeftPanelBounds{0, kMenuBarHeight, kLeftPanelWidth, kClientHeight - kStatusBarHeight};
    static constexpr TRect kChartPanelBounds{177, 22, 177 + 565, 22 + 493};

    // The settings file the window reads and writes; empty: Velmora.ini beside the
    // program. Tests point it into a folder of their own before creating the window.
    static std::string SettingsPathOverride;
    static std::string SettingsPath();

    // --- the description's components ---
    skin::TbsSkinExPanel* bsSkinExPanel1 = nullptr;  // "Laufwerk wählen:", the left panel
    TLabel* Label2;
    skin::TbsSkinDriveComboBox* bsSkinDriveComboBox1;
    skin::TbsSkinButton* bsSkinButton1;  // "Aktualisieren"
    skin::TbsSkinScrollBox* bsSkinScrollBox1;
    skin::TbsSkinExPanel* bsSkinExPanel2;  // "Speicherkapazität:"
    TLabel *Label8, *Label14, *Label3, *Label1, *Label16, *Label17;
    skin::TbsSkinCheckRadioBox *MB, *KB;
    skin::TbsSkinExPanel* bsSkinExPanel3;  // "Laufwerksinformation:"
    TLabel *Label7, *Label13, *Label4, *Label10, *Label5, *Label11, *Label6, *Label12, *Label18, *Label19,
        *Label9, *Label15;
    skin::TbsSkinButton* bsSkinButton2;  // " Beenden"
    skin::TbsSkinPanel* bsSkinPanel1 = nullptr;  // the chart's frame
    TImage* Image2;
    chart::TSCPieControl* SCPie1;
    TStatusBar* StatusBar1;
    TTimer* Timer1;
    drive::TDiskInfo DiskInfo1;

    TImageList* ImageList1;
    skin::TbsSkinMainMenu* bsSkinMainMenu1;
    skin::TbsSkinMainMenuBar* bsSkinMainMenuBar1;
    skin::TbsBusinessSkinForm* bsBusinessSkinForm1;
    TMenuItem *Datei1, *Aktualisieren1, *N3, *DiagrammOptionen2, *N1, *Diegrammspeichern1, *Diagrammdrucken1,
        *Zwischenablage1, *N2, *Beenden2, *Info1, *Hilfe1, *ber1;
    skin::TbsSkinPopupMenu* bsSkinPopupMenu1;  // the frame's system menu
    TMenuItem* Beenden1;
    skin::TbsSkinPopupMenu* bsSkinPopupMenu2;  // the chart's display switches
    TMenuItem *DiagrammTyp1, *orte1, *Doughnut1, *DiagrammDesign1, *N3D1, *N2D1, *Auflsung1, *Hoch1, *Mittel1,
        *Niedrig1, *N4, *Legende1, *anzeigen1, *Legendeausblenden1, *AusrichtingLegende1, *Links1, *Rechts1,
        *Oben1, *Unten1, *N5, *DiagrammOptionen1;
    skin::TbsSavePictureDialog* SavePictureDialog1;
    TLMDGlobalHotKey *LMDGlobalHotKey1, *LMDGlobalHotKey2, *LMDGlobalHotKey3, *LMDGlobalHotKey4,
        *LMDGlobalHotKey5, *LMDGlobalHotKey6;

    // The skin every skinned control of every window uses, and the container it came from.
    skin::TbsSkinData bsSkinData1;
    skin::TbsCompressedStoredSkin Chrome;
    // Later skin changes are announced to every form, this one first.
    skin::FormSkinNotices skinNotices_{this};

    // --- start-up, refresh, settings ---
    void FormCreate(TObject* sender);
    void FormDestroy(TObject* sender);
    void FormEndSession(TObject* sender, bool ending);
    // The selected drive's details into the labels, its capacity in the checked unit into
    // the labels and the chart.
    virtual void RefreshDrive();
    // The capacity in `unit` only, and only while that unit's radio box is checked.
    virtual void RefreshUnit(drive::TCapacityUnit unit);
    void ReadWindowSettings();
    // Writes the six settings; a refused write is shown and ends the batch.
    void WriteWindowSettings();

    // --- handlers ---
    void bsSkinDriveComboBox1Change(TObject*) { RefreshDrive(); }
    void bsSkinDriveComboBox1Click(TObject*) { RefreshDrive(); }
    void bsSkinButton1Click(TObject*) { RefreshDrive(); }
    void Aktualisieren1Click(TObject*) { RefreshDrive(); }
    void MBClick(TObject*) { RefreshUnit(drive::cuMB); }
    void KBClick(TObject*) { RefreshUnit(drive::cuKB); }
    void Timer1Timer(TObject* sender);
    void bsSkinButton2Click(TObject*) { Close(); }
    void Beenden1Click(TObject*) { Close(); }
    void Beenden2Click(TObject*) { Close(); }
    void DiagrammOptionen1Click(TObject*) { ShowChartOptions(); }
    void DiagrammOptionen2Click(TObject*) { ShowChartOptions(); }
    void Diegrammspeichern1Click(TObject*);
    void Diagrammdrucken1Click(TObject*);
    void Zwischenablage1Click(TObject*);
    void Hilfe1Click(TObject*);
    void ber1Click(TObject*);
    void SCPie1ClickOnChart(int aSeries, int aLegend);
    // The chart's popup menu: each checks its item and sets the chart property.
    void orte1Click(TObject*);
    void Doughnut1Click(TObject*);
    void N3D1Click(TObject*);
    void N2D1Click(TObject*);
    void Hoch1Click(TObject*);
    void Mittel1Click(TObject*);
    void Niedrig1Click(TObject*);
    void anzeigen1Click(TObject*);
    void Legendeausblenden1Click(TObject*);
    void Links1Click(TObject*);
    void Rechts1Click(TObject*);
    void Oben1Click(TObject*);
    void Unten1Click(TObject*);
    // The hot keys run the menu commands.
    void LMDGlobalHotKey1KeyDown(TObject*, uint16_t&, TShiftState) { RefreshDrive(); }
    void LMDGlobalHotKey2KeyDown(TObject* s, uint16_t&, TShiftState) { Diegrammspeichern1Click(s); }
    void LMDGlobalHotKey3KeyDown(TObject* s, uint16_t&, TShiftState) { Diagrammdrucken1Click(s); }
    void LMDGlobalHotKey4KeyDown(TObject* s, uint16_t&, TShiftState) { Zwischenablage1Click(s); }
    void LMDGlobalHotKey5KeyDown(TObject*, uint16_t&, TShiftState) { Close(); }
    void LMDGlobalHotKey6KeyDown(TObject*, uint16_t&, TShiftState) { ShowChartOptions(); }

    // Status-bar hints, panel 1.
    void ShowStatusHint(const std::string& text);

protected:
    // The left panel reaches down to the status bar and the chart panel fills the rest,
    // below the menu bar's band, whatever the window's size.
    void Resize() override;

private:
    void LayOutPanels();
    void LoadSkin();
    void BuildLeftPanel();
    void BuildCapacityPanel();
    void BuildDetailsPanel();
    void BuildChartPanel();
    void BuildStatusBar();
    void BuildMenuPictures();
    void BuildMainMenu();
    void BuildMenuBar();
    void BuildSystemMenu();
    void BuildChartPopupMenu();
    void BuildHotKeys();
    void BindStatusHints();
    skin::TbsSkinExPanel* MakeExPanel(TWinControl* parent, const char* name, const char* caption);
    skin::TbsSkinButton* MakeButton(const char* name, const char* caption, int pictureIndex, int top);
    TLabel* MakeLabel(TWinControl* parent, int x, int y, const char* caption, bool bold, TColor color);
    TMenuItem* MakeItem(TMenuItem* parent, const char* name, const char* caption, int pictureIndex = -1,
                        TShortCut shortCut = 0, TNotifyEvent onClick = nullptr);
    TMenuItem* MakeCheckItem(TMenuItem* parent, const char* name, const char* caption, int group, bool checked,
                             void (TForm1::*handler)(TObject*));
    TLMDGlobalHotKey* MakeHotKey(const char* name, TShortCut key,
                                 void (TForm1::*handler)(TObject*, uint16_t&, TShiftState));
    void ShowChartOptions();
    void CheckItem(TMenuItem* item) { item->SetChecked(true); }
    // The capacity figures of `unit` into the three labels and the chart.
    void ShowCapacity(const std::string& selectorText, drive::TCapacityUnit unit);

    StatusClock clock_;
};

extern TForm1* Form1;

}  // namespace app
