// The chart's popup menu opened by a right click and used with the mouse, on the headless
// display, opened by the main window's skinned frame.
//
// With VELMORA_SCREENSHOT_DIR set, the open menu is saved there as app-main-popup.png.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "MainFormTestFixture.h"
#include "gfx/PngCodec.h"
#include "skin/menus/SkinMenuHost.h"
#include "skin/menus/TbsSkinMenu.h"
#include "skin/menus/TbsSkinPopupWindow.h"

using namespace app;

namespace {

class MainFormPopupMenuTest : public apptest::MainFormFixture {
protected:
    void SetUp() override {
        MainFormFixture::SetUp();
        h.Display().SetWorkArea({0, 0, 1280, 1024});
        form->Show();
        h.ProcessPending();
    }
    // The main window's skinned frame opens its menus.
    skin::TbsSkinMenu& Engine() { return *form->bsBusinessSkinForm1->SkinMenuEngine(); }
    TPoint ItemCentre(int level, int index) {
        TRect r = Engine().Levels(level)->ItemScreenRect(index);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void OpenOnChart() {
        TPoint p = form->SCPie1->ClientToScreen({420, 80});
        h.MoveTo(p.X, p.Y);
        h.Click(p.X, p.Y, wm::MouseButton::Right);
        h.ProcessPending();
    }
    // Chooses item `sub` of the sub-menu of item `top`.
    void Choose(int top, int sub) {
        OpenOnChart();
        ASSERT_EQ(Engine().LevelCount(), 1);
        // Over the last item first: the menu opens under the pointer.
        TPoint last = ItemCentre(0, 7);
        h.MoveTo(last.X, last.Y);
        h.Advance(60);
        TPoint t = ItemCentre(0, top);
        h.MoveTo(t.X, t.Y);
        h.Advance(550);  // the sub-menu opens after its delay
        ASSERT_EQ(Engine().LevelCount(), 2);
        TPoint s = ItemCentre(1, sub);
        h.MoveTo(s.X, s.Y);
        h.Click(s.X, s.Y);
        h.ProcessPending();
    }
};

void SaveScreenshot(const gfx::Bitmap& screen, const TRect& area, const char* name) {
    const char* folder = std::getenv("VELMORA_SCREENSHOT_DIR");
    if (!folder) return;
    gfx::Bitmap cut(area.Width(), area.Height());
    for (int y = 0; y < area.Height(); ++y)
        for (int x = 0; x < area.Width(); ++x) cut.SetPixel(x, y, screen.Pixel(area.Left + x, area.Top + y));
    std::vector<uint8_t> png = gfx::EncodePng(cut);
    std::ofstream(std::string(folder) + "/" + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
}

}  // namespace

TEST_F(MainFormPopupMenuTest, ARightClickOnTheChartOpensItsSwitchesAndTheyChangeTheChart) {
    OpenOnChart();
    ASSERT_EQ(Engine().LevelCount(), 1);
    // Open "Legende" to show the check marks in the screenshot.
    TPoint legend = ItemCentre(0, 4);
    h.MoveTo(legend.X, legend.Y);
    h.Advance(550);
    ASSERT_EQ(Engine().LevelCount(), 2);
    TRect window = form->BoundsRect();
    TRect sub = Engine().Levels(1)->BoundsRect();
    SaveScreenshot(h.Screen(), {window.Left, window.Top, std::max(window.Right, sub.Right + 8), window.Bottom},
                   "app-main-popup.png");
    Engine().CloseAll();
    h.ProcessPending();

    chart::TSCPie& pie = form->SCPie1->Chart();
    Choose(0, 1);  // Diagramm-Typ / Doughnut
    EXPECT_EQ(pie.Kind(), chart::ckDoughnut);
    EXPECT_TRUE(form->Doughnut1->Checked());
    EXPECT_FALSE(form->orte1->Checked());
    Choose(1, 1);  // Diagramm Design / 2D
    EXPECT_FALSE(pie.Chart3D());
    Choose(2, 2);  // Auflösung / Niedrig
    EXPECT_EQ(pie.AntiAlias(), chart::aaNone);
    Choose(5, 0);  // Ausrichting Legende / Links
    EXPECT_EQ(pie.Legend().Alignment(), chart::laLeft);
    EXPECT_TRUE(form->Links1->Checked());
    EXPECT_FALSE(form->Unten1->Checked());
    Choose(4, 1);  // Legende / Legende ausblenden
    EXPECT_FALSE(pie.Legend().Visible());
}
