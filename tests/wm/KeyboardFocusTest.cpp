// Keys, characters, the focus, activation and the tab order.
#include <gtest/gtest.h>

#include "WmTestSupport.h"
#include "base/ShortCut.h"
#include "wm/Input.h"
#include "wm/MessageLoop.h"

using namespace wmtest;
using wm::headless::HeadlessSession;

namespace {

Handler Records(std::vector<WPARAM>* commands) {
    return [commands](HWND, UINT msg, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_KEYMENU) {
            commands->push_back(wp);
            return 0;
        }
        return std::nullopt;
    };
}

}  // namespace

TEST(Keyboard, KeysGoToTheFocusWithTheirCharacterAsWmChar) {
    HeadlessSession h;
    MessageLog log;
    HWND top = MakeTopLevel({0, 0, 200, 200}, &log);
    HWND edit = MakeChild(top, {10, 10, 100, 30}, &log);
    SetFocus(edit);
    log.Clear();
    h.Key('A', U'a');
    h.Key('O', U'\u00F6');  // a character beyond ASCII arrives as its code point
    EXPECT_EQ(log.Of(edit, {WM_KEYDOWN, WM_CHAR, WM_KEYUP}),
              (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYUP, WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
    EXPECT_EQ(log.Last(edit, WM_CHAR)->wParam, 0xF6u);
    EXPECT_EQ(log.Count(top, WM_KEYDOWN), 0);
    // Key state while a key is held.
    h.KeyDown(base::VK_SHIFT);
    EXPECT_NE(GetKeyState(base::VK_SHIFT) & 0x8000, 0);
    h.KeyUp(base::VK_SHIFT);
    EXPECT_EQ(GetKeyState(base::VK_SHIFT), 0);
}

TEST(Keyboard, AltAloneAndF10GiveKeyMenuToTheTopLevelButAltChordsDoNot) {
    HeadlessSession h;
    MessageLog log;
    std::vector<WPARAM> commands;
    HWND top = MakeTopLevel({0, 0, 200, 200}, &log, Records(&commands));
    HWND button = MakeChild(top, {10, 10, 100, 30}, &log);
    SetFocus(button);
    h.Key(base::VK_MENU);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0], SC_KEYMENU);
    EXPECT_EQ(log.Count(button, WM_SYSKEYDOWN), 1);  // the key itself went to the focus
    // Alt+F: a chord; the letter arrives as a system key with a system character.
    h.KeyDown(base::VK_MENU);
    h.Key('F', U'f');
    h.KeyUp(base::VK_MENU);
    EXPECT_EQ(commands.size(), 1u);
    auto sysKey = log.Last(button, WM_SYSKEYDOWN);
    EXPECT_EQ(sysKey->wParam, static_cast<WPARAM>('F'));
    EXPECT_EQ(log.Count(button, WM_SYSCHAR), 1);
    // Alt held down with a mouse click in between is no tap either.
    h.KeyDown(base::VK_MENU);
    h.Click(50, 20);
    h.KeyUp(base::VK_MENU);
    EXPECT_EQ(commands.size(), 1u);
    h.Key(VK_F10);
    EXPECT_EQ(commands.size(), 2u);
}

TEST(Keyboard, MessageHookSeesAndMayConsumeQueuedMessages) {
    HeadlessSession h;
    MessageLog log;
    HWND top = MakeTopLevel({0, 0, 200, 200}, &log);
    SetFocus(top);
    std::vector<WPARAM> eaten;
    int hook = AddMessageHook([&](MSG& m) {
        if (m.message != WM_KEYDOWN) return false;
        eaten.push_back(m.wParam);
        return true;
    });
    h.Key(base::VK_DOWN);
    h.Key('X', U'x');
    EXPECT_EQ(eaten, (std::vector<WPARAM>{base::VK_DOWN, 'X'}));
    EXPECT_EQ(log.Count(top, WM_KEYDOWN), 0);
    EXPECT_EQ(log.Count(top, WM_CHAR), 0);  // consumed before translation
    EXPECT_EQ(log.Count(top, WM_KEYUP), 2);
    RemoveMessageHook(hook);
    h.Key('X', U'x');
    EXPECT_EQ(log.Count(top, WM_KEYDOWN), 1);
    EXPECT_EQ(log.Count(top, WM_CHAR), 1);
}

TEST(Focus, KillFocusThenSetFocusEachNamingTheOther) {
    HeadlessSession h;
    MessageLog log;
    HWND top = MakeTopLevel({0, 0, 200, 200}, &log);
    HWND a = MakeChild(top, {0, 0, 50, 50}, &log);
    HWND b = MakeChild(top, {60, 0, 110, 50}, &log);
    SetFocus(a);
    log.Clear();
    EXPECT_EQ(SetFocus(b), a);
    ASSERT_EQ(log.Entries().size(), 2u);
    EXPECT_EQ(log.Entries()[0].hwnd, a);
    EXPECT_EQ(log.Entries()[0].msg, WM_KILLFOCUS);
    EXPECT_EQ(log.Entries()[0].wParam, b);
    EXPECT_EQ(log.Entries()[1].hwnd, b);
    EXPECT_EQ(log.Entries()[1].msg, WM_SETFOCUS);
    EXPECT_EQ(log.Entries()[1].wParam, a);
    // Hidden and disabled windows cannot take it; disabling the holder drops it.
    ShowWindow(a, SW_HIDE);
    EXPECT_EQ(SetFocus(a), 0u);
    EnableWindow(b, false);
    EXPECT_EQ(GetFocus(), 0u);
}

TEST(Focus, TabMovesAmongEnabledVisibleTabStopsAndWraps) {
    HeadlessSession h;
    HWND top = MakeTopLevel({0, 0, 300, 100});
    HWND first = MakeChild(top, {0, 0, 50, 20}, nullptr, {}, WS_VISIBLE | WS_TABSTOP);
    HWND label = MakeChild(top, {60, 0, 110, 20});  // no tab stop
    HWND panel = MakeChild(top, {120, 0, 300, 100}, nullptr, {}, WS_VISIBLE);
    HWND nested = MakeChild(panel, {0, 0, 50, 20}, nullptr, {}, WS_VISIBLE | WS_TABSTOP);
    HWND off = MakeChild(panel, {60, 0, 110, 20}, nullptr, {}, WS_VISIBLE | WS_TABSTOP);
    HWND last = MakeChild(top, {0, 50, 50, 70}, nullptr, {}, WS_VISIBLE | WS_TABSTOP);
    (void)label;
    EnableWindow(off, false);
    EXPECT_EQ(GetNextTabStop(top, 0, false), first);
    EXPECT_EQ(GetNextTabStop(top, first, false), nested);  // inside the panel, in order
    EXPECT_EQ(GetNextTabStop(top, nested, false), last);   // the disabled one is skipped
    EXPECT_EQ(GetNextTabStop(top, last, false), first);    // wraps
    EXPECT_EQ(GetNextTabStop(top, first, true), last);

    SetFocus(first);
    h.Key(base::VK_TAB);
    EXPECT_EQ(GetFocus(), nested);
    h.Key(base::VK_TAB);
    EXPECT_EQ(GetFocus(), last);
    h.KeyDown(base::VK_SHIFT);
    h.Key(base::VK_TAB);
    h.KeyUp(base::VK_SHIFT);
    EXPECT_EQ(GetFocus(), nested);
}

TEST(Activation, OldThenNewGetNcActivateAndActivateAndFocusReturnsToTheLastChild) {
    HeadlessSession h;
    MessageLog log;
    HWND a = MakeTopLevel({0, 0, 100, 100}, &log);
    HWND aEdit = MakeChild(a, {10, 10, 50, 30}, &log);
    HWND b = MakeTopLevel({200, 0, 300, 100}, &log);
    SetFocus(aEdit);
    EXPECT_EQ(GetActiveWindow(), a);
    log.Clear();
    SetActiveWindow(b);
    std::vector<UINT> activation{WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS, WM_SETFOCUS};
    EXPECT_EQ(log.Of(a, activation), (std::vector<UINT>{WM_NCACTIVATE, WM_ACTIVATE}));
    EXPECT_EQ(log.Of(aEdit, activation), (std::vector<UINT>{WM_KILLFOCUS}));
    EXPECT_EQ(log.Of(b, activation), (std::vector<UINT>{WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS}));
    EXPECT_EQ(log.Last(a, WM_ACTIVATE)->wParam, WA_INACTIVE);
    EXPECT_EQ(log.Last(a, WM_NCACTIVATE)->wParam, 0u);
    EXPECT_EQ(log.Last(b, WM_ACTIVATE)->wParam, WA_ACTIVE);
    EXPECT_EQ(GetFocus(), b);
    SetActiveWindow(a);
    EXPECT_EQ(GetFocus(), aEdit);
}

TEST(Activation, ClosingTheActiveWindowActivatesItsOwner) {
    HeadlessSession h;
    HWND main = MakeTopLevel({0, 0, 100, 100});
    HWND other = MakeTopLevel({300, 0, 400, 100});
    CreateParams p;
    p.style = WS_VISIBLE | WS_POPUP;
    p.bounds = {50, 50, 150, 150};
    p.owner = main;
    HWND dialog = CreateWindow(p);
    EXPECT_EQ(GetActiveWindow(), dialog);
    DestroyWindow(dialog);
    EXPECT_EQ(GetActiveWindow(), main);  // not the topmost other window
    (void)other;
    // Destroying the owner takes its owned windows along.
    HWND owned = CreateWindow(p);
    DestroyWindow(main);
    EXPECT_FALSE(IsWindow(owned));
    EXPECT_EQ(GetActiveWindow(), other);
}
