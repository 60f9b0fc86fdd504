#include "app/ChartOptionsForm.h"
#include "app/SkinnedFrame.h"

#include <charconv>

#include "app/MainForm.h"
#include "vcl/TApplication.h"

namespace app {

TForm3* Form3 = nullptr;

namespace {

const std::vector<std::string> kFontNames{"Arial", "Courier", "MS Sans Serif", "System",
                                          "Tahoma", "Times New Roman", "Verdana"};
const std::vector<std::string> kFontSizes{"8", "9", "10", "11", "12", "13", "14"};

constexpr int kFieldWidth = 233;
constexpr int kFieldHeight = 20;

skin::TbsSkinData* MainSkin() { return Form1 ? &Form1->bsSkinData1 : nullptr; }

}  // namespace

TForm3::TForm3(vcl::TComponent* owner) : TForm3(owner, os::IniFile(TForm1::SettingsPath())) {}

TForm3::TForm3(vcl::TComponent* owner, os::IniFile settings) : vcl::TForm(owner), settings_(std::move(settings)) {
    BeginLoading();
    SetName("Form3");
    SetCaption("Diagramm-Optionen");
    SetBorderStyle(vcl::bsSingle);
    SetBorderIcons({});
    SetPosition(vcl::poDesktopCenter);
    SetClientSize(kClientWidth, kClientHeight);
    Font()->SetName("Verdana");
    Font()->SetHeight(-11);

    bsSkinGroupBox1 = MakeGroupBox("bsSkinGroupBox1", TRect::FromSize(8, 8, 249, 129), "Beschriftung:");
    bsSkinGroupBox2 = MakeGroupBox("bsSkinGroupBox2", TRect::FromSize(272, 8, 249, 161), "Schrift:");
    bsSkinGroupBox3 = MakeGroupBox("bsSkinGroupBox3", TRect::FromSize(8, 144, 249, 121), "Farbgebung:");

    Label1 = MakeLabel(bsSkinGroupBox1, 8, 32, "Top-Titel:");
    bsSkinEdit1 = new skin::TbsSkinEdit(this);
    bsSkinEdit1->SetName("bsSkinEdit1");
    bsSkinEdit1->SetSkinData(MainSkin());
    bsSkinEdit1->SetBounds(8, 48, kFieldWidth, kFieldHeight);
    bsSkinEdit1->SetParent(bsSkinGroupBox1);
    bsSkinEdit1->SetTabStop(true);
    bsSkinButton2 = MakeButton("bsSkinButton2", bsSkinGroupBox1, TRect::FromSize(8, 72, kFieldWidth, 25),
                               "Titel hinzufügen");
    bsSkinCheckRadioBox1 = new skin::TbsSkinCheckRadioBox(this);
    bsSkinCheckRadioBox1->SetName("bsSkinCheckRadioBox1");
    bsSkinCheckRadioBox1->SetSkinData(MainSkin());
    bsSkinCheckRadioBox1->SetBounds(8, 104, kFieldWidth, 25);
    bsSkinCheckRadioBox1->SetCaption("Fuß-Titel (Laufwerksbezeichnung)");
    bsSkinCheckRadioBox1->SetChecked(true);
    bsSkinCheckRadioBox1->SetParent(bsSkinGroupBox1);

    Label3 = MakeLabel(bsSkinGroupBox2, 8, 32, "Schriftart:");
    bsSkinFontComboBox1 = MakeListBox("bsSkinFontComboBox1", bsSkinGroupBox2, 48, kFontNames);
    Label4 = MakeLabel(bsSkinGroupBox2, 8, 72, "Schriftfarbe:");
    bsSkinColorComboBox1 = MakeColorBox("bsSkinColorComboBox1", bsSkinGroupBox2, 88, clBlack);
    Label2 = MakeLabel(bsSkinGroupBox2, 8, 112, "Schriftgröße:");
    bsSkinComboBox1 = MakeListBox("bsSkinComboBox1", bsSkinGroupBox2, 128, kFontSizes);

    Label6 = MakeLabel(bsSkinGroupBox3, 8, 32, "Hintergrundfarbe Diagramm:");
    bsSkinColorComboBox2 = MakeColorBox("bsSkinColorComboBox2", bsSkinGroupBox3, 48, clWhite);
    Label7 = MakeLabel(bsSkinGroupBox3, 8, 72, "Hintergrundfarbe Legende:");
    bsSkinColorComboBox3 = MakeColorBox("bsSkinColorComboBox3", bsSkinGroupBox3, 88, clWhite);

    bsSkinButton3 = MakeButton("bsSkinButton3", this, TRect::FromSize(272, 176, 249, 25),
                               "Optionen auf Standard zurückstellen");
    bsSkinButton3->SetSkinDataName("resizebutton");
    bsSkinButton1 = MakeButton("bsSkinButton1", this, TRect::FromSize(272, 232, 249, 33), "Schliessen");
    bsSkinButton1->SetSkinDataName("resizebutton");
    bsSkinButton1->DefaultFont()->SetStyle({vcl::fsBold});

    bsSkinPopupMenu1 = new skin::TbsSkinPopupMenu(this);
    bsSkinPopupMenu1->SetName("bsSkinPopupMenu1");
    bsSkinPopupMenu1->SetSkinData(MainSkin());
    Schliessen1 = new vcl::TMenuItem(this);
    Schliessen1->SetName("Schliessen1");
    Schliessen1->SetCaption("Schliessen");
    bsSkinPopupMenu1->Items()->Add(Schliessen1);

    // The colour pickers build their colour lists with their windows, which they get here
    // as they take the skin; their design colours are chosen before any handler is bound,
    // so only a later change of colour reaches the chart.
    for (skin::TbsSkinColorComboBox* picker : {bsSkinColorComboBox1, bsSkinColorComboBox2, bsSkinColorComboBox3})
        picker->HandleNeeded();
    BindHandlers();
    bsBusinessSkinForm1 = AttachSkinnedFrame(this, MainSkin(), {skin::biSystemMenu}, bsSkinPopupMenu1);
    SetClientSizeInFrame(this, *bsBusinessSkinForm1, kClientWidth, kClientHeight);
    Form3 = this;
}

TForm3::~TForm3() {
    // Deleted without Free: the settings are still written while the form is whole.
    if (!IsDestroying()) BeforeDestruction();
    if (Form3 == this) Form3 = nullptr;
}

skin::TbsSkinGroupBox* TForm3::MakeGroupBox(const char* name, TRect bounds, const char* caption) {
    auto* group = new skin::TbsSkinGroupBox(this);
    group->SetName(name);
    group->SetSkinData(MainSkin());
    group->SetBoundsRect(bounds);
    group->SetCaption(caption);
    group->DefaultFont()->SetName("Verdana");
    group->DefaultFont()->SetHeight(-11);
    group->DefaultFont()->SetStyle({vcl::fsBold});
    group->SetParent(this);
    return group;
}

vcl::TLabel* TForm3::MakeLabel(vcl::TWinControl* group, int x, int y, const char* caption) {
    auto* label = new vcl::TLabel(this);
    label->SetParent(group);
    label->SetLeft(x);
    label->SetTop(y);
    label->SetCaption(caption);
    label->SetTransparent(true);
    return label;
}

skin::TbsSkinButton* TForm3::MakeButton(const char* name, vcl::TWinControl* parent, TRect bounds,
                                        const char* caption) {
    auto* button = new skin::TbsSkinButton(this);
    button->SetName(name);
    button->SetSkinData(MainSkin());
    button->SetBoundsRect(bounds);
    button->SetCaption(caption);
    // The dialog's own font on every button, so "Schliessen" can be bold like its description.
    button->SetUseSkinFont(false);
    button->DefaultFont()->SetName("Verdana");
    button->DefaultFont()->SetHeight(-11);
    button->SetParent(parent);
    button->SetTabStop(true);
    return button;
}

skin::TbsSkinComboBox* TForm3::MakeListBox(const char* name, vcl::TWinControl* group, int y,
                                           const std::vector<std::string>& items) {
    auto* box = new skin::TbsSkinComboBox(this);
    box->SetName(name);
    box->SetSkinData(MainSkin());
    box->SetBounds(8, y, kFieldWidth, kFieldHeight);
    box->SetItems(items);
    box->SetItemIndex(0);
    box->SetParent(group);
    box->SetTabStop(true);
    return box;
}

skin::TbsSkinColorComboBox* TForm3::MakeColorBox(const char* name, vcl::TWinControl* group, int y,
                                                 TColor design) {
    auto* box = new skin::TbsSkinColorComboBox(this);
    box->SetName(name);
    box->SetSkinData(MainSkin());
    box->SetBounds(8, y, kFieldWidth, kFieldHeight);
    box->SetShowNames(false);
    box->SetSelected(design);
    box->SetParent(group);
    box->SetTabStop(true);
    return box;
}

void TForm3::BindHandlers() {
    bsSkinButton2->OnClick = [this](vcl::TObject* s) { bsSkinButton2Click(s); };
    bsSkinCheckRadioBox1->OnClick = [this](vcl::TObject* s) { bsSkinCheckRadioBox1Click(s); };
    bsSkinFontComboBox1->OnChange = [this](vcl::TObject* s) { bsSkinFontComboBox1Change(s); };
    bsSkinComboBox1->OnClick = [this](vcl::TObject* s) { bsSkinComboBox1Click(s); };
    bsSkinColorComboBox1->OnChange = [this](vcl::TObject* s) { bsSkinColorComboBox1Change(s); };
    bsSkinColorComboBox2->OnChange = [this](vcl::TObject* s) { bsSkinColorComboBox2Change(s); };
    bsSkinColorComboBox3->OnChange = [this](vcl::TObject* s) { bsSkinColorComboBox3Change(s); };
    bsSkinButton3->OnClick = [this](vcl::TObject* s) { bsSkinButton3Click(s); };
    bsSkinButton1->OnClick = [this](vcl::TObject* s) { bsSkinButton1Click(s); };
    Schliessen1->OnClick = [this](vcl::TObject* s) { Schliessen1Click(s); };
    OnCreate = [this](vcl::TObject* s) { FormCreate(s); };
    OnDestroy = [this](vcl::TObject* s) { FormDestroy(s); };

    // Hints in the main window's status bar: what the control under the mouse does, or
    // nothing over the dialog's surface, its groups and "Schliessen".
    auto hint = [this](const char* text) {
        return [this, text](vcl::TObject*, vcl::TShiftState, int, int) { ShowHintText(text); };
    };
    bsSkinEdit1->OnMouseMove = hint("Eingabefeld für Diagramm-Titel...");
    bsSkinButton2->OnMouseMove = hint("Diagramm-Titel hinzufügen...");
    bsSkinCheckRadioBox1->OnMouseMove = hint("Fuß-Titel (Laufwerksbezeichnung) einblenden / ausblenden...");
    bsSkinButton3->OnMouseMove = hint("Diagramm-Optionen auf Standard-Einstellung zurücksetzen...");
    for (vcl::TControl* quiet : std::initializer_list<vcl::TControl*>{this, bsSkinGroupBox1, bsSkinGroupBox2,
                                                                      bsSkinGroupBox3, bsSkinButton1})
        quiet->OnMouseMove = hint("");
}

void TForm3::ShowHintText(const char* text) {
    if (Form1 && Form1->StatusBar1->PanelCount() > 1) Form1->StatusBar1->Panels(1)->SetText(text);
}

// --- the chart's settings ----------------------------------------------------------------

void TForm3::bsSkinButton2Click(vcl::TObject*) {
    if (Form1) Form1->SCPie1->Chart().SetTopCaption(bsSkinEdit1->EditText());
}

void TForm3::bsSkinCheckRadioBox1Click(vcl::TObject*) {
    if (!Form1) return;
    chart::TSCPie& pie = Form1->SCPie1->Chart();
    if (bsSkinCheckRadioBox1->Checked())
        pie.SetBottomCaption("Laufwerk: " + Form1->bsSkinDriveComboBox1->Text());
    else
        pie.SetBottomCaption("");
}

void TForm3::bsSkinFontComboBox1Change(vcl::TObject*) {
    if (Form1) Form1->SCPie1->Font()->SetName(bsSkinFontComboBox1->Text());
}

void TForm3::bsSkinComboBox1Click(vcl::TObject*) {
    if (!Form1) return;
    // The list holds only numbers; a text that is none (no entry ever chosen) changes nothing.
    const std::string& text = bsSkinComboBox1->Text();
    int size = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
    if (error == std::errc() && end == text.data() + text.size() && size > 0) Form1->SCPie1->Font()->SetSize(size);
}

void TForm3::bsSkinColorComboBox1Change(vcl::TObject*) {
    if (Form1) Form1->SCPie1->Font()->SetColor(bsSkinColorComboBox1->Selected());
}

void TForm3::bsSkinColorComboBox2Change(vcl::TObject*) {
    if (Form1) Form1->SCPie1->Chart().SetBackColor(bsSkinColorComboBox2->Selected());
}

void TForm3::bsSkinColorComboBox3Change(vcl::TObject*) {
    if (Form1) Form1->SCPie1->Chart().Legend().SetColor(bsSkinColorComboBox3->Selected());
}

void TForm3::bsSkinButton3Click(vcl::TObject*) {
    // Each step reaches the chart through the control's own handler; the top title and
    // the title edit stay as they are.
    bsSkinCheckRadioBox1->SetChecked(true);
    bsSkinColorComboBox2->SetItemIndex(kWhiteColorIndex);
    bsSkinColorComboBox3->SetItemIndex(kWhiteColorIndex);
    bsSkinFontComboBox1->SetItemIndex(0);
    bsSkinColorComboBox1->SetItemIndex(kBlackColorIndex);
    bsSkinComboBox1->SetItemIndex(0);
    if (bsSkinEdit1->CanFocus()) bsSkinEdit1->SetFocus();
}

void TForm3::bsSkinButton1Click(vcl::TObject*) { Close(); }

void TForm3::Schliessen1Click(vcl::TObject*) { Close(); }

// --- settings file -----------------------------------------------------------------------

void TForm3::FormCreate(vcl::TObject*) { ReadSettings(); }

void TForm3::FormDestroy(vcl::TObject*) {
    // A refused write is shown; the form goes all the same.
    try {
        WriteSettings();
    } catch (const os::IniWriteError& error) {
        vcl::HandleException(this, error);
    }
}

void TForm3::EndSession(bool ending) {
    vcl::TForm::EndSession(ending);
    WriteSettings();
}

void TForm3::ReadSettings() {
    ChartOptionValues v = ReadChartOptions(settings_, CurrentChartOptions());
    bsSkinCheckRadioBox1->SetChecked(v.bottomTitle);
    // An index outside a list selects no entry, and the chart keeps its font.
    bsSkinFontComboBox1->SetItemIndex(ListIndexOrNone(v.fontNameIndex, bsSkinFontComboBox1->ItemCount()));
    bsSkinComboBox1->SetItemIndex(ListIndexOrNone(v.fontSizeIndex, bsSkinComboBox1->ItemCount()));
    bsSkinColorComboBox1->SetSelected(v.fontColor);
    bsSkinColorComboBox2->SetSelected(v.chartBackground);
    bsSkinColorComboBox3->SetSelected(v.legendBackground);
}

void TForm3::WriteSettings() { WriteChartOptions(settings_, CurrentChartOptions()); }

ChartOptionValues TForm3::CurrentChartOptions() const {
    return {bsSkinCheckRadioBox1->Checked(),      bsSkinFontComboBox1->ItemIndex(),
            bsSkinComboBox1->ItemIndex(),         bsSkinColorComboBox1->Selected(),
            bsSkinColorComboBox2->Selected(),     bsSkinColorComboBox3->Selected()};
}

}  // namespace app
