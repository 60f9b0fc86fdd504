// The main window of the real program under Xvfb: which drive it starts on, MB and KB,
// picking a drive, the refresh commands, a click on a slice, the hot keys of a second
// instance, and the settings file beside the program (first run, a moved and a resized
// window, SIGTERM, a folder that cannot be written).
//
// Each test runs its own copy of the program in a folder of its own (the settings file
// lies beside the program) on drives of known size: small RAM file systems the test
// mounts, named to the program through VELMORA_DRIVES.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "ChildProcess.h"
#include "XQueries.h"
#include "XvfbServer.h"
#include "os/TempFolder.h"

using namespace x11test;
namespace fs = std::filesystem;

namespace {

constexpr int kClientWidth = 742;
constexpr int kClientHeight = 534;

// A RAM file system of `megabytes` mounted for the test (needs root).
class RamDrive {
public:
    explicit RamDrive(int megabytes) {
        std::string options = "size=" + std::to_string(megabytes) + "m";
        mounted_ = ::mount("tmpfs", folder_.Path().c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~RamDrive() {
        if (mounted_) ::umount2(folder_.Path().c_str(), MNT_DETACH);
    }
    bool Mounted() const { return mounted_; }
    std::string Path() const { return folder_.Path().string(); }
    // Takes `megabytes` of its space.
    void Fill(const std::string& name, int megabytes) const {
        std::ofstream out(folder_.File(name), std::ios::binary);
        std::string block(1 << 20, 'x');
        for (int i = 0; i < megabytes; ++i) out << block;
    }

private:
    testing_support::TempFolder folder_;
    bool mounted_ = false;
};

// The program in a folder of its own, where it keeps Velmora.ini.
class ProgramFolder {
public:
    ProgramFolder() {
        std::error_code error;
        fs::create_hard_link(VELMORA_PATH, Program(), error);
        if (error) fs::copy_file(VELMORA_PATH, Program(), error);
    }
    std::string Program() const { return folder.File("velmora"); }
    std::string Ini() const { return folder.File("Velmora.ini"); }
    std::unique_ptr<ChildProcess> Start(const XvfbServer& xvfb, const std::string& drives) const {
        return std::make_unique<ChildProcess>(
            std::vector<std::string>{"env", "VELMORA_DRIVES=" + drives, Program()}, xvfb.Name());
    }
    testing_support::TempFolder folder;
};

// The main window on the screen, with the places of its parts in client coordinates.
struct MainWindow {
    XConnection& x;
    ::Window window;

    TRect Outer() { return x.ScreenRect(window); }
    // The frame is as wide on the left, the right and the bottom.
    TPoint ClientOrigin() {
        TRect r = Outer();
        int border = (r.Width() - kClientWidth) / 2;
        return {r.Left + border, r.Bottom - border - kClientHeight};
    }
    TRect OnScreen(TRect client) {
        TPoint o = ClientOrigin();
        return {client.Left + o.X, client.Top + o.Y, client.Right + o.X, client.Bottom + o.Y};
    }
    std::vector<uint32_t> Pixels(TRect client) { return x.ScreenPixels(OnScreen(client)); }
    void Click(TPoint client, const std::string& display) {
        TPoint o = ClientOrigin();
        RunCommand({"xdotool", "mousemove", std::to_string(o.X + client.X), std::to_string(o.Y + client.Y), "click",
                    "1"},
                   display);
    }
};

// The figures of "Speicherkapazität:", the details of "Laufwerksinformation:", the chart.
const TRect kCapacityFigures{9 + 60, 135 + 28, 9 + 158, 135 + 82};
const TRect kDetails{9, 248 + 22, 9 + 158, 248 + 218};
const TRect kChart{179, 24, 740, 513};
const TPoint kKbBox{9 + 72 + 10, 135 + 88 + 12};
const TPoint kMbBox{9 + 8 + 10, 135 + 88 + 12};
const TPoint kRefreshButton{88, 22 + 80 + 12};
const TPoint kSelector{60, 22 + 48 + 10};

// The pixels once they stopped changing (painting done): the same three times in a row.
std::vector<uint32_t> Settled(MainWindow& w, TRect area) {
    std::vector<uint32_t> last = w.Pixels(area), now;
    int same = 0;
    for (int i = 0; i < 60 && same < 2; ++i) {
        struct timespec pause {0, 150'000'000};
        nanosleep(&pause, nullptr);
        now = w.Pixels(area);
        same = now == last ? same + 1 : 0;
        last = now;
    }
    return last;
}

bool Changes(MainWindow& w, TRect area, const std::vector<uint32_t>& before) {
    return WaitUntil([&] { return w.Pixels(area) != before; }, 5s);
}

void Key(const XvfbServer& xvfb, const char* keys) { RunCommand({"xdotool", "key", keys}, xvfb.Name()); }

class MainWindowE2E : public ::testing::Test {
protected:
    XvfbServer xvfb;
    std::unique_ptr<XConnection> x;
    RamDrive big{64}, small{32};
    ProgramFolder program;

    void SetUp() override {
        ASSERT_TRUE(xvfb.Running());
        if (!big.Mounted() || !small.Mounted()) GTEST_SKIP() << "mounting a RAM file system needs root";
        x = std::make_unique<XConnection>(xvfb.Name());
        ASSERT_TRUE(*x);
    }
    std::optional<MainWindow> WaitForWindow() {
        std::optional<::Window> window;
        if (!WaitUntil([&] { return (window = x->FindViewableWindow("Velmora")).has_value(); })) return std::nullopt;
        MainWindow w{*x, *window};
        Settled(w, kChart);
        return w;
    }
    std::string Drives(const std::string& c, const std::string& d) { return "c=" + c + ";d=" + d; }
};

}  // namespace

TEST_F(MainWindowE2E, StartsOnTheSecondDriveWhateverTheFirstIs) {
    std::vector<uint32_t> figures[3], details[3];
    const std::string runs[3] = {Drives(small.Path(), big.Path()), Drives("/", big.Path()),
                                 Drives(big.Path(), small.Path())};
    for (int i = 0; i < 3; ++i) {
        auto velmora = program.Start(xvfb, runs[i]);
        auto w = WaitForWindow();
        ASSERT_TRUE(w);
        figures[i] = Settled(*w, kCapacityFigures);
        details[i] = Settled(*w, kDetails);
        Key(xvfb, "ctrl+b");
        ASSERT_EQ(velmora->WaitForExit(), 0);
    }
    // The same second drive shows the same, whatever the first; another second drive
    // shows other figures.
    EXPECT_EQ(figures[0], figures[1]);
    EXPECT_EQ(details[0], details[1]);
    EXPECT_NE(figures[0], figures[2]);
}

TEST_F(MainWindowE2E, UnitsDrivesAndTheRefreshCommands) {
    auto velmora = program.Start(xvfb, Drives(small.Path(), big.Path()));
    auto w = WaitForWindow();
    ASSERT_TRUE(w);
    const auto mb = Settled(*w, kCapacityFigures);
    const auto details = Settled(*w, kDetails);

    // KB: other figures, the same details; clicking KB again changes nothing.
    w->Click(kKbBox, xvfb.Name());
    ASSERT_TRUE(Changes(*w, kCapacityFigures, mb));
    const auto kb = Settled(*w, kCapacityFigures);
    EXPECT_EQ(w->Pixels(kDetails), details);
    w->Click(kKbBox, xvfb.Name());
    EXPECT_EQ(Settled(*w, kCapacityFigures), kb);
    w->Click(kMbBox, xvfb.Name());
    ASSERT_TRUE(Changes(*w, kCapacityFigures, kb));
    EXPECT_EQ(Settled(*w, kCapacityFigures), mb);

    // "Aktualisieren" reads the drive again: 8 MB taken meanwhile show.
    big.Fill("a", 8);
    w->Click(kRefreshButton, xvfb.Name());
    ASSERT_TRUE(Changes(*w, kCapacityFigures, mb));
    auto now = Settled(*w, kCapacityFigures);
    // So does Ctrl+A, with the pointer and the focus anywhere.
    big.Fill("b", 8);
    RunCommand({"xdotool", "mousemove", "5", "5"}, xvfb.Name());
    Key(xvfb, "ctrl+a");
    ASSERT_TRUE(Changes(*w, kCapacityFigures, now));
    now = Settled(*w, kCapacityFigures);

    // Picking the first drive in the selector (open, one up, Enter) shows that drive.
    const auto bigDetails = Settled(*w, kDetails);
    w->Click(kSelector, xvfb.Name());
    Key(xvfb, "Up");
    Key(xvfb, "Return");
    ASSERT_TRUE(Changes(*w, kCapacityFigures, now));
    EXPECT_NE(Settled(*w, kDetails), bigDetails);

    Key(xvfb, "ctrl+b");
    EXPECT_EQ(velmora->WaitForExit(), 0);
}

TEST_F(MainWindowE2E, AClickOnASlicePullsItOutAndASecondPutsItBack) {
    big.Fill("half", 32);
    auto velmora = program.Start(xvfb, Drives(small.Path(), big.Path()));
    auto w = WaitForWindow();
    ASSERT_TRUE(w);
    const auto chart = Settled(*w, kChart);
    // A point of the red (used) slice on the chart's middle row.
    auto findRed = [&]() -> std::optional<TPoint> {
        std::vector<uint32_t> row = w->Pixels({kChart.Left, 250, kChart.Right, 251});
        for (size_t i = 40; i + 40 < row.size(); ++i)
            if (row[i] == 0x0000FFu && row[i + 1] == 0x0000FFu && row[i + 2] == 0x0000FFu)
                return TPoint{kChart.Left + static_cast<int>(i) + 1, 250};
        return std::nullopt;
    };
    // The chart finds the slice under the pointer as the pointer moves (its outline shows
    // then); a click goes to that slice.
    auto hoverAndClick = [&](TPoint client) {
        TPoint o = w->ClientOrigin();
        const auto before = w->Pixels(kChart);
        RunCommand({"xdotool", "mousemove", std::to_string(o.X + client.X), std::to_string(o.Y + client.Y)},
                   xvfb.Name());
        Changes(*w, kChart, before);
        w->Click(client, xvfb.Name());
    };
    std::optional<TPoint> red = findRed();
    ASSERT_TRUE(red) << "no red slice on the middle row";
    hoverAndClick(*red);
    RunCommand({"xdotool", "mousemove", "5", "5"}, xvfb.Name());
    ASSERT_TRUE(Changes(*w, kChart, chart));
    const auto pulledOut = Settled(*w, kChart);
    EXPECT_NE(pulledOut, chart);
    red = findRed();
    ASSERT_TRUE(red);
    hoverAndClick(*red);
    RunCommand({"xdotool", "mousemove", "5", "5"}, xvfb.Name());
    EXPECT_TRUE(WaitUntil([&] { return w->Pixels(kChart) == chart; }, 5s));
    Key(xvfb, "ctrl+b");
    EXPECT_EQ(velmora->WaitForExit(), 0);
}

TEST_F(MainWindowE2E, ThePopupMenuSwitchesChangeTheChartAndADoughnutIgnoresClicks) {
    big.Fill("half", 32);
    auto velmora = program.Start(xvfb, Drives(small.Path(), big.Path()));
    auto w = WaitForWindow();
    ASSERT_TRUE(w);
    // Opens the menu with a right click on the chart's empty top and chooses with the keys.
    auto choose = [&](std::vector<const char*> keys) {
        const auto before = Settled(*w, kChart);
        TPoint o = w->ClientOrigin();
        RunCommand({"xdotool", "mousemove", std::to_string(o.X + 560), std::to_string(o.Y + 60), "click", "3"},
                   xvfb.Name());
        if (!Changes(*w, {540, 40, 740, 200}, before)) return false;
        for (const char* key : keys) Key(xvfb, key);
        RunCommand({"xdotool", "mousemove", "5", "5"}, xvfb.Name());
        return Changes(*w, kChart, before);
    };
    if (!choose({"Right", "Down", "Return"}))  // Diagramm-Typ / Doughnut
        GTEST_SKIP() << "no popup menu opened: the chart's menu is shown by the skinned window frame";
    const auto doughnut = Settled(*w, kChart);
    // A click on the doughnut's red ring changes nothing once the pointer has left.
    std::vector<uint32_t> row = w->Pixels({kChart.Left, 250, kChart.Right, 251});
    auto red = std::find(row.begin() + 40, row.end() - 40, 0x0000FFu);
    ASSERT_NE(red, row.end() - 40) << "no red ring on the middle row";
    TPoint ring{kChart.Left + static_cast<int>(red - row.begin()) + 2, 250};
    TPoint o = w->ClientOrigin();
    RunCommand({"xdotool", "mousemove", std::to_string(o.X + ring.X), std::to_string(o.Y + ring.Y)}, xvfb.Name());
    Settled(*w, kChart);
    w->Click(ring, xvfb.Name());
    RunCommand({"xdotool", "mousemove", "5", "5"}, xvfb.Name());
    EXPECT_TRUE(WaitUntil([&] { return w->Pixels(kChart) == doughnut; }, 5s));

    EXPECT_TRUE(choose({"Down", "Right", "Down", "Return"}));                  // Diagramm Design / 2D
    EXPECT_TRUE(choose({"Down", "Down", "Right", "Down", "Down", "Return"}));  // Auflösung / Niedrig
    EXPECT_TRUE(choose({"Down", "Down", "Down", "Down", "Right", "Return"}));  // Ausrichting Legende / Links
    EXPECT_TRUE(choose({"Down", "Down", "Down", "Right", "Down", "Return"}));  // Legende ausblenden
    Key(xvfb, "ctrl+b");
    EXPECT_EQ(velmora->WaitForExit(), 0);
}

TEST_F(MainWindowE2E, ASecondInstancesHotKeysDoNothingWhileTheFirstsWork) {
    auto first = program.Start(xvfb, Drives(small.Path(), big.Path()));
    ASSERT_TRUE(WaitForWindow());
    ProgramFolder secondFolder;
    auto second = secondFolder.Start(xvfb, Drives(small.Path(), big.Path()));
    // Both windows shown.
    ASSERT_TRUE(WaitUntil([&] {
        std::string ids = RunCommand({"xdotool", "search", "--onlyvisible", "--name", "^Velmora$"}, xvfb.Name()).output;
        return std::count(ids.begin(), ids.end(), '\n') >= 2;
    }));
    // Ctrl+B ends the first only: the second could not take the key.
    Key(xvfb, "ctrl+b");
    EXPECT_EQ(first->WaitForExit(), 0);
    EXPECT_FALSE(second->WaitForExit(1s).has_value());
    EXPECT_FALSE(fs::exists(secondFolder.Ini()));
    second->Signal(SIGTERM);
    EXPECT_EQ(second->WaitForExit(), 0);
}

TEST_F(MainWindowE2E, AFirstRunWritesTheSettingsInTheirOrder) {
    auto velmora = program.Start(xvfb, Drives(small.Path(), big.Path()));
    auto w = WaitForWindow();
    ASSERT_TRUE(w);
    const TRect outer = w->Outer();
    Key(xvfb, "ctrl+b");
    ASSERT_EQ(velmora->WaitForExit(), 0);
    std::string ini = testing_support::ReadBytes(program.Ini());
    // The options dialog's six come first (it is destroyed before the main window).
    const std::string mainSix = "[Panel2]\nStatus=0\n[Panel3]\nStatus=0\n[Top]\nStatus=" + std::to_string(outer.Top) +
                                "\n[Left]\nStatus=" + std::to_string(outer.Left) + "\n[Width]\nStatus=" +
                                std::to_string(outer.Width()) + "\n[Height]\nStatus=" +
                                std::to_string(outer.Height()) + "\n";
    ASSERT_TRUE(ini.ends_with(mainSix)) << ini;
    EXPECT_EQ(ini, "[BottomTitel]\nStatus=1\n[Schriftart]\nStatus=0\n[Schriftgr\xF6\xDF"
                   "e]\nStatus=0\n[Schriftfarbe]\nStatus=0\n[HintergrundD]\nStatus=16777215\n"
                   "[HintergrundL]\nStatus=16777215\n" +
                       mainSix);
}

TEST_F(MainWindowE2E, AMovedWindowOpensCentredAndAResizedOneKeepsItsSize) {
    testing_support::WriteBytes(program.Ini(), "[Top]\nStatus=3\n[Left]\nStatus=4\n[Width]\nStatus=900\n"
                                               "[Height]\nStatus=640\n");
    auto velmora = program.Start(xvfb, Drives(small.Path(), big.Path()));
    auto w = WaitForWindow();
    ASSERT_TRUE(w);
    TRect r = w->Outer();
    TRect work = x->WorkArea();
    EXPECT_EQ(r.Width(), 900);
    EXPECT_EQ(r.Height(), 640);
    EXPECT_NEAR(r.Left + r.Width() / 2.0, work.Left + work.Width() / 2.0, 1.0);
    EXPECT_NEAR(r.Top + r.Height() / 2.0, work.Top + work.Height() / 2.0, 1.0);
    Key(xvfb, "ctrl+b");
    EXPECT_EQ(velmora->WaitForExit(), 0);
}

TEST_F(MainWindowE2E, SigtermWritesTheSettingsOnce) {
    auto velmora = program.Start(xvfb, Drives(small.Path(), big.Path()));
    ASSERT_TRUE(WaitForWindow());
    velmora->Signal(SIGTERM);
    ASSERT_EQ(velmora->WaitForExit(), 0);
    std::string ini = testing_support::ReadBytes(program.Ini());
    for (const char* section : {"[Panel2]", "[Panel3]", "[Top]", "[Left]", "[Width]", "[Height]"}) {
        size_t at = ini.find(section);
        ASSERT_NE(at, std::string::npos) << section;
        EXPECT_EQ(ini.find(section, at + 1), std::string::npos) << section << " twice";
    }
}

TEST_F(MainWindowE2E, AReadOnlyFolderShowsTheErrorAtTheEndAndTheProgramStillEnds) {
    // The program's folder made read-only for real: a read-only bind mount over it.
    const std::string folder = program.folder.Path().string();
    if (::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
        ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
        GTEST_SKIP() << "a read-only bind mount needs root";
    struct Unmount {
        std::string path;
        ~Unmount() { ::umount2(path.c_str(), MNT_DETACH); }
    } unmount{folder};

    auto velmora = program.Start(xvfb, Drives(small.Path(), big.Path()));
    auto w = WaitForWindow();
    ASSERT_TRUE(w);
    const TRect mainRect = w->Outer();
    Key(xvfb, "ctrl+b");
    // The error box: a window titled "Velmora" much smaller than the main window.
    auto errorBoxShown = [&] {
        std::istringstream ids(
            RunCommand({"xdotool", "search", "--onlyvisible", "--name", "^Velmora$"}, xvfb.Name()).output);
        for (unsigned long id; ids >> id;)
            if (x->ScreenRect(static_cast<::Window>(id)).Width() < mainRect.Width() - 100) return true;
        return false;
    };
    ASSERT_TRUE(WaitUntil(errorBoxShown));
    EXPECT_FALSE(velmora->WaitForExit(500ms).has_value()) << "the box waits for the user";
    Key(xvfb, "Return");
    // A second box may follow for the options dialog's settings; each is confirmed.
    std::optional<int> exitCode;
    EXPECT_TRUE(WaitUntil([&] {
        if ((exitCode = velmora->WaitForExit(300ms))) return true;
        Key(xvfb, "Return");
        return false;
    }, 10s));
    EXPECT_EQ(exitCode, 0);
    EXPECT_FALSE(fs::exists(program.Ini()));
}
