// Keys before the focused control: short cuts, accelerators, dialog keys and Tab.
#include "VclTestSupport.h"
#include "base/ShortCut.h"
#include "vcl/TLabel.h"
#include "vcl/TMainMenu.h"
#include "vcl/TPopupMenu.h"
#include "wm/Input.h"

using namespace vcltest;

namespace {

void AltChord(wm::headless::HeadlessSession& h, int key, char32_t ch) {
    h.KeyDown(base::VK_MENU);
    h.Key(key, ch);
    h.KeyUp(base::VK_MENU);
}

void CtrlChord(wm::headless::HeadlessSession& h, int key) {
    h.KeyDown(base::VK_CONTROL);
    h.Key(key, 0);
    h.KeyUp(base::VK_CONTROL);
}

}  // namespace

TEST_F(VclTest, AcceleratorCharacterReachesTheControlThatOwnsIt) {
    TForm* form = MakeForm({0, 0, 300, 200});
    auto* first = new TProbe(form, form);
    auto* target = new TProbe(form, form);
    target->SetTop(40);
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetCaption("&Datei:");
    label->SetFocusControl(target);
    form->Show();
    first->SetFocus();

    AltChord(h, 'D', U'd');  // Alt+D
    EXPECT_TRUE(target->Focused());

    // In a dialog a plain D does it too while the focused control has no use for letters.
    first->SetFocus();
    h.Key('D', U'D');
    EXPECT_TRUE(target->Focused());
    EXPECT_TRUE(first->typed.empty());

    // A control that takes letters keeps them.
    first->SetFocus();
    first->wantsChars = true;
    h.Key('D', U'd');
    EXPECT_TRUE(first->Focused());
    EXPECT_EQ(first->typed, U"d");

    // Another letter is nobody's accelerator and changes nothing.
    first->wantsChars = false;
    AltChord(h, 'X', U'x');
    EXPECT_TRUE(first->Focused());
}

TEST_F(VclTest, ShortCutReachesTheMenuItemThatOwnsIt) {
    TForm* form = MakeForm({0, 0, 300, 200});
    auto* edit = new TProbe(form, form);
    auto* mainMenu = new TMainMenu(form);
    auto* file = new TMenuItem(form);
    file->SetCaption("&Datei");
    mainMenu->Items()->Add(file);
    auto* save = new TMenuItem(form);
    save->SetCaption("Diagramm &speichern");
    save->SetShortCut(base::ShortCut('S', false, true, false));
    file->Add(save);
    auto* popup = new TPopupMenu(form);
    auto* copy = new TMenuItem(form);
    copy->SetShortCut(base::ShortCut('C', false, true, false));
    popup->Items()->Add(copy);
    int saves = 0, copies = 0;
    save->OnClick = [&](TObject* s) { ++saves; EXPECT_EQ(s, save); };
    copy->OnClick = [&](TObject*) { ++copies; };
    form->Show();
    edit->SetFocus();

    CtrlChord(h, 'S');
    CtrlChord(h, 'C');
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(copies, 1);
    // The focused control never saw the keys that were short cuts...
    EXPECT_EQ(std::count(edit->keysDown.begin(), edit->keysDown.end(), 'S'), 0);
    // ...but sees an S without Ctrl, and a short cut of a disabled item.
    h.Key('S', U's');
    save->SetEnabled(false);
    CtrlChord(h, 'S');
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(std::count(edit->keysDown.begin(), edit->keysDown.end(), 'S'), 2);

    // OnShortCut comes first and may take the key.
    form->OnShortCut = [](TShortCut sc, bool& handled) { handled = sc == base::ShortCut('C', false, true, false); };
    CtrlChord(h, 'C');
    EXPECT_EQ(copies, 1);
}

TEST_F(VclTest, TabMovesTheFocusInTabOrder) {
    TForm* form = MakeForm({0, 0, 300, 200});
    auto* a = new TProbe(form, form);
    auto* b = new TProbe(form, form);
    auto* c = new TProbe(form, form);
    auto* skipped = new TProbe(form, form, false);  // no tab stop
    auto* disabled = new TProbe(form, form);
    disabled->SetEnabled(false);
    c->SetTabOrder(0);  // order: c, a, b
    (void)skipped;
    std::vector<std::string> log;
    for (auto [control, name] : {std::pair{a, "a"}, {b, "b"}, {c, "c"}}) {
        control->OnEnter = [&log, n = std::string(name)](TObject*) { log.push_back("enter " + n); };
        control->OnExit = [&log, n = std::string(name)](TObject*) { log.push_back("exit " + n); };
    }
    form->Show();  // the first tab stop gets the focus
    EXPECT_TRUE(c->Focused());
    h.Key(base::VK_TAB);
    EXPECT_TRUE(a->Focused());
    h.Key(base::VK_TAB);
    EXPECT_TRUE(b->Focused());
    h.Key(base::VK_TAB);
    EXPECT_TRUE(c->Focused());  // wraps, skipping the control without tab stop and the disabled one
    h.KeyDown(base::VK_SHIFT);
    h.Key(base::VK_TAB);
    h.KeyUp(base::VK_SHIFT);
    EXPECT_TRUE(b->Focused());
    EXPECT_EQ(form->ActiveControl(), b);
    EXPECT_EQ(log, (std::vector<std::string>{"enter c", "exit c", "enter a", "exit a", "enter b",
                                             "exit b", "enter c", "exit c", "enter b"}));
    EXPECT_TRUE(a->keysDown.empty());  // Tab is the form's, not the control's
}

TEST_F(VclTest, KeyPreviewLetsTheFormSeeAndSwallowKeysFirst) {
    TForm* form = MakeForm({0, 0, 300, 200});
    auto* edit = new TProbe(form, form);
    edit->wantsChars = true;
    std::vector<uint16_t> formKeys;
    form->OnKeyDown = [&](TObject*, uint16_t& key, TShiftState) {
        formKeys.push_back(key);
        if (key == base::VK_F1) key = 0;
    };
    form->Show();
    edit->SetFocus();
    h.Key('A', U'a');
    EXPECT_TRUE(formKeys.empty());  // without KeyPreview the form sees nothing
    form->SetKeyPreview(true);
    h.Key('B', U'b');
    h.Key(base::VK_F1);
    EXPECT_EQ(formKeys, (std::vector<uint16_t>{'B', base::VK_F1}));
    EXPECT_EQ(edit->keysDown, (std::vector<uint16_t>{'A', 'B'}));
    EXPECT_EQ(edit->typed, U"ab");
}

namespace {

// Takes Enter as the default button of a dialog does.
class TDefaultButton : public TProbe {
public:
    using TProbe::TProbe;
    int pressed = 0;
    bool DialogKey(uint16_t key, TShiftState) override {
        if (key != base::VK_RETURN) return false;
        ++pressed;
        return true;
    }
};

}  // namespace

TEST_F(VclTest, EnterIsOfferedToEveryControlUnlessTheFocusedOneWantsIt) {
    TForm* form = MakeForm({0, 0, 300, 200});
    auto* edit = new TProbe(form, form);
    auto* ok = new TDefaultButton(form, form);
    form->Show();
    edit->SetFocus();
    h.Key(base::VK_RETURN, U'\r');
    EXPECT_EQ(ok->pressed, 1);
    EXPECT_TRUE(edit->keysDown.empty());
}

TEST_F(VclTest, ADestroyedControlLeavesTheTabOrder) {
    TForm* form = MakeForm({0, 0, 300, 200});
    auto* a = new TProbe(form, form);
    auto* b = new TProbe(form, form);
    auto* c = new TProbe(form, form);
    form->Show();
    a->SetFocus();
    TObject::Free(b);
    EXPECT_EQ(c->TabOrder(), 1);
    h.Key(base::VK_TAB);
    EXPECT_TRUE(c->Focused());
    EXPECT_EQ(form->ControlCount(), 2);
}
