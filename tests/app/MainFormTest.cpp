// The main window as the program builds it, on the headless display.

#include <gtest/gtest.h>

#include <regex>

#include "app/AboutForm.h"
#include "app/ChartOptionsForm.h"
#include "app/MainForm.h"
#include "app/ProgramOptionsForm.h"
#include "vcl/TApplication.h"
#include "wm/headless/HeadlessSession.h"

using namespace app;

namespace {

class MainFormTest : public ::testing::Test {
protected:
    wm::headless::HeadlessSession h{1280, 1024};
    std::unique_ptr<vcl::TApplication> application = std::make_unique<vcl::TApplication>();
    TForm1* form = nullptr;

    void SetUp() override {
        application->SetTitle("Velmora");
        form = application->CreateForm<TForm1>();
    }
};

}  // namespace

TEST_F(MainFormTest, WindowIsCentredOnTheWorkAreaWithItsClientSize) {
    h.Display().SetWorkArea({0, 100, 1280, 1024});
    form->Show();
    h.ProcessPending();
    EXPECT_EQ(form->ClientWidth(), 742);
    EXPECT_EQ(form->ClientHeight(), 534);
    TRect bounds = form->BoundsRect();
    EXPECT_NEAR(bounds.Left + bounds.Width() / 2.0, 640, 1);
    EXPECT_NEAR(bounds.Top + bounds.Height() / 2.0, 562, 1);
    EXPECT_EQ(form->Caption(), "Velmora");
    EXPECT_EQ(form->Font()->Name(), "Verdana");
    EXPECT_EQ(form->Font()->Height(), -11);
}

TEST_F(MainFormTest, CapacityLabelsShowTheirDesignCaptionsInTheirColours) {
    // The window as described, before its creation handler's first refresh.
    TForm1* described = new TForm1(application.get());
    struct Expected {
        TLabel* label;
        const char* caption;
        int x, y;
        bool bold;
        TColor color;
    };
    const TPoint o = TForm1::kCapacityPanelOrigin;
    for (const Expected& e : {Expected{described->Label8, "Frei:", 8, 32, true, clBlue},
                              Expected{described->Label14, "Frei", 72, 32, false, clBlue},
                              Expected{described->Label3, "Belegt:", 8, 48, true, clRed},
                              Expected{described->Label1, "Belegt", 72, 48, false, clRed},
                              Expected{described->Label16, "Gesamt:", 8, 64, true, clGreen},
                              Expected{described->Label17, "Gesamt", 72, 64, false, clGreen}}) {
        SCOPED_TRACE(e.caption);
        EXPECT_EQ(e.label->Caption(), e.caption);
        EXPECT_EQ(e.label->Left(), o.X + e.x);
        EXPECT_EQ(e.label->Top(), o.Y + e.y);
        EXPECT_EQ(e.label->Font()->Style().Contains(fsBold), e.bold);
        EXPECT_EQ(e.label->Font()->Color(), e.color);
    }
}

TEST_F(MainFormTest, DetailValueLabelsSitSixteenPixelsBelowTheirCaptions) {
    TForm1* d = new TForm1(application.get());  // before the first refresh
    std::pair<TLabel*, TLabel*> pairs[] = {{d->Label7, d->Label13}, {d->Label4, d->Label10},
                                           {d->Label5, d->Label11}, {d->Label6, d->Label12},
                                           {d->Label18, d->Label19}, {d->Label9, d->Label15}};
    int captionY = 24;
    for (auto [caption, value] : pairs) {
        SCOPED_TRACE(caption->Caption());
        EXPECT_EQ(caption->Top(), TForm1::kDetailsPanelOrigin.Y + captionY);
        EXPECT_EQ(value->Top(), caption->Top() + 16);
        EXPECT_TRUE(caption->Font()->Style().Contains(fsBold));
        EXPECT_FALSE(value->Font()->Style().Contains(fsBold));
        EXPECT_EQ(caption->Caption(), value->Caption() + ":");  // design captions until a refresh
        captionY += 32;
    }
}

TEST_F(MainFormTest, StartingShowsTheSecondDriveInTheLabelsAndTheChart) {
    // FormCreate selected entry 1 of the machine's drive list and refreshed.
    std::string entry = form->bsSkinDriveComboBox1->Text();
    ASSERT_EQ(form->bsSkinDriveComboBox1->ItemIndex(), 1) << "the machine lists fewer than two drives";
    EXPECT_EQ(form->Label13->Caption(), entry.substr(0, 1));
    EXPECT_TRUE(std::regex_match(form->Label17->Caption(), std::regex("-?[0-9]+ MB")));
    EXPECT_TRUE(std::regex_match(form->Label15->Caption(), std::regex("[0-9]+")));
    chart::TSCPie& pie = form->SCPie1->Chart();
    EXPECT_EQ(pie.BottomCaption(), "Laufwerk: " + entry);
    EXPECT_EQ(pie.GetSeriesName(1), "Frei (" + form->Label14->Caption() + ")");
    EXPECT_EQ(pie.GetSeriesName(2), "Belegt (" + form->Label1->Caption() + ")");
    // The chart fills the panel inside the Chrome skin's frame, 2 pixels on every side.
    EXPECT_EQ(form->SCPie1->BoundsRect(), (TRect{2, 2, 563, 491}));
}

TEST_F(MainFormTest, AClickOnASliceOrItsLegendEntryPullsItOutAndBack) {
    chart::TSCPie& pie = form->SCPie1->Chart();
    ASSERT_TRUE(pie.OnClickOnChart);
    pie.OnClickOnChart(pie, {}, 1, 1, 0);  // the slice of series 1
    EXPECT_TRUE(pie.GetSliceExploded(1));
    pie.OnClickOnChart(pie, {}, 0, 0, 1);  // its legend entry
    EXPECT_FALSE(pie.GetSliceExploded(1));
    pie.OnClickOnChart(pie, {}, 0, 0, 0);  // nothing hit
    EXPECT_FALSE(pie.GetSliceExploded(1));
    EXPECT_FALSE(pie.GetSliceExploded(2));
}

TEST_F(MainFormTest, ClickingTheUsedSlicePullsOutThatSlice) {
    form->Show();
    h.ProcessPending();
    chart::TSCPie& pie = form->SCPie1->Chart();
    pie.BeginUpdate();
    pie.SetValue(1, 1, 30);
    pie.SetValue(2, 1, 70);
    pie.EndUpdate();
    h.ProcessPending();
    // A pixel of the used (red) slice's top, well inside it: left of the pie's centre.
    gfx::Bitmap shown = h.WindowImage(form->Handle());
    TPoint chartOnScreen = form->SCPie1->ClientToScreen({0, 0});
    TPoint formOnScreen = form->BoundsRect().TopLeft();
    TPoint red{-1, -1};
    for (int x = 60; x < 250 && red.X < 0; ++x) {
        TPoint p{chartOnScreen.X - formOnScreen.X + x, chartOnScreen.Y - formOnScreen.Y + 230};
        if (shown.Pixel(p.X, p.Y) == clRed) red = {chartOnScreen.X + x, chartOnScreen.Y + 230};
    }
    ASSERT_GE(red.X, 0) << "no red pixel on the chart's middle row";
    h.MoveTo(red.X, red.Y);
    h.MoveTo(red.X + 1, red.Y);
    h.Click(red.X + 1, red.Y);
    EXPECT_TRUE(pie.GetSliceExploded(2));
    EXPECT_FALSE(pie.GetSliceExploded(1));
}

TEST_F(MainFormTest, StatusBarClockIsEmptyUntilTheFirstTickThenShowsDateAndTime) {
    form->Show();
    h.ProcessPending();
    TStatusBar* bar = form->StatusBar1;
    EXPECT_EQ(bar->Height(), 19);
    EXPECT_EQ(bar->Top(), 534 - 19);
    EXPECT_EQ(bar->Color(), static_cast<TColor>(14076870));
    EXPECT_FALSE(bar->SizeGrip());
    ASSERT_EQ(bar->PanelCount(), 2);
    EXPECT_EQ(bar->Panels(0)->Width(), 177);
    EXPECT_EQ(bar->Panels(0)->Text(), "");
    h.Advance(999);
    EXPECT_EQ(bar->Panels(0)->Text(), "");
    h.Advance(1);
    EXPECT_TRUE(std::regex_match(bar->Panels(0)->Text(),
                                 std::regex(R"(\d\d\.\d\d\.\d{4} --/-- \d\d:\d\d:\d\d)")))
        << bar->Panels(0)->Text();
    // The panel shows it in the status bar's colour.
    TPoint origin = form->ClientToScreen({0, 0});
    EXPECT_EQ(h.ScreenPixel(origin.X + 300, origin.Y + 534 - 8), static_cast<TColor>(14076870));
}

TEST(VelmoraForms, CreatedInOrderWithOnlyTheMainWindowShownAndGoneInReverse) {
    wm::headless::HeadlessSession h{1280, 1024};
    auto application = std::make_unique<vcl::TApplication>();
    application->CreateForm<TForm1>();
    application->CreateForm<TForm2>();
    application->CreateForm<TForm3>();
    application->CreateForm<TForm4>();
    ASSERT_EQ(application->ComponentCount(), 4);
    const char* names[] = {"Form1", "Form2", "Form3", "Form4"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(application->Components(i)->Name(), names[i]);
    EXPECT_EQ(application->MainForm(), Form1);
    Form1->Show();
    h.ProcessPending();
    EXPECT_TRUE(Form1->Visible());
    EXPECT_FALSE(Form2->Visible());
    EXPECT_FALSE(Form3->Visible());
    EXPECT_FALSE(Form4->Visible());
    application.reset();
}
