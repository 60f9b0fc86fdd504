// The main window as the program builds it, on the headless display: its place, its
// parts, the clock, the click on the chart.

#include <gtest/gtest.h>

#include <regex>

#include "MainFormTestFixture.h"
#include "app/AboutForm.h"
#include "app/ChartOptionsForm.h"
#include "app/ProgramOptionsForm.h"

using namespace app;

namespace {

using MainFormTest = apptest::MainFormFixture;

TRect BoundsOf(const TControl* c) { return c->BoundsRect(); }

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

TEST_F(MainFormTest, LeftPanelHoldsTheSelectorButtonsAndTheTwoDetailPanelsBelowTheMenuBand) {
    TForm1* f = form;
    // Nothing lies in the 22-pixel band at the top: the menu bar goes there.
    EXPECT_EQ(BoundsOf(f->bsSkinExPanel1), (TRect{0, 22, 177, 515}));
    EXPECT_EQ(f->bsSkinExPanel1->Caption(), "Laufwerk wählen:");
    EXPECT_EQ(f->bsSkinExPanel1->RollKind(), skin::rkRollHorizontal);
    EXPECT_TRUE(f->bsSkinExPanel1->ShowRollButton());
    EXPECT_FALSE(f->bsSkinExPanel1->ShowCloseButton());
    EXPECT_EQ(f->bsSkinExPanel1->DefaultCaptionHeight(), 21);

    EXPECT_EQ(f->Label2->Parent(), f->bsSkinExPanel1);
    EXPECT_EQ(f->Label2->BoundsRect().TopLeft(), (TPoint{8, 32}));
    EXPECT_TRUE(f->Label2->Transparent());
    EXPECT_EQ(f->bsSkinDriveComboBox1->Parent(), f->bsSkinExPanel1);
    EXPECT_EQ(BoundsOf(f->bsSkinDriveComboBox1).TopLeft(), (TPoint{8, 48}));
    EXPECT_EQ(f->bsSkinDriveComboBox1->Width(), 161);

    EXPECT_EQ(f->bsSkinButton1->Parent(), f->bsSkinExPanel1);
    EXPECT_EQ(BoundsOf(f->bsSkinButton1), (TRect{8, 80, 169, 105}));
    EXPECT_EQ(f->bsSkinButton1->Caption(), "Aktualisieren");
    EXPECT_EQ(f->bsSkinButton1->Glyph().Width(), 16);
    EXPECT_EQ(BoundsOf(f->bsSkinButton2), (TRect{8, 456, 169, 481}));
    EXPECT_EQ(f->bsSkinButton2->Caption(), " Beenden");
    EXPECT_EQ(f->bsSkinButton2->Glyph().Height(), 16);

    EXPECT_EQ(f->bsSkinScrollBox1->Parent(), f->bsSkinExPanel1);
    EXPECT_EQ(BoundsOf(f->bsSkinScrollBox1), (TRect{8, 112, 169, 449}));
    EXPECT_EQ(f->bsSkinScrollBox1->BorderStyle(), skin::bvRaised);
    // The two panels stacked from the top of the scroll box, each with both buttons.
    EXPECT_EQ(f->bsSkinExPanel2->Parent(), f->bsSkinScrollBox1);
    EXPECT_EQ(BoundsOf(f->bsSkinExPanel2), (TRect{0, 0, 159, 113}));
    EXPECT_EQ(f->bsSkinExPanel3->Parent(), f->bsSkinScrollBox1);
    EXPECT_EQ(BoundsOf(f->bsSkinExPanel3), (TRect{0, 113, 159, 335}));
    for (skin::TbsSkinExPanel* p : {f->bsSkinExPanel2, f->bsSkinExPanel3}) {
        EXPECT_EQ(p->RollKind(), skin::rkRollVertical);
        EXPECT_TRUE(p->ShowRollButton());
        EXPECT_TRUE(p->ShowCloseButton());
    }
    EXPECT_EQ(f->bsSkinExPanel2->Caption(), "Speicherkapazität:");
    EXPECT_EQ(f->bsSkinExPanel3->Caption(), "Laufwerksinformation:");

    // MB and KB: one radio group, MB checked.
    EXPECT_EQ(f->MB->Parent(), f->bsSkinExPanel2);
    EXPECT_EQ(BoundsOf(f->MB).TopLeft(), (TPoint{8, 88}));
    EXPECT_EQ(BoundsOf(f->KB).TopLeft(), (TPoint{72, 88}));
    EXPECT_EQ(f->MB->Width(), 49);
    EXPECT_EQ(f->MB->Caption(), "MB");
    EXPECT_EQ(f->KB->Caption(), "KB");
    EXPECT_TRUE(f->MB->Radio() && f->KB->Radio());
    EXPECT_EQ(f->MB->GroupIndex(), 1);
    EXPECT_EQ(f->KB->GroupIndex(), 1);
    EXPECT_TRUE(f->MB->Checked());
    EXPECT_FALSE(f->KB->Checked());

    EXPECT_EQ(BoundsOf(f->bsSkinPanel1), (TRect{177, 22, 742, 515}));
}

TEST_F(MainFormTest, ResizingOrRollingTheLeftPanelKeepsTheChartFillingTheRest) {
    form->SetClientSize(900, 600);
    EXPECT_EQ(BoundsOf(form->bsSkinExPanel1), (TRect{0, 22, 177, 581}));
    EXPECT_EQ(BoundsOf(form->bsSkinPanel1), (TRect{177, 22, 900, 581}));
    EXPECT_EQ(form->StatusBar1->Top(), 581);
    form->bsSkinExPanel1->SetRollState(true);
    const int rolled = form->bsSkinExPanel1->Width();
    EXPECT_LT(rolled, 177);
    EXPECT_EQ(BoundsOf(form->bsSkinPanel1), (TRect{rolled, 22, 900, 581}));
    form->bsSkinExPanel1->SetRollState(false);
    EXPECT_EQ(BoundsOf(form->bsSkinPanel1), (TRect{177, 22, 900, 581}));
}

TEST_F(MainFormTest, RollingUpTheCapacityPanelMovesTheDetailsPanelUp) {
    form->bsSkinExPanel2->SetRollState(true);
    EXPECT_FALSE(form->Label14->Visible());
    EXPECT_EQ(form->bsSkinExPanel3->Top(), form->bsSkinExPanel2->Height());
    EXPECT_LT(form->bsSkinExPanel2->Height(), 113);
    form->bsSkinExPanel2->SetRollState(false);
    EXPECT_TRUE(form->Label14->Visible());
    EXPECT_EQ(form->bsSkinExPanel3->Top(), 113);
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
    for (const Expected& e : {Expected{described->Label8, "Frei:", 8, 32, true, clBlue},
                              Expected{described->Label14, "Frei", 72, 32, false, clBlue},
                              Expected{described->Label3, "Belegt:", 8, 48, true, clRed},
                              Expected{described->Label1, "Belegt", 72, 48, false, clRed},
                              Expected{described->Label16, "Gesamt:", 8, 64, true, clGreen},
                              Expected{described->Label17, "Gesamt", 72, 64, false, clGreen}}) {
        SCOPED_TRACE(e.caption);
        EXPECT_EQ(e.label->Parent(), described->bsSkinExPanel2);
        EXPECT_EQ(e.label->Caption(), e.caption);
        EXPECT_EQ(e.label->Left(), e.x);
        EXPECT_EQ(e.label->Top(), e.y);
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
        EXPECT_EQ(caption->Parent(), d->bsSkinExPanel3);
        EXPECT_EQ(caption->Top(), captionY);
        EXPECT_EQ(value->Top(), caption->Top() + 16);
        EXPECT_TRUE(caption->Font()->Style().Contains(fsBold));
        EXPECT_FALSE(value->Font()->Style().Contains(fsBold));
        EXPECT_EQ(caption->Caption(), value->Caption() + ":");  // design captions until a refresh
        captionY += 32;
    }
}

TEST_F(MainFormTest, ChartFillsItsPanelWithTheStartSettingsAndThePopupMenu) {
    // The chart fills the panel inside the Chrome skin's frame, 2 pixels on every side.
    EXPECT_EQ(form->SCPie1->BoundsRect(), (TRect{2, 2, 563, 491}));
    EXPECT_EQ(form->SCPie1->PopupMenu(), form->bsSkinPopupMenu2);
    EXPECT_FALSE(form->Image2->Visible());
    chart::TSCPie& pie = form->SCPie1->Chart();
    EXPECT_EQ(pie.Kind(), chart::ckPie);
    EXPECT_TRUE(pie.Chart3D());
    EXPECT_EQ(pie.AntiAlias(), chart::aaHi);
    EXPECT_TRUE(pie.Legend().Visible());
    EXPECT_EQ(pie.Legend().Alignment(), chart::laBottom);
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
    // A refresh keeps the pulled-out slice.
    pie.OnClickOnChart(pie, {}, 2, 1, 0);
    form->RefreshDrive();
    EXPECT_TRUE(pie.GetSliceExploded(2));
    // A doughnut keeps none.
    form->Doughnut1->Click();
    pie.OnClickOnChart(pie, {}, 1, 1, 0);
    EXPECT_FALSE(pie.GetSliceExploded(1));
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
    apptest::ScopedSettingsFolder settings;
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
    EXPECT_EQ(Form1, nullptr);
}
