// The main window's menus and hot keys: the image list of the menu pictures, the main
// menu, the frame's system menu, the chart's popup menu with its check groups, and the
// six system-wide hot keys with the menus' key combinations.

#include "app/MainForm.h"
#include "app/MenuPictures.h"

namespace app {
namespace {

constexpr TShortCut Ctrl(char letter) { return base::ShortCut(static_cast<uint8_t>(letter), false, true, false); }

// The check groups of the chart's popup menu.
enum PopupGroup { kGroupKind = 1, kGroupDesign, kGroupSmoothing, kGroupLegendShown, kGroupLegendSide };

}  // namespace

void TForm1::BuildMenuPictures() {
    ImageList1 = new TImageList(this);
    ImageList1->SetName("ImageList1");
    TBitmap strip;
    strip.Pixels() = MenuPictureStrip();
    ImageList1->AddMasked(&strip, kTransparent);
}

TMenuItem* TForm1::MakeItem(TMenuItem* parent, const char* name, const char* caption, int pictureIndex,
                            TShortCut shortCut, TNotifyEvent onClick) {
    auto* item = new TMenuItem(this);
    item->SetName(name);
    item->SetCaption(caption);
    item->SetImageIndex(pictureIndex);
    item->SetShortCut(shortCut);
    item->OnClick = std::move(onClick);
    parent->Add(item);
    return item;
}

TMenuItem* TForm1::MakeCheckItem(TMenuItem* parent, const char* name, const char* caption, int group,
                                 bool checked, void (TForm1::*handler)(TObject*)) {
    TMenuItem* item = MakeItem(parent, name, caption, -1, 0, [this, handler](TObject* s) { (this->*handler)(s); });
    item->SetRadioItem(true);
    item->SetGroupIndex(group);
    item->SetChecked(checked);
    return item;
}

void TForm1::BuildMainMenu() {
    bsSkinMainMenu1 = new skin::TbsSkinMainMenu(this);
    bsSkinMainMenu1->SetName("bsSkinMainMenu1");
    bsSkinMainMenu1->SetSkinData(&bsSkinData1);
    bsSkinMainMenu1->SetImages(ImageList1);
    TMenuItem* root = bsSkinMainMenu1->Items();

    Datei1 = MakeItem(root, "Datei1", "&Datei");
    Aktualisieren1 = MakeItem(Datei1, "Aktualisieren1", "&Aktualisieren", 0, Ctrl('A'),
                              [this](TObject* s) { Aktualisieren1Click(s); });
    N3 = MakeItem(Datei1, "N3", "-");
    DiagrammOptionen2 = MakeItem(Datei1, "DiagrammOptionen2", "Diagramm-&Optionen", 9, Ctrl('O'),
                                 [this](TObject* s) { DiagrammOptionen2Click(s); });
    N1 = MakeItem(Datei1, "N1", "-");
    Diegrammspeichern1 = MakeItem(Datei1, "Diegrammspeichern1", "Diagramm &speichern", 1, Ctrl('S'),
                                  [this](TObject* s) { Diegrammspeichern1Click(s); });
    Diagrammdrucken1 = MakeItem(Datei1, "Diagrammdrucken1", "Diagramm &drucken", 2, Ctrl('D'),
                                [this](TObject* s) { Diagrammdrucken1Click(s); });
    Zwischenablage1 = MakeItem(Datei1, "Zwischenablage1", "&Zwischenablage", 3, Ctrl('Z'),
                               [this](TObject* s) { Zwischenablage1Click(s); });
    N2 = MakeItem(Datei1, "N2", "-");
    Beenden2 = MakeItem(Datei1, "Beenden2", "&Beenden", 4, Ctrl('B'), [this](TObject* s) { Beenden2Click(s); });

    Info1 = MakeItem(root, "Info1", "&Info");
    Hilfe1 = MakeItem(Info1, "Hilfe1", "Hilfe", 7, 0, [this](TObject* s) { Hilfe1Click(s); });
    ber1 = MakeItem(Info1, "ber1", "Über...", 8, 0, [this](TObject* s) { ber1Click(s); });
}

void TForm1::BuildSystemMenu() {
    bsSkinPopupMenu1 = new skin::TbsSkinPopupMenu(this);
    bsSkinPopupMenu1->SetName("bsSkinPopupMenu1");
    bsSkinPopupMenu1->SetSkinData(&bsSkinData1);
    bsSkinPopupMenu1->SetImages(ImageList1);
    Beenden1 = MakeItem(bsSkinPopupMenu1->Items(), "Beenden1", "Beenden", 4, 0,
                        [this](TObject* s) { Beenden1Click(s); });
}

void TForm1::BuildChartPopupMenu() {
    bsSkinPopupMenu2 = new skin::TbsSkinPopupMenu(this);
    bsSkinPopupMenu2->SetName("bsSkinPopupMenu2");
    bsSkinPopupMenu2->SetSkinData(&bsSkinData1);
    bsSkinPopupMenu2->SetImages(ImageList1);
    TMenuItem* root = bsSkinPopupMenu2->Items();

    DiagrammTyp1 = MakeItem(root, "DiagrammTyp1", "Diagramm-Typ");
    orte1 = MakeCheckItem(DiagrammTyp1, "orte1", "Torte", kGroupKind, true, &TForm1::orte1Click);
    Doughnut1 = MakeCheckItem(DiagrammTyp1, "Doughnut1", "Doughnut", kGroupKind, false, &TForm1::Doughnut1Click);

    DiagrammDesign1 = MakeItem(root, "DiagrammDesign1", "Diagramm Design");
    N3D1 = MakeCheckItem(DiagrammDesign1, "N3D1", "3D", kGroupDesign, true, &TForm1::N3D1Click);
    N2D1 = MakeCheckItem(DiagrammDesign1, "N2D1", "2D", kGroupDesign, false, &TForm1::N2D1Click);

    Auflsung1 = MakeItem(root, "Auflsung1", "Auflösung");
    Hoch1 = MakeCheckItem(Auflsung1, "Hoch1", "Hoch", kGroupSmoothing, true, &TForm1::Hoch1Click);
    Mittel1 = MakeCheckItem(Auflsung1, "Mittel1", "Mittel", kGroupSmoothing, false, &TForm1::Mittel1Click);
    Niedrig1 = MakeCheckItem(Auflsung1, "Niedrig1", "Niedrig", kGroupSmoothing, false, &TForm1::Niedrig1Click);

    N4 = MakeItem(root, "N4", "-");
    Legende1 = MakeItem(root, "Legende1", "Legende");
    anzeigen1 = MakeCheckItem(Legende1, "anzeigen1", "Legende anzeigen", kGroupLegendShown, true,
                              &TForm1::anzeigen1Click);
    Legendeausblenden1 = MakeCheckItem(Legende1, "Legendeausblenden1", "Legende ausblenden", kGroupLegendShown,
                                       false, &TForm1::Legendeausblenden1Click);

    AusrichtingLegende1 = MakeItem(root, "AusrichtingLegende1", "Ausrichting Legende");
    Links1 = MakeCheckItem(AusrichtingLegende1, "Links1", "Links", kGroupLegendSide, false, &TForm1::Links1Click);
    Rechts1 = MakeCheckItem(AusrichtingLegende1, "Rechts1", "Rechts", kGroupLegendSide, false, &TForm1::Rechts1Click);
    Oben1 = MakeCheckItem(AusrichtingLegende1, "Oben1", "Oben", kGroupLegendSide, false, &TForm1::Oben1Click);
    Unten1 = MakeCheckItem(AusrichtingLegende1, "Unten1", "Unten", kGroupLegendSide, true, &TForm1::Unten1Click);

    N5 = MakeItem(root, "N5", "-");
    DiagrammOptionen1 = MakeItem(root, "DiagrammOptionen1", "Diagramm-Optionen", 9, 0,
                                 [this](TObject* s) { DiagrammOptionen1Click(s); });
}

TLMDGlobalHotKey* TForm1::MakeHotKey(const char* name, TShortCut key,
                                     void (TForm1::*handler)(TObject*, uint16_t&, TShiftState)) {
    auto* hotKey = new TLMDGlobalHotKey(this);
    hotKey->SetName(name);
    hotKey->SetHotKey(key);  // registers at once
    hotKey->OnKeyDown = [this, handler](TObject* s, uint16_t& k, TShiftState shift) { (this->*handler)(s, k, shift); };
    return hotKey;
}

void TForm1::BuildHotKeys() {
    LMDGlobalHotKey1 = MakeHotKey("LMDGlobalHotKey1", Ctrl('A'), &TForm1::LMDGlobalHotKey1KeyDown);
    LMDGlobalHotKey2 = MakeHotKey("LMDGlobalHotKey2", Ctrl('S'), &TForm1::LMDGlobalHotKey2KeyDown);
    LMDGlobalHotKey3 = MakeHotKey("LMDGlobalHotKey3", Ctrl('D'), &TForm1::LMDGlobalHotKey3KeyDown);
    LMDGlobalHotKey4 = MakeHotKey("LMDGlobalHotKey4", Ctrl('Z'), &TForm1::LMDGlobalHotKey4KeyDown);
    LMDGlobalHotKey5 = MakeHotKey("LMDGlobalHotKey5", Ctrl('B'), &TForm1::LMDGlobalHotKey5KeyDown);
    LMDGlobalHotKey6 = MakeHotKey("LMDGlobalHotKey6", Ctrl('O'), &TForm1::LMDGlobalHotKey6KeyDown);
}

}  // namespace app
