// Captions across the controls: the accelerator's letter underlined in both looks, and a
// button showing an image list's picture when it has no glyph of its own.
#include <set>

#include "ControlsTestSupport.h"
#include "skin/controls/TbsSkinButton.h"
#include "skin/controls/TbsSkinCheckRadioBox.h"
#include "skin/controls/TbsSkinGroupBox.h"
#include "vcl/TImageList.h"

using namespace ctltest;

namespace {
struct CaptionMarksTest : ControlsTest {
    // The rows of the form's picture in which two captions of a control differ.
    template <typename T>
    std::set<int> RowsThatDiffer(bool skinned, const TRect& bounds, const std::string& a, const std::string& b,
                                 int* differingWidth) {
        TForm* form = MakeForm({0, 0, 300, 100}, Rgb(clBtnFace));
        auto* c = Place<T>(form, bounds, skinned);
        c->SetUseSkinFont(false);
        form->Show();
        c->SetCaption(a);
        gfx::Bitmap first = Image(form);
        c->SetCaption(b);
        gfx::Bitmap second = Image(form);
        std::set<int> rows;
        int left = 1 << 20, right = -1;
        for (int y = 0; y < first.Height(); ++y)
            for (int x = 0; x < first.Width(); ++x)
                if (first.Pixel(x, y) != second.Pixel(x, y)) {
                    rows.insert(y);
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        *differingWidth = right - left + 1;
        vcl::TObject::Free(form);
        return rows;
    }
    template <typename T>
    void ExpectUnderlinedFirstLetter(bool skinned, const TRect& bounds) {
        int width = 0;
        std::set<int> rows = RowsThatDiffer<T>(skinned, bounds, "Beenden", "&Beenden", &width);
        // Only the underline differs: one row, about as wide as the "B", below its top.
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_GT(width, 4);
        EXPECT_LT(width, 14);
        EXPECT_GT(*rows.begin(), bounds.Top + 8);
        EXPECT_LT(*rows.begin(), bounds.Bottom);
    }
};
}  // namespace

TEST_F(CaptionMarksTest, AcceleratorLetterIsUnderlinedInButtonsBoxesAndPanels) {
    for (bool skinned : {false, true}) {
        SCOPED_TRACE(skinned ? "skinned" : "plain");
        if (skinned) LoadSkin();
        {
            SCOPED_TRACE("button");
            ExpectUnderlinedFirstLetter<skin::TbsSkinButton>(skinned, {10, 10, 130, 35});
        }
        {
            SCOPED_TRACE("check box");
            ExpectUnderlinedFirstLetter<skin::TbsSkinCheckRadioBox>(skinned, {10, 10, 160, 35});
        }
        {
            SCOPED_TRACE("group box");
            ExpectUnderlinedFirstLetter<skin::TbsSkinGroupBox>(skinned, {10, 10, 200, 90});
        }
    }
    // "&&" is a plain ampersand and underlines nothing: "&&Beenden" and "&&&Beenden" show
    // the same text and differ only by the underline of the second.
    int width = 0;
    EXPECT_EQ((RowsThatDiffer<skin::TbsSkinButton>(false, {10, 10, 130, 35}, "&&Beenden", "&&&Beenden", &width)
                   .size()),
              1u);
}

TEST_F(ControlsTest, ButtonWithoutGlyphShowsTheImageListPicture) {
    TForm* form = MakeForm({0, 0, 300, 100}, Rgb(clBtnFace));
    auto* button = Place<skin::TbsSkinButton>(form, {10, 10, 130, 35}, false);
    auto* images = new vcl::TImageList(form);
    images->SetWidth(12);
    images->SetHeight(12);
    vcl::TBitmap picture(12, 12);
    picture.Pixels().Fill(clRed);
    picture.Pixels().SetPixel(0, 0, clLime);  // masked out
    images->AddMasked(&picture, clLime);
    button->SetImages(images);
    button->SetImageIndex(0);
    form->Show();
    // Without a caption the picture is centred: cell x = 60 - (12 + 1) / 2 = 54.
    gfx::Bitmap img = Image(form);
    TColor face = img.Pixel(10 + 3, 10 + 3);
    int x = 10 + 60 - 6, y = 10 + 12 - 6;
    EXPECT_EQ(img.Pixel(x + 5, y + 5), clRed);
    EXPECT_EQ(img.Pixel(x, y), face);  // the masked pixel shows the face

    // A glyph of its own wins over the image list.
    gfx::Bitmap glyph(10, 10);
    glyph.Fill(clBlue);
    glyph.SetPixel(0, 9, clFuchsia);  // its transparent colour
    button->SetNumGlyphs(1);
    button->SetGlyph(glyph);
    EXPECT_EQ(Image(form).Pixel(10 + 60, 10 + 12), clBlue);
    // An image index outside the list shows nothing.
    button->SetGlyph(gfx::Bitmap());
    button->SetImageIndex(3);
    EXPECT_FALSE(HasInk(Image(form), {x + 2, y + 2, x + 10, y + 10}, face));
}
