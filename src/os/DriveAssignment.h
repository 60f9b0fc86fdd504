#pragma once
// Which mounted file systems are drives, their drive type, and their letters.
//
// Linux has no drive letters, so they are assigned from the mount table on every query:
//   c  the file system mounted at /
//   d  the file system holding the home folder, when it is not the root's
//   then the other disk-backed file systems by mount point, then network file systems,
//   then RAM file systems (tmpfs and ramfs at /tmp and /dev/shm only; the many others
//   under /run and /dev are the system's scratch space);
//   a, b  floppy drives (/dev/fd*)
// Letters run out at z; later file systems are not listed.
//
// Left out: pseudo file systems, anything under /proc and /sys, overlay except at /,
// squashfs and snap loop mounts, mounts hidden by a later mount at the same place,
// mounts marked x-gvfs-hide or x-gdu.hide, file systems reporting 0 blocks, and every
// further mount of a device already listed (bind mounts, subvolumes): one entry per device.
//
// A drive map such as "c=/;d=/home;e=/mnt/nas" (the VELMORA_DRIVES variable) replaces
// the automatic assignment: each letter names the folder given, typed by the mount
// holding it.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "os/BlockDevices.h"
#include "os/MountTable.h"

namespace os {

// What a quick look at a mount point found. `ok` false: the look failed or timed out.
struct MountProbe {
    bool ok = false;
    uint64_t blocks = 0;
    bool isDirectory = true;
};

// Answers a probe per mount point asked for; a missing answer counts as not `ok`.
using MountProber = std::function<std::map<std::string, MountProbe>(const std::vector<std::string>&)>;

struct AssignedDrive {
    char letter = 0;        // 'a' .. 'z'
    std::string path;       // the folder the drive's queries use
    MountEntry mount;       // the mount holding that folder
    unsigned type = 0;      // DRIVE_REMOVABLE .. DRIVE_RAMDISK
};

struct AssignmentInput {
    std::vector<MountEntry> table;
    std::string home;      // the user's home folder; empty when unknown
    std::string driveMap;  // empty for the automatic assignment
    const BlockDevices* devices = nullptr;
    MountProber prober;    // may be empty: nothing is probed
};

// The mounts not covered by a later mount at the same mount point.
std::vector<MountEntry> VisibleMounts(const std::vector<MountEntry>& table);

// The visible mount whose mount point holds `path` most closely, or nullptr.
const MountEntry* MountHolding(const std::vector<MountEntry>& visible, const std::string& path);

// The drive type of a mount (never DRIVE_UNKNOWN or DRIVE_NO_ROOT_DIR).
unsigned ClassifyMount(const MountEntry& mount, const BlockDevices& devices);

// Whether a file system type is a pseudo file system that is never a drive.
bool IsPseudoFileSystem(const std::string& fsType);

// The drives in letter order.
std::vector<AssignedDrive> AssignDriveLetters(const AssignmentInput& input);

}  // namespace os
