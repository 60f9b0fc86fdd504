// Our own list box: rows, selection, scrolling by wheel and by its bar, keys.
#include "ControlsTestSupport.h"
#include "base/ShortCut.h"
#include "skin/controls/TbsSkinListBox.h"
#include "skin/controls/TbsSkinScrollBar.h"

using namespace ctltest;
using skin::TbsSkinListBox;

namespace {
struct ListBoxTest : ControlsTest {
    TForm* form = nullptr;
    TbsSkinListBox* list = nullptr;
    void SetUpList(bool skinned, int items) {
        if (skinned) LoadSkin();
        form = MakeForm();
        list = Place<TbsSkinListBox>(form, {10, 10, 160, 110}, skinned);
        for (int i = 0; i < items; ++i) list->AddItem("Zeile " + std::to_string(i));
        form->Show();
        h.ProcessPending();
    }
};
}  // namespace

TEST_F(ListBoxTest, RowsHaveTheFixedHeightAndAClickSelects) {
    SetUpList(false, 3);
    EXPECT_EQ(list->ItemRect(1), TRect(2, 22, 148, 42));  // inset 2, 20 high
    EXPECT_EQ(list->ScrollBar(), nullptr);                // three rows fit
    ClickAt(list, 20, 30);
    EXPECT_EQ(list->ItemIndex(), 1);
    gfx::Bitmap img = Image(form);
    EXPECT_EQ(img.Pixel(10 + 100, 10 + 30), Rgb(clHighlight));
    EXPECT_EQ(img.Pixel(10 + 100, 10 + 50), Rgb(clWindow));
}

TEST_F(ListBoxTest, ItemsBeyondTheRowsBringABarThatScrollsTheList) {
    SetUpList(true, 12);
    EXPECT_EQ(list->ItemHeight(), 21);
    ASSERT_NE(list->ScrollBar(), nullptr);
    int rows = list->VisibleRows();
    EXPECT_EQ(list->ScrollBar()->PageSize(), rows);
    EXPECT_EQ(list->ScrollBar()->Max(), 11);
    TPoint p = At(list, 20, 20);
    h.Wheel(p.X, p.Y, -120);  // one notch towards the user: one row down
    EXPECT_EQ(list->TopIndex(), 1);
    EXPECT_EQ(list->ScrollBar()->Position(), 1);
    list->ScrollBar()->SetPosition(50);
    EXPECT_EQ(list->TopIndex(), 12 - rows);  // never beyond the last full page
    list->Clear();
    EXPECT_EQ(list->ScrollBar(), nullptr);
}

TEST_F(ListBoxTest, ArrowKeysMoveTheSelectionAndKeepItVisible) {
    SetUpList(false, 10);
    list->SetFocus();
    list->SetItemIndex(0);
    for (int i = 0; i < 6; ++i) h.Key(base::VK_DOWN);
    EXPECT_EQ(list->ItemIndex(), 6);
    EXPECT_EQ(list->TopIndex(), 6 - list->VisibleRows() + 1);
    list->SetItemIndex(42);  // out of range: ignored
    EXPECT_EQ(list->ItemIndex(), 6);
}
