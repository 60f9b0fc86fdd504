// The frame's menus and keys: the system menu, menu mode driving a menu bar, short cuts
// of the main menu, and skin notices reaching the form's controls.

#include "FrameTestSupport.h"

#include "base/ShortCut.h"
#include "skin/SkinChangeAware.h"
#include "skin/frame/FormSkinNotices.h"
#include "skin/menus/TbsSkinPopupMenu.h"
#include "skin/menus/TbsSkinPopupWindow.h"
#include "vcl/TCustomControl.h"
#include "wm/Input.h"

using namespace frametest;

namespace {

class TAwareProbe : public TCustomControl, public skin::SkinChangeAware {
public:
    TAwareProbe(TWinControl* parent, skin::TbsSkinData* data, std::vector<std::string>& journal)
        : TCustomControl(parent), data_(data), journal_(journal) {
        SetParent(parent);
    }
    skin::TbsSkinData* SkinChangeData() const override { return data_; }
    void PrepareSkinChange() override { journal_.push_back("prepare"); }
    void ApplySkinChange() override { journal_.push_back("apply"); }

private:
    skin::TbsSkinData* data_;
    std::vector<std::string>& journal_;
};

TMenuItem* AddItem(TComponent* owner, TMenuItem* parent, const std::string& caption) {
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

}  // namespace

TEST_F(FrameTest, SystemMenuItemsFollowTheFrameState) {
    TForm* form = nullptr;
    skin::TbsBusinessSkinForm* frame = MainWindow(form, &chromeData);
    using V = std::vector<std::string>;
    EXPECT_EQ(Captions(frame->BuildSystemMenu()), (V{"Mi&nimize", "Ro&llUp", "-", "&Close"}));
    frame->SetRollUp(true);
    EXPECT_EQ(Captions(frame->BuildSystemMenu()), (V{"Mi&nimize", "&Restore", "-", "&Close"}));
    frame->SetRollUp(false);
    frame->SetBorderIcons({skin::biSystemMenu, skin::biMaximize, skin::biRollUp});
    frame->SetFrameState(skin::fsMaximized);
    EXPECT_EQ(Captions(frame->BuildSystemMenu()), (V{"&Restore", "Ro&llUp", "-", "&Close"}));
    EXPECT_EQ(frame->BuildSystemMenu()->Items(3)->ShortCut(), base::ShortCut(0x73, false, false, true));

    // The application's own menu: unchanged without the standard items, else framed by them.
    auto* own = new skin::TbsSkinPopupMenu(form);
    AddItem(form, own->Items(), "Beenden");
    frame->SetSystemMenu(own);
    frame->SetUseDefaultSysMenu(false);
    EXPECT_EQ(Captions(frame->BuildSystemMenu()), (V{"Beenden"}));
    frame->SetUseDefaultSysMenu(true);
    frame->BuildSystemMenu();  // a second opening does not repeat them
    EXPECT_EQ(Captions(frame->BuildSystemMenu()),
              (V{"&Restore", "Ro&llUp", "Beenden", "&Close"}));
    EXPECT_EQ(frame->BuildSystemMenu()->Items(0)->Name(), "BSF_RESTORE");
}

TEST_F(FrameTest, SystemMenuButtonOpensTheMenuBelowItAndEscapeReleasesIt) {
    TForm* form = nullptr;
    skin::TbsBusinessSkinForm* frame = MainWindow(form, &chromeData);
    int opened = 0, closed = 0;
    frame->OnSkinMenuOpen = [&](TObject*) { ++opened; };
    frame->OnSkinMenuClose = [&](TObject*) { ++closed; };
    auto* sys = dynamic_cast<skin::TbsSkinButtonObject*>(frame->FindElement("sysmenubutton"));
    ASSERT_NE(sys, nullptr);
    const TPoint at = OnScreen(form, Centre(sys->WindowRect));
    h.Click(at.X, at.Y);
    skin::TbsSkinMenu* engine = frame->SkinMenuEngine();
    ASSERT_EQ(engine->LevelCount(), 1);
    EXPECT_TRUE(sys->IsDown());
    EXPECT_EQ(opened, 1);
    skin::TbsSkinPopupWindow* level = engine->Levels(0);
    EXPECT_EQ(level->Top(), OnScreen(form, {0, sys->WindowRect.Bottom}).Y);
    EXPECT_EQ(level->Item(0).MenuItem()->Caption(), "Mi&nimize");
    h.Key(base::VK_ESCAPE);
    h.ProcessPending();
    EXPECT_FALSE(engine->MenuOpen());
    EXPECT_FALSE(sys->IsDown());
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(frame->MenuOpen());

    // A right click on the caption opens it at the pointer; its "Ro&llUp" rolls up.
    const TPoint caption = OnScreen(form, {300, 12});
    h.Click(caption.X, caption.Y, wm::MouseButton::Right);
    ASSERT_EQ(engine->LevelCount(), 1);
    EXPECT_EQ(engine->Levels(0)->Left(), caption.X);
    EXPECT_EQ(opened, 2);
    h.Key(base::VK_DOWN);
    h.Key(base::VK_RETURN);
    h.ProcessPending();
    EXPECT_TRUE(frame->RolledUp());
    EXPECT_FALSE(engine->MenuOpen());
}

class MenuModeTest : public FrameTest {
protected:
    TForm* form = nullptr;
    skin::TbsBusinessSkinForm* frame = nullptr;
    TFakeMenuBar* bar = nullptr;
    TMainMenu* menu = nullptr;
    TMenuItem* beenden = nullptr;
    int beendenClicks = 0;
    std::vector<std::string> notices;

    void SetUp() override {
        FrameTest::SetUp();
        frame = MainWindow(form, &chromeData);
        bar = new TFakeMenuBar(form);
        // The menu belongs to the bar, so only the frame's handler can find its short cuts.
        menu = new TMainMenu(bar);
        TMenuItem* datei = AddItem(bar, menu->Items(), "&Datei");
        beenden = AddItem(bar, datei, "&Beenden");
        beenden->SetShortCut(base::ShortCut('B', false, true, false));
        beenden->OnClick = [this](TObject*) { ++beendenClicks; };
        AddItem(bar, menu->Items(), "&Info");
        bar->menu = menu;
        frame->SetMainMenuBar(bar);
        frame->OnMainMenuEnter = [this](TObject*) { notices.push_back("enter"); };
        frame->OnMainMenuExit = [this](TObject*) { notices.push_back("exit"); };
        h.ProcessPending();
    }
};

TEST_F(MenuModeTest, AltEntersKeyboardModeAndKeysReachTheBarUntilEscape) {
    h.Key(base::VK_MENU);  // Alt alone
    h.ProcessPending();
    EXPECT_TRUE(frame->InMenuMode());
    EXPECT_EQ(bar->calls, (std::vector<std::string>{"enter"}));
    h.Key(base::VK_RIGHT);
    h.Key(base::VK_LEFT);
    h.Key('I', 'i');
    h.Key(base::VK_RETURN);
    h.Key('X', 'x');  // no bar item has it: the key is used up all the same
    h.Key(base::VK_ESCAPE);
    h.ProcessPending();
    EXPECT_FALSE(frame->InMenuMode());
    EXPECT_EQ(bar->calls, (std::vector<std::string>{"enter", "next", "previous", "accel &Info",
                                                    "act", "leave"}));
    EXPECT_EQ(notices, (std::vector<std::string>{"enter", "exit"}));
    // The hook is gone: keys no longer reach the bar.
    h.Key(base::VK_RIGHT);
    h.ProcessPending();
    EXPECT_EQ(bar->calls.back(), "leave");
    // F10 enters as well; a second SC_KEYMENU leaves.
    wm::SendMessage(form->Handle(), wm::WM_SYSCOMMAND, wm::SC_KEYMENU, 0);
    EXPECT_TRUE(frame->InMenuMode());
    wm::SendMessage(form->Handle(), wm::WM_SYSCOMMAND, wm::SC_KEYMENU, 0);
    EXPECT_FALSE(frame->InMenuMode());
}

TEST_F(MenuModeTest, AltLetterAndMainMenuShortCutsGoThroughTheFrame) {
    EXPECT_EQ(form->Menu(), nullptr);
    h.KeyDown(base::VK_MENU);
    h.Key('D', 'd');
    h.KeyUp(base::VK_MENU);
    h.ProcessPending();
    ASSERT_FALSE(bar->calls.empty());
    EXPECT_EQ(bar->calls.front(), "accel &Datei");
    // Ctrl+B runs "&Beenden" although the form has no menu, and again the next time.
    h.KeyDown(base::VK_CONTROL);
    h.Key('B');
    h.Key('B');
    h.KeyUp(base::VK_CONTROL);
    h.ProcessPending();
    EXPECT_EQ(beendenClicks, 2);
    // A short cut no item has is not taken.
    bool handled = false;
    form->OnShortCut(base::ShortCut('Q', false, true, false), handled);
    EXPECT_FALSE(handled);
}

TEST_F(MenuModeTest, EscapeClosingTheBarsDropDownKeepsMenuMode) {
    wm::SendMessage(form->Handle(), wm::WM_SYSCOMMAND, wm::SC_KEYMENU, 0);
    ASSERT_TRUE(frame->InMenuMode());
    // The bar opens "&Datei"'s drop-down through the frame's engine.
    frame->BarMenuOpening();
    frame->MenuEngine()->ShowMenu(nullptr, &chromeData, false, menu->Items()->Items(0),
                                  {200, 100, 240, 120}, 0);
    ASSERT_TRUE(frame->MenuEngine()->MenuOpen());
    h.Key(base::VK_DOWN);  // goes to the drop-down
    h.Key(base::VK_ESCAPE);
    h.ProcessPending();
    EXPECT_FALSE(frame->MenuEngine()->MenuOpen());
    EXPECT_TRUE(frame->InMenuMode());
    EXPECT_EQ(bar->calls.back(), "escape-closed");
    h.Key(base::VK_ESCAPE);
    h.ProcessPending();
    EXPECT_FALSE(frame->InMenuMode());
    EXPECT_EQ(bar->calls.back(), "leave");
    // A press elsewhere ends a drop-down opened by the mouse together with menu mode.
    frame->BeginMenuMode();
    frame->BarMenuOpening();
    frame->MenuEngine()->ShowMenu(nullptr, &chromeData, false, menu->Items()->Items(0),
                                  {200, 100, 240, 120}, 0);
    const TPoint inside = OnScreen(form, {300, 300});
    h.Click(inside.X, inside.Y);
    EXPECT_FALSE(frame->MenuEngine()->MenuOpen());
    EXPECT_FALSE(frame->InMenuMode());
}

TEST_F(FrameTest, SkinChangedNoticeAppliesTheSkinToTheFrameAndTheFormsControls) {
    skin::TbsSkinData& data = laterData;
    TForm* form = nullptr;
    skin::TbsBusinessSkinForm* frame = MainWindow(form, &data);  // loaded later
    EXPECT_FALSE(frame->Skinned());
    EXPECT_EQ(wm::GetClientRectInWindow(form->Handle()), (TRect{3, 22, 749, 560}));
    std::vector<std::string> journal;
    new TAwareProbe(form, &data, journal);
    new TAwareProbe(form, &chromeData, journal);  // another skin: left alone
    int changes = 0;
    frame->OnChangeSkinData = [&](TObject*) { ++changes; };
    skin::FormSkinNotices notices(form);
    data.SetNoticeSink(&notices);
    ASSERT_TRUE(skin::LoadEmbeddedChromeSkin(data, laterStored, [](const std::string&) {}));
    h.ProcessPending();
    EXPECT_TRUE(frame->Skinned());
    EXPECT_EQ(changes, 1);
    EXPECT_NE(frame->FindElement("closebutton"), nullptr);
    EXPECT_EQ(wm::GetClientRectInWindow(form->Handle()), (TRect{5, 24, 747, 558}));
    EXPECT_EQ(journal, (std::vector<std::string>{"prepare", "apply"}));
    // A notice without a skin reaches every control, the frame keeps its skin.
    journal.clear();
    wm::SendMessage(form->Handle(), wm::WM_SKIN_CHANGED, 0, 1000);
    EXPECT_EQ(journal, (std::vector<std::string>{"apply", "apply"}));
    EXPECT_EQ(changes, 1);
    // While a change runs the frame is unskinned and has no elements.
    wm::SendMessage(form->Handle(), wm::WM_SKIN_CHANGING, reinterpret_cast<wm::WPARAM>(&data), 1000);
    EXPECT_FALSE(frame->Skinned());
    EXPECT_EQ(frame->ElementCount(), 0);
    wm::SendMessage(form->Handle(), wm::WM_SKIN_CHANGED, reinterpret_cast<wm::WPARAM>(&data), 1000);
    EXPECT_TRUE(frame->Skinned());
    data.SetNoticeSink(nullptr);
}

TEST_F(FrameTest, ScreenshotOfTheOpenSystemMenu) {
    TForm* form = nullptr;
    skin::TbsBusinessSkinForm* frame = MainWindow(form, &chromeData);
    form->SetBounds(20, 20, 420, 260);
    h.ProcessPending();
    const TPoint at = OnScreen(form, Centre(frame->FindElement("sysmenubutton")->WindowRect));
    h.Click(at.X, at.Y);
    h.ProcessPending();
    ASSERT_TRUE(frame->SkinMenuEngine()->MenuOpen());
    const gfx::Bitmap screen = h.Screen();
    gfx::Bitmap part(460, 300);
    gfx::Canvas(part).CopyRect({0, 0, 460, 300}, screen, {0, 0, 460, 300});
    Save(part, "frame-system-menu.png");
}
