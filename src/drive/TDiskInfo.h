#pragma once
// TDiskInfo answers questions about one drive. Setting Drive queries the system at once
// for cluster geometry, free and total clusters, volume label, serial number and file
// system, and keeps the answers; DriveType asks the system again on every read.
//
// A failed geometry query keeps the six numbers of the previous query; a failed volume
// query leaves empty texts and serial 00000000. Nothing here reports an error.
//
// Will derive from the component base (name and owner) once the framework exists.

#include <cstdint>
#include <string>
#include <string_view>

#include "os/DriveSystem.h"

namespace drive {

class TDiskInfo {
public:
    // Queries drive "C", as the main window's description sets it.
    explicit TDiskInfo(const os::DriveSystem& drives = os::MachineDrives());

    // The first character of the text given, case unchanged ("c: [system]" gives "c").
    const std::string& Drive() const { return drive_; }
    void SetDrive(std::string_view text);

    uint32_t SectorsPerCluster() const { return sectorsPerCluster_; }
    uint32_t BytesPerSector() const { return bytesPerSector_; }
    uint32_t FreeClusters() const { return freeClusters_; }
    uint32_t Clusters() const { return clusters_; }
    // Clusters x bytes per sector x sectors per cluster in 32-bit arithmetic (mod 2^32).
    uint32_t DiskFreeSpace() const { return diskFreeSpace_; }
    uint32_t TotalDiskSpace() const { return totalDiskSpace_; }

    // "Lokales Laufwerk" ... , asked of the system on every read.
    std::string DriveType() const;
    const std::string& VolumeName() const { return volumeName_; }
    // Exactly 8 upper-case hexadecimal digits.
    const std::string& SerialNumber() const { return serialNumber_; }
    const std::string& FileSystemType() const { return fileSystemType_; }

    // The German text of a drive type value; empty outside 0 to 6.
    static std::string DriveTypeText(unsigned driveType);

private:
    std::string RootPath() const;

    const os::DriveSystem& drives_;
    std::string drive_;
    uint32_t sectorsPerCluster_ = 0;
    uint32_t bytesPerSector_ = 0;
    uint32_t freeClusters_ = 0;
    uint32_t clusters_ = 0;
    uint32_t diskFreeSpace_ = 0;
    uint32_t totalDiskSpace_ = 0;
    std::string volumeName_;
    std::string serialNumber_;
    std::string fileSystemType_;
};

}  // namespace drive
