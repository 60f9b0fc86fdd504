// The colour dialog and the colour box's "Custom..." item that opens it: the three
// channel views agree, the dialog returns the colour or nothing, and the box fires
// OnClick then OnChange only when a colour was confirmed.
#include "ControlsTestSupport.h"
#include "base/ShortCut.h"
#include "skin/controls/TbsColorDialogForm.h"
#include "skin/controls/TbsSkinColorComboBox.h"
#include "skin/controls/TbsSkinColorDialog.h"

using namespace ctltest;
using skin::TbsColorDialogForm;

namespace {
struct ColorDialogTest : ControlsTest {
    // Queues typing of ASCII digits and letters for a modal loop to take.
    void QueueText(const std::string& ascii) {
        for (char ch : ascii) {
            int vk = (ch >= 'a' && ch <= 'z') ? ch - 'a' + 'A' : ch;
            h.QueueKey(vk, true, static_cast<uint32_t>(ch));
            h.QueueKey(vk, false);
        }
    }
    void QueueKey(int vk, uint32_t ch = 0) {
        h.QueueKey(vk, true, ch);
        h.QueueKey(vk, false);
    }
    // Red, green and blue typed into the three fields, then Enter (the default "OK").
    void QueueChannelsAndOk(const std::string& r, const std::string& g, const std::string& b) {
        QueueText(r);
        QueueKey(base::VK_TAB, '\t');
        QueueText(g);
        QueueKey(base::VK_TAB, '\t');
        QueueText(b);
        QueueKey(base::VK_RETURN, '\r');
    }
};

TColor Channels(const TbsColorDialogForm& f) {
    using C = TbsColorDialogForm;
    return base::RGB(f.ChannelBar(C::chRed)->Position(), f.ChannelBar(C::chGreen)->Position(),
                     f.ChannelBar(C::chBlue)->Position());
}
}  // namespace

TEST_F(ColorDialogTest, GridBarsAndFieldsShowTheSameColourInBothLooks) {
    for (bool skinned : {false, true}) {
        SCOPED_TRACE(skinned ? "skinned" : "plain");
        if (skinned) LoadSkin();
        auto* form = vcl::New<TbsColorDialogForm>(nullptr, skinned ? &skinData : nullptr);
        form->SetSelectedColor(clBtnFace);  // a system colour is resolved
        EXPECT_EQ(form->SelectedColor(), Rgb(clBtnFace));
        EXPECT_EQ(Channels(*form), Rgb(clBtnFace));
        form->Show();
        h.ProcessPending();

        // Picking a cell sets all three channels, the fields and the preview.
        auto* grid = form->Grid();
        int navy = grid->IndexOf(clNavy);
        ASSERT_GE(navy, 0);
        TRect cell = grid->CellRect(navy);
        ClickAt(grid, cell.Left + cell.Width() / 2, cell.Top + cell.Height() / 2);
        EXPECT_EQ(form->SelectedColor(), clNavy);
        EXPECT_EQ(grid->SelectedIndex(), navy);
        EXPECT_EQ(form->ChannelEdit(TbsColorDialogForm::chBlue)->EditText(), "128");
        EXPECT_EQ(form->Preview()->PreviewColor(), clNavy);
        gfx::Bitmap img = Image(form);
        TPoint mid = form->Preview()->ClientToScreen({20, 15});
        EXPECT_EQ(img.Pixel(mid.X - form->Left(), mid.Y - form->Top()), clNavy);

        // Moving a bar changes its field and leaves the grid when no cell matches.
        form->ChannelBar(TbsColorDialogForm::chRed)->SetPosition(7);
        EXPECT_EQ(form->ChannelEdit(TbsColorDialogForm::chRed)->EditText(), "7");
        EXPECT_EQ(form->SelectedColor(), base::RGB(7, 0, 128));
        EXPECT_EQ(grid->SelectedIndex(), -1);
        vcl::TObject::Free(form);
    }
}

TEST_F(ColorDialogTest, TypedNumbersAreClampedAndAnythingElseChangesNothing) {
    auto* form = vcl::New<TbsColorDialogForm>(nullptr, nullptr);
    form->SetSelectedColor(base::RGB(10, 20, 30));
    auto* green = form->ChannelEdit(TbsColorDialogForm::chGreen);
    green->SetEditText("300");
    EXPECT_EQ(form->SelectedColor(), base::RGB(10, 255, 30));
    EXPECT_EQ(form->ChannelBar(TbsColorDialogForm::chGreen)->Position(), 255);
    green->SetEditText("4x");
    EXPECT_EQ(form->SelectedColor(), base::RGB(10, 255, 30));
    green->SetEditText("");
    EXPECT_EQ(form->SelectedColor(), base::RGB(10, 255, 30));
    green->SetEditText("64");
    EXPECT_EQ(form->SelectedColor(), base::RGB(10, 64, 30));
    vcl::TObject::Free(form);
}

TEST_F(ColorDialogTest, ExecuteReturnsTheTypedColourOrNothingOnCancel) {
    skin::TbsSkinColorDialog dialog(nullptr);
    dialog.SetColor(clRed);
    std::string title;
    TColor shownAtStart = 0;
    dialog.OnShowForm = [&](TbsColorDialogForm& form) {
        title = form.Caption();
        shownAtStart = form.SelectedColor();
    };
    QueueChannelsAndOk("12", "34", "56");
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(title, "Farbe");
    EXPECT_EQ(shownAtStart, clRed);
    EXPECT_EQ(dialog.Color(), base::RGB(12, 34, 56));

    QueueText("99");
    QueueKey(base::VK_ESCAPE, 0x1B);
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), base::RGB(12, 34, 56));
}

TEST_F(ColorDialogTest, CustomItemAcceptedFromTheListOpensTheDialogThenClickAndChange) {
    LoadSkin();
    TForm* form = MakeForm();
    auto* box = Place<skin::TbsSkinColorComboBox>(form, {10, 10, 170, 31}, true);
    form->Show();
    h.ProcessPending();
    box->SetExStyle(skin::bscbStandardColors | skin::bscbCustomColor);
    box->SetItemIndex(0);
    EventLog log;
    box->OnClick = log.Recorder("click");
    box->OnChange = log.Recorder("change");
    box->OnCloseUp = log.Recorder("closeup");
    box->SetFocus();

    // Accepting "Custom..." in the list, then confirming 1, 2, 3 in the dialog.
    box->OpenList();
    ASSERT_TRUE(box->IsListOpen());
    QueueChannelsAndOk("1", "2", "3");
    box->CloseList(true);
    EXPECT_EQ(log.events, (std::vector<std::string>{"click", "closeup", "click", "change"}));
    EXPECT_EQ(box->Selected(), base::RGB(1, 2, 3));
    EXPECT_EQ(box->CustomColor(), base::RGB(1, 2, 3));

    // Enter on the selected item with the list closed asks again; cancel changes nothing.
    log.events.clear();
    QueueKey(base::VK_RETURN, '\r');
    QueueKey(base::VK_ESCAPE, 0x1B);
    h.ProcessPending();
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(box->Selected(), base::RGB(1, 2, 3));

    // An ordinary colour accepted from the list opens nothing (item 5 is the fifth
    // standard colour, after "Custom...").
    box->OpenList();
    box->ListBox()->SetItemIndex(5);
    box->CloseList(true);
    EXPECT_EQ(box->Selected(), clNavy);
    EXPECT_EQ(box->CustomColor(), base::RGB(1, 2, 3));
}
