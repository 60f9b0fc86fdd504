#include "os/BlockDevices.h"

#include <sys/stat.h>

#include <charconv>

#include "os/FileText.h"

namespace os {
namespace {

bool Exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

std::optional<unsigned> ReadNumber(const std::string& path) {
    std::optional<std::string> line = ReadFirstLine(path);
    if (!line) return std::nullopt;
    unsigned value = 0;
    auto [end, ec] = std::from_chars(line->data(), line->data() + line->size(), value);
    if (ec != std::errc() || end == line->data()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::string> BlockDevices::DeviceFolder(unsigned major, unsigned minor) const {
    std::string folder = sysfsRoot_ + "/dev/block/" + std::to_string(major) + ":" + std::to_string(minor);
    if (!Exists(folder)) return std::nullopt;
    return folder;
}

std::optional<std::string> BlockDevices::DiskFolder(unsigned major, unsigned minor) const {
    std::optional<std::string> folder = DeviceFolder(major, minor);
    if (!folder) return std::nullopt;
    // A partition's folder lies inside its disk's folder and has a "partition" file.
    if (Exists(*folder + "/partition")) return *folder + "/..";
    return folder;
}

std::optional<std::string> BlockDevices::KernelName(unsigned major, unsigned minor) const {
    std::optional<std::string> folder = DeviceFolder(major, minor);
    if (!folder) return std::nullopt;
    if (std::optional<std::string> target = ReadLinkTarget(*folder)) {
        std::string name = BaseName(*target);
        if (!name.empty()) return name;
    }
    // Without the link, the uevent file names the device.
    if (std::optional<std::string> uevent = ReadFileText(*folder + "/uevent", 65536)) {
        size_t pos = uevent->find("DEVNAME=");
        if (pos != std::string::npos) {
            size_t end = uevent->find('\n', pos);
            std::string name = uevent->substr(pos + 8, end == std::string::npos ? std::string::npos : end - pos - 8);
            if (!name.empty() && name.find('/') == std::string::npos) return name;
        }
    }
    return std::nullopt;
}

unsigned BlockDevices::LogicalSectorSize(unsigned major, unsigned minor) const {
    std::optional<std::string> disk = DiskFolder(major, minor);
    if (!disk) return 512;
    std::optional<unsigned> size = ReadNumber(*disk + "/queue/logical_block_size");
    if (!size || *size < 512 || *size > 65536 || (*size & (*size - 1)) != 0) return 512;
    return *size;
}

bool BlockDevices::IsRemovable(unsigned major, unsigned minor) const {
    std::optional<std::string> disk = DiskFolder(major, minor);
    if (!disk) return false;
    std::optional<unsigned> flag = ReadNumber(*disk + "/removable");
    return flag && *flag != 0;
}

bool BlockDevices::IsCdrom(unsigned major, unsigned minor) const {
    std::optional<std::string> disk = DiskFolder(major, minor);
    if (!disk) return false;
    std::optional<unsigned> scsiType = ReadNumber(*disk + "/device/type");
    if (scsiType && *scsiType == 5) return true;
    std::optional<std::string> name = KernelName(major, minor);
    return name && name->size() > 2 && name->compare(0, 2, "sr") == 0;
}

}  // namespace os
