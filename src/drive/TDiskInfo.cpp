#include "drive/TDiskInfo.h"

#include <array>
#include <cstdio>

#include "base/Encoding.h"

namespace drive {

TDiskInfo::TDiskInfo(const os::DriveSystem& drives) : drives_(drives) { SetDrive("C"); }

std::string TDiskInfo::DriveTypeText(unsigned driveType) {
    static constexpr std::array<const char*, 7> kTexts = {
        "Keine Information", "Ursprungsverzeichnis existiert", "Diskette", "Lokales Laufwerk",
        "Netzwerk Laufwerk", "CD-ROM", "RamDisk"};
    return driveType < kTexts.size() ? kTexts[driveType] : "";
}

std::string TDiskInfo::RootPath() const {
    // Letter, colon, backslash: at most 3 characters (an empty drive gives ":\").
    return drive_ + ":\\";
}

void TDiskInfo::SetDrive(std::string_view text) {
    size_t firstCharEnd = 0;
    if (!text.empty()) base::Utf8Next(text, firstCharEnd);
    drive_ = std::string(text.substr(0, firstCharEnd));
    std::string root = RootPath();

    if (std::optional<os::ClusterGeometry> g = drives_.GetDiskFreeSpace(root)) {
        sectorsPerCluster_ = g->sectorsPerCluster;
        bytesPerSector_ = g->bytesPerSector;
        freeClusters_ = g->freeClusters;
        clusters_ = g->totalClusters;
        // Unsigned 32-bit products wrap modulo 2^32, as the property is defined.
        diskFreeSpace_ = freeClusters_ * bytesPerSector_ * sectorsPerCluster_;
        totalDiskSpace_ = clusters_ * bytesPerSector_ * sectorsPerCluster_;
    }

    os::VolumeInformation volume = drives_.GetVolumeInformation(root).value_or(os::VolumeInformation{});
    volumeName_ = volume.volumeName;
    char serial[9];
    std::snprintf(serial, sizeof serial, "%08X", static_cast<unsigned>(volume.serialNumber));
    serialNumber_ = serial;
    fileSystemType_ = volume.fileSystemName;
}

std::string TDiskInfo::DriveType() const { return DriveTypeText(drives_.GetDriveType(RootPath())); }

}  // namespace drive
