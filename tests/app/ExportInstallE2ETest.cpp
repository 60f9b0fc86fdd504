// scripts/install.sh in a home folder of the test's own: the portable folder with the
// program and its help page, the menu entry that starts it there, reinstalling over a
// used installation, and removing it again.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ChildProcess.h"
#include "os/TempFolder.h"

using namespace x11test;
namespace fs = std::filesystem;

namespace {

const std::string kScript = (fs::path(__FILE__).parent_path() / "../../scripts/install.sh").lexically_normal().string();

class InstallScript : public ::testing::Test {
protected:
    testing_support::TempFolder home;
    std::string Folder() const { return home.File(".local/share/velmora"); }
    std::string Entry() const { return home.File(".local/share/applications/velmora.desktop"); }

    CommandResult Run(std::vector<std::string> arguments) {
        std::vector<std::string> argv{"env", "-u", "XDG_DATA_HOME", "HOME=" + home.Path().string(), kScript};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        return RunCommand(argv, "", "", 60s);
    }
};

TEST_F(InstallScript, InstallsAPortableFolderWithAMenuEntryThatStartsThere) {
    CommandResult result = Run({"--binary", VELMORA_PATH});
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const std::string folder = Folder();
    EXPECT_EQ(testing_support::ReadBytes(folder + "/velmora"), testing_support::ReadBytes(VELMORA_PATH));
    EXPECT_TRUE((fs::status(folder + "/velmora").permissions() & fs::perms::owner_exec) != fs::perms::none);
    EXPECT_NE(testing_support::ReadBytes(folder + "/Hilfe.html").find("Velmora"), std::string::npos);

    const std::string entry = testing_support::ReadBytes(Entry());
    EXPECT_EQ(entry.rfind("[Desktop Entry]\n", 0), 0u);
    EXPECT_NE(entry.find("\nExec=\"" + folder + "/velmora\"\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("\nPath=" + folder + "\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("\nName=Velmora\n"), std::string::npos);
    // An icon line only where the icon file exists.
    const size_t icon = entry.find("\nIcon=");
    if (icon != std::string::npos) {
        const std::string iconPath = entry.substr(icon + 6, entry.find('\n', icon + 1) - icon - 6);
        EXPECT_EQ(testing_support::ReadBytes(iconPath).rfind("\x89PNG", 0), 0u) << iconPath;
    }
    if (fs::exists("/usr/bin/desktop-file-validate")) {
        CommandResult valid = RunCommand({"desktop-file-validate", Entry()}, "");
        EXPECT_EQ(valid.exitCode, 0) << valid.output;
    }
}

TEST_F(InstallScript, ReinstallingKeepsTheSettingsAndUninstallingRemovesAllButThem) {
    ASSERT_EQ(Run({"--binary", VELMORA_PATH}).exitCode, 0);
    const std::string ini = Folder() + "/Velmora.ini";
    testing_support::WriteBytes(ini, "[Width]\nStatus=900\n");
    ASSERT_EQ(Run({"--binary", VELMORA_PATH}).exitCode, 0);
    EXPECT_EQ(testing_support::ReadBytes(ini), "[Width]\nStatus=900\n");

    CommandResult removed = Run({"--uninstall"});
    ASSERT_EQ(removed.exitCode, 0);
    EXPECT_NE(removed.output.find("Velmora.ini"), std::string::npos) << removed.output;
    EXPECT_FALSE(fs::exists(Entry()));
    EXPECT_FALSE(fs::exists(Folder() + "/velmora"));
    EXPECT_FALSE(fs::exists(Folder() + "/Hilfe.html"));
    EXPECT_TRUE(fs::exists(ini));

    ASSERT_EQ(Run({"--uninstall", "--purge"}).exitCode, 0);
    EXPECT_FALSE(fs::exists(Folder()));
}

TEST_F(InstallScript, RefusesWhatIsNotAProgramAndUnknownOptions) {
    testing_support::WriteBytes(home.File("notes.txt"), "x");
    EXPECT_NE(Run({"--binary", home.File("notes.txt")}).exitCode, 0);
    EXPECT_NE(Run({"--frobnicate"}).exitCode, 0);
    EXPECT_FALSE(fs::exists(Entry()));
}

}  // namespace
