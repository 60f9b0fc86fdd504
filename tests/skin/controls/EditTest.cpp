// The edit: its text buffer, typing and selecting, the clipboard, both frames.
#include "ControlsTestSupport.h"
#include "base/ShortCut.h"
#include "skin/controls/TbsSkinEdit.h"
#include "wm/WindowSystem.h"

using namespace ctltest;
using skin::TbsEditBuffer;
using skin::TbsSkinEdit;

TEST(EditBufferTest, TypingReplacesTheSelectionAndStopsAtMaxLength) {
    TbsEditBuffer b;
    b.SetText("Größe");
    EXPECT_EQ(b.Length(), 5u);  // characters, not bytes
    b.MoveTo(2, false);
    b.MoveTo(4, true);
    EXPECT_EQ(b.SelectedText(), "öß");
    EXPECT_TRUE(b.Insert("x"));
    EXPECT_EQ(b.Text(), "Grxe");
    b.SetMaxLength(6);
    b.Insert("12345");
    EXPECT_EQ(b.Text(), "Grx12e");
    EXPECT_TRUE(b.Undo());
    EXPECT_EQ(b.Text(), "Grxe");
    EXPECT_TRUE(b.Undo());  // undoing the undo redoes it
    EXPECT_EQ(b.Text(), "Grx12e");
}

TEST(EditBufferTest, DeletingAndReadOnly) {
    TbsEditBuffer b;
    b.SetText("abc");
    b.MoveTo(1, false);
    EXPECT_TRUE(b.DeleteBackward());
    EXPECT_EQ(b.Text(), "bc");
    EXPECT_FALSE(b.DeleteBackward());  // at the start
    EXPECT_TRUE(b.DeleteForward());
    EXPECT_EQ(b.Text(), "c");
    b.SetReadOnly(true);
    EXPECT_FALSE(b.Insert("x"));
    EXPECT_FALSE(b.DeleteForward());
    EXPECT_FALSE(b.Undo());
    EXPECT_EQ(b.Shown(U'*'), "*");
}

namespace {
struct EditTest : ControlsTest {
    TForm* form = nullptr;
    TbsSkinEdit* edit = nullptr;
    int changes = 0;
    void SetUpEdit(bool skinned) {
        if (skinned) LoadSkin();
        form = MakeForm();
        edit = Place<TbsSkinEdit>(form, {20, 20, 220, 40}, skinned);
        edit->OnChange = [this](TObject*) { ++changes; };
        form->Show();
        edit->SetFocus();
        h.ProcessPending();
    }
    wm::Display& Display() { return wm::WindowSystem::Current()->GetDisplay(); }
};
}  // namespace

TEST_F(EditTest, SkinnedEditPlaced20HighPaints21) {
    SetUpEdit(true);
    EXPECT_EQ(edit->Height(), 21);
    EXPECT_EQ(edit->ClientRect(), TRect(0, 0, 194, 15));  // inset 3 on every side
    gfx::Bitmap img = Image(form);
    const gfx::Bitmap* pic = edit->SkinPicture();
    ASSERT_NE(pic, nullptr);
    // Focused: the active face (160,150,...) at the frame's left edge.
    EXPECT_EQ(img.Pixel(20, 30), pic->Pixel(160, 160));
    EXPECT_EQ(img.Pixel(20, 41), clWhite);
}

TEST_F(EditTest, TypingSelectingCuttingAndPasting) {
    SetUpEdit(true);
    h.TypeText("Laufwerk C");
    EXPECT_EQ(edit->EditText(), "Laufwerk C");
    EXPECT_EQ(changes, 10);
    // Shift+Left twice selects "C" and the blank; cut puts them on the clipboard.
    h.KeyDown(base::VK_SHIFT);
    h.Key(base::VK_LEFT);
    h.Key(base::VK_LEFT);
    h.KeyUp(base::VK_SHIFT);
    EXPECT_EQ(edit->Buffer().SelectedText(), " C");
    h.KeyDown(base::VK_CONTROL);
    h.Key('X');
    h.KeyUp(base::VK_CONTROL);
    EXPECT_EQ(edit->EditText(), "Laufwerk");
    EXPECT_EQ(Display().ClipboardText(), std::optional<std::string>(" C"));
    h.Key(base::VK_HOME);
    h.KeyDown(base::VK_CONTROL);
    h.Key('V');
    h.KeyUp(base::VK_CONTROL);
    EXPECT_EQ(edit->EditText(), " CLaufwerk");
    h.KeyDown(base::VK_CONTROL);
    h.Key('Z');
    h.KeyUp(base::VK_CONTROL);
    EXPECT_EQ(edit->EditText(), "Laufwerk");
    h.Key(base::VK_END);
    h.Key(base::VK_BACK);
    EXPECT_EQ(edit->EditText(), "Laufwer");
}

TEST_F(EditTest, MouseDragSelectsAndReadOnlyIgnoresTyping) {
    SetUpEdit(false);
    edit->SetEditText("Top-Titel");
    TPoint from = At(edit, 2, 8), to = At(edit, 150, 8);
    h.Drag(from, to, 3);
    EXPECT_EQ(edit->Buffer().SelectedText(), "Top-Titel");
    edit->SetReadOnly(true);
    h.TypeText("x");
    EXPECT_EQ(edit->EditText(), "Top-Titel");
}

TEST_F(EditTest, HoverSwitchesTheFrameOfAnUnfocusedEdit) {
    SetUpEdit(true);
    auto* other = Place<TbsSkinEdit>(form, {20, 60, 220, 80}, true);
    other->SetFocus();
    h.ProcessPending();
    const gfx::Bitmap* pic = edit->SkinPicture();
    EXPECT_EQ(Image(form).Pixel(20, 30), pic->Pixel(100, 160));  // normal face
    MoveTo(edit, 50, 5);
    EXPECT_TRUE(edit->Hot());
    EXPECT_EQ(Image(form).Pixel(20, 30), pic->Pixel(160, 160));  // active face
    h.MoveTo(500, 500);
    EXPECT_EQ(Image(form).Pixel(20, 30), pic->Pixel(100, 160));
}

TEST_F(EditTest, DisabledPasswordEditShowsStarsInTheDisabledColour) {
    SetUpEdit(true);
    edit->SetEditText("abc");
    edit->SetEditPasswordChar(U'*');
    edit->SetEnabled(false);
    EXPECT_EQ(edit->TextColor(), static_cast<TColor>(9474192));
    gfx::Bitmap img = Image(form);
    EXPECT_TRUE(HasInk(img, {23, 21, 60, 38}, img.Pixel(150, 30)));
}

TEST_F(EditTest, UnskinnedFrameAndButtonMode) {
    SetUpEdit(false);
    int clicks = 0;
    edit->SetButtonMode(true);
    edit->OnButtonClick = [&](TObject*) { ++clicks; };
    EXPECT_EQ(edit->ClientRect(), TRect(0, 0, 176, 16));
    EXPECT_EQ(edit->ButtonRect(), TRect(180, 0, 200, 20));
    gfx::Bitmap img = Image(form);
    EXPECT_EQ(img.Pixel(20, 20), Rgb(clBtnShadow));  // focused: shadow outside
    EXPECT_EQ(img.Pixel(21, 21), Rgb(clBtnFace));
    ClickAt(edit, 190, 10);
    EXPECT_EQ(clicks, 1);
}
