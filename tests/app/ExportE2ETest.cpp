// The export hot keys of the real program under Xvfb, pressed while another program has
// the focus: Ctrl+S saves through Velmora's own dialog, Ctrl+D prints to a print server of
// the test's own (or reports that there is no default printer), Ctrl+Z fills the clipboard.
#include <gtest/gtest.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "XQueries.h"
#include "XvfbServer.h"
#include "os/TempFolder.h"
#include "os/print/PrivatePrintServer.h"

using namespace x11test;
namespace fs = std::filesystem;

namespace {

// The chart's client size in the main window (inside its panel's frame).
constexpr int kChartWidth = 561;
constexpr int kChartHeight = 489;

struct PictureSize {
    int width = 0, height = 0;
    bool operator==(const PictureSize&) const = default;
};

// The size in a JPEG's baseline frame header; nullopt when it has none (a progressive
// or damaged file).
std::optional<PictureSize> BaselineJpegSize(const std::string& jpeg) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(jpeg[i]); };
    if (jpeg.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8) return std::nullopt;
    for (size_t i = 2; i + 8 < jpeg.size();) {
        if (byte(i) != 0xFF) return std::nullopt;
        const unsigned code = byte(i + 1);
        if (code == 0xC0) return PictureSize{int(byte(i + 7) << 8 | byte(i + 8)), int(byte(i + 5) << 8 | byte(i + 6))};
        if (code == 0xDA || (code >= 0xC1 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC))
            return std::nullopt;
        i += 2 + (size_t(byte(i + 2)) << 8 | byte(i + 3));
    }
    return std::nullopt;
}

// The size in a PNG's header.
std::optional<PictureSize> PngSize(const std::string& png) {
    if (png.size() < 24 || png.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return std::nullopt;
    auto be32 = [&](size_t i) {
        return int(static_cast<unsigned char>(png[i]) << 24 | static_cast<unsigned char>(png[i + 1]) << 16 |
                   static_cast<unsigned char>(png[i + 2]) << 8 | static_cast<unsigned char>(png[i + 3]));
    };
    return PictureSize{be32(16), be32(20)};
}

// Another program's window (xmessage, a real X client with its own event loop), which
// the test gives the focus before pressing a hot key.
class OtherClient {
public:
    OtherClient(const std::string& display, XConnection& x)
        : process_({"xmessage", "-title", "Anderes Programm", "-geometry", "300x200+20+20", "Anderes Programm"},
                   display) {
        WaitUntil([&] { return (window_ = x.FindViewableWindow("Anderes Programm")).has_value(); });
    }
    ::Window Window() const { return window_.value_or(0); }

private:
    ChildProcess process_;
    std::optional<::Window> window_;
};

// The child of the root that holds `window` (its window-manager frame, or itself).
::Window TopLevelOf(::Display* dpy, ::Window window) {
    for (;;) {
        ::Window root = 0, parent = 0, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(dpy, window, &root, &parent, &children, &count)) return 0;
        if (children) XFree(children);
        if (parent == root || parent == 0) return window;
        window = parent;
    }
}

// Whether `upper`'s top-level window is stacked above `lower`'s.
bool StackedAbove(::Display* dpy, ::Window upper, ::Window lower) {
    ::Window a = TopLevelOf(dpy, upper), b = TopLevelOf(dpy, lower);
    ::Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(dpy, DefaultRootWindow(dpy), &root, &parent, &children, &count)) return false;
    std::vector<::Window> order(children, children + count);  // bottom to top
    if (children) XFree(children);
    auto ia = std::find(order.begin(), order.end(), a), ib = std::find(order.begin(), order.end(), b);
    return ia != order.end() && ib != order.end() && ia > ib;
}

// The bounding box of the clearly red pixels of a binary PPM (P6, maxval 255) picture.
std::optional<TRect> RedArea(const std::string& ppm) {
    int width = 0, height = 0, maxValue = 0, headerLength = 0;
    if (std::sscanf(ppm.c_str(), "P6 %d %d %d%n", &width, &height, &maxValue, &headerLength) != 3 ||
        maxValue != 255)
        return std::nullopt;
    const size_t start = size_t(headerLength) + 1;
    if (ppm.size() < start + size_t(width) * height * 3) return std::nullopt;
    std::optional<TRect> area;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto* p = reinterpret_cast<const unsigned char*>(ppm.data() + start + (size_t(y) * width + x) * 3);
            if (p[0] < 200 || p[1] > 60 || p[2] > 60) continue;
            if (!area) area = TRect{x, y, x + 1, y + 1};
            area->Left = std::min(area->Left, x);
            area->Top = std::min(area->Top, y);
            area->Right = std::max(area->Right, x + 1);
            area->Bottom = std::max(area->Bottom, y + 1);
        }
    return area;
}

int VisibleWindowsNamed(const XvfbServer& xvfb, const std::string& pattern) {
    std::string ids = RunCommand({"xdotool", "search", "--onlyvisible", "--name", pattern}, xvfb.Name()).output;
    return static_cast<int>(std::count(ids.begin(), ids.end(), '\n'));
}

class ExportE2E : public ::testing::Test {
protected:
    XvfbServer xvfb;
    std::unique_ptr<XConnection> x;
    testing_support::TempFolder folder;
    std::unique_ptr<ChildProcess> velmora;
    std::optional<::Window> mainWindow;

    void SetUp() override {
        ASSERT_TRUE(xvfb.Running());
        if (!xvfb.StartWindowManager(0)) GTEST_SKIP() << "openbox is not installed (scripts/deps.sh installs it)";
        x = std::make_unique<XConnection>(xvfb.Name());
        std::error_code error;
        fs::create_hard_link(VELMORA_PATH, folder.File("velmora"), error);
        if (error) fs::copy_file(VELMORA_PATH, folder.File("velmora"), error);
    }
    void TearDown() override {
        if (velmora) {
            velmora->Signal(SIGTERM);
            velmora->WaitForExit();
        }
    }

    // Starts the program (its environment is the test's) and waits for its window.
    void Start() {
        velmora = std::make_unique<ChildProcess>(
            std::vector<std::string>{"env", "VELMORA_DRIVES=c=/;d=/tmp", folder.File("velmora")}, xvfb.Name());
        ASSERT_TRUE(WaitUntil([&] { return (mainWindow = x->FindViewableWindow("Velmora")).has_value(); }));
        // The program activates its window when it opens; only then may another one take
        // the focus from it.
        ASSERT_TRUE(WaitUntil([&] { return TopLevelOf(x->Get(), x->FocusWindow()) == TopLevelOf(x->Get(), *mainWindow); }, 5s));
    }
    // Gives the focus to another program and presses the keys.
    void PressWhileAnotherProgramHasTheFocus(const OtherClient& other, const char* keys) {
        const std::string id = std::to_string(other.Window());
        ASSERT_EQ(RunCommand({"xdotool", "windowactivate", "--sync", id}, xvfb.Name()).exitCode, 0);
        ASSERT_TRUE(WaitUntil([&] { return TopLevelOf(x->Get(), x->FocusWindow()) == TopLevelOf(x->Get(), other.Window()); }, 5s));
        ASSERT_EQ(RunCommand({"xdotool", "key", keys}, xvfb.Name()).exitCode, 0);
    }
};

TEST_F(ExportE2E, CtrlSOpensTheSaveDialogInFrontAndWritesABaselineJpegOfTheChart) {
    Start();
    OtherClient other(xvfb.Name(), *x);
    PressWhileAnotherProgramHasTheFocus(other, "ctrl+s");
    std::optional<::Window> dialog;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = x->FindViewableWindow("Diagramm als Bitmap speichern")).has_value(); }))
        << "Ctrl+S did not open the save dialog (is the hot key wired?)";
    EXPECT_TRUE(WaitUntil([&] { return TopLevelOf(x->Get(), x->FocusWindow()) == TopLevelOf(x->Get(), *dialog); }, 5s));
    EXPECT_TRUE(StackedAbove(x->Get(), *dialog, other.Window()));

    // An existing file is replaced; the typed path is absolute, so the dialog's folder
    // does not matter.
    const std::string target = folder.File("diagramm.jpg");
    testing_support::WriteBytes(target, "alt");
    ASSERT_EQ(RunCommand({"xdotool", "type", "--delay", "20", target}, xvfb.Name()).exitCode, 0);
    ASSERT_EQ(RunCommand({"xdotool", "key", "Return"}, xvfb.Name()).exitCode, 0);
    std::optional<PictureSize> size;
    ASSERT_TRUE(WaitUntil([&] { return (size = BaselineJpegSize(testing_support::ReadBytes(target))).has_value(); }));
    EXPECT_EQ(*size, (PictureSize{kChartWidth, kChartHeight}));
    ASSERT_TRUE(WaitUntil([&] { return !x->FindViewableWindow("Diagramm als Bitmap speichern"); }, 5s));

    // A file in a folder that does not exist cannot be created: the error box (titled
    // like the main window) appears and nothing is written.
    PressWhileAnotherProgramHasTheFocus(other, "ctrl+s");
    ASSERT_TRUE(WaitUntil([&] { return x->FindViewableWindow("Diagramm als Bitmap speichern").has_value(); }));
    const std::string impossible = folder.File("fehlt/diagramm.jpg");
    ASSERT_EQ(RunCommand({"xdotool", "type", "--delay", "20", impossible}, xvfb.Name()).exitCode, 0);
    ASSERT_EQ(RunCommand({"xdotool", "key", "Return"}, xvfb.Name()).exitCode, 0);
    ASSERT_TRUE(WaitUntil([&] { return VisibleWindowsNamed(xvfb, "^Velmora$") == 2; }));
    ASSERT_EQ(RunCommand({"xdotool", "key", "Return"}, xvfb.Name()).exitCode, 0);
    EXPECT_TRUE(WaitUntil([&] { return VisibleWindowsNamed(xvfb, "^Velmora$") == 1; }, 5s));
    EXPECT_FALSE(fs::exists(folder.File("fehlt")));
}

TEST_F(ExportE2E, CtrlZPutsThePictureOfTheChartOnTheClipboard) {
    Start();
    OtherClient other(xvfb.Name(), *x);
    PressWhileAnotherProgramHasTheFocus(other, "ctrl+z");
    std::optional<PictureSize> size;
    EXPECT_TRUE(WaitUntil(
        [&] {
            CommandResult png = RunCommand({"xclip", "-selection", "clipboard", "-t", "image/png", "-o"}, xvfb.Name(),
                                           "", 2s);
            return png.exitCode == 0 && (size = PngSize(png.output)).has_value();
        },
        10s))
        << "Ctrl+Z left no picture on the clipboard (is the hot key wired?)";
    if (size) {
        EXPECT_EQ(*size, (PictureSize{kChartWidth, kChartHeight}));
    }
}

TEST_F(ExportE2E, CtrlDPrintsThePictureToTheDefaultPrinter) {
    testing_support::PrivatePrintServer server;  // the program inherits CUPS_SERVER
    if (!server.Available()) GTEST_SKIP() << server.Why();
    if (::access("/usr/bin/pdftoppm", X_OK) != 0) GTEST_SKIP() << "pdftoppm is not installed (scripts/deps.sh)";
    // A red chart background, so the picture's edges show on the white page.
    testing_support::WriteBytes(folder.File("Velmora.ini"), "[HintergrundD]\nStatus=255\n");
    Start();
    OtherClient other(xvfb.Name(), *x);
    PressWhileAnotherProgramHasTheFocus(other, "ctrl+d");
    ASSERT_TRUE(server.WaitForOutput(60)) << "no page printed (is the hot key wired?)\n" << server.Log();
    const std::string page = testing_support::ReadBytes(server.OutputFile());
    EXPECT_EQ(page.rfind("%PDF-", 0), 0u);
    EXPECT_NE(page.find("/Width " + std::to_string(kChartWidth)), std::string::npos);
    EXPECT_EQ(VisibleWindowsNamed(xvfb, "^Velmora$"), 1) << "an error box appeared";

    // The page at 60 dpi, a tenth of the queue's 600. Its printable area (A4 less 1/4 inch
    // left and right, 1/2 inch top and bottom) is 4660 x 6415 device pixels: the chart
    // fits as 4660 x MulDiv(489, 4660, 561) = 4660 x 4062, printed at 3495 x 3046.
    const std::string ppm = folder.File("page");
    ASSERT_EQ(RunCommand({"pdftoppm", "-r", "60", "-singlefile", server.OutputFile(), ppm}, "").exitCode, 0);
    std::optional<TRect> red = RedArea(testing_support::ReadBytes(ppm + ".ppm"));
    ASSERT_TRUE(red.has_value());
    EXPECT_NEAR(red->Left, 15, 1);
    EXPECT_NEAR(red->Top, 30, 1);
    EXPECT_NEAR(red->Width(), 349.5, 2);
    EXPECT_NEAR(red->Height(), 304.6, 2);
}

TEST_F(ExportE2E, CtrlDWithoutADefaultPrinterShowsTheErrorBox) {
    // A print server that is not there: no default printer.
    const std::string socket = folder.File("no-server.sock");
    const char* saved = std::getenv("CUPS_SERVER");
    const std::string savedValue = saved ? saved : "";
    ::setenv("CUPS_SERVER", socket.c_str(), 1);
    Start();
    if (saved) ::setenv("CUPS_SERVER", savedValue.c_str(), 1);
    else ::unsetenv("CUPS_SERVER");
    OtherClient other(xvfb.Name(), *x);
    PressWhileAnotherProgramHasTheFocus(other, "ctrl+d");
    // The error box is titled like the main window.
    ASSERT_TRUE(WaitUntil([&] { return VisibleWindowsNamed(xvfb, "^Velmora$") == 2; }))
        << "no error box (is the hot key wired?)";
    ASSERT_EQ(RunCommand({"xdotool", "key", "Return"}, xvfb.Name()).exitCode, 0);
    EXPECT_TRUE(WaitUntil([&] { return VisibleWindowsNamed(xvfb, "^Velmora$") == 1; }, 5s));
}

}  // namespace
