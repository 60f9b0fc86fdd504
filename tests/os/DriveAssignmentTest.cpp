// Which mounts become drives, their types and letters, over machines built by the test.

#include <gtest/gtest.h>

#include "os/DriveSystem.h"
#include "os/FakeMachine.h"

using testing_support::FakeMachine;

namespace {

std::string Letters(const os::DriveSystem& drives) {
    std::string out;
    for (const os::AssignedDrive& d : drives.ListedDrives()) out += std::string(1, d.letter) + "=" + d.path + ";";
    return out;
}

// A desktop: root and home on their own partitions, a USB stick, a DVD, an NFS share,
// a tmpfs at /tmp, and the usual pseudo file systems.
class DesktopMachine : public ::testing::Test {
protected:
    void SetUp() override {
        m.AddBlockDevice({8, 1, "sda1", "sda"});
        m.AddBlockDevice({8, 2, "sda2", "sda"});
        m.AddBlockDevice({8, 17, "sdb1", "sdb", true});
        m.AddBlockDevice({11, 0, "sr0", "", true, 2048, 5});
        m.AddBlockDevice({2, 0, "fd0", "", true});
        table = FakeMachine::Line(21, "0:20", "/", "/proc", "proc", "proc") +
                FakeMachine::Line(22, "0:21", "/", "/sys", "sysfs", "sysfs") +
                FakeMachine::Line(23, "0:5", "/", "/dev", "devtmpfs", "udev") +
                FakeMachine::Line(24, "0:22", "/", "/dev/pts", "devpts", "devpts") +
                FakeMachine::Line(25, "0:23", "/", "/run", "tmpfs", "tmpfs") +
                FakeMachine::Line(26, "8:1", "/", "/", "ext4", "/dev/sda1") +
                FakeMachine::Line(27, "0:24", "/", "/dev/shm", "tmpfs", "tmpfs") +
                FakeMachine::Line(28, "0:26", "/", "/sys/fs/cgroup", "cgroup2", "cgroup2") +
                FakeMachine::Line(29, "0:27", "/", "/proc/sys/fs/binfmt_misc", "autofs", "systemd-1") +
                FakeMachine::Line(30, "8:2", "/", "/home", "ext4", "/dev/sda2") +
                FakeMachine::Line(31, "0:28", "/", "/tmp", "tmpfs", "tmpfs") +
                FakeMachine::Line(32, "0:29", "/", "/run/user/1000", "tmpfs", "tmpfs") +
                FakeMachine::Line(33, "0:30", "/", "/run/user/1000/gvfs", "fuse.gvfsd-fuse", "gvfsd-fuse") +
                FakeMachine::Line(34, "8:17", "/", "/media/user/USB STICK", "vfat", "/dev/sdb1") +
                FakeMachine::Line(35, "11:0", "/", "/media/user/DVD", "iso9660", "/dev/sr0") +
                FakeMachine::Line(36, "0:31", "/", "/mnt/nas", "nfs4", "nas.local:/export/data") +
                FakeMachine::Line(37, "2:0", "/", "/media/floppy", "vfat", "/dev/fd0");
        m.SetMountTable(table);
        for (const char* path : {"/", "/home", "/tmp", "/dev/shm", "/media/user/USB STICK", "/media/user/DVD",
                                 "/mnt/nas", "/media/floppy"})
            m.SetFileSystem(path, 1000, 500);
    }
    FakeMachine m;
    std::string table;
};

}  // namespace

TEST_F(DesktopMachine, LettersFollowRootHomeDisksNetworkRam) {
    os::DriveSystem drives(m.Config());
    EXPECT_EQ(Letters(drives),
              "a=/media/floppy;c=/;d=/home;e=/media/user/DVD;f=/media/user/USB STICK;g=/mnt/nas;h=/dev/shm;i=/tmp;");
    EXPECT_EQ(drives.GetLogicalDrives(), 0b111111101u);
}

TEST_F(DesktopMachine, EveryDriveTypeIsRecognised) {
    os::DriveSystem drives(m.Config());
    EXPECT_EQ(drives.GetDriveType("a:\\"), os::DRIVE_REMOVABLE);
    EXPECT_EQ(drives.GetDriveType("b:\\"), os::DRIVE_NO_ROOT_DIR);
    EXPECT_EQ(drives.GetDriveType("C:\\"), os::DRIVE_FIXED);
    EXPECT_EQ(drives.GetDriveType("d:"), os::DRIVE_FIXED);
    EXPECT_EQ(drives.GetDriveType("e:\\"), os::DRIVE_CDROM);
    EXPECT_EQ(drives.GetDriveType("f:\\"), os::DRIVE_REMOVABLE);
    EXPECT_EQ(drives.GetDriveType("g:\\"), os::DRIVE_REMOTE);
    EXPECT_EQ(drives.GetDriveType("h:\\"), os::DRIVE_RAMDISK);
    EXPECT_EQ(drives.GetDriveType("z:\\"), os::DRIVE_NO_ROOT_DIR);
    EXPECT_EQ(drives.GetDriveType(""), os::DRIVE_NO_ROOT_DIR);
    EXPECT_EQ(drives.GetDriveType(":\\"), os::DRIVE_NO_ROOT_DIR);
    EXPECT_EQ(drives.GetDriveType("c:\\x"), os::DRIVE_NO_ROOT_DIR);
}

TEST_F(DesktopMachine, AnUnreadableTableGivesUnknownAndNoDrives) {
    auto config = m.Config();
    config.mountInfoPath = (m.Folder() / "missing").string();
    os::DriveSystem drives(config);
    EXPECT_EQ(drives.GetDriveType("c:\\"), os::DRIVE_UNKNOWN);
    EXPECT_EQ(drives.GetLogicalDrives(), 0u);
}

TEST_F(DesktopMachine, HomeOnTheRootFileSystemGetsNoLetterOfItsOwn) {
    m.home = "/root";
    os::DriveSystem drives(m.Config());
    // /home is still a disk of its own, sorted among the others.
    EXPECT_EQ(Letters(drives).substr(0, 30), "a=/media/floppy;c=/;d=/home;e=");
    m.home = "/srv/user";
    m.SetMountTable(table + FakeMachine::Line(40, "8:2", "/srv", "/srv", "ext4", "/dev/sda2"));
    os::DriveSystem bound(m.Config());
    // Home reached through a bind mount of the home partition: still that partition, once.
    EXPECT_EQ(Letters(bound).substr(0, 30), "a=/media/floppy;c=/;d=/home;e=");
}

TEST_F(DesktopMachine, TheTableIsReadAfreshOnEveryQuery) {
    os::DriveSystem drives(m.Config());
    EXPECT_EQ(drives.GetDriveType("f:\\"), os::DRIVE_REMOVABLE);
    // The stick is pulled: f now names the next drive, and the last letter is gone.
    std::string without = table;
    without.erase(without.find("34 1 8:17"), FakeMachine::Line(34, "8:17", "/", "/media/user/USB STICK", "vfat", "/dev/sdb1").size());
    m.SetMountTable(without);
    EXPECT_EQ(drives.GetDriveType("f:\\"), os::DRIVE_REMOTE);
    EXPECT_EQ(drives.GetDriveType("i:\\"), os::DRIVE_NO_ROOT_DIR);
    EXPECT_EQ(drives.GetDiskFreeSpaceEx("i:\\").totalBytes, -1);
}

TEST(DriveAssignment, PseudoAndHiddenMountsAreNotListed) {
    FakeMachine m;
    m.SetMountTable(FakeMachine::Line(1, "8:1", "/", "/", "ext4", "/dev/sda1") +
                    FakeMachine::Line(2, "0:40", "/", "/snap/core/123", "squashfs", "/dev/loop3") +
                    FakeMachine::Line(3, "7:4", "/", "/snap/app/9", "ext4", "/dev/loop4") +
                    FakeMachine::Line(4, "0:41", "/", "/var/lib/docker/overlay2/x/merged", "overlay", "overlay") +
                    FakeMachine::Line(5, "8:3", "/", "/boot/hidden", "ext4", "/dev/sda3", "rw,x-gvfs-hide") +
                    FakeMachine::Line(6, "8:4", "/", "/mnt/gdu", "ext4", "/dev/sda4", "rw", "rw,x-gdu.hide") +
                    FakeMachine::Line(7, "0:42", "/", "/mnt/empty", "fuse.something", "something") +
                    FakeMachine::Line(8, "0:43", "/", "/dev/mqueue", "mqueue", "mqueue") +
                    FakeMachine::Line(9, "0:44", "/", "/sys/kernel/debug", "debugfs", "debugfs") +
                    FakeMachine::Line(10, "0:45", "/", "/mnt/portal", "fuse.portal", "portal") +
                    FakeMachine::Line(11, "0:46", "/", "/mnt/tracing", "tracefs", "tracefs") +
                    FakeMachine::Line(12, "0:47", "/", "/mnt/data", "btrfs", "/dev/sdc1"));
    for (const char* p : {"/", "/snap/core/123", "/snap/app/9", "/boot/hidden", "/mnt/gdu", "/mnt/data"})
        m.SetFileSystem(p, 100, 10);
    m.SetFileSystem("/mnt/empty", 0, 0);  // reports no blocks
    os::DriveSystem drives(m.Config());
    EXPECT_EQ(Letters(drives), "c=/;d=/mnt/data;");
}

TEST(DriveAssignment, BindMountsAndSubvolumesCountOnce) {
    FakeMachine m;
    m.home = "/home/u";
    // A btrfs root with its home subvolume, a data disk bound into two more places, a
    // container-style file bind, and a tmpfs hidden under a later tmpfs at the same place.
    m.SetMountTable(FakeMachine::Line(1, "0:30", "/@", "/", "btrfs", "/dev/nvme0n1p2") +
                    FakeMachine::Line(2, "0:30", "/@home", "/home", "btrfs", "/dev/nvme0n1p2") +
                    FakeMachine::Line(3, "8:17", "/exports/a", "/srv/a", "xfs", "/dev/sdb1") +
                    FakeMachine::Line(4, "8:17", "/", "/data", "xfs", "/dev/sdb1") +
                    FakeMachine::Line(5, "8:17", "/exports/b", "/srv/b", "xfs", "/dev/sdb1") +
                    FakeMachine::Line(6, "8:33", "/containers/x/hosts", "/etc/hosts", "ext4", "/dev/sdc1") +
                    FakeMachine::Line(7, "0:50", "/", "/dev/shm", "tmpfs", "tmpfs") +
                    FakeMachine::Line(8, "0:51", "/", "/dev/shm", "tmpfs", "tmpfs"));
    for (const char* p : {"/", "/home", "/srv/a", "/data", "/srv/b", "/etc/hosts", "/dev/shm"}) m.SetFileSystem(p, 100, 10);
    m.SetNotDirectory("/etc/hosts");
    os::DriveSystem drives(m.Config());
    EXPECT_EQ(Letters(drives), "c=/;d=/data;e=/dev/shm;");
    auto listed = drives.ListedDrives();
    EXPECT_EQ(listed.back().mount.minor, 51u);  // the upper of the two /dev/shm mounts
}

TEST(DriveAssignment, EscapedMountPointsWithBlanksWork) {
    FakeMachine m;
    m.SetMountTable(FakeMachine::Line(1, "8:1", "/", "/", "ext4", "/dev/sda1") +
                    FakeMachine::Line(2, "8:2", "/", "/media/u/My Disk\\One", "exfat", "/dev/sda2") +
                    FakeMachine::Line(3, "0:40", "/", "/mnt/share space", "cifs", "//srv/Public Files"));
    m.SetFileSystem("/", 100, 10);
    m.SetFileSystem("/media/u/My Disk\\One", 200, 20);
    os::DriveSystem drives(m.Config());
    EXPECT_EQ(Letters(drives), "c=/;d=/media/u/My Disk\\One;e=/mnt/share space;");
    EXPECT_EQ(drives.GetDiskFreeSpaceEx("d:\\").totalBytes, 200 * 4096);
    EXPECT_EQ(drives.GetNetworkConnection("E:").value_or(""), "\\\\srv\\Public Files");
}

TEST(DriveAssignment, FileSystemsBeyondZAreLeftOut) {
    FakeMachine m;
    std::string table = FakeMachine::Line(1, "8:0", "/", "/", "ext4", "/dev/sda");
    for (int i = 0; i < 30; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/mnt/disk%02d", i);
        table += FakeMachine::Line(10 + i, "9:" + std::to_string(i), "/", name, "ext4", "/dev/md" + std::to_string(i));
    }
    m.SetMountTable(table);
    os::DriveSystem drives(m.Config());
    auto listed = drives.ListedDrives();
    ASSERT_EQ(listed.size(), 24u);  // c .. z
    EXPECT_EQ(listed.back().letter, 'z');
    EXPECT_EQ(listed.back().path, "/mnt/disk22");
    EXPECT_EQ(drives.GetLogicalDrives(), 0x3FFFFFCu);
}

TEST(DriveAssignment, TheDriveMapReplacesTheAutomaticLetters) {
    FakeMachine m;
    m.SetMountTable(FakeMachine::Line(1, "8:1", "/", "/", "ext4", "/dev/sda1") +
                    FakeMachine::Line(2, "0:40", "/", "/mnt/nas", "nfs", "nas:/volume1") +
                    FakeMachine::Line(3, "0:41", "/", "/proc", "proc", "proc"));
    m.driveMap = "c=/;D=/home/;e=/mnt/nas/photos;x=relative;7=/;q;r=";
    os::DriveSystem drives(m.Config());
    EXPECT_EQ(Letters(drives), "c=/;d=/home;e=/mnt/nas/photos;");
    EXPECT_EQ(drives.GetDriveType("d:\\"), os::DRIVE_FIXED);
    EXPECT_EQ(drives.GetDriveType("e:\\"), os::DRIVE_REMOTE);
    m.currentDirectory = "/home/user/docs";
    EXPECT_EQ(os::DriveSystem(m.Config()).CurrentDriveLetter(), 'd');
}

TEST(DriveAssignment, TheEnvironmentVariableIsReadWhenNoMapIsGiven) {
    FakeMachine m;
    m.SetMountTable(FakeMachine::Line(1, "8:1", "/", "/", "ext4", "/dev/sda1"));
    auto config = m.Config();
    config.driveMap.reset();
    ::setenv("VELMORA_DRIVES", "k=/", 1);
    os::DriveSystem drives(config);
    EXPECT_EQ(Letters(drives), "k=/;");
    ::unsetenv("VELMORA_DRIVES");
    EXPECT_EQ(Letters(drives), "c=/;");
}

TEST(DriveAssignment, CurrentDriveFollowsTheCurrentFolder) {
    FakeMachine m;
    m.SetMountTable(FakeMachine::Line(1, "8:1", "/", "/", "ext4", "/dev/sda1") +
                    FakeMachine::Line(2, "8:2", "/", "/home", "ext4", "/dev/sda2") +
                    FakeMachine::Line(3, "8:2", "/user/work", "/work", "ext4", "/dev/sda2") +
                    FakeMachine::Line(4, "0:40", "/", "/proc", "proc", "proc"));
    auto letterFor = [&](const std::string& folder) {
        m.currentDirectory = folder;
        return os::DriveSystem(m.Config()).CurrentDriveLetter();
    };
    EXPECT_EQ(letterFor("/etc"), 'c');
    EXPECT_EQ(letterFor("/home/user"), 'd');
    EXPECT_EQ(letterFor("/work/x"), 'd');  // a bind mount of the home partition
    EXPECT_EQ(letterFor("/proc/self"), std::nullopt);
}
