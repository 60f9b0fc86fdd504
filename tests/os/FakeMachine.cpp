#include "os/FakeMachine.h"

#include <unistd.h>

#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace testing_support {
namespace {

std::string Escape(const std::string& path) {
    std::string out;
    for (char c : path) {
        switch (c) {
        case ' ': out += "\\040"; break;
        case '\t': out += "\\011"; break;
        case '\n': out += "\\012"; break;
        case '\\': out += "\\134"; break;
        default: out += c;
        }
    }
    return out;
}

void WriteFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

}  // namespace

FakeMachine::FakeMachine()
    : fileSystems_(std::make_shared<std::map<std::string, struct statvfs>>()),
      notDirectories_(std::make_shared<std::set<std::string>>()) {
    std::string pattern = (fs::temp_directory_path() / "velmora-machine-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    folder_ = pattern;
    fs::create_directories(folder_ / "sys/dev/block");
    fs::create_directories(folder_ / "dev/disk");
}

FakeMachine::~FakeMachine() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

std::string FakeMachine::Line(int id, const std::string& device, const std::string& root, const std::string& mountPoint,
                              const std::string& fsType, const std::string& source, const std::string& options,
                              const std::string& superOptions) {
    return std::to_string(id) + " 1 " + device + " " + Escape(root) + " " + Escape(mountPoint) + " " + options +
           " shared:" + std::to_string(id) + " - " + fsType + " " + Escape(source) + " " + superOptions + "\n";
}

void FakeMachine::SetMountTable(const std::string& text) { WriteFile(folder_ / "mountinfo", text); }

void FakeMachine::AddBlockDevice(const BlockDeviceSetup& setup) {
    fs::path disk = folder_ / "sys/devices/block" / (setup.disk.empty() ? setup.name : setup.disk);
    fs::path device = setup.disk.empty() ? disk : disk / setup.name;
    fs::create_directories(device);
    if (!setup.disk.empty()) WriteFile(device / "partition", "1\n");
    if (!fs::exists(disk / "removable")) {
        WriteFile(disk / "removable", setup.removable ? "1\n" : "0\n");
        WriteFile(disk / "queue/logical_block_size", std::to_string(setup.logicalBlockSize) + "\n");
        if (setup.scsiType) WriteFile(disk / "device/type", std::to_string(setup.scsiType) + "\n");
    }
    fs::path link = folder_ / "sys/dev/block" / (std::to_string(setup.major) + ":" + std::to_string(setup.minor));
    fs::create_directory_symlink(fs::relative(device, link.parent_path()), link);
}

void FakeMachine::AddUdevLink(const std::string& kind, const std::string& linkName, const std::string& deviceName) {
    fs::path folder = folder_ / "dev/disk" / kind;
    fs::create_directories(folder);
    fs::create_symlink("../../" + deviceName, folder / linkName);
}

void FakeMachine::SetFileSystem(const std::string& path, uint64_t blocks, uint64_t bavail, unsigned long frsize,
                                unsigned long fsid) {
    struct statvfs st {};
    st.f_frsize = frsize;
    st.f_bsize = frsize * 16;  // never the unit of the counts
    st.f_blocks = blocks;
    st.f_bfree = bavail + blocks / 20;
    st.f_bavail = bavail;
    st.f_fsid = fsid;
    (*fileSystems_)[path] = st;
}

os::DriveSystemConfig FakeMachine::Config() const {
    os::DriveSystemConfig config;
    config.mountInfoPath = (folder_ / "mountinfo").string();
    config.sysfsRoot = (folder_ / "sys").string();
    config.devRoot = (folder_ / "dev").string();
    config.home = home;
    config.driveMap = driveMap;
    config.currentDirectory = currentDirectory;
    config.timeout = std::chrono::milliseconds(2000);
    config.probeDevices = false;
    auto fileSystems = fileSystems_;
    config.statFs = [fileSystems](const std::string& path) -> std::optional<struct statvfs> {
        auto it = fileSystems->find(path);
        if (it == fileSystems->end()) return std::nullopt;
        return it->second;
    };
    auto notDirectories = notDirectories_;
    config.isDirectory = [notDirectories](const std::string& path) -> std::optional<bool> {
        return notDirectories->count(path) == 0;
    };
    return config;
}

}  // namespace testing_support
