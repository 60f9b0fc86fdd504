// A small demo window with every control, once with the Chrome skin and once without,
// rendered headless. With VELMORA_WRITE_SCREENSHOTS=1 the pictures are written to
// docs/screenshots/controls-skinned.png and controls-plain.png (the colour dialog to
// controls-colordialog-skinned.png and controls-colordialog-plain.png).
#include <cstdlib>
#include <fstream>

#include "ControlsTestSupport.h"
#include "gfx/PngCodec.h"
#include "skin/controls/TbsColorDialogForm.h"
#include "skin/controls/TbsSkinButton.h"
#include "skin/controls/TbsSkinCheckRadioBox.h"
#include "skin/controls/TbsSkinColorComboBox.h"
#include "skin/controls/TbsSkinComboBox.h"
#include "skin/controls/TbsSkinEdit.h"
#include "skin/controls/TbsSkinExPanel.h"
#include "skin/controls/TbsSkinGroupBox.h"
#include "skin/controls/TbsSkinListBox.h"
#include "skin/controls/TbsSkinScrollBar.h"
#include "skin/controls/TbsSkinScrollBox.h"
#include "vcl/TImageList.h"

using namespace ctltest;
using namespace skin;

namespace {

struct DemoFormTest : ControlsTest {
    TbsSkinComboBox* combo = nullptr;
    template <typename T>
    T* Add(TWinControl* parent, TForm* form, const TRect& r, bool skinned) {
        auto* c = new T(form);
        c->SetUseSkinFont(false);
        if (skinned) c->SetSkinData(&skinData);
        c->SetParent(parent);
        c->SetBoundsRect(r);
        return c;
    }

    TForm* BuildDemo(bool skinned) {
        if (skinned) LoadSkin();
        TForm* form = MakeForm({0, 0, 520, 400}, Rgb(clBtnFace));
        auto* images = MakeImages(form);
        auto* group = Add<TbsSkinGroupBox>(form, form, {10, 10, 260, 150}, skinned);
        group->SetCaption("&Laufwerk wählen:");
        combo = Add<TbsSkinComboBox>(group, form, {12, 28, 238, 48}, skinned);
        combo->SetItems({"c: [system]", "d: [daten]", "e: \\\\srv\\share"});
        combo->SetItemIndex(0);
        combo->SetImages(images);
        combo->SetImageIndex(0);
        auto* colors = Add<TbsSkinColorComboBox>(group, form, {12, 56, 238, 76}, skinned);
        colors->SetShowNames(true);
        colors->SetSelected(clNavy);
        auto* mb = Add<TbsSkinCheckRadioBox>(group, form, {12, 84, 80, 109}, skinned);
        auto* kb = Add<TbsSkinCheckRadioBox>(group, form, {90, 84, 160, 109}, skinned);
        for (auto* r : {mb, kb}) {
            r->SetSkinDataName("radiobox");
            r->SetRadio(true);
            r->SetGroupIndex(1);
            r->ApplySkinChange();
        }
        mb->SetCaption("&MB");
        kb->SetCaption("&KB");
        mb->SetChecked(true);
        auto* check = Add<TbsSkinCheckRadioBox>(group, form, {12, 112, 248, 137}, skinned);
        check->SetCaption("&Fuß-Titel (Laufwerksbezeichnung)");
        check->SetChecked(true);

        auto* ok = Add<TbsSkinButton>(form, form, {10, 160, 130, 185}, skinned);
        ok->SetCaption("&Aktualisieren");
        ok->SetImages(images);
        ok->SetImageIndex(1);
        ok->SetCanFocused(false);
        auto* off = Add<TbsSkinButton>(form, form, {140, 160, 260, 185}, skinned);
        off->SetCaption("&Beenden");
        off->SetCanFocused(false);
        off->SetEnabled(false);
        auto* edit = Add<TbsSkinEdit>(form, form, {10, 195, 260, 215}, skinned);
        edit->SetEditText("Speicherbelegung");
        auto* bar = Add<TbsSkinScrollBar>(form, form, {10, 225, 260, 245}, skinned);
        bar->SetPageSize(20);
        bar->SetPosition(30);
        auto* list = Add<TbsSkinListBox>(form, form, {10, 255, 260, 390}, skinned);
        list->SetItems({"Arial", "Courier New", "Tahoma", "Times New Roman", "Verdana",
                        "Microsoft Sans Serif mit einem langen Namen"});
        list->SetCaption("Schriftart:");
        list->SetCaptionMode(true);
        list->SetHorizontalExtent(true);
        list->SetImages(images);
        list->SetImageIndex(0);
        list->SetItemIndex(1);

        auto* ex = Add<TbsSkinExPanel>(form, form, {270, 10, 510, 130}, skinned);
        ex->SetCaption("Speicherkapazität:");
        auto* box = Add<TbsSkinScrollBox>(ex, form, {10, 30, 220, 110}, skinned);
        auto* inner = Add<TbsSkinPanel>(box, form, {6, 6, 180, 50}, skinned);
        inner->SetCaption("Belegt");
        auto* rolled = Add<TbsSkinExPanel>(form, form, {270, 140, 510, 250}, skinned);
        rolled->SetCaption("Laufwerksinformation:");
        rolled->SetRollState(true);
        auto* side = Add<TbsSkinExPanel>(form, form, {270, 190, 400, 320}, skinned);
        side->SetCaption("Seitlich");
        side->SetRollKind(rkRollHorizontal);
        side->SetRollState(true);
        auto* plainPanel = Add<TbsSkinPanel>(form, form, {300, 260, 510, 390}, skinned);
        plainPanel->SetCaptionMode(true);
        plainPanel->SetCaption("&Panel");
        form->Show();
        h.ProcessPending();
        return form;
    }

    // Two 16 x 16 pictures: a grey drive with a green lamp, and a circular arrow.
    static vcl::TImageList* MakeImages(TComponent* owner) {
        auto* images = new vcl::TImageList(owner);
        vcl::TBitmap strip(32, 16);
        gfx::Bitmap& p = strip.Pixels();
        p.Fill(clFuchsia);
        for (int y = 5; y < 12; ++y)
            for (int x = 1; x < 15; ++x) p.SetPixel(x, y, (y == 5 || y == 11 || x == 1 || x == 14) ? clGray : clSilver);
        p.SetPixel(11, 9, clLime);
        p.SetPixel(12, 9, clLime);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                int dx = 2 * x - 15, dy = 2 * y - 15, d = dx * dx + dy * dy;
                if (d >= 100 && d <= 196 && !(x > 8 && y < 8)) p.SetPixel(16 + x, y, clNavy);
            }
        for (int i = 0; i < 4; ++i) p.SetPixel(16 + 9 + i, 2 + i, clNavy);
        images->AddMasked(&strip, clFuchsia);
        return images;
    }

    void Save(const gfx::Bitmap& img, const char* name) {
        const char* write = std::getenv("VELMORA_WRITE_SCREENSHOTS");
        if (!write || std::string(write) != "1") return;
        std::vector<uint8_t> png = gfx::EncodePng(img);
        std::ofstream(std::string(VELMORA_SCREENSHOT_DIR) + "/" + name, std::ios::binary)
            .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    }
};

}  // namespace

TEST_F(DemoFormTest, SkinnedDemoDrawsEveryControlFromTheSkin) {
    TForm* form = BuildDemo(true);
    gfx::Bitmap img = Image(form);
    Save(img, "controls-skinned.png");
    // The button's left column and the edit's frame come from the skin picture.
    const gfx::Bitmap* pic = skinData.ActivePicture(4);
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(img.Pixel(10, 170), pic->Pixel(0, 10));
    EXPECT_TRUE(HasInk(img, {270, 10, 510, 30}, Rgb(clBtnFace)));
}

TEST_F(DemoFormTest, SkinnedDropDownListOpensOverTheForm) {
    TForm* form = BuildDemo(true);
    combo->SetItems({"a:", "c: [system]", "d: [daten]", "e: \\\\srv\\share", "f: [usb]",
                     "g: [cd]", "h: [ram]", "i: [archiv]", "j: [backup]", "k: [medien]"});
    combo->SetItemIndex(1);
    ClickAt(combo, 30, 10);
    ASSERT_TRUE(combo->IsListOpen());
    TPoint row = combo->ListBox()->ClientToScreen({20, 2 + 3 * 21 + 10});
    h.MoveTo(row.X, row.Y);
    gfx::Bitmap screen = h.Screen();
    gfx::Bitmap shot(300, 260);
    gfx::Canvas(shot).CopyRect(shot.Bounds(), screen, {0, 0, 300, 260});
    Save(shot, "controls-combo-open.png");
    // The list opened with the selection (item 1) as its first row; row 3 is item 4.
    EXPECT_EQ(combo->ListBox()->ItemIndex(), 4);
    EXPECT_EQ(combo->ListBox()->Height(), 172);
    (void)form;
}

TEST_F(DemoFormTest, PlainDemoDrawsEveryControlWithoutSkin) {
    TForm* form = BuildDemo(false);
    gfx::Bitmap img = Image(form);
    Save(img, "controls-plain.png");
    EXPECT_EQ(img.Pixel(10, 160), Rgb(clBtnShadow));  // the button's frame
    EXPECT_EQ(img.Pixel(270, 140), Rgb(clBtnShadow));  // the rolled panel's frame
}

TEST_F(DemoFormTest, ColourDialogInBothLooks) {
    for (bool skinned : {true, false}) {
        SCOPED_TRACE(skinned ? "skinned" : "plain");
        if (skinned) LoadSkin();
        auto* form = vcl::New<TbsColorDialogForm>(nullptr, skinned ? &skinData : nullptr);
        form->SetSelectedColor(base::RGB(255, 128, 0));
        form->Show();
        h.ProcessPending();
        gfx::Bitmap img = h.WindowImage(form->Handle());
        Save(img, skinned ? "controls-colordialog-skinned.png" : "controls-colordialog-plain.png");
        EXPECT_EQ(form->Grid()->SelectedIndex(), form->Grid()->IndexOf(base::RGB(255, 128, 0)));
        EXPECT_GE(form->Grid()->SelectedIndex(), 0);
        vcl::TObject::Free(form);
    }
}
