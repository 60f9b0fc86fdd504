// The capacity figures, labels and series names of a refresh.

#include <gtest/gtest.h>

#include "drive/Capacity.h"
#include "os/FakeMachine.h"

using drive::cuKB;
using drive::cuMB;

TEST(Capacity, FortyGigabytesInBothUnits) {
    drive::CapacityFigures mb = drive::ComputeCapacity(40'000'000'000, 40'000'000'000, cuMB);
    EXPECT_EQ(mb.total, 38146);
    EXPECT_EQ(drive::CapacityLabel(mb.total, cuMB), "38146 MB");
    EXPECT_EQ(drive::ComputeCapacity(40'000'000'000, 0, cuKB).total, 39062500);
    EXPECT_EQ(drive::CapacityLabel(39062500, cuKB), "39062500 KB");
}

TEST(Capacity, UsedIsTotalMinusFreeInTheUnit) {
    // 1,048,575 bytes free: 0 MB but 1023 KB; used is computed from the rounded figures.
    drive::CapacityFigures mb = drive::ComputeCapacity(3 * 1048576 - 1, 1048575, cuMB);
    EXPECT_EQ(mb.total, 2);
    EXPECT_EQ(mb.free, 0);
    EXPECT_EQ(mb.used, 2);
    drive::CapacityFigures kb = drive::ComputeCapacity(3 * 1048576 - 1, 1048575, cuKB);
    EXPECT_EQ(kb.free, 1023);
    EXPECT_EQ(kb.used, 3071 - 1023);
    EXPECT_EQ(drive::FreeSeriesName(kb.free, cuKB), "Frei (1023 KB)");
    EXPECT_EQ(drive::UsedSeriesName(kb.used, cuKB), "Belegt (2048 KB)");
}

TEST(Capacity, AFailedQueryShowsZeroEverywhere) {
    for (auto unit : {cuMB, cuKB}) {
        drive::CapacityFigures f = drive::ComputeCapacity(-1, -1, unit);
        EXPECT_EQ(f.total, 0);
        EXPECT_EQ(f.free, 0);
        EXPECT_EQ(f.used, 0);
    }
    EXPECT_EQ(drive::FreeSeriesName(0, cuMB), "Frei (0 MB)");
    EXPECT_EQ(drive::UsedSeriesName(0, cuMB), "Belegt (0 MB)");
}

TEST(Capacity, DrivesOfTwoTebibytesAndMoreKeepTheirTrueKilobytes) {
    const int64_t threeTiB = int64_t(3) << 40;
    drive::CapacityFigures kb = drive::ComputeCapacity(threeTiB, int64_t(1) << 40, cuKB);
    EXPECT_EQ(kb.total, 3221225472);  // would wrap to -1073741824 in 32 bits
    EXPECT_EQ(kb.used, 2147483648);
    EXPECT_EQ(drive::ComputeCapacity(threeTiB, 0, cuMB).total, 3145728);
}

TEST(Capacity, TheQueryTakesTheLetterFromTheSelectorText) {
    testing_support::FakeMachine m;
    m.SetMountTable(testing_support::FakeMachine::Line(1, "8:1", "/", "/", "ext4", "/dev/sda1") +
                    testing_support::FakeMachine::Line(2, "8:2", "/", "/data", "ext4", "/dev/sda2"));
    m.SetFileSystem("/", 1000, 100, 4096);
    m.SetFileSystem("/data", 2000, 300, 4096);
    os::DriveSystem drives(m.Config());
    os::DiskSpace d = drive::QueryDriveCapacity("d: [daten]", drives);
    EXPECT_EQ(d.totalBytes, 2000 * 4096);
    EXPECT_EQ(d.freeBytesAvailable, 300 * 4096);
    EXPECT_EQ(drive::QueryDriveCapacity("C:", drives).totalBytes, 1000 * 4096);
    EXPECT_EQ(drive::QueryDriveCapacity("", drives).totalBytes, -1);
    EXPECT_EQ(drive::QueryDriveCapacity("1: x", drives).totalBytes, -1);
    EXPECT_EQ(drive::QueryDriveCapacity("q:", drives).freeBytesAvailable, -1);
}
