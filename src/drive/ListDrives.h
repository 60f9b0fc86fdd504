#pragma once
// "velmora --list-drives": the drive list printed without opening a window, one line per
// listed drive with tab-separated columns:
//   entry text, type text, file system, serial number, total bytes, free bytes
// (the byte counts -1 where the query failed).

#include <ostream>

#include "os/DriveSystem.h"

namespace drive {

// Returns the exit code: 0, or 1 when no drive could be listed.
int ListDrives(std::ostream& out, const os::DriveSystem& drives = os::MachineDrives());

}  // namespace drive
