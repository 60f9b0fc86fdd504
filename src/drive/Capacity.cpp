#include "drive/Capacity.h"

namespace drive {
namespace {

std::string_view Suffix(TCapacityUnit unit) { return unit == cuMB ? " MB" : " KB"; }

}  // namespace

CapacityFigures ComputeCapacity(int64_t totalBytes, int64_t freeBytes, TCapacityUnit unit) {
    CapacityFigures figures;
    figures.total = totalBytes / 1024;
    figures.free = freeBytes / 1024;
    if (unit == cuMB) {
        figures.total /= 1024;
        figures.free /= 1024;
    }
    figures.used = figures.total - figures.free;
    return figures;
}

std::string CapacityLabel(int64_t figure, TCapacityUnit unit) {
    return std::to_string(figure) + std::string(Suffix(unit));
}

std::string FreeSeriesName(int64_t freeFigure, TCapacityUnit unit) {
    return "Frei (" + CapacityLabel(freeFigure, unit) + ")";
}

std::string UsedSeriesName(int64_t usedFigure, TCapacityUnit unit) {
    return "Belegt (" + CapacityLabel(usedFigure, unit) + ")";
}

os::DiskSpace QueryDriveCapacity(std::string_view selectorText, const os::DriveSystem& drives) {
    if (selectorText.empty()) return {};
    char letter = selectorText[0];
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'Z') return {};
    const char root[] = {letter, ':', '\\', '\0'};
    os::DiskSpace space;
    space.totalBytes = drives.GetDiskFreeSpaceEx(root).totalBytes;
    space.freeBytesAvailable = drives.GetDiskFreeSpaceEx(root).freeBytesAvailable;
    return space;
}

}  // namespace drive
