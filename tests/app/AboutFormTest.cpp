// The about box and the program options window on the headless display, and the
// application icon they show.

#include <gtest/gtest.h>

#include <fstream>

#include "MainFormTestFixture.h"
#include "app/AboutForm.h"
#include "app/AppIcon.h"
#include "app/ProgramOptionsForm.h"
#include "gfx/PngCodec.h"
#include "vcl/TTimer.h"

using namespace app;

namespace {

class AboutFormTest : public apptest::MainFormFixture {
protected:
    TForm2* about = nullptr;
    std::vector<std::string> opened;

    void SetUp() override {
        apptest::MainFormFixture::SetUp();
        about = application->CreateForm<TForm2>();
        about->OpenDocument = [this](const std::string& document) {
            opened.push_back(document);
            return true;
        };
    }
    void ClickOn(vcl::TControl* control) {
        TPoint p = control->ClientToScreen({control->Width() / 2, control->Height() / 2});
        h.MoveTo(p.X, p.Y);
        h.Click(p.X, p.Y);
    }
};

int Distance(TColor a, TColor b) {
    return std::abs(base::GetRValue(a) - base::GetRValue(b)) + std::abs(base::GetGValue(a) - base::GetGValue(b)) +
           std::abs(base::GetBValue(a) - base::GetBValue(b));
}

}  // namespace

TEST_F(AboutFormTest, WindowLabelsPictureAndButtonAreAsDescribed) {
    EXPECT_EQ(about->Name(), "Form2");
    EXPECT_EQ(about->Caption(), "Über...");
    about->HandleNeeded();  // the client area inside the skinned frame, as the window has it
    EXPECT_EQ(about->ClientWidth(), 277);
    EXPECT_EQ(about->ClientHeight(), 204);
    EXPECT_TRUE(about->BorderIcons().Empty());
    EXPECT_EQ(about->Position(), vcl::poDesktopCenter);
    EXPECT_FALSE(about->Visible());
    EXPECT_EQ(about->bsSkinGroupBox1->BoundsRect(), TRect::FromSize(8, 8, 257, 153));
    EXPECT_EQ(about->bsSkinGroupBox1->Caption(), "Über:");

    struct Line {
        vcl::TLabel* label;
        int y;
        std::string caption;
        bool link;
    };
    for (const Line& l : {Line{about->Label1, 32, "Velmora V1.1", false}, Line{about->Label2, 48, kCreditsLine, false},
                          Line{about->Label3, 72, "Kontakt:", false}, Line{about->Label4, 88, kContactAddress, true},
                          Line{about->Label5, 112, "Internet:", false}, Line{about->Label6, 128, kWebAddress, true}}) {
        SCOPED_TRACE(l.caption);
        EXPECT_EQ(l.label->Parent(), about->bsSkinGroupBox1);
        EXPECT_EQ(l.label->BoundsRect().TopLeft(), (TPoint{8, l.y}));
        EXPECT_EQ(l.label->Caption(), l.caption);
        EXPECT_EQ(l.label->Font()->Color() == clBlue, l.link);
        EXPECT_EQ(l.label->Cursor() == vcl::crHandPoint, l.link);
        // Every line ends before the picture.
        if (l.y < 82) { EXPECT_LE(l.label->BoundsRect().Right, 200); }
    }
    // The credits name the release month and year and the team; the addresses are ours.
    EXPECT_NE(std::string(kCreditsLine).find("2026"), std::string::npos);
    EXPECT_NE(std::string(kCreditsLine).find("Velmora-Team"), std::string::npos);
    EXPECT_EQ(std::string(kWebAddress).rfind("https://", 0), 0u);
    EXPECT_NE(std::string(kWebAddress).find("example.org"), std::string::npos);

    EXPECT_EQ(about->Image1->Parent(), about->bsSkinGroupBox1);
    EXPECT_EQ(about->Image1->BoundsRect(), TRect::FromSize(200, 32, 48, 49));
    EXPECT_EQ(about->Image1->Picture()->Width(), 48);
    EXPECT_EQ(about->Image1->Picture()->Height(), 48);

    EXPECT_EQ(about->bsSkinButton1->Parent(), about);
    EXPECT_EQ(about->bsSkinButton1->BoundsRect(), TRect::FromSize(88, 168, 97, 25));
    EXPECT_EQ(about->bsSkinButton1->Caption(), "Schliessen");
    ASSERT_EQ(about->bsSkinPopupMenu1->Items()->Count(), 1);
    EXPECT_EQ(about->Schliessen1->Caption(), "Schliessen");
}

TEST_F(AboutFormTest, ClickingTheContactLinesOpensMailAndWebAddress) {
    form->Show();
    about->Show();
    h.ProcessPending();
    ClickOn(about->Label4);
    ClickOn(about->Label6);
    ClickOn(about->Label5);  // not a link
    EXPECT_EQ(opened, (std::vector<std::string>{"mailto:velmora@example.org", kWebAddress}));

    // The mail link is its own text; the web link is whatever the line shows, cut to 255.
    opened.clear();
    about->Label4->SetCaption("jemand@anders.example");
    about->Label6->SetCaption("https://example.org/" + std::string(300, 'a'));
    about->Label4Click(nullptr);
    about->Label6Click(nullptr);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], "mailto:velmora@example.org");
    EXPECT_EQ(opened[1].size(), 255u);
    EXPECT_EQ(opened[1].rfind("https://example.org/aaa", 0), 0u);
}

TEST_F(AboutFormTest, SchliessenAndTheSystemMenuBothEndTheModalBox) {
    form->Show();
    h.ProcessPending();
    vcl::TTimer timer(nullptr);
    timer.SetInterval(100);
    timer.SetOnTimer([&](vcl::TObject*) {
        timer.SetEnabled(false);
        TPoint p = about->bsSkinButton1->ClientToScreen({40, 12});
        h.QueueMove(p.X, p.Y);
        h.QueueButton(wm::MouseButton::Left, true);
        h.QueueButton(wm::MouseButton::Left, false);
    });
    h.QueueAdvance(150);
    about->ShowModal();
    EXPECT_FALSE(about->Visible());

    timer.SetOnTimer([&](vcl::TObject*) {
        timer.SetEnabled(false);
        about->Schliessen1->Click();
    });
    timer.SetEnabled(true);
    h.QueueAdvance(150);
    about->ShowModal();
    EXPECT_FALSE(about->Visible());
    EXPECT_TRUE(form->Visible());
}

TEST_F(AboutFormTest, ThePictureShowsTheIconOnTheGroupsFace) {
    form->Show();
    about->Show();
    h.ProcessPending();
    gfx::Bitmap shown = h.WindowImage(about->Handle());
    TPoint image = about->Image1->ClientToScreen({0, 0}) - about->BoundsRect().TopLeft();
    // A corner of the picture blends into the group box around it.
    TPoint outside = about->Image1->ClientToScreen({-3, 1}) - about->BoundsRect().TopLeft();
    EXPECT_LE(Distance(shown.Pixel(image.X, image.Y), shown.Pixel(outside.X, outside.Y)), 12);
    // The used slice at the top right of the pie is red.
    TColor slice = shown.Pixel(image.X + 30, image.Y + 10);
    EXPECT_GT(base::GetRValue(slice), 180);
    EXPECT_LT(base::GetGValue(slice), 120);
}

TEST(ProgramOptionsForm, IsAnEmptyBorderlessWindowThatStaysHidden) {
    apptest::ScopedEnv drives{"VELMORA_DRIVES", "c=/;d=/tmp"};
    apptest::ScopedSettingsFolder settings;
    wm::headless::HeadlessSession h{1280, 1024};
    auto application = std::make_unique<vcl::TApplication>();
    application->CreateForm<TForm1>();
    TForm4* options = application->CreateForm<TForm4>();
    EXPECT_EQ(options->Name(), "Form4");
    EXPECT_EQ(Form4, options);
    EXPECT_EQ(options->Caption(), "Programm-Optionen");
    EXPECT_EQ(options->BorderStyle(), vcl::bsNone);
    EXPECT_EQ(options->ClientWidth(), 370);
    EXPECT_EQ(options->ClientHeight(), 227);
    EXPECT_EQ(options->Position(), vcl::poDesktopCenter);
    EXPECT_EQ(options->ControlCount(), 0);
    EXPECT_FALSE(options->Visible());
    ASSERT_EQ(options->bsSkinPopupMenu1->Items()->Count(), 1);
    options->Show();
    h.ProcessPending();
    options->Schliessen1->Click();
    EXPECT_FALSE(options->Visible());
    application.reset();
    EXPECT_EQ(Form4, nullptr);
}

TEST(AppIcon, ADriveUnderAPieWithSmoothEdgesOnATransparentGround) {
    for (int size : {32, 48}) {
        SCOPED_TRACE(size);
        IconImage icon = DrawAppIcon(size);
        ASSERT_EQ(icon.size, size);
        auto at = [&](double fx, double fy) { return icon.At(static_cast<int>(fx * size), static_cast<int>(fy * size)); };
        // Corners are clear; the middle of the drive's face is opaque silver.
        EXPECT_EQ(at(0, 0).a, 0);
        EXPECT_EQ(at(0.99, 0.99).a, 0);
        IconPixel drive = at(0.30, 0.68);
        EXPECT_EQ(drive.a, 255);
        EXPECT_GT(drive.r, 150);
        EXPECT_NEAR(drive.r, drive.b, 30);
        // Free space (lower left of the pie) is blue, the pulled-out used slice red.
        IconPixel free = at(0.35, 0.42);
        EXPECT_EQ(free.a, 255);
        EXPECT_GT(free.b, free.r + 80);
        IconPixel used = at(0.62, 0.22);
        EXPECT_EQ(used.a, 255);
        EXPECT_GT(used.r, used.b + 80);
        // The pie's round edge is smoothed: some pixels are partly covered.
        int partial = 0;
        for (const IconPixel& p : icon.pixels) partial += p.a > 0 && p.a < 255;
        EXPECT_GT(partial, size / 2);
    }
}

TEST(AppIcon, WrittenAsAPngOfItsSizeAndRefusedPathsAreReported) {
    testing_support::TempFolder folder;
    const std::string path = folder.File("velmora.png");
    WriteAppIconPng(path, 48);
    std::string bytes = testing_support::ReadBytes(path);
    ASSERT_GT(bytes.size(), 8u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    EXPECT_EQ(static_cast<unsigned char>(bytes[25]), 6u) << "colour type RGBA";
    gfx::Bitmap decoded =
        gfx::DecodePng(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
    EXPECT_EQ(decoded.Width(), 48);
    EXPECT_EQ(decoded.Height(), 48);
    // Decoded over white: the clear corner is white, the drive's face as drawn.
    EXPECT_EQ(decoded.Pixel(0, 0), clWhite);
    EXPECT_EQ(decoded.Pixel(14, 32), AppIconOver(48, clWhite).Pixel(14, 32));

    EXPECT_THROW(WriteAppIconPng(folder.File("fehlt/velmora.png"), 48), std::runtime_error);
}

// Not a check: with VELMORA_SCREENSHOTS set to a folder, writes the about box and the
// program options window as shown.
TEST_F(AboutFormTest, ScreenshotWhenAsked) {
    const char* folder = std::getenv("VELMORA_SCREENSHOTS");
    if (!folder) GTEST_SKIP() << "VELMORA_SCREENSHOTS not set";
    form->Show();
    about->Show();
    h.ProcessPending();
    std::vector<uint8_t> png = gfx::EncodePng(h.WindowImage(about->Handle()));
    testing_support::WriteBytes(std::string(folder) + "/dialog-about.png", std::string(png.begin(), png.end()));
    TForm4* options = application->CreateForm<TForm4>();
    options->Show();
    h.ProcessPending();
    png = gfx::EncodePng(h.WindowImage(options->Handle()));
    testing_support::WriteBytes(std::string(folder) + "/dialog-program-options.png", std::string(png.begin(), png.end()));
    TPoint face = about->bsSkinGroupBox1->ClientToScreen({190, 100}) - about->BoundsRect().TopLeft();
    std::printf("group face %06X\n", static_cast<unsigned>(h.WindowImage(about->Handle()).Pixel(face.X, face.Y)));
}
