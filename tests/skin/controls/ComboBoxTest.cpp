// Combo boxes: geometry, the popup list's placement and following, the event orders of
// every path, keyboard steps, colour and drive boxes.
#include "ControlsTestSupport.h"
#include "base/ShortCut.h"
#include "os/FakeMachine.h"
#include "skin/controls/TbsSkinColorComboBox.h"
#include "skin/controls/TbsSkinComboBox.h"
#include "skin/controls/TbsSkinDriveComboBox.h"
#include "skin/controls/TbsSkinScrollBar.h"

using namespace ctltest;
using skin::TbsSkinComboBox;

namespace {
struct ComboTest : ControlsTest {
    TForm* form = nullptr;
    TbsSkinComboBox* box = nullptr;
    EventLog log;
    void SetUpBox(bool skinned, int items, TRect bounds = {20, 20, 181, 41}) {
        if (skinned) LoadSkin();
        form = MakeForm({0, 0, 400, 600});
        box = Place<TbsSkinComboBox>(form, bounds, skinned);
        std::vector<std::string> texts;
        for (int i = 0; i < items; ++i) texts.push_back("Eintrag " + std::to_string(i));
        box->SetItems(texts);
        form->Show();
        h.ProcessPending();
        box->OnChange = log.Recorder("change");
        box->OnClick = log.Recorder("click");
        box->OnCloseUp = log.Recorder("closeup");
    }
    // Screen point of a row's middle in the open list.
    TPoint Row(int index) {
        auto* list = box->ListBox();
        TRect r = list->ItemRect(index);
        return list->ClientToScreen({r.Left + 10, r.Top + r.Height() / 2});
    }
};
}  // namespace

TEST_F(ComboTest, SkinnedBox161WideHasTheRecordsButtonAndItemArea) {
    SetUpBox(true, 3);
    EXPECT_EQ(box->Height(), 21);
    EXPECT_EQ(box->ButtonRect(), TRect(144, 0, 161, 21));
    EXPECT_EQ(box->ItemArea(), TRect(2, 2, 142, 19));
}

TEST_F(ComboTest, UnskinnedGeometryAndDisabledButtonPicture) {
    SetUpBox(false, 3, {20, 20, 140, 40});
    EXPECT_EQ(box->ButtonRect(), TRect(101, 2, 118, 18));
    EXPECT_EQ(box->ItemArea(), TRect(2, 2, 100, 18));
}

TEST_F(ComboTest, ChoosingAnotherItemGivesChangeClickCloseUp) {
    SetUpBox(true, 10);
    box->SetItemIndex(2);
    log.events.clear();
    ClickAt(box, 20, 10);
    ASSERT_TRUE(box->IsListOpen());
    TPoint five = Row(5);
    h.MoveTo(five.X, five.Y);
    EXPECT_EQ(box->ListBox()->ItemIndex(), 5);  // the list follows the mouse
    EXPECT_EQ(box->SavedIndex(), 2);            // the item area still shows item 2
    EXPECT_TRUE(log.events.empty());
    h.Press();
    h.Release();
    EXPECT_FALSE(box->IsListOpen());
    EXPECT_EQ(log.events, (std::vector<std::string>{"change", "click", "closeup"}));
    EXPECT_EQ(box->Text(), "Eintrag 5");
}

TEST_F(ComboTest, ChoosingTheSameItemGivesClickCloseUpAndEscapeNothing) {
    SetUpBox(true, 10);
    box->SetItemIndex(2);
    log.events.clear();
    ClickAt(box, 20, 10);
    TPoint two = Row(2);
    h.Click(two.X, two.Y);
    EXPECT_EQ(log.events, (std::vector<std::string>{"click", "closeup"}));
    log.events.clear();
    ClickAt(box, 20, 10);
    TPoint five = Row(5);
    h.MoveTo(five.X, five.Y);
    h.Key(base::VK_ESCAPE);
    EXPECT_FALSE(box->IsListOpen());
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(box->ItemIndex(), 2);
}

TEST_F(ComboTest, ArrowWithTheListOpenChangesTextAtOnce) {
    SetUpBox(true, 10);
    box->SetItemIndex(2);
    log.events.clear();
    box->SetFocus();
    h.KeyDown(base::VK_DOWN);
    h.KeyUp(base::VK_DOWN);
    EXPECT_EQ(log.events, (std::vector<std::string>{"change", "click"}));
    ClickAt(box, 20, 10);
    log.events.clear();
    h.Key(base::VK_DOWN);
    EXPECT_EQ(box->Text(), "Eintrag 4");
    EXPECT_EQ(log.events, (std::vector<std::string>{"change", "click"}));
    h.Key(base::VK_ESCAPE);  // the selection goes back, Text stays
    EXPECT_EQ(box->Text(), "Eintrag 4");
}

TEST_F(ComboTest, PageKeysAndArrowLimits) {
    SetUpBox(false, 20);
    box->SetFocus();
    box->SetItemIndex(3);
    h.Key(base::VK_PRIOR);
    EXPECT_EQ(box->ItemIndex(), 0);
    h.Key(base::VK_NEXT);
    EXPECT_EQ(box->ItemIndex(), 7);
    box->SetItemIndex(15);
    h.Key(base::VK_PRIOR);  // a page back mirrors a page forward
    EXPECT_EQ(box->ItemIndex(), 8);
    box->SetItemIndex(19);
    log.events.clear();
    h.Key(base::VK_DOWN);
    EXPECT_EQ(box->ItemIndex(), 19);
    EXPECT_TRUE(log.events.empty());
    // Setting the same item by code fires OnClick only.
    box->SetItemIndex(19);
    EXPECT_EQ(log.events, std::vector<std::string>{"click"});
}

TEST_F(ComboTest, TenItemsGiveEightRowsOf172PixelsWithAScrollBar) {
    SetUpBox(true, 10);
    ClickAt(box, 20, 10);
    auto* list = box->ListBox();
    EXPECT_EQ(list->Height(), 172);
    EXPECT_EQ(list->Width(), 161);
    EXPECT_EQ(list->Top(), 41);  // below the box
    ASSERT_NE(list->ScrollBar(), nullptr);
    EXPECT_TRUE(list->ScrollBar()->Visible());
    h.Key(base::VK_ESCAPE);
}

TEST_F(ComboTest, TwoItemsGiveTwoRowsWithoutAScrollBar) {
    SetUpBox(true, 2);
    ClickAt(box, 20, 10);
    EXPECT_EQ(box->ListBox()->Height(), 2 * 21 + 4);
    EXPECT_EQ(box->ListBox()->ScrollBar(), nullptr);
}

TEST_F(ComboTest, ListOpensAboveABoxNearTheWorkAreasBottom) {
    SetUpBox(true, 10, {20, 479, 181, 500});  // bottom 100 pixels above the work area's end
    ClickAt(box, 20, 10);
    EXPECT_EQ(box->ListBox()->Top(), 479 - 172);
}

TEST_F(ComboTest, FocusLossClosesWithoutEvents) {
    SetUpBox(false, 10);
    auto* other = Place<TbsSkinComboBox>(form, {20, 300, 140, 320}, false);
    ClickAt(box, 20, 10);
    ASSERT_TRUE(box->IsListOpen());
    log.events.clear();
    other->SetFocus();
    EXPECT_FALSE(box->IsListOpen());
    EXPECT_TRUE(log.events.empty());
}

TEST_F(ControlsTest, ColorBoxListsFortySevenColoursAndSelectsByColour) {
    TForm* form = MakeForm();
    auto* box = Place<skin::TbsSkinColorComboBox>(form, {10, 10, 130, 30}, false);
    int changes = 0;
    box->OnChange = [&](TObject*) { ++changes; };
    box->SetSelected(clWhite);  // stored until the window exists
    form->Show();
    h.ProcessPending();
    EXPECT_EQ(box->ItemCount(), 47);
    EXPECT_EQ(box->ItemIndex(), 15);
    EXPECT_EQ(box->Selected(), clWhite);
    EXPECT_EQ(changes, 1);  // the window's creation applies Selected
    box->SetSelected(static_cast<TColor>(0x123456));
    EXPECT_EQ(box->ItemIndex(), -1);
    EXPECT_EQ(box->Selected(), skin::kNoColorSelected);
    EXPECT_EQ(skin::PrettyColorName("clMoneyGreen"), "Money Green");
}

TEST_F(ControlsTest, DriveBoxBuildsItsListAndSelectsTheCurrentDriveOnCreation) {
    testing_support::FakeMachine m;
    m.AddBlockDevice({8, 1, "sda1", "sda"});
    m.AddUdevLink("by-label", "SYSTEM", "sda1");
    m.SetMountTable(testing_support::FakeMachine::Line(1, "8:1", "/", "/", "ext4", "/dev/sda1") +
                    testing_support::FakeMachine::Line(2, "0:40", "/", "/tmp", "tmpfs", "tmpfs"));
    m.SetFileSystem("/", 100, 10);
    m.SetFileSystem("/tmp", 100, 10);
    m.currentDirectory = "/home";
    os::DriveSystem drives(m.Config());
    LoadSkin();
    TForm* form = MakeForm();
    auto* box = Place<skin::TbsSkinDriveComboBox>(form, {10, 10, 171, 31}, true);
    box->UseDrives(drives);
    EventLog log;
    box->OnChange = log.Recorder("change");
    box->OnClick = log.Recorder("click");
    form->Show();
    h.ProcessPending();
    EXPECT_EQ(log.events, (std::vector<std::string>{"change", "click"}));
    ASSERT_EQ(box->ItemCount(), 2);
    EXPECT_EQ(box->Text(), "c: [system]");  // lower case by default
    ClickAt(box, 20, 10);
    EXPECT_EQ(box->ListBox()->Height(), 2 * 21 + 4);
    // The drive picture lies at the left of the item area, drawn over the skin.
    gfx::Bitmap img = Image(form);
    EXPECT_TRUE(HasInk(img, {12, 12, 28, 29}, img.Pixel(40, 30)));
}

TEST_F(ControlsTest, ColorBoxStylesShapeTheListAndCustomTakesUnknownColours) {
    TForm* form = MakeForm();
    auto* box = Place<skin::TbsSkinColorComboBox>(form, {10, 10, 130, 30}, false);
    form->Show();
    h.ProcessPending();
    box->SetExStyle(skin::bscbStandardColors | skin::bscbPrettyNames);
    ASSERT_EQ(box->ItemCount(), 16);
    EXPECT_EQ(box->ListBox()->Item(15), "White");
    EXPECT_EQ(box->ItemIndex(), 0);  // nothing was selected: item 0
    box->SetExStyle(skin::bscbStandardColors | skin::bscbCustomColor | skin::bscbIncludeNone |
                    skin::bscbSystemColors);
    EXPECT_EQ(box->ListBox()->Item(0), "Custom...");
    box->SetSelected(static_cast<TColor>(0x123456));
    EXPECT_EQ(box->ItemIndex(), 0);
    EXPECT_EQ(box->Selected(), static_cast<TColor>(0x123456));
    box->SetExStyle(0);
    EXPECT_FALSE(box->Enabled());  // no colours at all
}

TEST_F(ComboTest, EditStyleTypesTextAndForwardsListKeys) {
    SetUpBox(true, 10);
    box->SetStyle(skin::bscbEditStyle);
    ASSERT_NE(box->Edit(), nullptr);
    EXPECT_EQ(box->Edit()->BoundsRect(), box->ItemArea());
    box->SetFocus();
    EXPECT_TRUE(box->Edit()->Focused());  // the edit takes the box's focus
    h.TypeText("Neu");
    EXPECT_EQ(box->Text(), "Neu");
    EXPECT_EQ(log.events, (std::vector<std::string>{"change", "change", "change"}));
    log.events.clear();
    h.Key(base::VK_DOWN);  // steps the items, and the edit shows the item
    EXPECT_EQ(box->ItemIndex(), 0);
    EXPECT_EQ(box->Edit()->EditText(), "Eintrag 0");
    box->OpenList();
    ASSERT_TRUE(box->IsListOpen());
    h.Key(base::VK_DOWN);
    h.Key(base::VK_RETURN);
    EXPECT_FALSE(box->IsListOpen());
    EXPECT_EQ(box->Text(), "Eintrag 1");
}

TEST_F(ControlsTest, TenDrivesGiveEightRowsOf172PixelsAndAScrollBar) {
    testing_support::FakeMachine m;
    m.AddBlockDevice({8, 1, "sda1", "sda"});
    std::string mounts = testing_support::FakeMachine::Line(1, "8:1", "/", "/", "ext4", "/dev/sda1");
    m.SetFileSystem("/", 100, 10);
    // Nine more disks mounted under /mnt: ten drives, c: to l:.
    for (int i = 2; i <= 10; ++i) {
        std::string name = "sda" + std::to_string(i), path = "/mnt/disk" + std::to_string(i);
        m.AddBlockDevice({8, static_cast<unsigned>(i), name, "sda"});
        mounts += testing_support::FakeMachine::Line(i, "8:" + std::to_string(i), "/", path, "ext4", "/dev/" + name);
        m.SetFileSystem(path, 100, 10);
    }
    m.SetMountTable(mounts);
    m.currentDirectory = "/";
    os::DriveSystem drives(m.Config());
    LoadSkin();
    TForm* form = MakeForm({0, 0, 400, 500});
    auto* box = Place<skin::TbsSkinDriveComboBox>(form, {10, 10, 171, 31}, true);
    box->UseDrives(drives);
    form->Show();
    h.ProcessPending();
    ASSERT_EQ(box->ItemCount(), 10);
    ClickAt(box, 20, 10);
    ASSERT_TRUE(box->IsListOpen());
    EXPECT_EQ(box->ListBox()->Height(), 172);
    EXPECT_EQ(box->ListBox()->VisibleRows(), 8);
    ASSERT_NE(box->ListBox()->ScrollBar(), nullptr);
    EXPECT_TRUE(box->ListBox()->ScrollBar()->Visible());
    box->CloseList(false);
}
