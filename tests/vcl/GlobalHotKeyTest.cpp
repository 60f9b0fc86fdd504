// The hot-key component: registration follows HotKey and Active, a press reaches
// OnKeyDown with the key and shift set, errors go to the application's error box.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "vcl/TLMDGlobalHotKey.h"
#include "vcl/TApplication.h"
#include "vcl/TForm.h"
#include "vcl/TTimer.h"
#include "wm/Messages.h"
#include "wm/headless/HeadlessSession.h"

namespace {

using vcl::TLMDGlobalHotKey;

constexpr TShortCut kCtrlA = 16449;
constexpr TShortCut kCtrlS = 16467;

class GlobalHotKey : public ::testing::Test {
protected:
    wm::headless::HeadlessSession h{800, 600};
    std::unique_ptr<vcl::TApplication> application = std::make_unique<vcl::TApplication>();
    wm::headless::HeadlessDisplay& display = h.Display();
};

TEST_F(GlobalHotKey, APressReachesOnKeyDownWithTheKeyAndShiftSet) {
    TLMDGlobalHotKey hotKey(nullptr);
    int presses = 0;
    uint16_t seenKey = 0;
    vcl::TShiftState seenShift;
    hotKey.OnKeyDown = [&](vcl::TObject* sender, uint16_t& key, vcl::TShiftState shift) {
        EXPECT_EQ(sender, &hotKey);
        ++presses;
        seenKey = key;
        seenShift = shift;
    };
    hotKey.SetHotKey(kCtrlA);
    EXPECT_EQ(display.HotKeyCount(), 1);
    ASSERT_TRUE(display.PressHotKey(wm::MOD_CONTROL, 'A'));
    h.ProcessPending();
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(seenKey, 'A');
    EXPECT_TRUE(seenShift.Contains(vcl::ssCtrl));
    EXPECT_FALSE(seenShift.Contains(vcl::ssAlt));
    EXPECT_FALSE(seenShift.Contains(vcl::ssShift));
}

TEST_F(GlobalHotKey, RegistrationFollowsHotKeyAndActive) {
    auto hotKey = std::make_unique<TLMDGlobalHotKey>(nullptr);
    EXPECT_TRUE(hotKey->Active());
    EXPECT_EQ(display.HotKeyCount(), 0) << "nothing is registered while HotKey is 0";
    hotKey->SetHotKey(kCtrlA);
    EXPECT_TRUE(display.PressHotKey(wm::MOD_CONTROL, 'A'));
    // A new combination: the old one stays registered (only 0 unregisters), as the
    // component has always behaved; the new one is added.
    hotKey->SetHotKey(kCtrlS);
    EXPECT_TRUE(display.PressHotKey(wm::MOD_CONTROL, 'S'));
    hotKey->SetActive(false);
    EXPECT_FALSE(display.PressHotKey(wm::MOD_CONTROL, 'S'));
    hotKey->SetActive(true);
    EXPECT_TRUE(display.PressHotKey(wm::MOD_CONTROL, 'S'));
    hotKey->SetHotKey(0);
    EXPECT_FALSE(display.PressHotKey(wm::MOD_CONTROL, 'S'));
    // Inactive: setting a key registers nothing until it becomes active.
    hotKey->SetActive(false);
    hotKey->SetHotKey(kCtrlS);
    EXPECT_FALSE(display.PressHotKey(wm::MOD_CONTROL, 'S'));
    hotKey->SetActive(true);
    EXPECT_TRUE(display.PressHotKey(wm::MOD_CONTROL, 'S'));
    // Destruction releases it.
    hotKey.reset();
    EXPECT_FALSE(display.PressHotKey(wm::MOD_CONTROL, 'S'));
}

TEST_F(GlobalHotKey, ACombinationHeldElsewhereFailsSilently) {
    display.HoldHotKeyElsewhere(wm::MOD_CONTROL, 'A');
    TLMDGlobalHotKey hotKey(nullptr);
    int presses = 0;
    hotKey.OnKeyDown = [&](vcl::TObject*, uint16_t&, vcl::TShiftState) { ++presses; };
    hotKey.SetHotKey(kCtrlA);  // no error
    EXPECT_EQ(hotKey.HotKey(), kCtrlA);
    EXPECT_FALSE(display.PressHotKey(wm::MOD_CONTROL, 'A'));
    EXPECT_EQ(presses, 0);
}

TEST_F(GlobalHotKey, EachComponentHasItsOwnWindowAndIdentifier) {
    TLMDGlobalHotKey first(nullptr), second(nullptr);
    EXPECT_NE(first.WindowHandle(), second.WindowHandle());
    EXPECT_NE(first.Identifier(), second.Identifier());
    EXPECT_GE(first.Identifier(), 0xC000);
    int firstPresses = 0, secondPresses = 0;
    first.OnKeyDown = [&](vcl::TObject*, uint16_t&, vcl::TShiftState) { ++firstPresses; };
    second.OnKeyDown = [&](vcl::TObject*, uint16_t&, vcl::TShiftState) { ++secondPresses; };
    first.SetHotKey(kCtrlA);
    second.SetHotKey(kCtrlS);
    display.PressHotKey(wm::MOD_CONTROL, 'S');
    h.ProcessPending();
    EXPECT_EQ(firstPresses, 0);
    EXPECT_EQ(secondPresses, 1);
}

TEST_F(GlobalHotKey, AnErrorInTheHandlerGoesToTheApplicationAndNoFurther) {
    TLMDGlobalHotKey hotKey(nullptr);
    hotKey.OnKeyDown = [&](vcl::TObject*, uint16_t&, vcl::TShiftState) {
        throw std::runtime_error("Datei x kann nicht erstellt werden");
    };
    std::string shown;
    application->OnException = [&](vcl::TObject*, const std::exception& error) { shown = error.what(); };
    hotKey.SetHotKey(kCtrlA);
    display.PressHotKey(wm::MOD_CONTROL, 'A');
    EXPECT_NO_THROW(h.ProcessPending());
    EXPECT_EQ(shown, "Datei x kann nicht erstellt werden");
}

TEST_F(GlobalHotKey, APressDuringAModalDialogStillReachesItsHandler) {
    TLMDGlobalHotKey hotKey(nullptr);
    vcl::TForm* dialog = application->CreateForm<vcl::TForm>();
    dialog->SetBoundsRect({50, 50, 150, 150});
    int presses = 0;
    hotKey.OnKeyDown = [&](vcl::TObject*, uint16_t&, vcl::TShiftState) {
        ++presses;
        dialog->SetModalResult(vcl::mrOk);
    };
    hotKey.SetHotKey(kCtrlA);
    // While the dialog runs its own loop, the key is pressed in another program.
    vcl::TTimer timer(nullptr);
    timer.SetInterval(100);
    timer.SetOnTimer([&](vcl::TObject*) {
        timer.SetEnabled(false);
        display.PressHotKey(wm::MOD_CONTROL, 'A');
    });
    h.QueueAdvance(150);
    EXPECT_EQ(dialog->ShowModal(), vcl::mrOk);
    EXPECT_EQ(presses, 1);
}

}  // namespace
