// TDiskInfo over machines built by the test.

#include <gtest/gtest.h>

#include "base/Encoding.h"
#include "drive/TDiskInfo.h"
#include "os/FakeMachine.h"

using testing_support::FakeMachine;

namespace {

class DiskInfo : public ::testing::Test {
protected:
    void SetUp() override {
        m.AddBlockDevice({8, 1, "sda1", "sda"});
        m.AddBlockDevice({8, 17, "sdb1", "sdb", false, 4096});
        m.AddUdevLink("by-label", "SYSTEM", "sda1");
        m.AddUdevLink("by-uuid", "0012-ABCD", "sda1");
        m.SetMountTable(FakeMachine::Line(1, "8:1", "/", "/", "vfat", "/dev/sda1") +
                        FakeMachine::Line(2, "8:17", "/", "/big", "ext4", "/dev/sdb1") +
                        FakeMachine::Line(3, "0:40", "/", "/mnt/nfs", "nfs", "srv:/x"));
        m.SetFileSystem("/", 50'000, 20'000, 4096);
        m.SetFileSystem("/big", 1'048'576, 1'000, 4096, 0xFEDCBA9876543210ul);  // exactly 4 GiB
    }
    FakeMachine m;
};

}  // namespace

TEST_F(DiskInfo, ConstructionQueriesDriveC) {
    os::DriveSystem drives(m.Config());
    drive::TDiskInfo info(drives);
    EXPECT_EQ(info.Drive(), "C");
    EXPECT_EQ(info.BytesPerSector(), 512u);
    EXPECT_EQ(info.SectorsPerCluster(), 8u);
    EXPECT_EQ(info.Clusters(), 50'000u);
    EXPECT_EQ(info.FreeClusters(), 20'000u);
    EXPECT_EQ(info.TotalDiskSpace(), 50'000u * 4096);
    EXPECT_EQ(info.DiskFreeSpace(), 20'000u * 4096);
    EXPECT_EQ(info.VolumeName(), "SYSTEM");
    EXPECT_EQ(info.SerialNumber(), "0012ABCD");  // leading zeros kept, 8 digits
    EXPECT_EQ(info.FileSystemType(), "vfat");
    EXPECT_EQ(info.DriveType(), "Lokales Laufwerk");
}

TEST_F(DiskInfo, DriveKeepsTheFirstCharacterAsGiven) {
    os::DriveSystem drives(m.Config());
    drive::TDiskInfo info(drives);
    info.SetDrive("c: [system]");
    EXPECT_EQ(info.Drive(), "c");
    EXPECT_EQ(info.VolumeName(), "SYSTEM");  // the lower-case path names the same drive
    info.SetDrive("");
    EXPECT_EQ(info.Drive(), "");
    EXPECT_EQ(info.DriveType(), "Ursprungsverzeichnis existiert");
    info.SetDrive("äx");
    EXPECT_EQ(info.Drive(), "ä");  // one character, not one byte
}

TEST_F(DiskInfo, FourGibibytesWrapTheByteCountsToZero) {
    os::DriveSystem drives(m.Config());
    drive::TDiskInfo info(drives);
    info.SetDrive("d");
    EXPECT_EQ(info.Clusters(), 1'048'576u);
    EXPECT_EQ(info.BytesPerSector(), 4096u);
    EXPECT_EQ(info.SectorsPerCluster(), 1u);
    EXPECT_EQ(info.TotalDiskSpace(), 0u);
    EXPECT_EQ(info.DiskFreeSpace(), 1000u * 4096);
    EXPECT_EQ(info.SerialNumber(), "76543210");  // the low half of the file system id
    EXPECT_EQ(info.VolumeName(), "");
}

TEST_F(DiskInfo, AFailedQueryKeepsTheNumbersAndEmptiesTheTexts) {
    os::DriveSystem drives(m.Config());
    drive::TDiskInfo info(drives);
    info.SetDrive("e");  // the NFS server does not answer
    EXPECT_EQ(info.Drive(), "e");
    EXPECT_EQ(info.Clusters(), 50'000u);
    EXPECT_EQ(info.FreeClusters(), 20'000u);
    EXPECT_EQ(info.SectorsPerCluster(), 8u);
    EXPECT_EQ(info.BytesPerSector(), 512u);
    EXPECT_EQ(info.TotalDiskSpace(), 50'000u * 4096);
    EXPECT_EQ(info.DiskFreeSpace(), 20'000u * 4096);
    EXPECT_EQ(info.VolumeName(), "");
    EXPECT_EQ(info.SerialNumber(), "00000000");
    EXPECT_EQ(info.FileSystemType(), "");
    EXPECT_EQ(info.DriveType(), "Netzwerk Laufwerk");
}

TEST_F(DiskInfo, DriveTypeIsAskedOnEveryRead) {
    os::DriveSystem drives(m.Config());
    drive::TDiskInfo info(drives);
    info.SetDrive("e");
    EXPECT_EQ(info.DriveType(), "Netzwerk Laufwerk");
    m.SetMountTable(FakeMachine::Line(1, "8:1", "/", "/", "vfat", "/dev/sda1"));  // disconnected
    EXPECT_EQ(info.DriveType(), "Ursprungsverzeichnis existiert");
}

TEST(DiskInfoTexts, TheSevenTypeTexts) {
    const char* expected[] = {"Keine Information", "Ursprungsverzeichnis existiert", "Diskette", "Lokales Laufwerk",
                              "Netzwerk Laufwerk", "CD-ROM", "RamDisk"};
    for (unsigned i = 0; i < 7; ++i) EXPECT_EQ(drive::TDiskInfo::DriveTypeText(i), expected[i]);
    EXPECT_EQ(base::Utf8Length(drive::TDiskInfo::DriveTypeText(1)), 30u);
    EXPECT_EQ(drive::TDiskInfo::DriveTypeText(7), "");
}
