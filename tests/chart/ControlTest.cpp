// The chart as a control on the headless display: painting through the framework,
// hover hints in a real hint window, clicks.
#include <gtest/gtest.h>

#include <memory>

#include "chart/control/TSCPieControl.h"
#include "vcl/TApplication.h"
#include "vcl/TForm.h"
#include "wm/headless/HeadlessSession.h"

using namespace chart;

namespace {

class ChartControlTest : public ::testing::Test {
protected:
    wm::headless::HeadlessSession h{800, 600};
    std::unique_ptr<vcl::TApplication> app = std::make_unique<vcl::TApplication>();

    TSCPieControl* MakeChart() {
        vcl::TForm* form = app->CreateForm<vcl::TForm>();
        form->SetBorderStyle(vcl::bsNone);
        form->SetBoundsRect({100, 100, 500, 400});
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
        pie.SetShowHint(true);
        form->Show();
        h.ProcessPending();
        return control;
    }
};

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
    h.MoveTo(100 + 41, 100 + 151);
    ASSERT_NE(control->Chart().HintWindow(), nullptr);
    // The hint window's tooltip colour 18 pixels below the pointer.
    EXPECT_EQ(h.ScreenPixel(100 + 41 + 4, 100 + 151 + 18 + 3), base::ColorToRGB(clInfoBk));
    h.Click(100 + 42, 100 + 152);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(clicked, 2);
    EXPECT_EQ(control->Chart().HintWindow(), nullptr);  // the press closed it
}
