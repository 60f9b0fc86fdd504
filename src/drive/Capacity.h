#pragma once
// The capacity figures of a refresh: total, free and used space of a drive in MB or KB.
//
// The byte counts come from a 64-bit query (-1 each when it fails) and are divided with
// signed 64-bit division truncating toward zero: MB divides by 1024 twice, KB once. A
// failed query (-1) therefore shows 0. Used is total minus free in the unit, not the used
// bytes divided.
//
// The figures are 64-bit. Up to 2^31 - 1 (2 PiB in MB, 2 TiB in KB) they equal the classic
// 32-bit figures; beyond, a 32-bit figure would wrap to a negative or wrong number, so
// a 3 TiB drive shows 3221225472 KB rather than -1073741824 KB.

#include <cstdint>
#include <string>
#include <string_view>

#include "os/DriveSystem.h"

namespace drive {

enum TCapacityUnit { cuMB, cuKB };

struct CapacityFigures {
    int64_t total = 0;
    int64_t free = 0;
    int64_t used = 0;
};

CapacityFigures ComputeCapacity(int64_t totalBytes, int64_t freeBytes, TCapacityUnit unit);

// "38146 MB", "1023 KB".
std::string CapacityLabel(int64_t figure, TCapacityUnit unit);
// "Frei (0 MB)" and "Belegt (1023 KB)".
std::string FreeSeriesName(int64_t freeFigure, TCapacityUnit unit);
std::string UsedSeriesName(int64_t usedFigure, TCapacityUnit unit);

// The byte counts of the drive a selector text names: its first character, upper-cased,
// is the drive letter ("c: [system]" is drive C). Total is asked before free. An empty
// text or one not starting with a letter answers like a failed query (-1, -1).
os::DiskSpace QueryDriveCapacity(std::string_view selectorText, const os::DriveSystem& drives = os::MachineDrives());

}  // namespace drive
