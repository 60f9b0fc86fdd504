#pragma once
// The drive operations the program is written against, answered from Linux:
//   GetLogicalDrives      the 32-bit mask of existing letters (bit 0 = a)
//   GetDriveType          DRIVE_UNKNOWN .. DRIVE_RAMDISK of a root path ("c:\")
//   GetDiskFreeSpace      cluster geometry with free (to the caller) and total clusters
//   GetDiskFreeSpaceEx    64-bit total bytes and bytes free to the caller
//   GetVolumeInformation  volume label, 32-bit serial number, file-system name
//   GetNetworkConnection  "\\server\share" of a network drive ("e:")
// Every call reads the mount table afresh (see DriveAssignment.h for the letters), so a
// file system that went away answers like a failed query. Calls never throw. Whatever
// could block (statvfs of a network or user-space file system, probing a device) runs
// under a time bound (BoundedCall.h); a timeout counts as a failure. statvfs of a file
// system the kernel keeps itself (ext4, vfat, tmpfs ...) answers from memory and is called
// directly, sparing a thread per query.
//
// Sizes come from statvfs: f_frsize is the unit of f_blocks and f_bavail (f_bsize is only
// the preferred I/O size), and f_bavail is what the calling user may fill.
//
// Every outside input (mount table, sysfs, /dev, environment, statvfs) can be replaced
// through DriveSystemConfig, which is how the tests build machines of their own.

#include <sys/statvfs.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "os/DriveAssignment.h"
#include "os/DriveTypes.h"

namespace os {

struct DriveSystemConfig {
    std::string mountInfoPath = "/proc/self/mountinfo";
    std::string sysfsRoot = "/sys";
    std::string devRoot = "/dev";
    std::optional<std::string> home;              // unset: $HOME
    std::optional<std::string> driveMap;          // unset: $VELMORA_DRIVES
    std::optional<std::string> currentDirectory;  // unset: the process's
    std::chrono::milliseconds timeout{3000};
    // statvfs of a folder; unset: the system call. nullopt means it failed.
    std::function<std::optional<struct statvfs>(const std::string&)> statFs;
    // Whether a path is a folder; unset: stat. nullopt means it could not be looked at.
    std::function<std::optional<bool>(const std::string&)> isDirectory;
    bool probeDevices = true;  // read labels with libblkid before the udev links
    // How long the drive list (letters, types, which mounts answer) may be reused while
    // the mount table reads the same; zero: built afresh for every call. A refresh asks
    // several questions about one drive in a row, each of which needs the list.
    std::chrono::milliseconds listReuse{0};
};

struct ClusterGeometry {
    uint32_t sectorsPerCluster = 0;
    uint32_t bytesPerSector = 0;
    uint32_t freeClusters = 0;   // clusters free to the calling user
    uint32_t totalClusters = 0;
};

struct DiskSpace {
    int64_t totalBytes = -1;          // -1: the query failed
    int64_t freeBytesAvailable = -1;  // free to the calling user; -1: failed
};

struct VolumeInformation {
    std::string volumeName;      // UTF-8, empty when the volume has no label
    uint32_t serialNumber = 0;
    std::string fileSystemName;  // the mount table's type: "ext4", "vfat", "nfs4" ...
};

class DriveSystem {
public:
    explicit DriveSystem(DriveSystemConfig config = {});

    uint32_t GetLogicalDrives() const;
    unsigned GetDriveType(std::string_view rootPath) const;
    std::optional<ClusterGeometry> GetDiskFreeSpace(std::string_view rootPath) const;
    DiskSpace GetDiskFreeSpaceEx(std::string_view rootPath) const;
    std::optional<VolumeInformation> GetVolumeInformation(std::string_view rootPath) const;
    std::optional<std::string> GetNetworkConnection(std::string_view localName) const;

    // The letter of the drive holding the current directory (lower case), or none.
    std::optional<char> CurrentDriveLetter() const;
    // The drives as they are now, in letter order.
    std::vector<AssignedDrive> ListedDrives() const;

    // The letter a root path names ("c:\", "C:", "c"), lower case; nullopt for other text.
    static std::optional<char> LetterOfRootPath(std::string_view rootPath);

    const DriveSystemConfig& Config() const { return config_; }

private:
    struct Snapshot {
        bool tableRead = false;
        std::vector<MountEntry> visible;
        std::vector<AssignedDrive> drives;
    };
    struct ReusableSnapshot {
        std::string tableText;
        std::string driveMap;
        std::string home;
        std::chrono::steady_clock::time_point taken;
        Snapshot snapshot;
    };
    Snapshot TakeSnapshot() const;
    Snapshot BuildSnapshot(const std::string& tableText, const std::string& driveMap, const std::string& home) const;
    std::optional<AssignedDrive> FindDrive(std::string_view rootPath) const;
    std::optional<struct statvfs> StatFs(const AssignedDrive& drive) const;
    std::string DevicePath(const MountEntry& mount, std::string* kernelName) const;

    DriveSystemConfig config_;
    mutable std::mutex reuseMutex_;
    mutable std::optional<ReusableSnapshot> lastSnapshot_;
};

// The machine's drives, configured from the real system.
DriveSystem& MachineDrives();

}  // namespace os
