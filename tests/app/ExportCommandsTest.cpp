// The chart's export commands on the headless display: the exported picture, the JPEG
// file, the clipboard, a real print queue, and the help page handed to the opener.
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/ChartCommands.h"
#include "base/ShortCut.h"
#include "chart/control/MainWindowChart.h"
#include "gfx/ImageFile.h"
#include "gfx/JpegCodec.h"
#include "gfx/PngCodec.h"
#include "os/PrintQueue.h"
#include "os/TempFolder.h"
#include "os/print/PrivatePrintServer.h"
#include "skin/controls/TbsSavePictureDialog.h"
#include "vcl/TApplication.h"
#include "vcl/TClipboard.h"
#include "vcl/TForm.h"
#include "vcl/TImage.h"
#include "vcl/TScreen.h"
#include "wm/MessageLoop.h"
#include "wm/Windows.h"
#include "wm/headless/HeadlessSession.h"

namespace {

using testing_support::TempFolder;

// Notes the caption, text and application cursor of every message box that is on screen
// when a key reaches it.
struct BoxWatcher {
    struct Box {
        std::string caption, text;
        vcl::TCursor cursor;
    };
    std::vector<Box> seen;
    int hook = wm::AddMessageHook([this](wm::MSG& m) {
        if (m.message != wm::WM_KEYDOWN) return false;
        wm::HWND root = wm::GetRootWindow(m.hwnd);
        if (wm::GetClassName(root) != "TMessageForm") return false;
        std::string text;
        for (wm::HWND child : wm::GetChildWindows(root))
            if (wm::GetClassName(child) == "TMessageText") text = wm::GetWindowText(child);
        seen.push_back({wm::GetWindowText(root), text, vcl::Screen->Cursor()});
        return false;
    });
    ~BoxWatcher() { wm::RemoveMessageHook(hook); }
    BoxWatcher() = default;
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;
};

// Runs the test in another current folder and comes back.
class ScopedCurrentFolder {
public:
    explicit ScopedCurrentFolder(const std::filesystem::path& folder) : saved_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~ScopedCurrentFolder() { std::filesystem::current_path(saved_); }

private:
    std::filesystem::path saved_;
};

bool StartsWith(const std::vector<uint8_t>& bytes, std::initializer_list<uint8_t> prefix) {
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

// Whether the JPEG has the frame marker `marker` (0xC0 baseline, 0xC2 progressive).
bool HasFrameMarker(const std::vector<uint8_t>& jpeg, uint8_t marker) {
    for (size_t i = 2; i + 3 < jpeg.size();) {
        if (jpeg[i] != 0xFF) return false;
        const uint8_t code = jpeg[i + 1];
        if (code == marker) return true;
        if (code == 0xDA) return false;  // the scan starts: no frame header follows
        i += 2 + ((size_t(jpeg[i + 2]) << 8) | jpeg[i + 3]);
    }
    return false;
}

double MeanChannelDifference(const gfx::Bitmap& a, const gfx::Bitmap& b) {
    double sum = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) {
            TColor p = a.Pixel(x, y), q = b.Pixel(x, y);
            for (int shift : {0, 8, 16}) sum += std::abs(int((p >> shift) & 0xFF) - int((q >> shift) & 0xFF));
        }
    return sum / (3.0 * a.Width() * a.Height());
}

class ExportCommandsTest : public ::testing::Test {
protected:
    wm::headless::HeadlessSession h{1000, 700};
    std::unique_ptr<vcl::TApplication> application = std::make_unique<vcl::TApplication>();
    vcl::TForm* form = nullptr;
    chart::TSCPieControl* chart = nullptr;
    vcl::TImage* exportImage = nullptr;
    TempFolder temp;

    void SetUp() override {
        application->SetTitle("Velmora");
        form = application->CreateForm<vcl::TForm>();
        form->SetBorderStyle(vcl::bsNone);
        form->SetBoundsRect({50, 50, 50 + 742, 50 + 534});
        exportImage = new vcl::TImage(form);
        exportImage->SetParent(form);
        exportImage->SetVisible(false);
        chart = new chart::TSCPieControl(form);
        chart->SetParent(form);
        chart->SetBounds(178, 23, 563, 491);
        chart::SetUpMainWindowChart(*chart);
        chart::ShowDriveSpace(chart->Chart(), 41203, 78552, chart::cuMB, "c: [System]");
        form->Show();
        h.ProcessPending();
    }
    void TearDown() override { application.reset(); }

    void QueueKey(int vk, uint32_t ch = 0) {
        h.QueueKey(vk, true, ch);
        h.QueueKey(vk, false);
    }
    // Typing for the modal loop of the save dialog to take, then Enter.
    void QueueNameAndEnter(const std::string& ascii) {
        for (char ch : ascii) QueueKey((ch >= 'a' && ch <= 'z') ? ch - 'a' + 'A' : ch, static_cast<uint32_t>(ch));
        QueueKey(base::VK_RETURN, '\r');
    }
    void QueueEscape() { QueueKey(base::VK_ESCAPE, 0x1B); }

    gfx::Bitmap Unsmoothed() {
        gfx::Bitmap picture;
        chart->Chart().DrawToGraphic(picture, chart::aaNone, 0, 0, -1);
        return picture;
    }
    void Save(const std::string& typedName) {
        skin::TbsSavePictureDialog dialog(form);
        dialog.SetInitialDir(temp.Path().string());
        QueueNameAndEnter(typedName);
        app::SaveChartAsJpeg(*chart, *exportImage, dialog);
    }
};

TEST_F(ExportCommandsTest, TheExportIsTheChartAtItsClientSizeWithoutSmoothing) {
    ASSERT_EQ(chart->Chart().AntiAlias(), chart::aaHi);
    app::RenderChartForExport(*chart, *exportImage);
    const gfx::Bitmap& picture = exportImage->Picture()->Pixels();
    ASSERT_EQ(picture.Width(), 563);
    ASSERT_EQ(picture.Height(), 491);
    EXPECT_TRUE(picture == Unsmoothed());
    gfx::Bitmap smoothed;
    chart->Chart().DrawToGraphic(smoothed, chart::aaHi, 0, 0, -1);
    EXPECT_FALSE(picture == smoothed) << "the smoothed picture must differ, or this test proves nothing";
    // The chart on screen keeps its smoothing.
    EXPECT_EQ(chart->Chart().AntiAlias(), chart::aaHi);

    // A resized chart exports at its new size.
    chart->SetBounds(178, 23, 300, 200);
    h.ProcessPending();
    app::RenderChartForExport(*chart, *exportImage);
    EXPECT_EQ(exportImage->Picture()->Width(), 300);
    EXPECT_EQ(exportImage->Picture()->Height(), 200);
}

TEST_F(ExportCommandsTest, SavingWritesABaselineJpegOfTheChartReplacingAnExistingFile) {
    gfx::WriteImageFile(temp.File("diagramm.jpg"), gfx::EncodeJpeg(gfx::Bitmap(40, 20)));
    Save("diagramm");
    const std::vector<uint8_t> jpeg = gfx::ReadImageFile(temp.File("diagramm.jpg"));
    ASSERT_TRUE(StartsWith(jpeg, {0xFF, 0xD8}));
    EXPECT_TRUE(HasFrameMarker(jpeg, 0xC0));
    EXPECT_FALSE(HasFrameMarker(jpeg, 0xC2));
    gfx::Bitmap decoded = gfx::DecodeJpeg(jpeg);
    ASSERT_EQ(decoded.Width(), 563);
    ASSERT_EQ(decoded.Height(), 491);
    // Quality 100: only the colour conversion and the DCT's rounding remain.
    EXPECT_LT(MeanChannelDifference(decoded, Unsmoothed()), 1.5);

    // Whatever the extension, the file is a JPEG.
    Save("diagramm.png");
    EXPECT_TRUE(StartsWith(gfx::ReadImageFile(temp.File("diagramm.png")), {0xFF, 0xD8, 0xFF}));
}

TEST_F(ExportCommandsTest, CancellingTheDialogWritesNothing) {
    skin::TbsSavePictureDialog dialog(form);
    dialog.SetInitialDir(temp.Path().string());
    QueueKey('X', 'x');
    QueueEscape();
    app::SaveChartAsJpeg(*chart, *exportImage, dialog);
    EXPECT_TRUE(std::filesystem::is_empty(temp.Path()));
}

TEST_F(ExportCommandsTest, AFileThatCannotBeCreatedIsReportedAndNothingIsLeftBehind) {
    // A name longer than any file system allows: refused whoever runs the test.
    const std::string name(300, 'a');
    BoxWatcher boxes;
    skin::TbsSavePictureDialog dialog(form);
    dialog.SetInitialDir(temp.Path().string());
    QueueNameAndEnter(name);
    QueueEscape();  // closes the error box
    app::SaveChartAsJpeg(*chart, *exportImage, dialog);
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].caption, "Velmora");
    EXPECT_EQ(boxes.seen[0].text, "Datei " + dialog.FileName() + " kann nicht erstellt werden.");
    EXPECT_NE(dialog.FileName().find(name), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(temp.Path()));
}

TEST_F(ExportCommandsTest, CopyPutsTheChartOnTheClipboardAndAnEmptyChartIsReported) {
    app::CopyChart(*chart, *exportImage);
    std::optional<gfx::Bitmap> picture = vcl::Clipboard()->Picture();
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->Width(), 563);
    EXPECT_EQ(picture->Height(), 491);
    EXPECT_TRUE(*picture == Unsmoothed());

    // A chart without area has no picture to place.
    chart->SetBounds(178, 23, 0, 0);
    BoxWatcher boxes;
    QueueEscape();
    app::CopyChart(*chart, *exportImage);
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].caption, "Velmora");
    EXPECT_EQ(boxes.seen[0].text, "Kein Diagramm vorhanden.");
}

TEST(PrintArithmetic, FitsThePageKeepingTheProportionsThenTakesThreeQuarters) {
    // Wider than the page: the width fills it, the height is MulDiv(491, 4800, 563).
    EXPECT_EQ(os::PrintedPictureRect(563, 491, 4800, 6600, 100), (TRect{0, 0, 4800, 4186}));
    EXPECT_EQ(os::PrintedPictureRect(563, 491, 4800, 6600, 75), (TRect{0, 0, 3600, 3140}));
    // Taller than the page: the height fills it.
    EXPECT_EQ(os::PrintedPictureRect(300, 600, 4800, 6600, 100), (TRect{0, 0, 3300, 6600}));
    EXPECT_EQ(os::PrintedPictureRect(300, 600, 4800, 6600, 75), (TRect{0, 0, 2475, 4950}));
}

// Points the print system at a socket where no server listens.
class NoPrintServer {
public:
    explicit NoPrintServer(const std::string& socket) : saved_(std::getenv("CUPS_SERVER") ? std::getenv("CUPS_SERVER") : "") {
        ::setenv("CUPS_SERVER", socket.c_str(), 1);
        cupsSetServer(socket.c_str());
    }
    ~NoPrintServer() {
        if (saved_.empty()) ::unsetenv("CUPS_SERVER");
        else ::setenv("CUPS_SERVER", saved_.c_str(), 1);
        cupsSetServer(nullptr);
    }

private:
    std::string saved_;
};

TEST_F(ExportCommandsTest, WithoutADefaultPrinterTheErrorIsShownAndTheCursorIsNormal) {
    NoPrintServer none(temp.File("no-server.sock"));
    BoxWatcher boxes;
    QueueEscape();
    app::PrintChart(*chart, *exportImage);
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].caption, "Velmora");
    EXPECT_EQ(boxes.seen[0].text, "Zur Zeit ist kein Standarddrucker gewählt.");
    EXPECT_EQ(boxes.seen[0].cursor, vcl::crDefault);
    EXPECT_EQ(vcl::Screen->Cursor(), vcl::crDefault);
}

// The bounding box of the pixels that are not white.
TRect InkBounds(const gfx::Bitmap& page) {
    TRect ink{page.Width(), page.Height(), 0, 0};
    for (int y = 0; y < page.Height(); ++y)
        for (int x = 0; x < page.Width(); ++x)
            if ((page.Pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                ink.Left = std::min(ink.Left, x);
                ink.Top = std::min(ink.Top, y);
                ink.Right = std::max(ink.Right, x + 1);
                ink.Bottom = std::max(ink.Bottom, y + 1);
            }
    return ink;
}

TEST_F(ExportCommandsTest, PrintingPutsThreeQuartersOfTheFittedPictureAtThePrintableTopLeft) {
    testing_support::PrivatePrintServer server;
    if (!server.Available()) GTEST_SKIP() << server.Why();
    if (::access("/usr/bin/pdftoppm", X_OK) != 0) GTEST_SKIP() << "pdftoppm is not installed (scripts/deps.sh)";
    // A background that is not white, so the picture's edges show on the page.
    chart->Chart().SetBackColor(0x00336699);
    h.ProcessPending();
    app::PrintChart(*chart, *exportImage);
    EXPECT_EQ(vcl::Screen->Cursor(), vcl::crDefault);
    ASSERT_TRUE(server.WaitForOutput(60)) << "the job never left the queue:\n" << server.Log();

    // The page at 60 dpi: a tenth of the queue's 600.
    const std::string png = temp.File("page");
    const std::string command = "pdftoppm -r 60 -png -singlefile '" + server.OutputFile() + "' '" + png + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const gfx::Bitmap page = gfx::DecodePng(gfx::ReadImageFile(png + ".png"));
    auto queue = os::PrintQueue::Default();
    ASSERT_TRUE(queue.has_value());
    const TRect expected = os::PrintedPictureRect(563, 491, queue->PageWidth(), queue->PageHeight(), 75);
    const TRect ink = InkBounds(page);
    // The printable area starts 1/4 inch from the left and 1/2 inch from the top.
    EXPECT_NEAR(ink.Left, 15, 1);
    EXPECT_NEAR(ink.Top, 30, 1);
    EXPECT_NEAR(ink.Width(), expected.Width() / 10.0, 2);
    EXPECT_NEAR(ink.Height(), expected.Height() / 10.0, 2);
}

TEST_F(ExportCommandsTest, HelpOpensHilfeHtmlOfTheCurrentFolderAndNothingWhenItIsMissing) {
    TempFolder openerFolder, withoutPage, withPage;
    const std::string log = openerFolder.File("opened.log");
    // A stand-in opener first on PATH records what it was asked to open.
    const std::string opener = openerFolder.File("xdg-open");
    testing_support::WriteBytes(opener, "#!/bin/sh\necho \"$1\" >> '" + log + "'\n");
    ::chmod(opener.c_str(), 0755);
    const std::string savedPath = std::getenv("PATH");
    ::setenv("PATH", (openerFolder.Path().string() + ":" + savedPath).c_str(), 1);

    testing_support::WriteBytes(withPage.File("Hilfe.html"), "<html></html>");
    {
        ScopedCurrentFolder cd(withoutPage.Path());
        app::OpenHelpPage(*form);
    }
    {
        ScopedCurrentFolder cd(withPage.Path());
        app::OpenHelpPage(*form);
    }
    bool opened = false;
    for (int i = 0; i < 2000 && !opened; ++i) {
        opened = std::filesystem::exists(log) && std::filesystem::file_size(log) > 0;
        if (!opened) ::usleep(10'000);
    }
    ::setenv("PATH", savedPath.c_str(), 1);
    ASSERT_TRUE(opened);
    // Only the folder that has the page asked the opener.
    EXPECT_EQ(testing_support::ReadBytes(log), std::filesystem::canonical(withPage.File("Hilfe.html")).string() + "\n");
}

}  // namespace
