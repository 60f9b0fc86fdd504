// Refused writes of the settings file on real read-only and full file systems. Root
// ignores file modes, so the folder is made read-only by a read-only bind mount in a
// private mount namespace.

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

#include <iostream>

#include "os/IniFile.h"
#include "os/MountNamespace.h"
#include "os/TempFolder.h"

using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

TEST(IniRefusedWrites, ReadOnlyFolderAndFullDisk) { VELMORA_RUN_IN_MOUNT_NAMESPACE("IniRefusedWrites.DISABLED_Inside"); }

TEST(IniRefusedWrites, DISABLED_Inside) {
    TempFolder folder;
    const std::string original = "; kept\n[Top]\nStatus=5\n";
    std::string path = folder.File("Velmora.ini");
    WriteBytes(path, original);
    std::string dir = folder.Path().string();
    ASSERT_EQ(::mount(dir.c_str(), dir.c_str(), nullptr, MS_BIND, nullptr), 0);
    ASSERT_EQ(::mount(nullptr, dir.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr), 0);

    // A batch of writes stops at the first refusal, with the file's full path in the text.
    os::IniFile ini(path);
    int written = 0;
    try {
        ini.WriteInteger("Top", "Status", 106);
        ++written;
        ini.WriteInteger("Left", "Status", 192);
        ++written;
        FAIL() << "the read-only folder took the write";
    } catch (const os::IniWriteError& e) {
        EXPECT_EQ(std::string(e.what()), "In " + path + " kann nicht geschrieben werden");
    }
    EXPECT_EQ(written, 0);
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(ini.ReadInteger("Top", "Status", 0), 5);  // reading still works
    EXPECT_THROW(os::IniFile(folder.File("new.ini")).WriteBool("Panel2", "Status", true), os::IniWriteError);
    ::umount(dir.c_str());

    // A full file system: the write fails and the old file stays whole.
    std::string small = folder.File("small");
    std::filesystem::create_directory(small);
    ASSERT_EQ(::mount("velmora-full", small.c_str(), "tmpfs", 0, "size=64k"), 0);
    std::string full = small + "/Velmora.ini";
    WriteBytes(full, original);
    testing_support::Shell("dd if=/dev/zero of='" + small + "/filler' bs=4k count=100 2>/dev/null");
    EXPECT_THROW(os::IniFile(full).WriteString("Big", "Status", std::string(8192, '1')), os::IniWriteError);
    EXPECT_EQ(ReadBytes(full), original);
    ::umount(small.c_str());
}
