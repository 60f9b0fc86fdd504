#include "os/DriveAssignment.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "os/DriveTypes.h"
#include "os/FileText.h"
#include "os/NetworkName.h"

namespace os {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool IsRamFileSystem(const std::string& fsType) { return fsType == "tmpfs" || fsType == "ramfs"; }

bool IsFloppy(const MountEntry& mount) { return mount.major == 2 || StartsWith(mount.source, "/dev/fd"); }

// Whether a visible mount is worth a drive letter, before anything is probed.
bool IsDriveCandidate(const MountEntry& m) {
    if (PathIsAtOrBelow(m.mountPoint, "/proc") || PathIsAtOrBelow(m.mountPoint, "/sys")) return false;
    if (IsPseudoFileSystem(m.fsType)) return false;
    for (std::string_view hide : {"x-gvfs-hide", "x-gdu.hide"})
        if (HasMountOption(m.options, hide) || HasMountOption(m.superOptions, hide)) return false;
    if (m.fsType == "overlay" && m.mountPoint != "/") return false;
    if (m.fsType == "squashfs") return false;
    if (StartsWith(m.source, "/dev/loop") &&
        (PathIsAtOrBelow(m.mountPoint, "/snap") || PathIsAtOrBelow(m.mountPoint, "/var/lib/snapd")))
        return false;
    if (IsRamFileSystem(m.fsType))
        return m.mountPoint == "/" || m.mountPoint == "/tmp" || m.mountPoint == "/dev/shm";
    return true;
}

struct Candidate {
    MountEntry mount;
    unsigned type = 0;
};

// One entry per device: the mount at / if the device has it, else its first whole mount
// (root "/"), else its first mount.
std::vector<Candidate> OnePerDevice(const std::vector<Candidate>& candidates) {
    std::vector<Candidate> chosen;
    auto rank = [](const MountEntry& m) { return m.mountPoint == "/" ? 0 : m.root == "/" ? 1 : 2; };
    for (const Candidate& c : candidates) {
        auto same = std::find_if(chosen.begin(), chosen.end(),
                                 [&](const Candidate& o) { return o.mount.SameDevice(c.mount); });
        if (same == chosen.end()) chosen.push_back(c);
        else if (rank(c.mount) < rank(same->mount)) *same = c;
    }
    return chosen;
}

std::vector<AssignedDrive> AssignFromMap(const std::vector<MountEntry>& visible, const AssignmentInput& input) {
    std::map<char, std::string> letters;
    size_t pos = 0;
    const std::string& map = input.driveMap;
    while (pos <= map.size()) {
        size_t end = map.find(';', pos);
        if (end == std::string::npos) end = map.size();
        std::string item = map.substr(pos, end - pos);
        pos = end + 1;
        size_t eq = item.find('=');
        if (eq != 1 || item.size() < 3) continue;
        char letter = item[0];
        if (letter >= 'A' && letter <= 'Z') letter = static_cast<char>(letter - 'A' + 'a');
        if (letter < 'a' || letter > 'z') continue;
        std::string path = item.substr(2);
        if (path.empty() || path[0] != '/' || path.find('\0') != std::string::npos) continue;
        while (path.size() > 1 && path.back() == '/') path.pop_back();
        letters[letter] = path;
    }
    std::vector<AssignedDrive> drives;
    for (const auto& [letter, path] : letters) {
        const MountEntry* mount = MountHolding(visible, path);
        if (!mount) continue;
        drives.push_back({letter, path, *mount, ClassifyMount(*mount, *input.devices)});
    }
    return drives;
}

}  // namespace

bool IsPseudoFileSystem(const std::string& fsType) {
    static constexpr std::array<std::string_view, 24> kPseudo = {
        "proc", "sysfs", "cgroup", "cgroup2", "devpts", "devtmpfs", "mqueue", "debugfs",
        "tracefs", "securityfs", "pstore", "bpf", "configfs", "fusectl", "hugetlbfs",
        "autofs", "binfmt_misc", "efivarfs", "nsfs", "rpc_pipefs", "fuse.gvfsd-fuse",
        "fuse.portal", "selinuxfs", "rootfs"};
    return std::find(kPseudo.begin(), kPseudo.end(), fsType) != kPseudo.end();
}

std::vector<MountEntry> VisibleMounts(const std::vector<MountEntry>& table) {
    std::vector<MountEntry> visible;
    for (size_t i = 0; i < table.size(); ++i) {
        bool covered = false;
        for (size_t j = i + 1; j < table.size() && !covered; ++j)
            covered = table[j].mountPoint == table[i].mountPoint;
        if (!covered) visible.push_back(table[i]);
    }
    return visible;
}

const MountEntry* MountHolding(const std::vector<MountEntry>& visible, const std::string& path) {
    const MountEntry* best = nullptr;
    for (const MountEntry& m : visible)
        if (PathIsAtOrBelow(path, m.mountPoint) && (!best || m.mountPoint.size() > best->mountPoint.size()))
            best = &m;
    return best;
}

unsigned ClassifyMount(const MountEntry& m, const BlockDevices& devices) {
    if (IsRamFileSystem(m.fsType)) return DRIVE_RAMDISK;
    if (IsNetworkFileSystem(m.fsType)) return DRIVE_REMOTE;
    if (m.fsType == "iso9660" || m.fsType == "udf" || StartsWith(m.source, "/dev/sr") ||
        (m.major != 0 && devices.IsCdrom(m.major, m.minor)))
        return DRIVE_CDROM;
    if (IsFloppy(m) || (m.major != 0 && devices.IsRemovable(m.major, m.minor))) return DRIVE_REMOVABLE;
    return DRIVE_FIXED;
}

std::vector<AssignedDrive> AssignDriveLetters(const AssignmentInput& input) {
    BlockDevices noDevices("/nonexistent");
    AssignmentInput in = input;
    if (!in.devices) in.devices = &noDevices;
    std::vector<MountEntry> visible = VisibleMounts(in.table);
    if (!in.driveMap.empty()) return AssignFromMap(visible, in);

    std::vector<Candidate> candidates;
    std::vector<std::string> toProbe;
    for (const MountEntry& m : visible) {
        if (!IsDriveCandidate(m)) continue;
        unsigned type = ClassifyMount(m, *in.devices);
        candidates.push_back({m, type});
        // Network file systems are listed without looking at them: a look could hang.
        if (type != DRIVE_REMOTE) toProbe.push_back(m.mountPoint);
    }
    std::map<std::string, MountProbe> probes;
    if (in.prober && !toProbe.empty()) probes = in.prober(toProbe);
    std::erase_if(candidates, [&](const Candidate& c) {
        auto it = probes.find(c.mount.mountPoint);
        if (it == probes.end() || !it->second.ok) return false;  // unknown: keep it
        if (it->second.blocks == 0) return true;
        // A further mount of a single file (a container's /etc/hosts) is no drive.
        return c.mount.root != "/" && !it->second.isDirectory;
    });
    candidates = OnePerDevice(candidates);

    std::vector<Candidate> ordered;
    auto take = [&](auto predicate) {
        std::vector<Candidate> group;
        for (auto it = candidates.begin(); it != candidates.end();) {
            if (predicate(*it)) {
                group.push_back(*it);
                it = candidates.erase(it);
            } else {
                ++it;
            }
        }
        std::stable_sort(group.begin(), group.end(),
                         [](const Candidate& a, const Candidate& b) { return a.mount.mountPoint < b.mount.mountPoint; });
        return group;
    };
    std::vector<Candidate> root = take([](const Candidate& c) { return c.mount.mountPoint == "/"; });
    std::vector<Candidate> home;
    if (!in.home.empty()) {
        if (const MountEntry* holder = MountHolding(visible, in.home)) {
            bool onRoot = !root.empty() && root.front().mount.SameDevice(*holder);
            if (!onRoot) home = take([&](const Candidate& c) { return c.mount.SameDevice(*holder); });
        }
    }
    std::vector<Candidate> floppies =
        take([](const Candidate& c) { return c.type == DRIVE_REMOVABLE && IsFloppy(c.mount); });
    std::vector<Candidate> disks =
        take([](const Candidate& c) { return c.type != DRIVE_REMOTE && c.type != DRIVE_RAMDISK; });
    std::vector<Candidate> network = take([](const Candidate& c) { return c.type == DRIVE_REMOTE; });
    std::vector<Candidate> ram = take([](const Candidate&) { return true; });

    // Two floppy letters; a third floppy drive counts among the disks.
    if (floppies.size() > 2) {
        disks.insert(disks.end(), floppies.begin() + 2, floppies.end());
        floppies.resize(2);
        std::stable_sort(disks.begin(), disks.end(),
                         [](const Candidate& a, const Candidate& b) { return a.mount.mountPoint < b.mount.mountPoint; });
    }
    std::vector<AssignedDrive> drives;
    char floppyLetter = 'a';
    for (const Candidate& c : floppies) drives.push_back({floppyLetter++, c.mount.mountPoint, c.mount, c.type});
    char letter = 'c';
    for (const auto* group : {&root, &home, &disks, &network, &ram})
        for (const Candidate& c : *group) {
            if (letter > 'z') break;
            drives.push_back({letter++, c.mount.mountPoint, c.mount, c.type});
        }
    return drives;
}

}  // namespace os
