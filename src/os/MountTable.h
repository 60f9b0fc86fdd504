#pragma once
// The kernel's mount table as /proc/self/mountinfo gives it, one entry per line:
//   id parent major:minor root mount-point options [optional fields...] - type source super-options
// Path fields escape blank, tab, newline and backslash as octal (\040, \011, \012, \134).
// Lines that do not have this shape are skipped, so any input gives a (maybe empty) table.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace os {

struct MountEntry {
    int id = 0;
    int parentId = 0;
    unsigned major = 0;
    unsigned minor = 0;
    std::string root;        // the mounted folder inside its file system ("/" for a whole one)
    std::string mountPoint;  // where it is mounted
    std::string options;     // per-mount options
    std::string fsType;      // "ext4", "tmpfs", "fuse.sshfs" ...
    std::string source;      // "/dev/sda1", "//server/share", "server:/export" ...
    std::string superOptions;

    bool SameDevice(const MountEntry& other) const {
        return major == other.major && minor == other.minor;
    }
};

// Replaces the octal escapes \NNN; anything else is kept as it stands.
std::string UnescapeMountField(std::string_view field);

std::vector<MountEntry> ParseMountInfo(std::string_view text);

// Reads and parses the table at `path`; an unreadable file gives an empty table and
// `ok` false.
std::vector<MountEntry> ReadMountTable(const std::string& path, bool* ok = nullptr);

// True when `options` (comma separated) holds `name` alone or as "name=value".
bool HasMountOption(std::string_view options, std::string_view name);

}  // namespace os
