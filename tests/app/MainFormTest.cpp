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
    struct Expected {
        TLabel* label;
        const char* caption;
        int x, y;
        bool bold;
        TColor color;
    };
    const TPoint o = TForm1::kCapacityPanelOrigin;
    for (const Expected& e : {Expected{form->Label8, "Frei:", 8, 32, true, clBlue},
                              Expected{form->Label14, "Frei", 72, 32, false, clBlue},
                              Expected{form->Label3, "Belegt:", 8, 48, true, clRed},
                              Expected{form->Label1, "Belegt", 72, 48, false, clRed},
                              Expected{form->Label16, "Gesamt:", 8, 64, true, clGreen},
                              Expected{form->Label17, "Gesamt", 72, 64, false, clGreen}}) {
        SCOPED_TRACE(e.caption);
        EXPECT_EQ(e.label->Caption(), e.caption);
        EXPECT_EQ(e.label->Left(), o.X + e.x);
        EXPECT_EQ(e.label->Top(), o.Y + e.y);
        EXPECT_EQ(e.label->Font()->Style().Contains(fsBold), e.bold);
        EXPECT_EQ(e.label->Font()->Color(), e.color);
    }
}

TEST_F(MainFormTest, DetailValueLabelsSitSixteenPixelsBelowTheirCaptions) {
    std::pair<TLabel*, TLabel*> pairs[] = {{form->Label7, form->Label13}, {form->Label4, form->Label10},
                                           {form->Label5, form->Label11}, {form->Label6, form->Label12},
                                           {form->Label18, form->Label19}, {form->Label9, form->Label15}};
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
