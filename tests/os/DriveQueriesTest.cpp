// Geometry, capacity, volume information and network names of drives on a machine built
// by the test, and the time bound on queries that hang.

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <map>
#include <memory>

#include "os/BoundedCall.h"
#include "os/DriveSystem.h"
#include "os/FakeMachine.h"
#include "os/NetworkName.h"
#include "os/VolumeIdentity.h"

using testing_support::FakeMachine;

namespace {

class TwoDisks : public ::testing::Test {
protected:
    void SetUp() override {
        m.AddBlockDevice({8, 1, "sda1", "sda", false, 512});
        m.AddBlockDevice({259, 1, "nvme0n1p1", "nvme0n1", false, 4096});
        m.SetMountTable(FakeMachine::Line(1, "8:1", "/", "/", "ext4", "/dev/sda1") +
                        FakeMachine::Line(2, "259:1", "/", "/data", "xfs", "/dev/nvme0n1p1") +
                        FakeMachine::Line(3, "0:40", "/", "/tmp", "tmpfs", "tmpfs") +
                        FakeMachine::Line(4, "0:41", "/", "/mnt/smb", "cifs", "//fileserver/Team") +
                        FakeMachine::Line(5, "0:42", "/", "/mnt/ssh", "fuse.sshfs", "me@host.example:/srv/files"));
        m.AddUdevLink("by-label", "SYSTEM", "sda1");
        m.AddUdevLink("by-uuid", "0a1b2c3d-1111-2222-3333-444455556666", "sda1");
        m.AddUdevLink("by-label", "Daten\\x20Gr\\xc3\\xb6\\xc3\\x9fe", "nvme0n1p1");
        m.AddUdevLink("by-uuid", "01234567-89ab-cdef-0123-456789abcdef", "sda2");
        m.SetFileSystem("/", 10'000'000, 2'500'000, 4096, 0xAABBCCDD11223344ul);
        m.SetFileSystem("/data", 1'000'000, 999'999, 4096);
        m.SetFileSystem("/tmp", 1024, 1000, 4096, 0x5EEDull);
        m.SetFileSystem("/mnt/smb", 500, 100, 1024 * 1024, 0x77);
    }
    FakeMachine m;
};

}  // namespace

TEST_F(TwoDisks, GeometryUsesTheSectorSizeAndTheFragmentSize) {
    os::DriveSystem drives(m.Config());
    auto c = drives.GetDiskFreeSpace("c:\\");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->bytesPerSector, 512u);
    EXPECT_EQ(c->sectorsPerCluster, 8u);  // 4096-byte fragments
    EXPECT_EQ(c->totalClusters, 10'000'000u);
    EXPECT_EQ(c->freeClusters, 2'500'000u);  // f_bavail, not f_bfree

    auto d = drives.GetDiskFreeSpace("D:\\");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->bytesPerSector, 4096u);
    EXPECT_EQ(d->sectorsPerCluster, 1u);

    auto ram = drives.GetDiskFreeSpace("g:\\");  // no block device: 512-byte sectors
    ASSERT_TRUE(ram);
    EXPECT_EQ(ram->bytesPerSector, 512u);
    EXPECT_EQ(ram->sectorsPerCluster, 8u);
}

TEST_F(TwoDisks, FragmentsSmallerThanASectorStillMakeOneSectorClusters) {
    m.SetFileSystem("/data", 8000, 4000, 1024);
    auto d = os::DriveSystem(m.Config()).GetDiskFreeSpace("d:\\");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->sectorsPerCluster, 1u);
    EXPECT_EQ(d->totalClusters, 2000u);  // 8000 KiB in 4 KiB clusters
    EXPECT_EQ(d->freeClusters, 1000u);
}

TEST_F(TwoDisks, HugeCountsStopAtThe32BitLimitInsteadOfWrapping) {
    m.SetFileSystem("/data", uint64_t(1) << 34, uint64_t(1) << 33, 4096);  // 64 TiB
    os::DriveSystem drives(m.Config());
    auto d = drives.GetDiskFreeSpace("d:\\");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->totalClusters, 0xFFFFFFFFu);
    EXPECT_EQ(drives.GetDiskFreeSpaceEx("d:\\").totalBytes, int64_t(1) << 46);
    m.SetFileSystem("/data", ~uint64_t(0), 1, 4096);
    EXPECT_EQ(os::DriveSystem(m.Config()).GetDiskFreeSpaceEx("d:\\").totalBytes, INT64_MAX);
}

TEST_F(TwoDisks, CapacityIsBlocksTimesFragmentSizeAndMinusOneOnFailure) {
    os::DriveSystem drives(m.Config());
    os::DiskSpace c = drives.GetDiskFreeSpaceEx("c:\\");
    EXPECT_EQ(c.totalBytes, 10'000'000ll * 4096);
    EXPECT_EQ(c.freeBytesAvailable, 2'500'000ll * 4096);
    os::DiskSpace ssh = drives.GetDiskFreeSpaceEx("f:\\");  // statvfs fails
    EXPECT_EQ(ssh.totalBytes, -1);
    EXPECT_EQ(ssh.freeBytesAvailable, -1);
    EXPECT_FALSE(drives.GetDiskFreeSpace("f:\\"));
    EXPECT_EQ(drives.GetDiskFreeSpaceEx("q:\\").totalBytes, -1);
    m.SetFileSystem("/data", 100, 10, 0);  // no fragment size: no figures
    EXPECT_EQ(os::DriveSystem(m.Config()).GetDiskFreeSpaceEx("d:\\").totalBytes, -1);
}

TEST_F(TwoDisks, VolumeInformationFromUdevLinksAndFileSystemIds) {
    os::DriveSystem drives(m.Config());
    auto c = drives.GetVolumeInformation("c:\\");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->volumeName, "SYSTEM");
    EXPECT_EQ(c->serialNumber, 0x0a1b2c3du);  // first 32 bits of the UUID
    EXPECT_EQ(c->fileSystemName, "ext4");

    auto d = drives.GetVolumeInformation("d:\\");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->volumeName, "Daten Größe");
    EXPECT_EQ(d->fileSystemName, "xfs");
    EXPECT_EQ(d->serialNumber, 0u);  // no UUID and fsid 0

    auto ram = drives.GetVolumeInformation("g:\\");
    ASSERT_TRUE(ram);
    EXPECT_EQ(ram->volumeName, "");
    EXPECT_EQ(ram->serialNumber, 0x5EEDu);  // the statvfs id
    EXPECT_EQ(ram->fileSystemName, "tmpfs");

    EXPECT_FALSE(drives.GetVolumeInformation("f:\\"));  // not answering
    EXPECT_FALSE(drives.GetVolumeInformation("x:\\"));  // no such drive
}

TEST_F(TwoDisks, NetworkNamesOnlyForNetworkDrives) {
    os::DriveSystem drives(m.Config());
    EXPECT_EQ(drives.GetNetworkConnection("E:").value_or("-"), "\\\\fileserver\\Team");
    EXPECT_EQ(drives.GetNetworkConnection("F:").value_or("-"), "\\\\host.example\\srv\\files");
    EXPECT_FALSE(drives.GetNetworkConnection("C:"));
    EXPECT_FALSE(drives.GetNetworkConnection("Q:"));
}

TEST(NetworkName, SourcesOfTheCommonNetworkFileSystems) {
    EXPECT_EQ(os::NetworkNameFromSource("//server/share"), "\\\\server\\share");
    EXPECT_EQ(os::NetworkNameFromSource("//server/share/sub/dir/"), "\\\\server\\share\\sub\\dir");
    EXPECT_EQ(os::NetworkNameFromSource("server:/export"), "\\\\server\\export");
    EXPECT_EQ(os::NetworkNameFromSource("10.0.0.5:/volume1/backup"), "\\\\10.0.0.5\\volume1\\backup");
    EXPECT_EQ(os::NetworkNameFromSource("[fd00::5]:/export"), "\\\\fd00::5\\export");
    EXPECT_EQ(os::NetworkNameFromSource("user@host:/path/x"), "\\\\host\\path\\x");
    EXPECT_EQ(os::NetworkNameFromSource("user@host:"), "\\\\host");
    EXPECT_EQ(os::NetworkNameFromSource("tmpfs"), "");
    EXPECT_EQ(os::NetworkNameFromSource("//"), "");
    EXPECT_EQ(os::NetworkNameFromSource(":/x"), "");
    EXPECT_EQ(os::NetworkNameFromSource("/dev/sda1"), "");
    EXPECT_EQ(os::NetworkNameFromSource("[broken:/x"), "");
}

TEST(VolumeIdentity, SerialNumbersFromTheKindsOfUuid) {
    EXPECT_EQ(os::SerialFromUuid("1234-ABCD"), 0x1234ABCDu);          // FAT, exFAT
    EXPECT_EQ(os::SerialFromUuid("0012-00AB"), 0x001200ABu);
    EXPECT_EQ(os::SerialFromUuid("0123456789ABCDEF"), 0x89ABCDEFu);   // NTFS: low half
    EXPECT_EQ(os::SerialFromUuid("f81d4fae-7dec-11d0-a765-00a0c91e6bf6"), 0xf81d4faeu);
    EXPECT_EQ(os::SerialFromUuid(""), std::nullopt);
    EXPECT_EQ(os::SerialFromUuid("--"), std::nullopt);
    EXPECT_EQ(os::UnescapeUdevName("A\\x20B\\x5c\\xZZ"), "A B\\\\xZZ");
}

TEST(BoundedCall, ReturnsTheResultOrGivesUpAtTheBound) {
    EXPECT_EQ(os::RunBounded<int>(std::chrono::milliseconds(2000), [] { return 7; }), 7);
    EXPECT_EQ(os::RunBounded<int>(std::chrono::milliseconds(2000), []() -> int { throw std::runtime_error("x"); }),
              std::nullopt);

    // A call that blocks until the test lets it go: the caller is back after the bound.
    auto release = std::make_shared<std::promise<void>>();
    std::shared_future<void> gate = release->get_future().share();
    auto start = std::chrono::steady_clock::now();
    auto result = os::RunBounded<int>(std::chrono::milliseconds(50), [gate] {
        gate.wait();
        return 1;
    });
    auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(result, std::nullopt);
    EXPECT_GE(waited, std::chrono::milliseconds(50));
    EXPECT_LT(waited, std::chrono::milliseconds(1500));
    release->set_value();  // the abandoned worker ends on its own
}

TEST(BoundedCall, AHungFileSystemFailsEveryQueryWithinTheBound) {
    FakeMachine m;
    m.SetMountTable(FakeMachine::Line(1, "8:1", "/", "/", "ext4", "/dev/sda1") +
                    FakeMachine::Line(2, "0:40", "/", "/mnt/nfs", "nfs", "srv:/x"));
    m.SetFileSystem("/", 100, 50);
    auto release = std::make_shared<std::promise<void>>();
    std::shared_future<void> gate = release->get_future().share();
    auto config = m.Config();
    auto inner = config.statFs;
    config.statFs = [inner, gate](const std::string& path) -> std::optional<struct statvfs> {
        if (path == "/mnt/nfs") gate.wait();  // hangs like an unreachable server
        return inner(path);
    };
    config.timeout = std::chrono::milliseconds(60);
    os::DriveSystem drives(config);
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(drives.GetDriveType("d:\\"), os::DRIVE_REMOTE);  // listed without touching it
    EXPECT_EQ(drives.GetDiskFreeSpaceEx("d:\\").totalBytes, -1);
    EXPECT_FALSE(drives.GetDiskFreeSpace("d:\\"));
    EXPECT_FALSE(drives.GetVolumeInformation("d:\\"));
    EXPECT_EQ(drives.GetDiskFreeSpaceEx("c:\\").totalBytes, 100 * 4096);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500));
    release->set_value();
}

TEST(DriveListReuse, OneRefreshBuildsTheListOnceAndAChangedMountTableIsSeenAtOnce) {
    FakeMachine m;
    m.SetMountTable(FakeMachine::Line(1, "8:1", "/", "/", "ext4", "/dev/sda1"));
    m.SetFileSystem("/", 100, 50);
    m.SetFileSystem("/media/stick", 200, 20);
    auto config = m.Config();
    auto inner = config.statFs;
    auto calls = std::make_shared<std::map<std::string, int>>();
    config.statFs = [inner, calls](const std::string& path) {
        ++(*calls)[path];
        return inner(path);
    };
    config.listReuse = std::chrono::hours(1);
    os::DriveSystem drives(config);

    // The questions of one refresh: the list is built (and "/" probed) once, the figures
    // are asked for each time.
    EXPECT_EQ(drives.GetDriveType("c:\\"), os::DRIVE_FIXED);
    EXPECT_EQ(drives.GetDiskFreeSpaceEx("c:\\").totalBytes, 100 * 4096);
    m.SetFileSystem("/", 100, 10);
    EXPECT_EQ(drives.GetDiskFreeSpaceEx("c:\\").freeBytesAvailable, 10 * 4096);
    EXPECT_EQ((*calls)["/"], 3);

    // A stick mounted meanwhile is a drive at the next question, not after the reuse time.
    m.SetMountTable(FakeMachine::Line(1, "8:1", "/", "/", "ext4", "/dev/sda1") +
                    FakeMachine::Line(2, "8:17", "/", "/media/stick", "vfat", "/dev/sdb1"));
    EXPECT_EQ(drives.GetDiskFreeSpaceEx("d:\\").totalBytes, 200 * 4096);
    EXPECT_EQ(drives.ListedDrives().size(), 2u);

    // Without reuse every question builds the list again.
    config.listReuse = std::chrono::milliseconds(0);
    os::DriveSystem fresh(config);
    calls->clear();
    fresh.GetDriveType("c:\\");
    fresh.GetDriveType("c:\\");
    EXPECT_EQ((*calls)["/"], 2);
}
