// Reading the kernel's mount table: its fields, escapes and malformed lines, and the
// drives of realistic tables from typical machines.

#include <gtest/gtest.h>

#include "os/DriveAssignment.h"
#include "os/FileText.h"
#include "os/MountTable.h"

TEST(MountTable, ReadsEveryFieldAroundTheOptionalOnes) {
    auto table = os::ParseMountInfo(
        "36 35 98:0 /mnt1 /mnt/parent rw,noatime master:1 shared:7 - ext3 /dev/root rw,errors=continue\n"
        "37 35 0:40 / /tmp rw - tmpfs tmpfs rw\n");
    ASSERT_EQ(table.size(), 2u);
    const os::MountEntry& e = table[0];
    EXPECT_EQ(e.id, 36);
    EXPECT_EQ(e.parentId, 35);
    EXPECT_EQ(e.major, 98u);
    EXPECT_EQ(e.minor, 0u);
    EXPECT_EQ(e.root, "/mnt1");
    EXPECT_EQ(e.mountPoint, "/mnt/parent");
    EXPECT_EQ(e.options, "rw,noatime");
    EXPECT_EQ(e.fsType, "ext3");
    EXPECT_EQ(e.source, "/dev/root");
    EXPECT_EQ(e.superOptions, "rw,errors=continue");
    EXPECT_EQ(table[1].mountPoint, "/tmp");  // no optional fields at all
}

TEST(MountTable, OctalEscapesAreUndone) {
    auto table = os::ParseMountInfo(
        "1 0 8:1 / /media/u/My\\040Disk\\011x\\134y\\012z rw - vfat /dev/sdb\\0401 rw\n");
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].mountPoint, "/media/u/My Disk\tx\\y\nz");
    EXPECT_EQ(table[0].source, "/dev/sdb 1");
    // Anything that is not three octal digits stays as written.
    EXPECT_EQ(os::UnescapeMountField("a\\09b\\04\\"), "a\\09b\\04\\");
    EXPECT_EQ(os::UnescapeMountField("\\777"), "\\777");  // beyond one byte
}

TEST(MountTable, MalformedLinesAreSkipped) {
    auto table = os::ParseMountInfo(
        "\n"
        "garbage\n"
        "1 0 8:1 / / rw ext4 /dev/sda1 rw\n"            // no separator
        "1 0 8:1 / / rw - ext4\n"                       // no source
        "x 0 8:1 / / rw - ext4 /dev/sda1 rw\n"          // id not a number
        "1 0 81 / / rw - ext4 /dev/sda1 rw\n"           // device without colon
        "1 0 8:1 / relative rw - ext4 /dev/sda1 rw\n"   // mount point not absolute
        "1 0 8:1 / /a\\000b rw - ext4 /dev/sda1 rw\n"   // NUL in the path
        "1 0 8:99999999999 / / rw - ext4 /dev/sda1 rw\n"
        "2 0 8:2 / /ok rw - ext4 /dev/sda2\n"           // super options may be missing
        "3 0 8:3 / /last rw - ext4 /dev/sda3 rw");      // no final newline
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0].mountPoint, "/ok");
    EXPECT_EQ(table[0].superOptions, "");
    EXPECT_EQ(table[1].mountPoint, "/last");
}

TEST(MountTable, OptionsAreMatchedWholeOrWithValue) {
    EXPECT_TRUE(os::HasMountOption("rw,x-gvfs-hide", "x-gvfs-hide"));
    EXPECT_TRUE(os::HasMountOption("x-gdu.hide=1,ro", "x-gdu.hide"));
    EXPECT_FALSE(os::HasMountOption("rw,x-gvfs-hidex", "x-gvfs-hide"));
    EXPECT_FALSE(os::HasMountOption("", "ro"));
}

namespace {

std::string DrivesOf(const std::string& file, const std::string& home, const std::set<std::string>& files = {}) {
    auto text = os::ReadFileText(std::string(VELMORA_TEST_DATA) + "/mountinfo/" + file);
    EXPECT_TRUE(text) << file;
    os::AssignmentInput input;
    input.table = os::ParseMountInfo(text.value_or(""));
    input.home = home;
    input.prober = [&files](const std::vector<std::string>& paths) {
        std::map<std::string, os::MountProbe> probes;
        for (const std::string& p : paths) probes[p] = {true, 1000, files.count(p) == 0};
        return probes;
    };
    std::string out;
    for (const os::AssignedDrive& d : os::AssignDriveLetters(input))
        out += std::string(1, d.letter) + std::to_string(d.type) + "=" + d.path + ";";
    return out;
}

}  // namespace

TEST(MountTable, RealisticMachinesGetSensibleDrives) {
    EXPECT_EQ(DrivesOf("desktop.txt", "/home/anna"),
              "c3=/;d3=/home;e3=/boot/efi;f3=/media/anna/USB STICK;g5=/media/anna/Ubuntu 24.04 LTS amd64;"
              "h4=/mnt/router-nas;i6=/dev/shm;");
    EXPECT_EQ(DrivesOf("server.txt", "/root"),
              "c3=/;d3=/boot;e3=/boot/efi;f3=/home;g3=/var/lib/pgsql;h4=/mnt/backup;i6=/dev/shm;");
    EXPECT_EQ(DrivesOf("container.txt", "/root", {"/etc/resolv.conf", "/etc/hostname", "/etc/hosts"}),
              "c3=/;d3=/work;e6=/dev/shm;");
    EXPECT_EQ(DrivesOf("nas.txt", "/var/services/homes/admin"),
              "c3=/;d3=/volume1;e3=/volume2;f3=/volumeUSB1/usbshare;g4=/volume1/remote/office;h6=/dev/shm;i6=/tmp;");
}
