// The chart options dialog of the real program under Xvfb: Ctrl+O opens it, Ctrl+O again
// while it is open shows the error box and leaves the dialog open, and a top title typed
// into it and added appears above the chart on the screen.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "ChildProcess.h"
#include "XQueries.h"
#include "XvfbServer.h"
#include "os/TempFolder.h"

using namespace x11test;
namespace fs = std::filesystem;

namespace {

constexpr int kMainClientWidth = 742;
constexpr int kMainClientHeight = 534;
constexpr int kDialogClientWidth = 533;
constexpr int kDialogClientHeight = 276;

// The program in a folder of its own, where it keeps Velmora.ini.
class ProgramFolder {
public:
    ProgramFolder() {
        std::error_code error;
        fs::create_hard_link(VELMORA_PATH, Program(), error);
        if (error) fs::copy_file(VELMORA_PATH, Program(), error);
    }
    std::string Program() const { return folder.File("velmora"); }
    testing_support::TempFolder folder;
};

// A client point of a window whose frame is as wide on the left, right and bottom.
TPoint ClientToScreen(XConnection& x, ::Window window, int clientWidth, int clientHeight, TPoint client) {
    TRect r = x.ScreenRect(window);
    int border = (r.Width() - clientWidth) / 2;
    return {r.Left + border + client.X, r.Bottom - border - clientHeight + client.Y};
}

void Key(const XvfbServer& xvfb, const char* keys) { RunCommand({"xdotool", "key", keys}, xvfb.Name()); }

void ClickAt(const XvfbServer& xvfb, TPoint p) {
    RunCommand({"xdotool", "mousemove", std::to_string(p.X), std::to_string(p.Y), "click", "1"}, xvfb.Name());
}

// How many viewable windows carry this exact name.
int CountViewable(const XvfbServer& xvfb, const std::string& name) {
    CommandResult r = RunCommand({"xdotool", "search", "--onlyvisible", "--name", "^" + name + "$"}, xvfb.Name());
    std::istringstream lines(r.output);
    int count = 0;
    for (std::string line; std::getline(lines, line);) count += !line.empty();
    return count;
}

// Pixels that are not the chart's white background, in a band of the screen.
int InkIn(XConnection& x, const TRect& band) {
    int ink = 0;
    for (uint32_t p : x.ScreenPixels(band)) ink += p != 0xFFFFFFu;
    return ink;
}

// From the leftmost to the rightmost column with ink in a band of the screen.
int InkWidth(XConnection& x, const TRect& band) {
    std::vector<uint32_t> pixels = x.ScreenPixels(band);
    int left = band.Width(), right = -1;
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (pixels[i] == 0xFFFFFFu) continue;
        int column = static_cast<int>(i % static_cast<size_t>(band.Width()));
        left = std::min(left, column);
        right = std::max(right, column);
    }
    return right < left ? 0 : right - left + 1;
}

}  // namespace

TEST(OptionsDialogE2E, CtrlOOpensTheDialogTwiceGivesTheErrorAndATitleAppearsAboveTheChart) {
    XvfbServer xvfb;
    ASSERT_TRUE(xvfb.Running());
    XConnection x(xvfb.Name());
    ASSERT_TRUE(x);
    ProgramFolder folder;
    ChildProcess velmora({"env", "VELMORA_DRIVES=c=/;d=/tmp", folder.Program()}, xvfb.Name());
    std::optional<::Window> main;
    ASSERT_TRUE(WaitUntil([&] { return (main = x.FindViewableWindow("Velmora")).has_value(); }));

    // The top of the chart: the band where a top title goes (chart panel at (177, 22),
    // the chart 2 pixels inside its frame).
    TPoint chart = ClientToScreen(x, *main, kMainClientWidth, kMainClientHeight, {179, 24});
    const TRect titleBand{chart.X + 2, chart.Y + 2, chart.X + 540, chart.Y + 30};
    ASSERT_TRUE(WaitUntil([&] { return InkIn(x, titleBand) == 0; }, 5s)) << "a title shows before one was added";

    RunCommand({"xdotool", "mousemove", "5", "5"}, xvfb.Name());
    Key(xvfb, "ctrl+o");
    std::optional<::Window> dialog;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = x.FindViewableWindow("Diagramm-Optionen")).has_value(); }, 5s))
        << "Ctrl+O did not open the options dialog";
    TRect dialogRect = x.ScreenRect(*dialog);
    EXPECT_GE(dialogRect.Width(), kDialogClientWidth);
    EXPECT_GE(dialogRect.Height(), kDialogClientHeight);

    // Ctrl+O while the dialog is open: the error box, titled with the program's name.
    Key(xvfb, "ctrl+o");
    ASSERT_TRUE(WaitUntil([&] { return CountViewable(xvfb, "Velmora") >= 2; }, 5s))
        << "no error box for the second Ctrl+O";
    Key(xvfb, "Return");
    ASSERT_TRUE(WaitUntil([&] { return CountViewable(xvfb, "Velmora") == 1; }, 5s));
    ASSERT_TRUE(x.FindViewableWindow("Diagramm-Optionen").has_value()) << "the dialog closed with the box";

    // A title typed into the edit and added: ink appears in the band above the pie.
    auto dialogPoint = [&](TPoint client) {
        return ClientToScreen(x, *dialog, kDialogClientWidth, kDialogClientHeight, client);
    };
    ClickAt(xvfb, dialogPoint({8 + 8 + 100, 8 + 48 + 10}));
    ASSERT_TRUE(WaitUntil([&] { return x.FocusWindow() == *dialog; }, 5s)) << "the dialog has no keyboard focus";
    RunCommand({"xdotool", "type", "--delay", "20", "Mein Diagramm"}, xvfb.Name());
    ClickAt(xvfb, dialogPoint({8 + 8 + 116, 8 + 72 + 12}));
    EXPECT_TRUE(WaitUntil([&] { return InkIn(x, titleBand) > 30; }, 5s)) << "the title did not appear";
    // All of it: "Mein Diagramm" is about 80 pixels wide at 8 points. (An "a" typed while
    // the program still thinks Ctrl is held from Ctrl+O selects all and replaces the text.)
    EXPECT_GT(InkWidth(x, titleBand), 65) << "characters of the typed title were lost";
    // With VELMORA_SCREENSHOTS set to a folder: the screen with the dialog and the title.
    if (const char* shots = std::getenv("VELMORA_SCREENSHOTS"))
        RunCommand({"import", "-window", "root", std::string(shots) + "/dialog-options-title.png"}, xvfb.Name());

    // "Schliessen" hides the dialog; Ctrl+B ends the program, writing the settings.
    ClickAt(xvfb, dialogPoint({272 + 124, 232 + 16}));
    EXPECT_TRUE(WaitUntil([&] { return !x.FindViewableWindow("Diagramm-Optionen").has_value(); }, 5s));
    Key(xvfb, "ctrl+b");
    EXPECT_EQ(velmora.WaitForExit(), 0);
    EXPECT_TRUE(fs::exists(folder.folder.File("Velmora.ini")));
}
