#pragma once
// A machine of the test's own making for the drive queries: a mount table, a sysfs tree
// and a /dev tree in a temporary folder, and statvfs answers per folder.

#include <sys/statvfs.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "os/DriveSystem.h"

namespace testing_support {

struct BlockDeviceSetup {
    unsigned major = 8;
    unsigned minor = 0;
    std::string name;            // "sda1"
    std::string disk;            // the whole disk's name for a partition ("sda"); empty for a disk
    bool removable = false;
    unsigned logicalBlockSize = 512;
    int scsiType = 0;            // 5: optical drive
};

class FakeMachine {
public:
    FakeMachine();
    ~FakeMachine();
    FakeMachine(const FakeMachine&) = delete;
    FakeMachine& operator=(const FakeMachine&) = delete;

    const std::filesystem::path& Folder() const { return folder_; }

    // A mountinfo line; blanks, tabs and backslashes in paths are escaped as the kernel does.
    static std::string Line(int id, const std::string& device, const std::string& root, const std::string& mountPoint,
                            const std::string& fsType, const std::string& source,
                            const std::string& options = "rw,relatime", const std::string& superOptions = "rw");
    void SetMountTable(const std::string& text);

    void AddBlockDevice(const BlockDeviceSetup& setup);
    void AddUdevLink(const std::string& kind, const std::string& linkName, const std::string& deviceName);

    // statvfs of `path` answers these figures; folders without figures fail.
    void SetFileSystem(const std::string& path, uint64_t blocks, uint64_t bavail, unsigned long frsize = 4096,
                       unsigned long fsid = 0);
    void RemoveFileSystem(const std::string& path) { fileSystems_->erase(path); }
    void SetNotDirectory(const std::string& path) { notDirectories_->insert(path); }

    os::DriveSystemConfig Config() const;
    std::string home = "/home/user";
    std::string driveMap;                 // "" = automatic
    std::string currentDirectory = "/home/user";

private:
    std::filesystem::path folder_;
    std::shared_ptr<std::map<std::string, struct statvfs>> fileSystems_;
    std::shared_ptr<std::set<std::string>> notDirectories_;
};

}  // namespace testing_support
