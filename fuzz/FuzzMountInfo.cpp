// Feeds arbitrary text to the mount table reader and the letter assignment.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "os/DriveAssignment.h"
#include "os/MountTable.h"
#include "os/NetworkName.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    os::AssignmentInput input;
    input.table = os::ParseMountInfo(text);
    input.home = "/home/user";
    for (const os::MountEntry& m : input.table) {
        if (m.mountPoint.empty() || m.mountPoint[0] != '/') std::abort();
        (void)os::NetworkNameFromSource(m.source);
    }
    std::vector<os::AssignedDrive> drives = os::AssignDriveLetters(input);
    char previous = 0;
    for (const os::AssignedDrive& d : drives) {
        if (d.letter < 'a' || d.letter > 'z' || d.letter <= previous) std::abort();
        previous = d.letter;
    }
    // The same text as a drive map.
    input.driveMap = std::string(text.substr(0, 512));
    (void)os::AssignDriveLetters(input);
    return 0;
}
