#pragma once
// The two sides of the conversation between a skinned frame and its main menu bar.
//
// The frame owns the keyboard while the menu bar is in menu mode (it hooks the message
// loop and hands keys on); the bar owns its items, their looks and the opening of their
// drop-downs. Each side sees the other only through these interfaces, so each can be
// tested with a small fake of the other.

#include <cstdint>

namespace vcl {
class TMainMenu;
}

namespace skin {

class TbsSkinMenu;

// What the frame asks of its menu bar.
class FrameMenuBar {
public:
    virtual ~FrameMenuBar() = default;
    // The main menu whose items the bar shows (null: none); its short cuts are the frame's.
    virtual vcl::TMainMenu* BarMainMenu() const = 0;
    // Alt alone or F10: highlight the highlighted item, else the first one.
    virtual void EnterKeyboardMode() = 0;
    // Menu mode ended: every item back to normal, keyboard mode off.
    virtual void LeaveMenuMode() = 0;
    // The first shown, enabled item whose caption has `key` (a virtual key code of a letter
    // or digit) as accelerator is entered, and pressed when no drop-down is open or it has
    // no sub-items. False when no item has it.
    virtual bool SelectAccelerator(uint16_t key) = 0;
    // Right and Left: the next (previous) shown, enabled item, wrapping around.
    virtual void EnterNextItem() = 0;
    virtual void EnterPreviousItem() = 0;
    // Enter: presses the current item when it has something to do; false otherwise.
    virtual bool ActOnCurrentItem() = 0;
    // True while an item's drop-down is open.
    virtual bool HasDownItem() const = 0;
    // The last drop-down level was closed by Escape while in menu mode: the down item
    // stays highlighted but is no longer down.
    virtual void DropDownClosedByEscape() = 0;
};

// What the menu bar asks of its frame.
class MenuBarFrame {
public:
    virtual ~MenuBarFrame() = default;
    // The controller that opens the drop-downs (the frame's menu engine).
    virtual TbsSkinMenu* MenuEngine() = 0;
    virtual bool InMenuMode() const = 0;
    // Raises OnMainMenuEnter unless already in menu mode, enters menu mode and hooks the
    // message loop.
    virtual void BeginMenuMode() = 0;
    // Closes any open menu, returns the bar to normal, unhooks, raises OnMainMenuExit.
    virtual void EndMenuMode() = 0;
    // Forgets an opened or opening menu as when WM_SKIN_MENU_CLOSED arrives, without
    // ending menu mode.
    virtual void ResetMenuState() = 0;
    // A drop-down of the bar is about to open: raises OnSkinMenuOpen once and remembers
    // that the open menu came from the bar.
    virtual void BarMenuOpening() = 0;
};

}  // namespace skin
