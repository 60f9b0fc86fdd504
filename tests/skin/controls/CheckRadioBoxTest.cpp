// Check and radio boxes: layout from the record, the OnClick rules and both looks.
#include "ControlsTestSupport.h"
#include "base/ShortCut.h"
#include "skin/controls/TbsSkinCheckRadioBox.h"

using namespace ctltest;
using skin::TbsSkinCheckRadioBox;

namespace {
struct RadioTest : ControlsTest {
    TForm* form = nullptr;
    TbsSkinCheckRadioBox* mb = nullptr;
    TbsSkinCheckRadioBox* kb = nullptr;
    EventLog log;
    void SetUpPair(bool skinned) {
        if (skinned) LoadSkin();
        form = MakeForm();
        mb = Place<TbsSkinCheckRadioBox>(form, {10, 10, 59, 35}, skinned);
        kb = Place<TbsSkinCheckRadioBox>(form, {10, 40, 59, 65}, skinned);
        for (auto* b : {mb, kb}) {
            b->SetSkinDataName("radiobox");
            b->SetRadio(true);
            b->SetGroupIndex(1);
            b->ApplySkinChange();
        }
        mb->SetCaption("MB");
        kb->SetCaption("KB");
        mb->SetChecked(true);
        mb->OnClick = log.Recorder("MB");
        kb->OnClick = [this](TObject*) {
            // The sibling is already unchecked and repainted when this fires.
            log.events.push_back(mb->Checked() ? "KB with MB checked" : "KB");
        };
        form->Show();
        h.ProcessPending();
    }
};
}  // namespace

TEST_F(RadioTest, RadioBoxOf25IsPainted19HighWithTheRecordsLayout) {
    SetUpPair(true);
    EXPECT_EQ(mb->Height(), 19);
    EXPECT_EQ(mb->CheckRect(), TRect(3, 3, 16, 16));
    EXPECT_EQ(mb->TextRect(), TRect(20, 3, 46, 16));
    gfx::Bitmap img = Image(form);
    EXPECT_EQ(img.Pixel(30, 30), clWhite);  // below the 19 rows
}

TEST_F(RadioTest, ClickingACheckedRadioBoxFiresNothing) {
    SetUpPair(true);
    ClickAt(mb, 8, 8);
    EXPECT_TRUE(mb->Checked());
    EXPECT_TRUE(log.events.empty());
}

TEST_F(RadioTest, CheckingOneRadioUnchecksTheSiblingSilentlyBeforeItsOwnClick) {
    SetUpPair(false);
    ClickAt(kb, 8, 8);
    EXPECT_TRUE(kb->Checked());
    EXPECT_FALSE(mb->Checked());
    EXPECT_EQ(log.events, std::vector<std::string>{"KB"});
    // Unchecking a radio box by code fires nothing; a check box fires on both changes.
    log.events.clear();
    kb->SetChecked(false);
    EXPECT_TRUE(log.events.empty());
}

TEST_F(ControlsTest, CheckBoxFiresOnEveryChangeAndIgnoresAReleaseOutside) {
    TForm* form = MakeForm();
    auto* box = Place<TbsSkinCheckRadioBox>(form, {10, 10, 200, 35}, false);
    box->SetCaption("Fuß-Titel");
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    form->Show();
    h.ProcessPending();
    box->SetChecked(false);
    EXPECT_EQ(clicks, 1);
    ClickAt(box, 8, 12);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 2);
    // Press, leave, release outside: Hot is off at the release, no toggle.
    MoveTo(box, 8, 12);
    h.Press();
    h.MoveTo(300, 200);
    h.Release();
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 2);
}

TEST_F(ControlsTest, BoxWithoutFocusabilityIgnoresSpaceAndTheUnskinnedMarkIsDrawn) {
    TForm* form = MakeForm();
    auto* box = Place<TbsSkinCheckRadioBox>(form, {10, 10, 200, 35}, false);
    box->SetChecked(true);
    form->Show();
    h.ProcessPending();
    EXPECT_FALSE(box->Focused());
    h.Key(base::VK_SPACE, ' ');
    EXPECT_TRUE(box->Checked());
    gfx::Bitmap img = Image(form);
    // Box at (3, h/2 - 7) = (3, 5): shadow frame; the tick's first stroke starts at
    // (7, y + 5) with y = h/2 - 4 = 8.
    EXPECT_EQ(img.Pixel(10 + 3, 10 + 5), Rgb(clBtnShadow));
    EXPECT_EQ(img.Pixel(10 + 7, 10 + 13), clBlack);
    EXPECT_EQ(img.Pixel(10 + 5, 10 + 7), Rgb(clWindow));
}

TEST_F(ControlsTest, FocusableBoxTogglesOnSpaceRelease) {
    TForm* form = MakeForm();
    auto* box = Place<TbsSkinCheckRadioBox>(form, {10, 10, 200, 35}, false);
    box->SetCanFocused(true);
    form->Show();
    box->SetFocus();
    h.Key(base::VK_SPACE, ' ');
    EXPECT_TRUE(box->Checked());
}

TEST_F(ControlsTest, FlatBoxShowsItsParentBehindThePictureAndText) {
    LoadSkin();
    TForm* form = MakeForm({0, 0, 300, 100}, clYellow);
    auto* box = Place<TbsSkinCheckRadioBox>(form, {10, 10, 200, 35}, true);
    box->SetFlat(true);
    box->SetCaption("Fuß-Titel");
    form->Show();
    gfx::Bitmap img = Image(form);
    EXPECT_EQ(box->Height(), 19);                    // the record still fixes the height
    EXPECT_EQ(img.Pixel(10 + 1, 10 + 1), clYellow);  // the form shows through
    EXPECT_EQ(img.Pixel(10 + 180, 10 + 10), clYellow);
    // The check picture at x 3, vertically centred (rows 3..15): not the form's colour.
    EXPECT_NE(img.Pixel(10 + 9, 10 + 9), clYellow);
}

TEST_F(ControlsTest, MorphingCheckBoxFadesLikeTheButtonAndResetsWhenDisabled) {
    LoadSkin();
    TForm* form = MakeForm();
    auto* box = Place<TbsSkinCheckRadioBox>(form, {10, 10, 160, 35}, true);
    box->SetCaption("Fuß-Titel");
    form->Show();
    h.ProcessPending();
    // The stored skin's boxes do not fade; switch this record's fade on.
    auto* record = dynamic_cast<skin::TbsDataSkinCheckRadioControl*>(
        skinData.ControlRecords()[static_cast<size_t>(box->RecordIndex())].get());
    ASSERT_NE(record, nullptr);
    record->morphing = true;
    MoveTo(box, 40, 8);
    EXPECT_TRUE(box->Hot());
    EXPECT_DOUBLE_EQ(box->MorphProgress(), 0.0);
    h.Advance(100);
    EXPECT_NEAR(box->MorphProgress(), 0.5, 1e-9);
    h.Advance(200);
    EXPECT_DOUBLE_EQ(box->MorphProgress(), 1.0);
    box->SetEnabled(false);
    EXPECT_DOUBLE_EQ(box->MorphProgress(), 0.0);
    EXPECT_FALSE(box->Hot());
    h.Advance(100);
    EXPECT_DOUBLE_EQ(box->MorphProgress(), 0.0);  // the timer stopped
}
