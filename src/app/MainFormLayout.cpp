// The main window's controls: the left panel with the drive selector, the capacity and
// detail panels, the chart panel and the status bar, at the places of the description.

#include "app/MainForm.h"
#include "app/MenuPictures.h"
#include "chart/control/MainWindowChart.h"

namespace app {

namespace {

// Skinned captions in a font of our own, 8 point, instead of the skin's: the side panel
// and the buttons in bold Verdana, the detail panels in a narrower face, as their
// captions are long for the room beside their buttons.
void UseCaptionFont(skin::TbsSkinCustomControl* control, const char* name, bool bold) {
    control->SetUseSkinFont(false);
    control->DefaultFont()->SetName(name);
    control->DefaultFont()->SetHeight(-11);
    control->DefaultFont()->SetStyle(bold ? TFontStyles{fsBold} : TFontStyles{});
}

// One 16 x 16 menu picture as a button glyph; the bottom-left pixel is the background
// colour the button leaves out.
gfx::Bitmap MenuPicture(int index) {
    const gfx::Bitmap strip = MenuPictureStrip();
    gfx::Bitmap picture(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) picture.SetPixel(x, y, strip.Pixel(index * 16 + x, y));
    return picture;
}

}  // namespace

void TForm1::BuildLeftPanel() {
    bsSkinExPanel1 = MakeExPanel(this, "bsSkinExPanel1", "Laufwerk wählen:");
    bsSkinExPanel1->SetBoundsRect(kLeftPanelBounds);
    bsSkinExPanel1->SetRollKind(skin::rkRollHorizontal);
    bsSkinExPanel1->SetShowCloseButton(false);
    bsSkinExPanel1->OnChangeRollState = [this](TObject*) { LayOutPanels(); };
    UseCaptionFont(bsSkinExPanel1, "Verdana", true);

    Label2 = MakeLabel(bsSkinExPanel1, 8, 32, "Laufwerk wählen:", true, clWindowText);
    Label2->SetTransparent(true);

    bsSkinDriveComboBox1 = new skin::TbsSkinDriveComboBox(this);
    bsSkinDriveComboBox1->SetName("bsSkinDriveComboBox1");
    bsSkinDriveComboBox1->SetSkinData(&bsSkinData1);
    bsSkinDriveComboBox1->SetBounds(8, 48, 161, 20);
    bsSkinDriveComboBox1->SetParent(bsSkinExPanel1);
    bsSkinDriveComboBox1->OnChange = [this](TObject* s) { bsSkinDriveComboBox1Change(s); };
    bsSkinDriveComboBox1->OnClick = [this](TObject* s) { bsSkinDriveComboBox1Click(s); };

    bsSkinButton1 = MakeButton("bsSkinButton1", "Aktualisieren", 0, 80);
    bsSkinButton1->OnClick = [this](TObject* s) { bsSkinButton1Click(s); };

    bsSkinScrollBox1 = new skin::TbsSkinScrollBox(this);
    bsSkinScrollBox1->SetName("bsSkinScrollBox1");
    bsSkinScrollBox1->SetSkinData(&bsSkinData1);
    bsSkinScrollBox1->SetBorderStyle(skin::bvRaised);
    bsSkinScrollBox1->SetBounds(8, 112, 161, 337);
    bsSkinScrollBox1->SetParent(bsSkinExPanel1);
    BuildCapacityPanel();
    BuildDetailsPanel();

    bsSkinButton2 = MakeButton("bsSkinButton2", " Beenden", 4, 456);
    bsSkinButton2->OnClick = [this](TObject* s) { bsSkinButton2Click(s); };
}

void TForm1::Resize() {
    LayOutPanels();
    TForm::Resize();
}

void TForm1::LayOutPanels() {
    if (!bsSkinExPanel1 || !bsSkinPanel1) return;  // while the window is being described
    const int height = ClientHeight() - kStatusBarHeight - kMenuBarHeight;
    bsSkinExPanel1->SetBounds(0, kMenuBarHeight, bsSkinExPanel1->Width(), height);
    const int left = bsSkinExPanel1->Width();
    bsSkinPanel1->SetBounds(left, kMenuBarHeight, ClientWidth() - left, height);
}

void TForm1::BuildCapacityPanel() {
    bsSkinExPanel2 = MakeExPanel(bsSkinScrollBox1, "bsSkinExPanel2", "Speicherkapazität:");
    bsSkinExPanel2->SetBounds(0, 0, 159, 113);
    bsSkinExPanel2->SetAlign(alTop);
    UseCaptionFont(bsSkinExPanel2, "Arial", false);

    TWinControl* p = bsSkinExPanel2;
    Label8 = MakeLabel(p, 8, 32, "Frei:", true, clBlue);
    Label14 = MakeLabel(p, 72, 32, "Frei", false, clBlue);
    Label3 = MakeLabel(p, 8, 48, "Belegt:", true, clRed);
    Label1 = MakeLabel(p, 72, 48, "Belegt", false, clRed);
    Label16 = MakeLabel(p, 8, 64, "Gesamt:", true, clGreen);
    Label17 = MakeLabel(p, 72, 64, "Gesamt", false, clGreen);

    auto makeUnit = [this](const char* name, int x, bool checked) {
        auto* box = new skin::TbsSkinCheckRadioBox(this);
        box->SetName(name);
        box->SetSkinData(&bsSkinData1);
        box->SetRadio(true);
        box->SetGroupIndex(1);
        box->SetCaption(name);
        box->SetChecked(checked);
        box->SetBounds(x, 88, 49, 25);
        box->SetParent(bsSkinExPanel2);
        return box;
    };
    MB = makeUnit("MB", 8, true);
    KB = makeUnit("KB", 72, false);
    // Bound after the start state is set: the description's checked MB reports nothing.
    MB->OnClick = [this](TObject* s) { MBClick(s); };
    KB->OnClick = [this](TObject* s) { KBClick(s); };
}

void TForm1::BuildDetailsPanel() {
    bsSkinExPanel3 = MakeExPanel(bsSkinScrollBox1, "bsSkinExPanel3", "Laufwerksinformation:");
    bsSkinExPanel3->SetBounds(0, 113, 159, 222);
    bsSkinExPanel3->SetAlign(alTop);
    UseCaptionFont(bsSkinExPanel3, "Arial", false);

    TWinControl* p = bsSkinExPanel3;
    Label7 = MakeLabel(p, 8, 24, "Laufwerk:", true, clWindowText);
    Label13 = MakeLabel(p, 8, 40, "Laufwerk", false, clWindowText);
    Label4 = MakeLabel(p, 8, 56, "Typ:", true, clWindowText);
    Label10 = MakeLabel(p, 8, 72, "Typ", false, clWindowText);
    Label5 = MakeLabel(p, 8, 88, "Dateisystem:", true, clWindowText);
    Label11 = MakeLabel(p, 8, 104, "Dateisystem", false, clWindowText);
    Label6 = MakeLabel(p, 8, 120, "Serienummer:", true, clWindowText);
    Label12 = MakeLabel(p, 8, 136, "Serienummer", false, clWindowText);
    Label18 = MakeLabel(p, 8, 152, "Sektoren pro Cluster:", true, clWindowText);
    Label19 = MakeLabel(p, 8, 168, "Sektoren pro Cluster", false, clWindowText);
    Label9 = MakeLabel(p, 8, 184, "Bytes pro Sektor:", true, clWindowText);
    Label15 = MakeLabel(p, 8, 200, "Bytes pro Sektor", false, clWindowText);
}

void TForm1::BuildChartPanel() {
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
    SCPie1->SetPopupMenu(bsSkinPopupMenu2);
    SCPie1->Chart().OnClickOnChart = [this](chart::TSCMain&, chart::TShiftState, int aSeries, int, int aLegend) {
        SCPie1ClickOnChart(aSeries, aLegend);
    };
}

void TForm1::BuildStatusBar() {
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
}

void TForm1::BindStatusHints() {
    auto hint = [this](const char* text) {
        return [this, text](TObject*, TShiftState, int, int) { ShowStatusHint(text); };
    };
    SCPie1->OnMouseMove = hint("Rechtsklick um Anzeigeoptionen aufzurufen...");
    bsSkinButton1->OnMouseMove = hint("Anzeige aktualisieren...");
    bsSkinButton2->OnMouseMove = hint("Velmora beenden...");
    MB->OnMouseMove = hint("Anzeige in MB...");
    KB->OnMouseMove = hint("Anzeige in KB...");
    bsSkinExPanel1->OnMouseMove = hint("");
    bsSkinExPanel2->OnMouseMove = hint("");
    bsSkinExPanel3->OnMouseMove = hint("");
}

void TForm1::ShowStatusHint(const std::string& text) { StatusBar1->Panels(1)->SetText(text); }

skin::TbsSkinExPanel* TForm1::MakeExPanel(TWinControl* parent, const char* name, const char* caption) {
    auto* panel = new skin::TbsSkinExPanel(this);
    panel->SetName(name);
    panel->SetSkinData(&bsSkinData1);
    panel->SetCaption(caption);
    panel->SetDefaultCaptionHeight(21);
    panel->SetParent(parent);
    return panel;
}

skin::TbsSkinButton* TForm1::MakeButton(const char* name, const char* caption, int pictureIndex, int top) {
    auto* button = new skin::TbsSkinButton(this);
    button->SetName(name);
    button->SetSkinData(&bsSkinData1);
    button->SetCaption(caption);
    UseCaptionFont(button, "Verdana", true);
    button->SetGlyph(MenuPicture(pictureIndex));
    button->SetNumGlyphs(1);
    button->SetBounds(8, top, 161, 25);
    button->SetParent(bsSkinExPanel1);
    return button;
}

TLabel* TForm1::MakeLabel(TWinControl* parent, int x, int y, const char* caption, bool bold, TColor color) {
    auto* label = new TLabel(this);
    label->SetParent(parent);
    label->SetLeft(x);
    label->SetTop(y);
    label->SetCaption(caption);
    label->Font()->SetColor(color);
    if (bold) label->Font()->SetStyle({fsBold});
    return label;
}

}  // namespace app
