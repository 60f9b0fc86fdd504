// The print libraries opened at run time: the installed ones have every function printing
// calls, and a missing or wrong library is a clear message instead of a crash.
#include <gtest/gtest.h>
#include <stdio.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "os/CairoLibrary.h"
#include "os/CupsLibrary.h"
#include "os/ExecutablePath.h"
#include "os/PrintLibrary.h"
#include "os/PrintQueue.h"
#include "os/TempFolder.h"

namespace {

struct HiddenRun {
    int exitCode = -1;
    std::string output;
};

// Runs the inner test `test` of this program again with `library` hidden from dlopen.
HiddenRun RunWithoutLibrary(const std::string& library, const std::string& test) {
    const std::string command = "VELMORA_HIDDEN_LIBRARY='" + library + "' LD_PRELOAD='" VELMORA_HIDE_LIBRARY "' '" +
                                os::ExecutablePath() + "' --gtest_also_run_disabled_tests --gtest_filter='" + test +
                                "' 2>&1";
    HiddenRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// The message of the PrintError `call` throws; empty when it throws none.
template <typename Call>
std::string PrintErrorOf(Call call) {
    try {
        call();
    } catch (const os::PrintError& error) {
        return error.what();
    }
    return {};
}

TEST(PrintLibraries, TheInstalledLibrariesHaveEveryFunction) {
    const os::CupsLibrary& cups = os::CupsLibrary::Get();
    EXPECT_TRUE(cups.Available()) << cups.Error();
    EXPECT_NE(cups.cupsPrintFile2, nullptr);
    const os::CairoLibrary& cairo = os::CairoLibrary::Get();
    EXPECT_TRUE(cairo.Available()) << cairo.Error();
    EXPECT_NE(cairo.cairo_pdf_surface_create, nullptr);
    // Loaded once: later calls give the same table.
    EXPECT_EQ(&os::CupsLibrary::Get(), &cups);
    EXPECT_EQ(&os::CairoLibrary::Get(), &cairo);
}

TEST(PrintLibraries, AMissingLibraryIsNamedAndLeavesNoFunctions) {
    const os::CupsLibrary cups("libvelmora-no-such-print-library.so.2");
    EXPECT_FALSE(cups.Available());
    EXPECT_EQ(cups.Error(), "Die Druckbibliothek libvelmora-no-such-print-library.so.2 ist nicht vorhanden");
    EXPECT_EQ(cups.cupsGetNamedDest, nullptr);
    EXPECT_EQ(cups.cupsLastErrorString, nullptr);

    const os::CairoLibrary cairo("libvelmora-no-such-cairo.so.2");
    EXPECT_FALSE(cairo.Available());
    EXPECT_EQ(cairo.Error(), "Die Druckbibliothek libvelmora-no-such-cairo.so.2 ist nicht vorhanden");
    EXPECT_EQ(cairo.cairo_create, nullptr);
}

TEST(PrintLibraries, ALibraryWithoutTheFunctionsNamesTheFirstMissingOne) {
    // The maths library is always there and has none of the print functions.
    const os::CupsLibrary cups("libm.so.6");
    EXPECT_FALSE(cups.Available());
    EXPECT_EQ(cups.Error(), "Die Druckbibliothek libm.so.6 ist unvollständig: cupsGetNamedDest fehlt");

    // A function that is there is still found; the first failure stays the message.
    os::PrintLibrary maths("libm.so.6");
    double (*squareRoot)(double) = nullptr;
    maths.Resolve(squareRoot, "sqrt");
    ASSERT_NE(squareRoot, nullptr);
    EXPECT_EQ(squareRoot(16.0), 4.0);
    EXPECT_TRUE(maths.Error().empty());
    int (*missing)() = nullptr;
    maths.Resolve(missing, "velmora_missing_one");
    maths.Resolve(missing, "velmora_missing_two");
    EXPECT_EQ(missing, nullptr);
    EXPECT_EQ(maths.Error(), "Die Druckbibliothek libm.so.6 ist unvollständig: velmora_missing_one fehlt");
}

// The printing code itself with a library missing: a PrintError naming it, no crash, and
// no page file begun. Each case runs in a program of its own, as the library is loaded
// once per process.
TEST(PrintLibraries, WithoutLibcupsThePrintQueueReportsTheMissingLibrary) {
    const HiddenRun run = RunWithoutLibrary("libcups.so.2", "PrintLibraries.DISABLED_InsideWithoutLibcups");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("[  PASSED  ] 1 test"), std::string::npos) << run.output;
}

TEST(PrintLibraries, DISABLED_InsideWithoutLibcups) {
    EXPECT_FALSE(os::CupsLibrary::Get().Available());
    EXPECT_EQ(PrintErrorOf([] { os::PrintQueue::Default(); }),
              "Die Druckbibliothek libcups.so.2 ist nicht vorhanden");
    // The page itself does not need the print system.
    testing_support::TempFolder folder;
    os::WritePicturePdf(folder.File("page.pdf"), os::PrintPageGeometry{}, gfx::Bitmap(3, 2), TRect{0, 0, 3, 2});
    EXPECT_EQ(::access(folder.File("page.pdf").c_str(), F_OK), 0);
}

TEST(PrintLibraries, WithoutLibcairoThePageReportsTheMissingLibrary) {
    const HiddenRun run = RunWithoutLibrary("libcairo.so.2", "PrintLibraries.DISABLED_InsideWithoutLibcairo");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("[  PASSED  ] 1 test"), std::string::npos) << run.output;
}

TEST(PrintLibraries, DISABLED_InsideWithoutLibcairo) {
    EXPECT_FALSE(os::CairoLibrary::Get().Available());
    testing_support::TempFolder folder;
    const std::string path = folder.File("page.pdf");
    EXPECT_EQ(PrintErrorOf([&] {
                  os::WritePicturePdf(path, os::PrintPageGeometry{}, gfx::Bitmap(3, 2), TRect{0, 0, 3, 2});
              }),
              "Die Druckbibliothek libcairo.so.2 ist nicht vorhanden");
    EXPECT_NE(::access(path.c_str(), F_OK), 0);
}

}  // namespace
