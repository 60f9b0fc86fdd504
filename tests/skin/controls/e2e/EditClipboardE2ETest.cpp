// The skinned edit on a real X server: typed text, selections by keyboard and mouse, and
// cut, copy and paste through the CLIPBOARD selection that other programs (xclip) read
// and fill.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "XvfbServer.h"

using namespace x11test;

namespace {

struct EditProbeSession {
    XvfbServer xvfb;
    std::unique_ptr<ChildProcess> probe;

    bool Start() {
        if (!xvfb.Running()) return false;
        probe = std::make_unique<ChildProcess>(std::vector<std::string>{EDIT_PROBE_PATH}, xvfb.Name());
        return probe->WaitForLine("active");
    }
    bool Keys(std::vector<std::string> keys) {
        keys.insert(keys.begin(), {"xdotool", "key", "--delay", "20"});
        return RunCommand(keys, xvfb.Name()).exitCode == 0;
    }
    bool Type(const std::string& text) {
        return RunCommand({"xdotool", "type", "--delay", "20", text}, xvfb.Name()).exitCode == 0;
    }
    // Reads state lines until one equals `expected`; false after a line-less timeout.
    // Lines of earlier keys that arrive late are passed over.
    bool WaitForState(const std::string& expected) {
        for (;;) {
            auto line = probe->ReadLine(5s);
            if (!line) return false;
            last = *line;
            if (last == expected) return true;
        }
    }
    // The clipboard as other programs read it, once it equals `expected` or the wait ends.
    std::string ClipboardWhenIs(const std::string& expected) {
        std::string text;
        WaitUntil([&] { return (text = Clipboard()) == expected; }, 5s);
        return text;
    }
    std::string last;
    std::string Clipboard() {
        return RunCommand({"xclip", "-selection", "clipboard", "-o"}, xvfb.Name()).output;
    }
    bool FillClipboard(const std::string& text) {
        return RunCommand({"sh", "-c", "printf '%s' \"$0\" | xclip -selection clipboard -i >/dev/null 2>&1", text},
                          xvfb.Name())
                   .exitCode == 0;
    }
};

}  // namespace

TEST(EditClipboardE2E, TypedSelectedTextIsCutAndCopiedToTheClipboard) {
    EditProbeSession s;
    ASSERT_TRUE(s.Start());

    ASSERT_TRUE(s.Type("Laufwerk C"));
    EXPECT_TRUE(s.WaitForState("state 10 10 Laufwerk C")) << s.last;

    // Shift+Home selects back to the start; Ctrl+C copies without changing the text.
    ASSERT_TRUE(s.Keys({"shift+Home"}));
    EXPECT_TRUE(s.WaitForState("state 0 10 Laufwerk C")) << s.last;
    ASSERT_TRUE(s.Keys({"ctrl+c"}));
    EXPECT_TRUE(s.WaitForState("state 0 10 Laufwerk C")) << s.last;
    EXPECT_EQ(s.ClipboardWhenIs("Laufwerk C"), "Laufwerk C");

    // Shift+Left twice from the end selects the last two characters; Ctrl+X cuts them.
    ASSERT_TRUE(s.Keys({"End", "shift+Left", "shift+Left"}));
    EXPECT_TRUE(s.WaitForState("state 8 10 Laufwerk C")) << s.last;
    ASSERT_TRUE(s.Keys({"ctrl+x"}));
    EXPECT_TRUE(s.WaitForState("state 8 8 Laufwerk")) << s.last;
    EXPECT_EQ(s.ClipboardWhenIs(" C"), " C");
}

TEST(EditClipboardE2E, AnotherProgramsTextIsPastedOverTheSelection) {
    EditProbeSession s;
    ASSERT_TRUE(s.Start());
    ASSERT_TRUE(s.Type("alt"));
    EXPECT_TRUE(s.WaitForState("state 3 3 alt")) << s.last;

    ASSERT_TRUE(s.FillClipboard("Grüße aus xclip"));
    ASSERT_TRUE(s.Keys({"ctrl+a"}));
    EXPECT_TRUE(s.WaitForState("state 0 3 alt")) << s.last;
    ASSERT_TRUE(s.Keys({"ctrl+v"}));
    // Positions count characters: "Grüße aus xclip" is 15 long.
    EXPECT_TRUE(s.WaitForState("state 15 15 Grüße aus xclip")) << s.last;

    // A pasted text ends at its first line break.
    ASSERT_TRUE(s.FillClipboard("eins\nzwei"));
    ASSERT_TRUE(s.Keys({"ctrl+a", "ctrl+v"}));
    EXPECT_TRUE(s.WaitForState("state 4 4 eins")) << s.last;
}

TEST(EditClipboardE2E, DraggingTheMouseSelectsAndTheSelectionIsCopied) {
    EditProbeSession s;
    ASSERT_TRUE(s.Start());
    ASSERT_TRUE(s.Type("Speicher"));
    EXPECT_TRUE(s.WaitForState("state 8 8 Speicher")) << s.last;
    // From the start of the text to far right of it: everything. The edit's window is at
    // (50, 50) on the screen; its text area starts 3 pixels in.
    ASSERT_EQ(RunCommand({"xdotool", "mousemove", "54", "60", "mousedown", "1", "mousemove", "200", "60",
                          "mouseup", "1"},
                         s.xvfb.Name())
                  .exitCode,
              0);
    EXPECT_TRUE(s.WaitForState("state 0 8 Speicher")) << s.last;
    ASSERT_TRUE(s.Keys({"ctrl+c"}));
    EXPECT_TRUE(s.WaitForState("state 0 8 Speicher")) << s.last;
    EXPECT_EQ(s.ClipboardWhenIs("Speicher"), "Speicher");
}
