#pragma once
// A key combination as menus and hot keys store it: the virtual key in the low byte,
// plus 8192 for Shift, 16384 for Ctrl and 32768 for Alt. Menus show it in German
// ("Strg+A", "Umsch+F3").

#include <cstdint>
#include <string>

using TShortCut = uint16_t;

namespace base {

constexpr uint16_t scShift = 0x2000;
constexpr uint16_t scCtrl = 0x4000;
constexpr uint16_t scAlt = 0x8000;

// Virtual keys used by the program; letters and digits are their ASCII capitals.
enum VirtualKey : uint8_t {
    VK_BACK = 0x08, VK_TAB = 0x09, VK_RETURN = 0x0D, VK_SHIFT = 0x10, VK_CONTROL = 0x11,
    VK_MENU = 0x12, VK_PAUSE = 0x13, VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_PRIOR = 0x21,
    VK_NEXT = 0x22, VK_END = 0x23, VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26,
    VK_RIGHT = 0x27, VK_DOWN = 0x28, VK_INSERT = 0x2D, VK_DELETE = 0x2E,
    VK_NUMPAD0 = 0x60, VK_MULTIPLY = 0x6A, VK_ADD = 0x6B, VK_SUBTRACT = 0x6D,
    VK_DECIMAL = 0x6E, VK_DIVIDE = 0x6F, VK_F1 = 0x70, VK_F24 = 0x87,
};

constexpr TShortCut ShortCut(uint8_t key, bool shift, bool ctrl, bool alt) {
    return static_cast<TShortCut>(key | (shift ? scShift : 0) | (ctrl ? scCtrl : 0) |
                                  (alt ? scAlt : 0));
}
constexpr uint8_t ShortCutKey(TShortCut s) { return static_cast<uint8_t>(s & 0xFF); }

// "Strg+A" for Ctrl+A; modifiers in the order Umsch, Strg, Alt; "" for 0 or an unknown key.
std::string ShortCutToText(TShortCut shortCut);

// The German name of a virtual key ("A", "F5", "Entf", "Bild auf"), or "" when unknown.
std::string KeyName(uint8_t key);

}  // namespace base
