// The CLIPBOARD selection against xclip and a stand-in clipboard manager.

#include <gtest/gtest.h>

#include <span>

#include "ChildProcess.h"
#include "XvfbServer.h"
#include "gfx/BmpCodec.h"
#include "gfx/PngCodec.h"

using namespace x11test;

namespace {

CommandResult ReadClipboard(const XvfbServer& xvfb, const std::string& target) {
    return RunCommand({"xclip", "-selection", "clipboard", "-t", target, "-o"}, xvfb.Name());
}

std::span<const uint8_t> Bytes(const std::string& s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

}  // namespace

TEST(ClipboardE2E, PictureIsReadBackAsPngAndBmpOfTheSameSize) {
    XvfbServer xvfb;
    ASSERT_TRUE(xvfb.Running());
    ChildProcess probe({PROBE_PATH, "set-picture", "200", "120"}, xvfb.Name());
    ASSERT_EQ(probe.ReadLine(), "ready");

    CommandResult targets = ReadClipboard(xvfb, "TARGETS");
    EXPECT_NE(targets.output.find("image/png"), std::string::npos) << targets.output;
    EXPECT_NE(targets.output.find("image/bmp"), std::string::npos) << targets.output;

    CommandResult png = ReadClipboard(xvfb, "image/png");
    ASSERT_EQ(png.exitCode, 0);
    gfx::Bitmap fromPng = gfx::DecodePng(Bytes(png.output));
    EXPECT_EQ(fromPng.Width(), 200);
    EXPECT_EQ(fromPng.Height(), 120);
    EXPECT_EQ(fromPng.Pixel(5, 0), clRed);
    EXPECT_EQ(fromPng.Pixel(5, 60), static_cast<TColor>(0x00336699));

    CommandResult bmp = ReadClipboard(xvfb, "image/bmp");
    ASSERT_EQ(bmp.exitCode, 0);
    gfx::Bitmap fromBmp = gfx::ReadBmp(Bytes(bmp.output));
    EXPECT_EQ(fromBmp.Width(), 200);
    EXPECT_EQ(fromBmp.Height(), 120);
    EXPECT_EQ(fromBmp.Pixel(199, 119), static_cast<TColor>(0x00336699));
}

TEST(ClipboardE2E, TextGoesBothWays) {
    XvfbServer xvfb;
    ASSERT_TRUE(xvfb.Running());
    {
        ChildProcess probe({PROBE_PATH, "set-text", "Grüße aus Velmora"}, xvfb.Name());
        ASSERT_EQ(probe.ReadLine(), "ready");
        EXPECT_EQ(ReadClipboard(xvfb, "UTF8_STRING").output, "Grüße aus Velmora");
        EXPECT_EQ(ReadClipboard(xvfb, "STRING").output, "Gr\xFC\xDF" "e aus Velmora");  // Latin-1
    }
    // Another program's text, pasted by ours.
    ASSERT_EQ(RunCommand({"sh", "-c", "printf 'Laufwerk ü' | xclip -selection clipboard -i >/dev/null 2>&1"},
                         xvfb.Name()).exitCode, 0);
    ChildProcess reader({PROBE_PATH, "read-text"}, xvfb.Name());
    EXPECT_EQ(reader.ReadLine(), "text: Laufwerk ü");
    EXPECT_EQ(reader.WaitForExit(), 0);
}

TEST(ClipboardE2E, LargeTextGoesIncrementally) {
    XvfbServer xvfb;
    ASSERT_TRUE(xvfb.Running());
    ChildProcess probe({PROBE_PATH, "set-long-text", "3000000"}, xvfb.Name());
    ASSERT_EQ(probe.ReadLine(), "ready");
    CommandResult text = ReadClipboard(xvfb, "UTF8_STRING");
    EXPECT_EQ(text.output.size(), 3000000u);
    EXPECT_EQ(text.output.find_first_not_of('x'), std::string::npos);
}

TEST(ClipboardE2E, PictureOutlivesTheProgramThroughTheClipboardManager) {
    XvfbServer xvfb;
    ASSERT_TRUE(xvfb.Running());
    ChildProcess manager({MANAGER_STUB_PATH}, xvfb.Name());
    ASSERT_EQ(manager.ReadLine(), "ready");
    ChildProcess probe({PROBE_PATH, "set-picture", "64", "48"}, xvfb.Name());
    ASSERT_EQ(probe.ReadLine(), "ready");

    probe.Signal(SIGTERM);  // the session ends: the program hands its content over
    EXPECT_EQ(probe.WaitForExit(), 0);
    auto saved = manager.ReadLine();
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->rfind("saved ", 0), 0u);
    EXPECT_NE(*saved, "saved 0");

    CommandResult png = ReadClipboard(xvfb, "image/png");
    ASSERT_EQ(png.exitCode, 0);
    gfx::Bitmap picture = gfx::DecodePng(Bytes(png.output));
    EXPECT_EQ(picture.Width(), 64);
    EXPECT_EQ(picture.Height(), 48);
}

TEST(ClipboardE2E, ReadingFromAnOwnerThatNeverAnswersGivesUpWithinItsBound) {
    XvfbServer xvfb;
    ASSERT_TRUE(xvfb.Running());
    ChildProcess hungOwner({MANAGER_STUB_PATH, "--hang"}, xvfb.Name());
    ASSERT_EQ(hungOwner.ReadLine(), "ready");
    auto start = std::chrono::steady_clock::now();
    ChildProcess reader({PROBE_PATH, "read-text"}, xvfb.Name());
    EXPECT_EQ(reader.ReadLine(), "no text");
    EXPECT_EQ(reader.WaitForExit(), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}
