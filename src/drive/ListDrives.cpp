#include "drive/ListDrives.h"

#include "drive/Capacity.h"
#include "drive/TDiskInfo.h"
#include "drive/TDriveList.h"

namespace drive {

int ListDrives(std::ostream& out, const os::DriveSystem& drives) {
    TDriveList list(drives);
    list.BuildDriveList();
    TDiskInfo info(drives);
    for (const TDriveItem& item : list.Items()) {
        info.SetDrive(item.text);
        os::DiskSpace space = QueryDriveCapacity(item.text, drives);
        out << item.text << '\t' << info.DriveType() << '\t' << info.FileSystemType() << '\t'
            << info.SerialNumber() << '\t' << space.totalBytes << '\t' << space.freeBytesAvailable << '\n';
    }
    out.flush();
    return list.Items().empty() ? 1 : 0;
}

}  // namespace drive
