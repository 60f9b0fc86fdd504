// The drive queries against real file systems: a tmpfs of known size and, where loop
// devices work, a FAT image with a known label and serial, mounted in a private mount
// namespace.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <vector>

#include "drive/Capacity.h"
#include "drive/TDiskInfo.h"
#include "drive/TDriveList.h"
#include "os/MountNamespace.h"

namespace {

// The list entry of the drive mounted at `path`, or "".
std::string EntryFor(const drive::TDriveList& list, const os::DriveSystem& drives, const std::string& path) {
    for (const os::AssignedDrive& d : drives.ListedDrives())
        if (d.path == path)
            for (const drive::TDriveItem& item : list.Items())
                if (item.text[0] == d.letter) return item.text;
    return "";
}

}  // namespace

TEST(RealMachine, TmpfsAndFatImage) { VELMORA_RUN_IN_MOUNT_NAMESPACE("RealMachine.DISABLED_Inside"); }

TEST(RealMachine, DISABLED_Inside) {
    // RAM file systems are listed at /tmp: mount one of 64 MiB there.
    ASSERT_EQ(::mount("velmora-ram", "/tmp", "tmpfs", 0, "size=64m"), 0);
    os::DriveSystemConfig config;
    config.home = "/root";
    config.driveMap = "";
    os::DriveSystem drives(config);
    drive::TDriveList list(drives);
    list.BuildDriveList();

    std::string ramEntry = EntryFor(list, drives, "/tmp");
    ASSERT_FALSE(ramEntry.empty());
    EXPECT_EQ(ramEntry.substr(1), ": []");
    drive::TDiskInfo info(drives);
    info.SetDrive(ramEntry);
    EXPECT_EQ(info.DriveType(), "RamDisk");
    EXPECT_EQ(info.FileSystemType(), "tmpfs");

    struct statvfs st {};
    ASSERT_EQ(::statvfs("/tmp", &st), 0);
    os::DiskSpace space = drive::QueryDriveCapacity(ramEntry, drives);
    EXPECT_EQ(space.totalBytes, 64 << 20);
    EXPECT_EQ(space.totalBytes, static_cast<int64_t>(st.f_blocks * st.f_frsize));
    EXPECT_EQ(space.freeBytesAvailable, static_cast<int64_t>(st.f_bavail * st.f_frsize));
    EXPECT_EQ(drive::ComputeCapacity(space.totalBytes, space.freeBytesAvailable, drive::cuMB).total, 64);
    EXPECT_EQ(drive::ComputeCapacity(space.totalBytes, space.freeBytesAvailable, drive::cuKB).total, 65536);
    EXPECT_EQ(info.SectorsPerCluster() * info.BytesPerSector(), st.f_frsize);
    EXPECT_EQ(uint64_t(info.Clusters()) * info.SectorsPerCluster() * info.BytesPerSector(), 64u << 20);

    // Filling 3 MiB shows at the next query.
    ASSERT_EQ(testing_support::Shell("dd if=/dev/zero of=/tmp/fill bs=1M count=3 2>/dev/null"), 0);
    os::DiskSpace after = drive::QueryDriveCapacity(ramEntry, drives);
    EXPECT_EQ(space.freeBytesAvailable - after.freeBytesAvailable, 3 << 20);
    EXPECT_EQ(drive::ComputeCapacity(after.totalBytes, after.freeBytesAvailable, drive::cuMB).used, 3);

    // A FAT image labelled SYSTEM with serial 1234ABCD. Where the kernel has no FAT driver,
    // an ext4 image with that label and a UUID starting 1234abcd takes its place.
    struct Image {
        const char* fsType;
        const char* make;
    };
    std::vector<Image> images = {
        {"vfat", "mkfs.vfat -n SYSTEM -i 1234ABCD /tmp/disk.img >/dev/null 2>&1"},
        {"ext4", "mkfs.ext4 -q -L SYSTEM -U 1234abcd-5678-4000-8000-00000000beef /tmp/disk.img >/dev/null 2>&1"}};
    bool mountedOne = false;
    for (const Image& image : images) {
        std::string fsType = image.fsType;
        ASSERT_EQ(testing_support::Shell("rm -f /tmp/disk.img && truncate -s 16M /tmp/disk.img && mkdir -p /tmp/disk"), 0);
        if (testing_support::Shell(image.make) != 0) {
            std::cout << "NOTE: cannot make a " << fsType << " image (tool missing)" << std::endl;
            continue;
        }
        if (testing_support::Shell("mount -o loop /tmp/disk.img /tmp/disk 2>/dev/null") != 0) {
            bool kernelKnows = testing_support::Shell("grep -qw " + fsType + " /proc/filesystems") == 0;
            std::cout << "NOTE: cannot mount the " << fsType << " image: "
                      << (kernelKnows ? "loop devices do not work here" : "the kernel has no " + fsType + " driver")
                      << std::endl;
            continue;
        }
        mountedOne = true;
        list.BuildDriveList();
        std::string entry = EntryFor(list, drives, "/tmp/disk");
        ASSERT_FALSE(entry.empty()) << fsType;
        EXPECT_EQ(entry.substr(1), ": [system]");
        info.SetDrive(entry);
        EXPECT_EQ(info.FileSystemType(), fsType);
        EXPECT_EQ(info.SerialNumber(), "1234ABCD") << fsType;
        EXPECT_EQ(info.VolumeName(), "SYSTEM");
        EXPECT_EQ(info.DriveType(), "Lokales Laufwerk");
        ASSERT_EQ(::statvfs("/tmp/disk", &st), 0);
        EXPECT_EQ(info.SectorsPerCluster() * info.BytesPerSector(), st.f_frsize);
        EXPECT_EQ(info.Clusters(), st.f_blocks);
        testing_support::Shell("umount /tmp/disk");
        std::cout << "NOTE: checked a " << fsType << " image on a loop device" << std::endl;
        break;
    }
    if (!mountedOne) std::cout << "NOTE: no disk image could be mounted; only the tmpfs part ran" << std::endl;
}
