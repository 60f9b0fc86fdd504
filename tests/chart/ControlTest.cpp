// The chart as a control on the headless display: painting through the framework,
// hover hints in a real hint window, focus outlines on the screen only, clicks.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "chart/control/TSCPieControl.h"
#include "vcl/TApplication.h"
#include "vcl/TForm.h"
#include "vcl/TScreen.h"
#include "wm/headless/HeadlessSession.h"

using namespace chart;

namespace {

class ChartControlTest : public ::testing::Test {
protected:
    wm::headless::HeadlessSession h{800, 600};
    std::unique_ptr<vcl::TApplication> app = std::make_unique<vcl::TApplication>();

    // A 200 x 200 2D pie of 25 % (blue, 12 to 3 o'clock) and 75 % (red) on a borderless
    // form whose client area starts at `formAt` on the screen.
    TSCPieControl* MakeChart(TPoint formAt = {100, 100}) {
        vcl::TForm* form = app->CreateForm<vcl::TForm>();
        form->SetBorderStyle(vcl::bsNone);
        form->SetBoundsRect(TRect::FromSize(formAt.X, formAt.Y, std::min(400, 800 - formAt.X), std::min(300, 600 - formAt.Y)));
        auto* control = new TSCPieControl(form);
        control->SetParent(form);
        control->SetBounds(0, 0, 200, 200);
        TSCPie& pie = control->Chart();
        pie.SetBorderWidth(0);
        pie.SetChart3D(false);
        pie.SetExploded(false);
        pie.SetAntiAlias(aaNone);
        pie.Legend().SetVisible(false);
        pie.SetNSeries(2);
        pie.SetValue(1, 1, 25);
        pie.SetValue(2, 1, 75);
        pie.SetNumberSeparators({".", ""});
        control->SetShowHint(true);
        form->Show();
        h.ProcessPending();
        origin = formAt;
        return control;
    }

    // Moves twice: the first move after a change only re-arms the hover.
    void Hover(int x, int y) {
        h.MoveTo(origin.X + x - 1, origin.Y + y - 1);
        h.MoveTo(origin.X + x, origin.Y + y);
    }

    TPoint origin;
};

// Dark (text) pixels in a screen rectangle.
int DarkPixels(const gfx::Bitmap& screen, const TRect& r) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) n += base::GetRValue(screen.Pixel(x, y)) < 96;
    return n;
}

}  // namespace

TEST_F(ChartControlTest, PaintsThroughTheFramework) {
    MakeChart();
    EXPECT_EQ(h.ScreenPixel(100 + 150, 100 + 50), clBlue);  // slice 1, 12 to 3 o'clock
    EXPECT_EQ(h.ScreenPixel(100 + 50, 100 + 150), clRed);
}

TEST_F(ChartControlTest, HoverShowsTheHintBelowThePointerAndAClickIsReported) {
    TSCPieControl* control = MakeChart();
    int clicks = 0, clicked = 0;
    control->Chart().OnClickOnChart = [&](TSCMain&, TShiftState, int s, int, int) {
        ++clicks;
        clicked = s;
    };
    h.MoveTo(100 + 40, 100 + 150);  // skipped: the first move after the changes
    EXPECT_EQ(control->Chart().HintWindow(), nullptr);
    h.MoveTo(100 + 41, 100 + 151);
    ASSERT_NE(control->Chart().HintWindow(), nullptr);
    EXPECT_EQ(control->Chart().HintWindow()->BoundsRect().TopLeft(), (TPoint{100 + 41, 100 + 151 + 18}));
    // The hint window's tooltip colour 18 pixels below the pointer.
    EXPECT_EQ(h.ScreenPixel(100 + 41 + 4, 100 + 151 + 18 + 3), base::ColorToRGB(clInfoBk));
    h.Click(100 + 42, 100 + 152);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(clicked, 2);
    EXPECT_EQ(control->Chart().HintWindow(), nullptr);  // the press closed it
}

TEST_F(ChartControlTest, NameAndShareHintShowsOnTwoLines) {
    TSCPieControl* control = MakeChart();
    TSCPie& pie = control->Chart();
    pie.SetValue(1, 1, 37.5f);
    pie.SetValue(2, 1, 62.5f);
    pie.SetSeriesName(1, "name");
    pie.SetHintOptions({hoSeries, hoPercent, hoFocus});
    h.ProcessPending();
    std::string text;
    pie.OnGetHint = [&](TSCMain&, int, int, int, std::string& t) { text = t; };
    Hover(160, 60);
    EXPECT_EQ(text, "name<br>37.5%");
    ASSERT_NE(pie.HintWindow(), nullptr);
    const TRect w = pie.HintWindow()->BoundsRect();
    const gfx::Bitmap screen = h.Screen();
    // Inside the frame: text in the upper half and in the lower half, one line each.
    const int mid = w.Top + w.Height() / 2;
    EXPECT_GT(DarkPixels(screen, {w.Left + 2, w.Top + 2, w.Right - 2, mid}), 5);
    EXPECT_GT(DarkPixels(screen, {w.Left + 2, mid, w.Right - 2, w.Bottom - 2}), 5);
    // Two lines of the hint font: 2 x 13 pixels, + 2 measured, + 4 on activation.
    const int line = gfx::Font(vcl::Screen->HintFont()->Attributes()).Height();
    EXPECT_EQ(w.Height(), 2 * line + 6);
}

TEST_F(ChartControlTest, HintNearTheDesktopCornerStaysInside) {
    TSCPieControl* control = MakeChart({600, 400});
    Hover(150, 170);  // slice 2's lower right, 30 pixels above the screen's bottom
    ASSERT_NE(control->Chart().HintWindow(), nullptr);
    const TRect w = control->Chart().HintWindow()->BoundsRect();
    EXPECT_LE(w.Right, 800);
    EXPECT_LE(w.Bottom, 600);
    EXPECT_LT(w.Top, 570 + 18);  // moved up
    EXPECT_EQ(h.ScreenPixel(w.Left + 4, w.Top + 3), base::ColorToRGB(clInfoBk));
}

TEST_F(ChartControlTest, FocusOutlineIsDrawnOnTheScreenOnlyAndRemovedOnLeaving) {
    TSCPieControl* control = MakeChart();
    const TColor outline = base::ColorToRGB(clWindowText);
    ASSERT_EQ(h.ScreenPixel(100 + 0, 100 + 100), outline);  // slice 2's rim at 9 o'clock
    Hover(50, 150);
    ASSERT_EQ(control->Chart().CurrentHit().Series, 2);
    // The not-xor outline inverts the rim on screen; the chart's picture keeps it.
    EXPECT_NE(h.ScreenPixel(100 + 0, 100 + 100), outline);
    EXPECT_EQ(control->Chart().ChartBitmap().Pixel(0, 100), outline);
    EXPECT_EQ(h.ScreenPixel(100 + 50, 100 + 150), clRed);  // the inside is left as it was

    h.MoveTo(100 + 300, 100 + 100);  // off the chart, still on the form
    EXPECT_EQ(h.ScreenPixel(100 + 0, 100 + 100), outline);
    EXPECT_EQ(control->Chart().HintWindow(), nullptr);
    EXPECT_EQ(control->Chart().CurrentHit().Series, 0);
}

TEST_F(ChartControlTest, FirstMoveAfterAChangeIsIgnored) {
    TSCPieControl* control = MakeChart();
    Hover(50, 150);
    ASSERT_NE(control->Chart().HintWindow(), nullptr);
    control->Chart().SetBackColor(clWhite);  // closes the hint and re-arms the skip
    h.ProcessPending();
    EXPECT_EQ(control->Chart().HintWindow(), nullptr);
    EXPECT_TRUE(control->Chart().SkipNextMove());
    h.MoveTo(100 + 51, 100 + 151);
    EXPECT_EQ(control->Chart().HintWindow(), nullptr);
    EXPECT_FALSE(control->Chart().SkipNextMove());
    h.MoveTo(100 + 52, 100 + 152);
    EXPECT_NE(control->Chart().HintWindow(), nullptr);
}

TEST_F(ChartControlTest, PressOnOneSliceAndReleaseOnAnotherFiresNothing) {
    TSCPieControl* control = MakeChart();
    int clicks = 0;
    control->Chart().OnClickOnChart = [&](TSCMain&, TShiftState, int, int, int) { ++clicks; };
    Hover(150, 50);
    h.Press();
    h.MoveTo(100 + 50, 100 + 150);
    h.Release();
    EXPECT_EQ(clicks, 0);
    h.Click(100 + 60, 100 + 160);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ChartControlTest, WithoutShowHintClicksStillWork) {
    TSCPieControl* control = MakeChart();
    control->SetShowHint(false);
    EXPECT_FALSE(control->Chart().ShowHint());
    int series = 0;
    control->Chart().OnClickOnChart = [&](TSCMain&, TShiftState, int s, int, int) { series = s; };
    Hover(150, 50);
    EXPECT_EQ(control->Chart().HintWindow(), nullptr);
    EXPECT_EQ(h.ScreenPixel(100 + 0, 100 + 100), base::ColorToRGB(clWindowText));  // no outline
    h.Click(100 + 150, 100 + 50);
    EXPECT_EQ(series, 1);
}

TEST_F(ChartControlTest, ControlFontIsTheChartFont) {
    TSCPieControl* control = MakeChart();
    control->Font()->SetName("Arial");
    control->Font()->SetHeight(-11);
    EXPECT_EQ(control->Chart().Font().name, "Arial");
    EXPECT_EQ(control->Chart().Font().height, -11);
    EXPECT_FALSE(control->ParentFont());
    EXPECT_EQ(control->Chart().RedrawLevel(), 3);  // a font change relays out
}

TEST_F(ChartControlTest, RepaintKeepsTheFocusOutlineInStepWithTheHover) {
    TSCPieControl* control = MakeChart();
    const TColor outline = base::ColorToRGB(clWindowText);
    Hover(50, 150);
    ASSERT_NE(h.ScreenPixel(100 + 0, 100 + 100), outline);
    // A paint that changes nothing (the window uncovered) copies the picture again...
    control->Invalidate();
    h.ProcessPending();
    EXPECT_NE(h.ScreenPixel(100 + 0, 100 + 100), outline);  // ...and the outline stays
    // Moving to the other slice removes the old outline instead of drawing it anew.
    h.MoveTo(100 + 150, 100 + 50);
    EXPECT_EQ(control->Chart().CurrentHit().Series, 1);
    EXPECT_EQ(h.ScreenPixel(100 + 0, 100 + 100), outline);
}

TEST_F(ChartControlTest, AlignedControlGivesTheChartItsSize) {
    TSCPieControl* control = MakeChart();
    control->SetAlign(vcl::alClient);
    h.ProcessPending();
    EXPECT_EQ(control->Chart().Width(), control->ClientWidth());
    EXPECT_EQ(control->Chart().Height(), control->ClientHeight());
    EXPECT_EQ(control->Chart().ChartBitmap().Width(), 400);  // repainted at the new size
    EXPECT_EQ(control->Chart().PieRect().Width(), 300);
}

TEST_F(ChartControlTest, ClicksNeedNoHoverBeforeThem) {
    TSCPieControl* control = MakeChart();
    int clicks = 0, clicked = 0;
    control->Chart().OnClickOnChart = [&](TSCMain&, TShiftState, int s, int, int) {
        ++clicks;
        clicked = s;
    };
    // One move straight into the click: after the changes that move is not hovered.
    h.Click(100 + 150, 100 + 50);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(clicked, 1);
    // Pressed on slice 2, released on slice 1: nothing; then pressed and released again
    // where the pointer stands, with no move in between: slice 1.
    Hover(50, 150);
    h.Press();
    h.MoveTo(100 + 150, 100 + 50);
    h.Release();
    EXPECT_EQ(clicks, 1);
    h.Press();
    h.Release();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(clicked, 1);
}
