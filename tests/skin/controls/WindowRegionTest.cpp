// A control whose record names a mask gets the mask's shape as its window region: the
// region is on the window, drawing and hit testing keep to it, it follows the size, and
// it goes again when the skin does.
#include "ControlsTestSupport.h"
#include "skin/controls/TbsSkinPanel.h"
#include "wm/Windows.h"

using namespace ctltest;

TEST_F(ControlsTest, MaskRegionLandsOnTheControlsWindowAndFollowsItsSize) {
    LoadSkin();
    // The stored "panel" record has no mask; give it the controls picture as one. Its
    // fitted shape is the client rectangle plus the black pixels of the tiled borders.
    int index = skinData.FindControlRecord("panel");
    ASSERT_GE(index, 0);
    auto* record = skinData.ControlRecords()[static_cast<size_t>(index)].get();
    record->maskpictureindex = record->pictureindex;
    const gfx::Bitmap* mask = skinData.ActivePicture(record->maskpictureindex);
    ASSERT_NE(mask, nullptr);
    bool cornerInside = mask->Pixel(0, 0) == 0;

    TForm* form = MakeForm({0, 0, 300, 200}, clFuchsia);
    auto* panel = Place<skin::TbsSkinPanel>(form, {20, 20, 120, 80}, true);
    form->Show();
    h.ProcessPending();
    ASSERT_NE(panel->SkinMask(), nullptr);

    std::optional<gfx::Region> region = wm::GetWindowRgn(panel->Handle());
    ASSERT_TRUE(region.has_value());
    EXPECT_TRUE(region->Contains(2, 2));      // the client rectangle (2, 2, 98, 58)
    EXPECT_TRUE(region->Contains(97, 57));
    EXPECT_EQ(region->Contains(0, 0), cornerInside);
    EXPECT_TRUE(TRect(0, 0, 100, 60).Contains(region->Bounds().Left, region->Bounds().Top));
    EXPECT_LE(region->Bounds().Right, 100);
    EXPECT_LE(region->Bounds().Bottom, 60);

    // Outside the region the form shows through; inside, the panel's picture.
    gfx::Bitmap img = Image(form);
    EXPECT_EQ(img.Pixel(20, 20) == clFuchsia, !cornerInside);
    EXPECT_NE(img.Pixel(70, 50), clFuchsia);

    // A wider control gets a wider shape.
    panel->SetBounds(20, 20, 200, 60);
    region = wm::GetWindowRgn(panel->Handle());
    ASSERT_TRUE(region.has_value());
    EXPECT_TRUE(region->Contains(197, 57));

    // Without the record the window is rectangular again and painted to its corners.
    panel->PrepareSkinChange();
    panel->SetSkinDataName("nichts");
    panel->ApplySkinChange();
    EXPECT_FALSE(wm::GetWindowRgn(panel->Handle()).has_value());
    EXPECT_NE(Image(form).Pixel(20, 20), clFuchsia);
}
