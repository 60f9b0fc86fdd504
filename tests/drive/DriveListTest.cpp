// The drive list model: entries, texts in both cases, pictures and selection.

#include <gtest/gtest.h>

#include "drive/DrivePictures.h"
#include "drive/TDriveList.h"
#include "os/FakeMachine.h"

using testing_support::FakeMachine;

namespace {

// Floppy a, fixed c labelled SYSTEM, an unlabelled CD-ROM d, a network share e.
class FourDrives : public ::testing::Test {
protected:
    void SetUp() override {
        m.AddBlockDevice({2, 0, "fd0", "", true});
        m.AddBlockDevice({8, 1, "sda1", "sda"});
        m.AddBlockDevice({11, 0, "sr0", "", true, 2048, 5});
        m.AddUdevLink("by-label", "SYSTEM", "sda1");
        m.SetMountTable(FakeMachine::Line(1, "8:1", "/", "/", "ext4", "/dev/sda1") +
                        FakeMachine::Line(2, "2:0", "/", "/media/floppy", "vfat", "/dev/fd0") +
                        FakeMachine::Line(3, "11:0", "/", "/media/cdrom", "udf", "/dev/sr0") +
                        FakeMachine::Line(4, "0:40", "/", "/mnt/data", "cifs", "//srv/data"));
        for (const char* p : {"/", "/media/floppy", "/media/cdrom", "/mnt/data"}) m.SetFileSystem(p, 100, 10);
        m.currentDirectory = "/mnt/data/reports";
    }
    std::vector<std::string> Texts(const drive::TDriveList& list) {
        std::vector<std::string> texts;
        for (const auto& item : list.Items()) texts.push_back(item.text + "|" + item.pictureName);
        return texts;
    }
    FakeMachine m;
};

}  // namespace

TEST_F(FourDrives, EntriesInLowerCase) {
    os::DriveSystem drives(m.Config());
    drive::TDriveList list(drives);
    list.BuildDriveList();
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"a:|BS_FLOPPY", "c: [system]|BS_HARD", "d: []|BS_CDROM",
                                                     "e: \\\\srv\\data|BS_NETWORK"}));
    for (const auto& item : list.Items()) {
        ASSERT_NE(list.Picture(item), nullptr) << item.pictureName;
        EXPECT_EQ(item.text[1], ':');
    }
}

TEST_F(FourDrives, EntriesInUpperCaseAndBackAgain) {
    os::DriveSystem drives(m.Config());
    drive::TDriveList list(drives);
    list.InitializeList();
    int changes = 0;
    list.OnChange = [&] { ++changes; };
    list.SetTextCase(drive::tcUpperCase);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"A:|BS_FLOPPY", "C: [SYSTEM]|BS_HARD", "D: []|BS_CDROM",
                                                     "E: \\\\SRV\\DATA|BS_NETWORK"}));
    EXPECT_EQ(list.Text(), "E: \\\\SRV\\DATA");  // the current drive selected again
    EXPECT_EQ(list.CurrentDriveLetter(), 'E');
    EXPECT_EQ(changes, 1);
    list.SetTextCase(drive::tcLowerCase);
    EXPECT_EQ(list.Text(), "e: \\\\srv\\data");
}

TEST_F(FourDrives, ANetworkDriveWithoutNetworkNameShowsItsLabel) {
    m.SetMountTable(FakeMachine::Line(1, "8:1", "/", "/", "ext4", "/dev/sda1") +
                    FakeMachine::Line(4, "0:40", "/", "/mnt/odd", "nfs", "no-share-here"));
    m.SetFileSystem("/mnt/odd", 10, 1);
    os::DriveSystem drives(m.Config());
    drive::TDriveList list(drives);
    list.BuildDriveList();
    ASSERT_EQ(list.Items().size(), 2u);
    EXPECT_EQ(list.Items()[1].text, "d: []");
    EXPECT_EQ(list.Items()[1].pictureName, "BS_NETWORK");
}

TEST_F(FourDrives, SelectionFollowsTheCurrentDriveAndSelectDrive) {
    os::DriveSystem drives(m.Config());
    drive::TDriveList list(drives);
    EXPECT_EQ(list.CurrentDriveLetter(), 'e');
    std::vector<std::string> events;
    list.OnChange = [&] { events.push_back("change:" + list.Text()); };
    list.OnClick = [&] { events.push_back("click"); };
    list.InitializeList();
    EXPECT_EQ(list.ItemIndex(), 3);
    EXPECT_EQ(events, (std::vector<std::string>{"change:e: \\\\srv\\data", "click"}));

    events.clear();
    list.SelectDrive('E');  // the current drive again: nothing happens
    EXPECT_TRUE(events.empty());
    list.SelectDrive('C');
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(list.CurrentDriveLetter(), 'c');
    list.SelectDrive('q');  // no such entry: the selection stays, the letter changes
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(list.CurrentDriveLetter(), 'q');
    list.SelectDrive(std::nullopt);
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.CurrentDriveLetter(), std::nullopt);

    events.clear();
    list.SetItemIndex(1);
    list.SetItemIndex(1);  // same text: a click only
    list.SetItemIndex(9);  // outside the list: ignored
    EXPECT_EQ(events, (std::vector<std::string>{"change:c: [system]", "click", "click"}));
}

TEST_F(FourDrives, ACurrentFolderOnNoDriveSelectsNothing) {
    m.currentDirectory = "/proc/self";
    m.SetMountTable(FakeMachine::Line(1, "8:1", "/", "/", "ext4", "/dev/sda1") +
                    FakeMachine::Line(9, "0:9", "/", "/proc", "proc", "proc"));
    os::DriveSystem drives(m.Config());
    drive::TDriveList list(drives);
    list.InitializeList();
    EXPECT_EQ(list.CurrentDriveLetter(), std::nullopt);
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.Items().size(), 1u);
}

TEST(DrivePictures, FiveEmbeddedPicturesOfTheStatedSizes) {
    struct Expected {
        const char* name;
        int width, height;
    };
    for (Expected e : {Expected{"BS_FLOPPY", 16, 16}, Expected{"BS_HARD", 16, 16}, Expected{"BS_NETWORK", 16, 16},
                       Expected{"BS_CDROM", 16, 16}, Expected{"BS_RAM", 16, 11}}) {
        gfx::Bitmap picture = drive::LoadDrivePicture(e.name);
        EXPECT_EQ(picture.Width(), e.width) << e.name;
        EXPECT_EQ(picture.Height(), e.height) << e.name;
        // The bottom-left pixel is the transparent colour; the drawing itself must use
        // other colours, and enough of them to be a picture.
        TColor transparent = picture.Pixel(0, e.height - 1);
        int drawn = 0;
        for (int y = 0; y < e.height; ++y)
            for (int x = 0; x < e.width; ++x) drawn += picture.Pixel(x, y) != transparent;
        EXPECT_GT(drawn, e.width * e.height / 3) << e.name;
        EXPECT_LT(drawn, e.width * e.height) << e.name;
    }
    EXPECT_TRUE(drive::LoadDrivePicture("BS_NONE").IsEmpty());
    EXPECT_EQ(drive::DrivePictureName(os::DRIVE_NO_ROOT_DIR), "");
    EXPECT_EQ(drive::DrivePictureName(os::DRIVE_RAMDISK), "BS_RAM");
}
