// TForm: keys seen before the focused control gets them.
#include "base/ShortCut.h"
#include "vcl/TForm.h"
#include "vcl/TMenu.h"
#include "wm/Input.h"

namespace vcl {

static TShortCut ShortCutOf(uint16_t key, TShiftState shift) {
    return base::ShortCut(static_cast<uint8_t>(key), shift.Contains(ssShift), shift.Contains(ssCtrl),
                          shift.Contains(ssAlt));
}

static bool IsModifierKey(uint16_t key) {
    return key == base::VK_SHIFT || key == base::VK_CONTROL || key == base::VK_MENU;
}

bool TForm::PreprocessKey(TWinControl* target, const wm::MSG& msg) {
    TShiftState shift = CurrentShiftState();
    switch (msg.message) {
        case wm::WM_KEYDOWN:
        case wm::WM_SYSKEYDOWN: {
            auto key = static_cast<uint16_t>(msg.wParam);
            if (IsModifierKey(key)) return false;
            if (IsShortCut(ShortCutOf(key, shift))) return true;
            bool dialogKey = key == base::VK_TAB || key == base::VK_RETURN || key == base::VK_ESCAPE;
            if (dialogKey && !(target && target->WantsKey(key, shift))) return DialogKey(key, shift);
            return false;
        }
        case wm::WM_SYSCHAR:
            return DialogChar(static_cast<char32_t>(msg.wParam), shift);
        case wm::WM_CHAR:
            // A plain character is an accelerator when the focused control has no use
            // for characters (a button in a dialog: "D" for "&Datei").
            if (target && target->WantsChars()) return false;
            if (msg.wParam < 0x20) return false;
            return DialogChar(static_cast<char32_t>(msg.wParam), shift);
        default: return false;
    }
}

bool TForm::IsShortCut(TShortCut shortCut) {
    bool handled = false;
    if (OnShortCut) OnShortCut(shortCut, handled);
    if (handled) return true;
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* menu = dynamic_cast<TMenu*>(Components(i)); menu && menu->IsShortCut(shortCut))
            return true;
    return false;
}

bool TForm::DialogKey(uint16_t key, TShiftState shift) {
    if (key == base::VK_TAB && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt)) {
        TWinControl* current = ActiveControl();
        SelectNext(current, !shift.Contains(ssShift), true);
        return true;
    }
    return TCustomControl::DialogKey(key, shift);
}

}  // namespace vcl
