// A small demo window with every control, once with the Chrome skin and once without,
// rendered headless. With VELMORA_WRITE_SCREENSHOTS=1 the pictures are written to
// docs/screenshots/controls-skinned.png and controls-plain.png.
#include <cstdlib>
#include <fstream>

#include "ControlsTestSupport.h"
#include "gfx/PngCodec.h"
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
        TForm* form = MakeForm({0, 0, 520, 330}, Rgb(clBtnFace));
        auto* group = Add<TbsSkinGroupBox>(form, form, {10, 10, 250, 150}, skinned);
        group->SetCaption("Laufwerk wählen:");
        combo = Add<TbsSkinComboBox>(group, form, {12, 28, 228, 48}, skinned);
        combo->SetItems({"c: [system]", "d: [daten]", "e: \\\\srv\\share"});
        combo->SetItemIndex(0);
        auto* colors = Add<TbsSkinColorComboBox>(group, form, {12, 56, 228, 76}, skinned);
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
        mb->SetCaption("MB");
        kb->SetCaption("KB");
        mb->SetChecked(true);
        auto* check = Add<TbsSkinCheckRadioBox>(group, form, {12, 112, 228, 137}, skinned);
        check->SetCaption("Fuß-Titel (Laufwerksbezeichnung)");
        check->SetChecked(true);

        auto* ok = Add<TbsSkinButton>(form, form, {10, 160, 120, 185}, skinned);
        ok->SetCaption("Aktualisieren");
        ok->SetCanFocused(false);
        auto* off = Add<TbsSkinButton>(form, form, {130, 160, 250, 185}, skinned);
        off->SetCaption("Beenden");
        off->SetCanFocused(false);
        off->SetEnabled(false);
        auto* edit = Add<TbsSkinEdit>(form, form, {10, 195, 250, 215}, skinned);
        edit->SetEditText("Speicherbelegung");
        auto* bar = Add<TbsSkinScrollBar>(form, form, {10, 225, 250, 245}, skinned);
        bar->SetPageSize(20);
        bar->SetPosition(30);
        auto* list = Add<TbsSkinListBox>(form, form, {10, 255, 250, 320}, skinned);
        list->SetItems({"Arial", "Courier New", "Tahoma", "Times New Roman", "Verdana"});
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
        auto* plainPanel = Add<TbsSkinPanel>(form, form, {300, 190, 510, 320}, skinned);
        plainPanel->SetCaptionMode(true);
        plainPanel->SetCaption("Panel");
        form->Show();
        h.ProcessPending();
        return form;
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
