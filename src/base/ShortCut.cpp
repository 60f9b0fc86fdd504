#include "base/ShortCut.h"

namespace base {

std::string KeyName(uint8_t key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, static_cast<char>(key));
    if (key >= VK_F1 && key <= VK_F24) return "F" + std::to_string(key - VK_F1 + 1);
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD0 + 9)
        return "Num " + std::to_string(key - VK_NUMPAD0);
    switch (key) {
        case VK_BACK: return "Rück";
        case VK_TAB: return "Tab";
        case VK_RETURN: return "Eingabe";
        case VK_PAUSE: return "Pause";
        case VK_ESCAPE: return "Esc";
        case VK_SPACE: return "Leer";
        case VK_PRIOR: return "Bild auf";
        case VK_NEXT: return "Bild ab";
        case VK_END: return "Ende";
        case VK_HOME: return "Pos1";
        case VK_LEFT: return "Links";
        case VK_UP: return "Nach-oben";
        case VK_RIGHT: return "Rechts";
        case VK_DOWN: return "Nach-unten";
        case VK_INSERT: return "Einfg";
        case VK_DELETE: return "Entf";
        case VK_MULTIPLY: return "Num *";
        case VK_ADD: return "Num +";
        case VK_SUBTRACT: return "Num -";
        case VK_DECIMAL: return "Num ,";
        case VK_DIVIDE: return "Num /";
        default: return "";
    }
}

std::string ShortCutToText(TShortCut shortCut) {
    std::string name = KeyName(ShortCutKey(shortCut));
    if (name.empty()) return "";
    std::string text;
    if (shortCut & scShift) text += "Umsch+";
    if (shortCut & scCtrl) text += "Strg+";
    if (shortCut & scAlt) text += "Alt+";
    return text + name;
}

}  // namespace base
