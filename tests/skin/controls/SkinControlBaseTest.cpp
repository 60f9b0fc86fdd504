// The control base: record lookup, frame modes, fitting, rectangle mapping, skin changes
// and the shared caption placement.
#include "ControlsTestSupport.h"
#include "skin/controls/GlyphAndText.h"
#include "skin/controls/TbsSkinButton.h"
#include "skin/controls/TbsSkinPanel.h"

using namespace ctltest;
using skin::TbsSkinButton;
using skin::TbsSkinPanel;

TEST_F(ControlsTest, ButtonRecordKeepsItsHeightAndFollowsTheWidth) {
    LoadSkin();
    TForm* form = MakeForm();
    auto* b = Place<TbsSkinButton>(form, {10, 10, 110, 50}, true);
    b->SetCanFocused(false);  // a focused button shows its active face
    EXPECT_EQ(b->FrameMode(), skin::fmHorizontal);
    EXPECT_EQ(b->Width(), 100);
    EXPECT_EQ(b->Height(), 25);  // the record's skinrect is 25 high; 40 was asked
    // The client rectangle stretches with the width: 4,4,24,21 of a 28-wide face.
    EXPECT_EQ(b->ResizedClientRect(), TRect(4, 4, 96, 21));
    form->Show();
    gfx::Bitmap img = Image(form);
    const gfx::Bitmap* pic = b->SkinPicture();
    ASSERT_NE(pic, nullptr);
    // Left edge column and right edge column come from the picture's fixed parts.
    EXPECT_EQ(img.Pixel(10, 20), pic->Pixel(0, 10));
    EXPECT_EQ(img.Pixel(109, 20), pic->Pixel(27, 10));
    EXPECT_EQ(img.Pixel(50, 35), clWhite);  // below the 25 rows the form shows
}

TEST_F(ControlsTest, FrameModesFollowTheRecordsPoints) {
    LoadSkin();
    TForm* form = MakeForm();
    auto* p = Place<TbsSkinPanel>(form, {0, 0, 100, 50}, true);
    EXPECT_EQ(p->FrameMode(), skin::fmCorners);
    p->SetSkinDataName("groupbox");
    p->ApplySkinChange();
    EXPECT_EQ(p->FrameMode(), skin::fmCorners);
    auto* b = Place<TbsSkinButton>(form, {0, 60, 75, 85}, true);
    b->SetSkinDataName("resizebutton");
    b->ApplySkinChange();
    EXPECT_EQ(b->FrameMode(), skin::fmCorners);
    b->SetHeight(40);
    EXPECT_EQ(b->Height(), 40);  // corners: any size
    b->SetSkinDataName("vscrollbar");
    b->ApplySkinChange();
    EXPECT_EQ(b->FrameMode(), skin::fmVertical);
    EXPECT_EQ(b->Width(), 16);  // a vertical skin fixes the width
}

TEST_F(ControlsTest, UnknownRecordDrawsWithoutSkinAtTheDefaultSize) {
    LoadSkin();
    TForm* form = MakeForm();
    auto* b = Place<TbsSkinButton>(form, {10, 10, 110, 50}, true);
    b->SetCanFocused(false);
    b->SetSkinDataName("nosuchrecord");
    b->SetDefaultWidth(60);
    b->SetDefaultHeight(30);
    b->ApplySkinChange();
    EXPECT_EQ(b->RecordIndex(), -1);
    EXPECT_EQ(b->Width(), 60);
    EXPECT_EQ(b->Height(), 30);
    form->Show();
    gfx::Bitmap img = Image(form);
    EXPECT_EQ(img.Pixel(10, 10), Rgb(clBtnShadow));  // the plain frame
    EXPECT_EQ(img.Pixel(12, 12), Rgb(clBtnFace));
}

TEST_F(ControlsTest, MapSkinRectMovesCornerPartsAndStretchesSpans) {
    LoadSkin();
    TForm* form = MakeForm();
    // groupbox: skinrect 59 x 52, corners 8,20 / 50,21 / 5,45 / 52,46.
    auto* g = Place<TbsSkinPanel>(form, {0, 0, 249, 100}, true);
    g->SetSkinDataName("groupbox");
    g->ApplySkinChange();
    int dw = 249 - 59, dh = 100 - 52;
    EXPECT_EQ(g->MapSkinRect({3, 2, 56, 18}), TRect(3, 2, 56 + dw, 18));  // TL to TR: wider
    EXPECT_EQ(g->MapSkinRect({1, 1, 4, 4}), TRect(1, 1, 4, 4));           // inside TL
    EXPECT_EQ(g->MapSkinRect({51, 1, 55, 5}), TRect(51 + dw, 1, 55 + dw, 5));  // inside TR
    EXPECT_EQ(g->MapSkinRect({53, 47, 57, 50}), TRect(53 + dw, 47 + dh, 57 + dw, 50 + dh));
    EXPECT_EQ(g->MapSkinRect({1, 1, 57, 50}), TRect(1, 1, 57 + dw, 50 + dh));  // TL to BR
    // Ending exactly on TL's right and bottom edges is not inside TL (those edges are
    // excluded); no spanning rule holds either, so it stays.
    EXPECT_EQ(g->MapSkinRect({2, 2, 8, 20}), TRect(2, 2, 8, 20));
    // From TL down into BL: taller.
    EXPECT_EQ(g->MapSkinRect({1, 1, 4, 50}), TRect(1, 1, 4, 50 + dh));
}

TEST_F(ControlsTest, SkinChangePaintsWithoutSkinInBetweenAndRefitsAfter) {
    LoadSkin();
    TForm* form = MakeForm();
    auto* b = Place<TbsSkinButton>(form, {10, 10, 110, 50}, true);
    b->SetCanFocused(false);
    form->Show();
    EXPECT_EQ(b->Height(), 25);
    b->PrepareSkinChange();
    EXPECT_EQ(b->RecordIndex(), -1);
    skinData.ClearSkin();  // the description is being reloaded
    b->Invalidate();
    gfx::Bitmap img = Image(form);
    EXPECT_EQ(img.Pixel(10, 10), Rgb(clBtnShadow));
    LoadSkin();
    b->SetHeight(40);
    b->ApplySkinChange();
    EXPECT_NE(b->RecordIndex(), -1);
    EXPECT_EQ(b->Height(), 25);
}

TEST(GlyphAndTextTest, PlacementCentresOrKeepsTheMargin) {
    using skin::PlaceGlyphAndText;
    TRect r{0, 0, 100, 20};  // cx 50, cy 10
    // Centred: m = (16 + 40 + 2) / 2 = 29.
    auto p = PlaceGlyphAndText(r, -1, skin::blGlyphLeft, 2, 16, 16, 40, 14, false);
    EXPECT_EQ(p.glyph, TPoint(21, 2));
    EXPECT_EQ(p.text, TPoint(39, 3));
    p = PlaceGlyphAndText(r, -1, skin::blGlyphRight, 2, 16, 16, 40, 14, false);
    EXPECT_EQ(p.text.X, 21);
    EXPECT_EQ(p.glyph.X, 63);
    // Margin 4 from the left, pressed moves by one.
    p = PlaceGlyphAndText(r, 4, skin::blGlyphLeft, 2, 16, 16, 40, 14, true);
    EXPECT_EQ(p.glyph, TPoint(5, 3));
    EXPECT_EQ(p.text, TPoint(5 + 16 + 2, 4));
    // Glyph on top, centred vertically together: v = (14 + 16 + 2) / 2 = 16.
    p = PlaceGlyphAndText({0, 0, 100, 60}, -1, skin::blGlyphTop, 2, 16, 16, 40, 14, false);
    EXPECT_EQ(p.glyph, TPoint(42, 14));
    EXPECT_EQ(p.text, TPoint(30, 32));
}
