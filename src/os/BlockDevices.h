#pragma once
// What sysfs says about the block device behind a mount (by its major:minor number):
// its kernel name, logical sector size, whether it is removable or an optical drive.
// The sysfs root is a parameter so tests can build a tree of their own.

#include <optional>
#include <string>

namespace os {

class BlockDevices {
public:
    explicit BlockDevices(std::string sysfsRoot = "/sys") : sysfsRoot_(std::move(sysfsRoot)) {}

    // "sda1", "loop0", "sr0"; nullopt when sysfs knows no block device of that number.
    std::optional<std::string> KernelName(unsigned major, unsigned minor) const;
    // The logical sector size; 512 when unknown or implausible.
    unsigned LogicalSectorSize(unsigned major, unsigned minor) const;
    // The whole disk's "removable" flag (a partition answers for its disk).
    bool IsRemovable(unsigned major, unsigned minor) const;
    // An optical drive: SCSI device type 5, or a kernel name "sr<n>".
    bool IsCdrom(unsigned major, unsigned minor) const;

private:
    // The device's folder in sysfs, and the folder of its whole disk.
    std::optional<std::string> DeviceFolder(unsigned major, unsigned minor) const;
    std::optional<std::string> DiskFolder(unsigned major, unsigned minor) const;

    std::string sysfsRoot_;
};

}  // namespace os
