// The command-line drive list, on a machine built by the test and on this machine.

#include <gtest/gtest.h>

#include <sys/statvfs.h>

#include <sstream>

#include "drive/ListDrives.h"
#include "os/FakeMachine.h"

using testing_support::FakeMachine;

TEST(ListDrives, OneTabSeparatedLinePerDrive) {
    FakeMachine m;
    m.AddBlockDevice({8, 1, "sda1", "sda"});
    m.AddUdevLink("by-label", "Root", "sda1");
    m.AddUdevLink("by-uuid", "1234-ABCD", "sda1");
    m.SetMountTable(FakeMachine::Line(1, "8:1", "/", "/", "vfat", "/dev/sda1") +
                    FakeMachine::Line(2, "0:40", "/", "/tmp", "tmpfs", "tmpfs", "rw", "rw,size=1024k"));
    m.SetFileSystem("/", 1000, 250, 4096);
    m.SetFileSystem("/tmp", 256, 256, 4096, 0xC0FFEE);
    os::DriveSystem drives(m.Config());
    std::ostringstream out;
    EXPECT_EQ(drive::ListDrives(out, drives), 0);
    EXPECT_EQ(out.str(),
              "c: [root]\tLokales Laufwerk\tvfat\t1234ABCD\t4096000\t1024000\n"
              "d: []\tRamDisk\ttmpfs\t00C0FFEE\t1048576\t1048576\n");
}

TEST(ListDrives, NoDrivesIsAnError) {
    FakeMachine m;
    m.SetMountTable("");
    std::ostringstream out;
    EXPECT_EQ(drive::ListDrives(out, os::DriveSystem(m.Config())), 1);
    EXPECT_EQ(out.str(), "");
}

TEST(ListDrives, ThisMachineListsItsRootAsC) {
    std::ostringstream out;
    ASSERT_EQ(drive::ListDrives(out), 0);
    std::string first = out.str().substr(0, out.str().find('\n'));
    ASSERT_EQ(first.substr(0, 3), "c: ") << out.str();
    struct statvfs root {};
    ASSERT_EQ(::statvfs("/", &root), 0);
    // The total column is statvfs's, counted in fragments.
    std::string total = std::to_string(static_cast<long long>(root.f_blocks * root.f_frsize));
    EXPECT_NE(first.find("\t" + total + "\t"), std::string::npos) << first;
}
