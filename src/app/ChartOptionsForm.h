#pragma once
// Form3, "Diagramm-Optionen": edits the main window's chart directly (top title, bottom
// title switch, font name, colour and size, chart and legend backgrounds). Every change
// reaches Form1->SCPie1 at once through the control's handler; there is no OK or Cancel.
// Created hidden right after the main window, shown modally from the menus and Ctrl+O.
//
// Settings: FormCreate reads BottomTitel, Schriftart, Schriftgröße, Schriftfarbe,
// HintergrundD and HintergrundL into the controls (their handlers apply them to the
// chart); destruction and the session's end write them back in the same order.

#include "app/OptionsSettings.h"
#include "os/IniFile.h"
#include "skin/controls/TbsSkinButton.h"
#include "skin/controls/TbsSkinCheckRadioBox.h"
#include "skin/controls/TbsSkinColorComboBox.h"
#include "skin/controls/TbsSkinComboBox.h"
#include "skin/controls/TbsSkinEdit.h"
#include "skin/controls/TbsSkinGroupBox.h"
#include "skin/frame/TbsBusinessSkinForm.h"
#include "skin/menus/TbsSkinPopupMenu.h"
#include "vcl/TForm.h"
#include "vcl/TLabel.h"

namespace app {

class TForm3 : public vcl::TForm {
public:
    // The six chart settings live in the main window's settings file.
    explicit TForm3(vcl::TComponent* owner);
    // ... or in `settings` (tests).
    TForm3(vcl::TComponent* owner, os::IniFile settings);
    ~TForm3() override;

    static constexpr int kClientWidth = 533;
    static constexpr int kClientHeight = 276;

    skin::TbsSkinGroupBox *bsSkinGroupBox1, *bsSkinGroupBox2, *bsSkinGroupBox3;
    vcl::TLabel *Label1, *Label2, *Label3, *Label4, *Label6, *Label7;
    skin::TbsSkinEdit* bsSkinEdit1;
    skin::TbsSkinButton *bsSkinButton1, *bsSkinButton2, *bsSkinButton3;
    skin::TbsSkinCheckRadioBox* bsSkinCheckRadioBox1;
    skin::TbsSkinComboBox* bsSkinFontComboBox1;
    skin::TbsSkinComboBox* bsSkinComboBox1;
    skin::TbsSkinColorComboBox *bsSkinColorComboBox1, *bsSkinColorComboBox2, *bsSkinColorComboBox3;
    // The frame's system menu: "Schliessen".
    skin::TbsSkinPopupMenu* bsSkinPopupMenu1;
    skin::TbsBusinessSkinForm* bsBusinessSkinForm1;
    vcl::TMenuItem* Schliessen1;

    void bsSkinButton2Click(vcl::TObject* sender);
    void bsSkinCheckRadioBox1Click(vcl::TObject* sender);
    void bsSkinFontComboBox1Change(vcl::TObject* sender);
    void bsSkinComboBox1Click(vcl::TObject* sender);
    void bsSkinColorComboBox1Change(vcl::TObject* sender);
    void bsSkinColorComboBox2Change(vcl::TObject* sender);
    void bsSkinColorComboBox3Change(vcl::TObject* sender);
    void bsSkinButton3Click(vcl::TObject* sender);
    void bsSkinButton1Click(vcl::TObject* sender);
    void Schliessen1Click(vcl::TObject* sender);
    void FormCreate(vcl::TObject* sender);
    void FormDestroy(vcl::TObject* sender);

    const os::IniFile& Settings() const { return settings_; }

protected:
    // WM_ENDSESSION: the settings are written at once; an error goes to the caller.
    void EndSession(bool ending) override;

private:
    vcl::TLabel* MakeLabel(vcl::TWinControl* group, int x, int y, const char* caption);
    skin::TbsSkinGroupBox* MakeGroupBox(const char* name, TRect bounds, const char* caption);
    skin::TbsSkinColorComboBox* MakeColorBox(const char* name, vcl::TWinControl* group, int y, TColor design);
    skin::TbsSkinComboBox* MakeListBox(const char* name, vcl::TWinControl* group, int y,
                                       const std::vector<std::string>& items);
    skin::TbsSkinButton* MakeButton(const char* name, vcl::TWinControl* parent, TRect bounds,
                                    const char* caption);
    void BindHandlers();
    // Writes a hint into the main window's status bar (its second panel).
    void ShowHintText(const char* text);
    // The six values as the controls hold them now.
    ChartOptionValues CurrentChartOptions() const;
    void ReadSettings();
    // Throws os::IniWriteError when the file refuses a write; the rest of the batch is skipped.
    void WriteSettings();

    os::IniFile settings_;
};

extern TForm3* Form3;

}  // namespace app
