#include "os/DriveSystem.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <limits>
#include <set>

#include "os/BoundedCall.h"
#include "os/FileText.h"
#include "os/NetworkName.h"
#include "os/VolumeIdentity.h"

namespace os {
namespace {

std::optional<struct statvfs> SystemStatFs(const std::string& path) {
    struct statvfs result {};
    if (::statvfs(path.c_str(), &result) != 0) return std::nullopt;
    return result;
}

// File systems the kernel answers statvfs for from memory: no server, no user-space
// daemon that could hang the call.
bool AnswersFromKernel(const std::string& fsType) {
    static const std::set<std::string, std::less<>> kernelLocal = {
        "ext2",  "ext3",  "ext4",  "xfs",   "btrfs",    "vfat",    "msdos",   "exfat", "ntfs3",  "f2fs",
        "jfs",   "reiserfs", "nilfs2", "hfsplus", "tmpfs", "ramfs", "devtmpfs", "iso9660", "udf", "squashfs",
        "erofs", "overlay", "zfs"};
    return kernelLocal.count(fsType) != 0;
}

std::optional<bool> SystemIsDirectory(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return S_ISDIR(st.st_mode);
}

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    struct passwd pw {};
    struct passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (::getpwuid_r(::getuid(), &pw, buffer.data(), buffer.size(), &found) == 0 && found && pw.pw_dir)
        return pw.pw_dir;
    return {};
}

std::optional<std::string> CurrentFolder() {
    std::vector<char> buffer(4096);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE || buffer.size() > (1u << 20)) return std::nullopt;
        buffer.resize(buffer.size() * 2);
    }
    std::string folder = buffer.data();
    if (folder.empty() || folder[0] != '/') return std::nullopt;  // "(unreachable)/..."
    return folder;
}

// a * b, or the largest value when it does not fit.
uint64_t SaturatingProduct(uint64_t a, uint64_t b) {
    if (a != 0 && b > std::numeric_limits<uint64_t>::max() / a) return std::numeric_limits<uint64_t>::max();
    return a * b;
}

int64_t ToInt64(uint64_t value) {
    return value > static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) ? std::numeric_limits<int64_t>::max()
                                                                               : static_cast<int64_t>(value);
}

uint32_t ToUint32(uint64_t value) {
    return value > std::numeric_limits<uint32_t>::max() ? std::numeric_limits<uint32_t>::max()
                                                         : static_cast<uint32_t>(value);
}

}  // namespace

DriveSystem::DriveSystem(DriveSystemConfig config) : config_(std::move(config)) {
    if (!config_.statFs) config_.statFs = SystemStatFs;
    if (!config_.isDirectory) config_.isDirectory = SystemIsDirectory;
}

std::optional<char> DriveSystem::LetterOfRootPath(std::string_view rootPath) {
    if (rootPath.empty() || rootPath.size() > 3) return std::nullopt;
    char letter = rootPath[0];
    if (letter >= 'A' && letter <= 'Z') letter = static_cast<char>(letter - 'A' + 'a');
    if (letter < 'a' || letter > 'z') return std::nullopt;
    if (rootPath.size() >= 2 && rootPath[1] != ':') return std::nullopt;
    if (rootPath.size() == 3 && rootPath[2] != '\\' && rootPath[2] != '/') return std::nullopt;
    return letter;
}

std::optional<struct statvfs> DriveSystem::StatFs(const AssignedDrive& drive) const {
    auto statFs = config_.statFs;
    const std::string path = drive.path;
    if (AnswersFromKernel(drive.mount.fsType)) return statFs(path);
    auto result = RunBounded<std::optional<struct statvfs>>(config_.timeout, [statFs, path] { return statFs(path); });
    if (!result) return std::nullopt;
    return *result;
}

DriveSystem::Snapshot DriveSystem::TakeSnapshot() const {
    std::optional<std::string> tableText = ReadFileText(config_.mountInfoPath, 64 << 20);
    if (!tableText) return {};
    const std::string home = config_.home ? *config_.home : HomeFolder();
    std::string driveMap;
    if (config_.driveMap) {
        driveMap = *config_.driveMap;
    } else if (const char* map = std::getenv("VELMORA_DRIVES")) {
        driveMap = map;
    }
    if (config_.listReuse.count() <= 0) return BuildSnapshot(*tableText, driveMap, home);
    const auto now = std::chrono::steady_clock::now();
    std::lock_guard lock(reuseMutex_);
    const ReusableSnapshot* last = lastSnapshot_ ? &*lastSnapshot_ : nullptr;
    if (last && last->tableText == *tableText && last->driveMap == driveMap && last->home == home &&
        now - last->taken < config_.listReuse)
        return last->snapshot;
    lastSnapshot_ = ReusableSnapshot{*tableText, driveMap, home, now, BuildSnapshot(*tableText, driveMap, home)};
    return lastSnapshot_->snapshot;
}

DriveSystem::Snapshot DriveSystem::BuildSnapshot(const std::string& tableText, const std::string& driveMap,
                                                 const std::string& home) const {
    Snapshot snapshot;
    snapshot.tableRead = true;
    AssignmentInput input;
    input.table = ParseMountInfo(tableText);
    input.home = home;
    input.driveMap = driveMap;
    BlockDevices devices(config_.sysfsRoot);
    input.devices = &devices;
    // All local mount points are looked at in one bounded batch; if one of them hangs,
    // the batch times out and every mount counts as not looked at (and stays listed).
    auto statFs = config_.statFs;
    auto isDirectory = config_.isDirectory;
    std::chrono::milliseconds timeout = config_.timeout;
    input.prober = [statFs, isDirectory, timeout](const std::vector<std::string>& paths) {
        using Probes = std::map<std::string, MountProbe>;
        auto probes = RunBounded<Probes>(timeout, [statFs, isDirectory, paths] {
            Probes found;
            for (const std::string& path : paths) {
                MountProbe probe;
                if (std::optional<struct statvfs> st = statFs(path)) {
                    probe.ok = true;
                    probe.blocks = st->f_blocks;
                    probe.isDirectory = isDirectory(path).value_or(true);
                }
                found[path] = probe;
            }
            return found;
        });
        return probes ? *probes : Probes();
    };
    snapshot.drives = AssignDriveLetters(input);
    snapshot.visible = VisibleMounts(input.table);
    return snapshot;
}

std::vector<AssignedDrive> DriveSystem::ListedDrives() const { return TakeSnapshot().drives; }

std::optional<AssignedDrive> DriveSystem::FindDrive(std::string_view rootPath) const {
    std::optional<char> letter = LetterOfRootPath(rootPath);
    if (!letter) return std::nullopt;
    for (AssignedDrive& drive : TakeSnapshot().drives)
        if (drive.letter == *letter) return std::move(drive);
    return std::nullopt;
}

uint32_t DriveSystem::GetLogicalDrives() const {
    uint32_t mask = 0;
    for (const AssignedDrive& drive : ListedDrives()) mask |= uint32_t(1) << (drive.letter - 'a');
    return mask;
}

unsigned DriveSystem::GetDriveType(std::string_view rootPath) const {
    std::optional<char> letter = LetterOfRootPath(rootPath);
    if (!letter) return DRIVE_NO_ROOT_DIR;
    Snapshot snapshot = TakeSnapshot();
    if (!snapshot.tableRead) return DRIVE_UNKNOWN;
    for (const AssignedDrive& drive : snapshot.drives)
        if (drive.letter == *letter) return drive.type;
    return DRIVE_NO_ROOT_DIR;
}

std::optional<ClusterGeometry> DriveSystem::GetDiskFreeSpace(std::string_view rootPath) const {
    std::optional<AssignedDrive> drive = FindDrive(rootPath);
    if (!drive) return std::nullopt;
    std::optional<struct statvfs> st = StatFs(*drive);
    if (!st || st->f_frsize == 0) return std::nullopt;
    BlockDevices devices(config_.sysfsRoot);
    ClusterGeometry geometry;
    geometry.bytesPerSector = drive->mount.major != 0 ? devices.LogicalSectorSize(drive->mount.major, drive->mount.minor) : 512;
    geometry.sectorsPerCluster = std::max<uint32_t>(1, ToUint32(st->f_frsize / geometry.bytesPerSector));
    uint64_t clusterBytes = uint64_t(geometry.sectorsPerCluster) * geometry.bytesPerSector;
    // Clusters are counted in the cluster size; figures beyond 32 bits stop at the largest.
    geometry.totalClusters = ToUint32(SaturatingProduct(st->f_blocks, st->f_frsize) / clusterBytes);
    geometry.freeClusters = ToUint32(SaturatingProduct(st->f_bavail, st->f_frsize) / clusterBytes);
    return geometry;
}

DiskSpace DriveSystem::GetDiskFreeSpaceEx(std::string_view rootPath) const {
    std::optional<AssignedDrive> drive = FindDrive(rootPath);
    if (!drive) return {};
    std::optional<struct statvfs> st = StatFs(*drive);
    if (!st || st->f_frsize == 0) return {};
    return {ToInt64(SaturatingProduct(st->f_blocks, st->f_frsize)),
            ToInt64(SaturatingProduct(st->f_bavail, st->f_frsize))};
}

std::string DriveSystem::DevicePath(const MountEntry& mount, std::string* kernelName) const {
    BlockDevices devices(config_.sysfsRoot);
    std::optional<std::string> name;
    if (mount.major != 0) name = devices.KernelName(mount.major, mount.minor);
    if (!name && mount.source.rfind("/dev/", 0) == 0) name = mount.source.substr(5);
    if (!name || name->empty()) return {};
    *kernelName = BaseName(*name);
    return config_.devRoot + "/" + *name;
}

std::optional<VolumeInformation> DriveSystem::GetVolumeInformation(std::string_view rootPath) const {
    std::optional<AssignedDrive> drive = FindDrive(rootPath);
    if (!drive) return std::nullopt;
    // A file system that does not answer has no volume information either.
    std::optional<struct statvfs> st = StatFs(*drive);
    if (!st) return std::nullopt;
    VolumeInformation info;
    info.fileSystemName = drive->mount.fsType;
    VolumeIdentity identity;
    if (drive->type != DRIVE_REMOTE) {
        std::string kernelName;
        std::string device = DevicePath(drive->mount, &kernelName);
        if (!device.empty()) {
            std::optional<VolumeIdentity> probed;
            if (config_.probeDevices) {
                auto result = RunBounded<std::optional<VolumeIdentity>>(
                    config_.timeout, [device] { return ProbeVolumeIdentity(device); });
                if (result) probed = *result;
            }
            identity = probed ? *probed : VolumeIdentityFromUdevLinks(config_.devRoot, kernelName);
        }
    }
    info.volumeName = identity.label;
    if (std::optional<uint32_t> serial = SerialFromUuid(identity.uuid)) {
        info.serialNumber = *serial;
    } else {
        info.serialNumber = static_cast<uint32_t>(st->f_fsid & 0xFFFFFFFFu);
    }
    return info;
}

std::optional<std::string> DriveSystem::GetNetworkConnection(std::string_view localName) const {
    std::optional<AssignedDrive> drive = FindDrive(localName);
    if (!drive || drive->type != DRIVE_REMOTE) return std::nullopt;
    std::string name = NetworkNameFromSource(drive->mount.source);
    if (name.empty()) return std::nullopt;
    return name;
}

std::optional<char> DriveSystem::CurrentDriveLetter() const {
    std::optional<std::string> folder = config_.currentDirectory ? config_.currentDirectory : CurrentFolder();
    if (!folder) return std::nullopt;
    Snapshot snapshot = TakeSnapshot();
    const MountEntry* holder = MountHolding(snapshot.visible, *folder);
    if (!holder) return std::nullopt;
    // The drive whose folder holds the current one most closely, if it is on the same
    // file system; else the drive standing for that file system (reached through a bind
    // mount, say); else none (the current folder is on a file system that is no drive).
    const AssignedDrive* closest = nullptr;
    for (const AssignedDrive& drive : snapshot.drives)
        if (PathIsAtOrBelow(*folder, drive.path) && (!closest || drive.path.size() > closest->path.size()))
            closest = &drive;
    if (closest && closest->mount.SameDevice(*holder)) return closest->letter;
    for (const AssignedDrive& drive : snapshot.drives)
        if (drive.mount.SameDevice(*holder)) return drive.letter;
    return std::nullopt;
}

DriveSystem& MachineDrives() {
    static DriveSystem drives = [] {
        DriveSystemConfig config;
        config.listReuse = std::chrono::milliseconds(1000);
        return DriveSystem(config);
    }();
    return drives;
}

}  // namespace os
