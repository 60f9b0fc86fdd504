// What labels, status bars and pictures draw, read back as pixels.
#include "VclTestSupport.h"
#include "vcl/TImage.h"
#include "vcl/TLabel.h"
#include "vcl/TStatusBar.h"

using namespace vcltest;

namespace {

// Whether any pixel of r (clipped to the bitmap) differs from `background`.
bool HasInk(const gfx::Bitmap& b, const TRect& r, TColor background) {
    TRect c = r.Intersect(b.Bounds());
    for (int y = c.Top; y < c.Bottom; ++y)
        for (int x = c.Left; x < c.Right; ++x)
            if (b.Pixel(x, y) != background) return true;
    return false;
}

}  // namespace

TEST_F(VclTest, LabelTextInkStaysInsideTheLabel) {
    TForm* form = MakeForm({0, 0, 200, 100});
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetBounds(20, 30, 10, 10);
    label->Font()->SetName("Arial");
    label->Font()->SetColor(clBlack);
    label->SetCaption("Belegt:");  // AutoSize: as wide and high as the text
    EXPECT_GT(label->Width(), 20);
    form->Show();
    gfx::Bitmap img = Image(form);
    TRect bounds = label->BoundsRect();
    EXPECT_TRUE(HasInk(img, bounds, clWhite));
    // Nothing around it: one pixel outside on every side stays white.
    EXPECT_FALSE(HasInk(img, {0, 0, 200, bounds.Top}, clWhite));
    EXPECT_FALSE(HasInk(img, {0, bounds.Bottom, 200, 100}, clWhite));
    EXPECT_FALSE(HasInk(img, {0, 0, bounds.Left, 100}, clWhite));
    EXPECT_FALSE(HasInk(img, {bounds.Right, 0, 200, 100}, clWhite));
}

TEST_F(VclTest, OpaqueLabelFillsItsBoundsAndTransparentOneOnlyDrawsText) {
    TForm* form = MakeForm({0, 0, 200, 100});
    auto* opaque = new TLabel(form);
    opaque->SetParent(form);
    opaque->SetAutoSize(false);
    opaque->SetBounds(10, 10, 60, 20);
    opaque->SetColor(clYellow);
    opaque->SetCaption("x");
    opaque->SetAlignment(taRightJustify);
    auto* clear = new TLabel(form);
    clear->SetParent(form);
    clear->SetAutoSize(false);
    clear->SetBounds(10, 50, 60, 20);
    clear->SetColor(clYellow);
    clear->SetTransparent(true);
    clear->SetCaption("x");
    form->Show();
    gfx::Bitmap img = Image(form);
    EXPECT_EQ(img.Pixel(10, 10), clYellow);   // first pixel inside
    EXPECT_EQ(img.Pixel(69, 29), clYellow);   // last pixel inside (right/bottom exclusive)
    EXPECT_EQ(img.Pixel(70, 29), clWhite);
    EXPECT_EQ(img.Pixel(10, 30), clWhite);
    EXPECT_FALSE(HasInk(img, {10, 10, 40, 30}, clYellow));  // right-aligned: the left part is empty
    EXPECT_TRUE(HasInk(img, {40, 10, 70, 30}, clYellow));
    EXPECT_EQ(img.Pixel(69, 69), clWhite);    // transparent: the form shows through
    EXPECT_TRUE(HasInk(img, {10, 50, 70, 70}, clWhite));
}

TEST_F(VclTest, StatusBarPanelFramesSitWhereTheirWidthsSay) {
    TForm* form = MakeForm({0, 0, 400, 100});
    auto* bar = new TStatusBar(form);
    bar->SetParent(form);
    bar->SetSizeGrip(false);
    bar->AddPanel()->SetWidth(177);
    bar->AddPanel()->SetWidth(50);  // the last one reaches the right end anyway
    EXPECT_EQ(bar->BoundsRect(), TRect(0, 81, 400, 100));
    EXPECT_EQ(bar->PanelRect(0), TRect(0, 2, 175, 19));
    EXPECT_EQ(bar->PanelRect(1), TRect(177, 2, 400, 19));
    form->Show();
    gfx::Bitmap img = Image(form);
    int y = 81 + 10;
    TColor face = Rgb(clBtnFace), shadow = Rgb(clBtnShadow), light = Rgb(clBtnHighlight);
    EXPECT_EQ(img.Pixel(0, y), shadow);    // panel 0: left edge sunken
    EXPECT_EQ(img.Pixel(174, y), light);   // its right edge
    EXPECT_EQ(img.Pixel(175, y), face);    // the gap between the panels
    EXPECT_EQ(img.Pixel(176, y), face);
    EXPECT_EQ(img.Pixel(177, y), shadow);  // panel 1 starts at 177
    EXPECT_EQ(img.Pixel(399, y), light);   // and ends at the right end of the bar
    EXPECT_EQ(img.Pixel(100, 81), face);   // the margin above the frames
    EXPECT_EQ(img.Pixel(100, 83), shadow); // the frames' top edge

    // Text goes inside its panel; SimplePanel shows one frame across the bar.
    bar->Panels(1)->SetText("Bereit");
    img = Image(form);
    EXPECT_TRUE(HasInk(img, {179, 84, 260, 98}, face));
    bar->SetSimplePanel(true);
    bar->SetSimpleText("Einfach");
    img = Image(form);
    EXPECT_EQ(img.Pixel(174, y), face);    // no divider any more
    EXPECT_EQ(img.Pixel(399, y), light);
}

TEST_F(VclTest, ImageDrawsItsPictureStretchedOrCentred) {
    TForm* form = MakeForm({0, 0, 200, 100});
    auto* image = new TImage(form);
    image->SetParent(form);
    image->SetBounds(10, 10, 40, 20);
    image->Picture()->SetSize(4, 2);
    image->Picture()->Canvas()->Brush()->SetColor(clRed);
    image->Picture()->Canvas()->FillRect({0, 0, 4, 2});
    image->SetStretch(true);
    form->Show();
    gfx::Bitmap img = Image(form);
    EXPECT_EQ(img.Pixel(10, 10), clRed);
    EXPECT_EQ(img.Pixel(49, 29), clRed);
    EXPECT_EQ(img.Pixel(50, 29), clWhite);
    image->SetStretch(false);
    image->SetCenter(true);
    img = Image(form);
    EXPECT_EQ(img.Pixel(10, 10), clWhite);
    EXPECT_EQ(img.Pixel(28, 19), clRed);  // (40 - 4) / 2 = 18 from the left, 9 from the top
    EXPECT_EQ(img.Pixel(31, 20), clRed);
    EXPECT_EQ(img.Pixel(32, 20), clWhite);
}

TEST_F(VclTest, PaintToDrawsAControlWithItsChildrenIntoACanvas) {
    TForm* form = MakeForm({0, 0, 200, 100});
    auto* panel = new TProbe(form, form);
    panel->SetBounds(10, 10, 100, 50);
    panel->SetColor(clYellow);
    auto* label = new TLabel(form);
    label->SetParent(panel);
    label->SetAutoSize(false);
    label->SetBounds(5, 5, 20, 10);
    label->SetColor(clBlue);
    // No window is needed for it.
    TBitmap target(120, 70);
    form->PaintTo(target.Canvas(), 0, 0);
    EXPECT_FALSE(panel->HandleAllocated());
    const gfx::Bitmap& px = target.Pixels();
    EXPECT_EQ(px.Pixel(0, 0), clWhite);     // the form
    EXPECT_EQ(px.Pixel(10, 10), clYellow);  // the panel
    EXPECT_EQ(px.Pixel(15, 15), clBlue);    // the label inside it, at panel + (5, 5)
    EXPECT_EQ(px.Pixel(34, 24), clBlue);
    EXPECT_EQ(px.Pixel(35, 24), clYellow);
    EXPECT_EQ(px.Pixel(110, 10), clWhite);
}

TEST_F(VclTest, LabelUnderlinesItsAcceleratorCharacter) {
    TForm* form = MakeForm({0, 0, 200, 100});
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetBounds(10, 10, 0, 0);
    label->Font()->SetColor(clRed);
    label->SetCaption("Ab&c");
    form->Show();
    gfx::Bitmap img = Image(form);
    gfx::Font font = label->Font()->Resolved();
    int underlineY = 10 + font.Ascent() + 1;
    int cLeft = 10 + font.TextWidth("Ab");
    int cRight = cLeft + font.TextWidth("c");
    EXPECT_EQ(label->DisplayText(), "Abc");
    EXPECT_EQ(img.Pixel(cLeft, underlineY), clRed);        // under the c
    EXPECT_EQ(img.Pixel(cRight - 1, underlineY), clRed);
    EXPECT_NE(img.Pixel(cLeft - 2, underlineY), clRed);    // not under the b
}

namespace {

// Paints nothing itself: the off-screen buffer starts in its colour.
class TBuffered : public TCustomControl {
public:
    explicit TBuffered(TWinControl* parent) : TCustomControl(parent) {
        SetParent(parent);
        SetDoubleBuffered(true);
    }
    int paints = 0;

protected:
    void Paint() override { ++paints; }
};

}  // namespace

TEST_F(VclTest, CustomControlsPaintThroughOneBufferAndMayDrawOutsidePaint) {
    TForm* form = MakeForm({0, 0, 200, 100});
    auto* c = new TBuffered(form);
    c->SetBounds(10, 10, 50, 30);
    c->SetColor(clLime);
    form->Show();
    gfx::Bitmap img = Image(form);
    EXPECT_EQ(img.Pixel(10, 10), clLime);
    EXPECT_EQ(img.Pixel(59, 39), clLime);
    EXPECT_EQ(c->Perform(wm::WM_ERASEBKGND), 1);  // erasing is left to the buffer
    int paints = c->paints;

    // Drawing outside the paint cycle (a hover outline) shows without a repaint.
    c->OnMouseMove = [c](TObject*, TShiftState, int, int) {
        c->Canvas()->Brush()->SetColor(clNavy);
        c->Canvas()->FillRect({0, 0, 5, 5});
    };
    h.MoveTo(40, 30);
    img = h.WindowImage(form->Handle());
    EXPECT_EQ(img.Pixel(12, 12), clNavy);
    EXPECT_EQ(img.Pixel(15, 15), clLime);
    EXPECT_EQ(c->paints, paints);
}

TEST_F(VclTest, AShrinkingOrHiddenLabelLeavesNoOldTextBehind) {
    TForm* form = MakeForm({0, 0, 300, 100});
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetBounds(10, 10, 0, 0);
    label->SetCaption("38146 MB");
    form->Show();
    int wide = label->Width();
    ASSERT_TRUE(HasInk(Image(form), label->BoundsRect(), clWhite));
    label->SetCaption("0 MB");
    ASSERT_LT(label->Width(), wide);
    gfx::Bitmap img = Image(form);
    EXPECT_FALSE(HasInk(img, {label->BoundsRect().Right, 0, 300, 100}, clWhite));
    label->Hide();
    img = Image(form);
    EXPECT_FALSE(HasInk(img, {0, 0, 300, 100}, clWhite));
}
