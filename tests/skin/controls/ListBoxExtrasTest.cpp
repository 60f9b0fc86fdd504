// The list box's optional parts: the caption bar, horizontal scrolling and image-list
// pictures, also as the combo box passes them to its drop-down list and item area.
#include "ControlsTestSupport.h"
#include "skin/controls/TbsSkinComboBox.h"
#include "skin/controls/TbsSkinListBox.h"
#include "skin/controls/TbsSkinScrollBar.h"
#include "vcl/TImageList.h"

using namespace ctltest;
using skin::TbsSkinListBox;

namespace {
constexpr TColor kMasked = base::RGB(0, 255, 0);

// Two 12 x 12 pictures, red and blue, each with its top-left pixel masked out.
vcl::TImageList* MakeImages(TComponent* owner) {
    auto* images = new vcl::TImageList(owner);
    images->SetWidth(12);
    images->SetHeight(12);
    vcl::TBitmap strip(24, 12);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 24; ++x) strip.Pixels().SetPixel(x, y, x < 12 ? clRed : clBlue);
    strip.Pixels().SetPixel(0, 0, kMasked);
    strip.Pixels().SetPixel(12, 0, kMasked);
    images->AddMasked(&strip, kMasked);
    return images;
}

struct ListExtrasTest : ControlsTest {
    TForm* form = nullptr;
    TbsSkinListBox* list = nullptr;
    void SetUpList(bool skinned, const TRect& bounds, std::vector<std::string> items) {
        if (skinned) LoadSkin();
        form = MakeForm();
        list = Place<TbsSkinListBox>(form, bounds, skinned);
        list->SetItems(items);
        form->Show();
        h.ProcessPending();
    }
    // The form's picture of a list point.
    TColor PixelAt(int x, int y) { return Image(form).Pixel(list->Left() + x, list->Top() + y); }
};
}  // namespace

TEST_F(ListExtrasTest, CaptionBarTakesTheTopOfTheRowsInBothLooks) {
    for (bool skinned : {false, true}) {
        SCOPED_TRACE(skinned ? "skinned" : "plain");
        SetUpList(skinned, {10, 10, 170, 130}, {"Arial", "Tahoma", "Verdana"});
        TRect firstRow = list->ItemRect(0);
        EXPECT_TRUE(list->CaptionRect().IsEmpty());
        gfx::Bitmap without = Image(form);

        list->SetCaption("Schriftart");
        list->SetCaptionMode(true);
        TRect bar = list->CaptionRect();
        EXPECT_EQ(bar.Top, firstRow.Top);
        EXPECT_EQ(bar.Height(), 20);
        EXPECT_EQ(list->ItemRect(0).Top, firstRow.Top + 20);
        gfx::Bitmap with = Image(form);
        // The bar shows the caption; a click on it selects nothing.
        TRect onForm = bar.Offset(list->Left(), list->Top());
        bool differs = false;
        for (int y = onForm.Top; y < onForm.Bottom && !differs; ++y)
            for (int x = onForm.Left; x < onForm.Right && !differs; ++x)
                differs = with.Pixel(x, y) != without.Pixel(x, y);
        EXPECT_TRUE(differs);
        ClickAt(list, bar.Left + 30, bar.Top + 10);
        EXPECT_EQ(list->ItemIndex(), -1);
        ClickAt(list, 30, list->ItemRect(1).Top + 5);
        EXPECT_EQ(list->ItemIndex(), 1);
        vcl::TObject::Free(form);
    }
}

TEST_F(ListExtrasTest, WideItemsBringAHorizontalBarThatScrollsTheRows) {
    SetUpList(false, {10, 10, 130, 110}, {"kurz", "ein sehr langer Eintrag, der nicht passt"});
    list->SetHorizontalExtent(true);
    skin::TbsSkinScrollBar* bar = list->HorzScrollBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->Visible());
    EXPECT_EQ(bar->Height(), 19);
    EXPECT_EQ(list->ItemArea().Bottom, 100 - 2 - 19);
    EXPECT_EQ(bar->Max(), list->WidestItem() - 1);
    EXPECT_EQ(bar->PageSize(), list->ItemArea().Width());
    EXPECT_EQ(list->ScrollBar(), nullptr);  // two rows still fit

    TRect row = list->ItemRect(1);
    gfx::Bitmap before = Image(form);
    bar->SetPosition(40);
    EXPECT_EQ(list->HorzOffset(), 40);
    gfx::Bitmap after = Image(form);
    bool moved = false;
    for (int x = row.Left; x < row.Right && !moved; ++x)
        moved = before.Pixel(10 + x, 10 + row.Top + 10) != after.Pixel(10 + x, 10 + row.Top + 10);
    EXPECT_TRUE(moved);
    // The offset stops where the widest item's end is in view.
    list->SetHorzOffset(100000);
    EXPECT_EQ(list->HorzOffset(), list->WidestItem() - list->ItemArea().Width());

    // Rows that fit across need no bar; the offset returns to 0.
    list->SetItems({"kurz"});
    EXPECT_EQ(list->HorzScrollBar(), nullptr);
    EXPECT_EQ(list->HorzOffset(), 0);
    EXPECT_EQ(list->ItemArea().Bottom, 100 - 2);
}

TEST_F(ListExtrasTest, SkinnedListWithBothBarsShortensTheVerticalOne) {
    std::vector<std::string> items;
    for (int i = 0; i < 12; ++i) items.push_back("Laufwerk " + std::to_string(i) + " mit einem langen Namen");
    SetUpList(true, {10, 10, 150, 150}, items);
    list->SetHorizontalExtent(true);
    ASSERT_NE(list->HorzScrollBar(), nullptr);
    ASSERT_NE(list->ScrollBar(), nullptr);
    skin::TbsSkinScrollBar* horz = list->HorzScrollBar();
    skin::TbsSkinScrollBar* vert = list->ScrollBar();
    EXPECT_EQ(horz->SkinDataName(), "hscrollbar");
    EXPECT_EQ(vert->Top() + vert->Height(), horz->Top());
    EXPECT_EQ(horz->Left() + horz->Width(), vert->Left());
    EXPECT_EQ(list->VisibleRows(), list->ItemArea().Height() / list->ItemHeight());
}

TEST_F(ListExtrasTest, ItemsShowImageListPicturesWithTheMaskedPixelsLeftOut) {
    SetUpList(false, {10, 10, 170, 110}, {"rot", "blau", "ohne"});
    vcl::TImageList* images = MakeImages(form);
    list->SetImages(images);
    // Picture i for item i, 2 pixels into the row, vertically centred; item 2 has none.
    TRect r0 = list->ItemRect(0), r1 = list->ItemRect(1);
    EXPECT_EQ(PixelAt(r0.Left + 2 + 6, r0.Top + 4 + 6), clRed);
    EXPECT_EQ(PixelAt(r1.Left + 2 + 6, r1.Top + 4 + 6), clBlue);
    EXPECT_EQ(PixelAt(r0.Left + 2, r0.Top + 4), Rgb(clWindow));  // masked out
    EXPECT_EQ(list->ItemImage(2), -1);
    // One picture for every item.
    list->SetImageIndex(1);
    EXPECT_EQ(PixelAt(r0.Left + 2 + 6, r0.Top + 4 + 6), clBlue);
    // A destroyed image list is forgotten.
    vcl::TObject::Free(images);
    EXPECT_EQ(list->Images(), nullptr);
    EXPECT_EQ(PixelAt(r0.Left + 2 + 6, r0.Top + 4 + 6), Rgb(clWindow));
}

TEST_F(ControlsTest, ComboBoxPassesCaptionExtentAndPicturesToItsList) {
    TForm* form = MakeForm({0, 0, 400, 400});
    auto* box = Place<skin::TbsSkinComboBox>(form, {10, 10, 130, 30}, false);
    box->SetItems({"rot", "blau", "ein sehr langer Eintrag, der nicht passt"});
    vcl::TImageList* images = MakeImages(form);
    box->SetImages(images);
    box->SetItemIndex(1);
    form->Show();
    h.ProcessPending();
    // The item area shows the selected item's picture.
    TRect area = box->ItemArea();
    gfx::Bitmap img = Image(form);
    EXPECT_EQ(img.Pixel(10 + area.Left + 4 + 6, 10 + area.Top + (area.Height() - 12) / 2 + 6), clBlue);

    box->SetListBoxCaption("Farben");
    box->SetListBoxCaptionMode(true);
    box->SetHorizontalExtent(true);
    box->OpenList();
    ASSERT_TRUE(box->IsListOpen());
    // Three rows of 20, the frame, the caption bar and the horizontal bar.
    EXPECT_EQ(box->ListBox()->Height(), 3 * 20 + 4 + 20 + 19);
    ASSERT_NE(box->ListBox()->HorzScrollBar(), nullptr);
    EXPECT_EQ(box->ListBox()->VisibleRows(), 3);
    EXPECT_EQ(box->ListBox()->ScrollBar(), nullptr);
    box->CloseList(false);
}
