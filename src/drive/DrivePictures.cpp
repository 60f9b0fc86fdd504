#include "drive/DrivePictures.h"

#include "gfx/BmpCodec.h"
#include "os/DriveTypes.h"

namespace drive {

gfx::Bitmap LoadDrivePicture(std::string_view name) {
    std::span<const uint8_t> file = EmbeddedDrivePicture(name);
    if (file.empty()) return {};
    try {
        return gfx::ReadBmp(file);
    } catch (const std::exception&) {
        return {};  // a damaged resource shows no picture rather than stopping the list
    }
}

std::string_view DrivePictureName(unsigned driveType) {
    switch (driveType) {
    case os::DRIVE_REMOVABLE: return "BS_FLOPPY";
    case os::DRIVE_FIXED: return "BS_HARD";
    case os::DRIVE_REMOTE: return "BS_NETWORK";
    case os::DRIVE_CDROM: return "BS_CDROM";
    case os::DRIVE_RAMDISK: return "BS_RAM";
    default: return {};
    }
}

}  // namespace drive
