#include "vcl/Types.h"

#include "base/ShortCut.h"
#include "wm/Input.h"

namespace vcl {

wm::CursorShape CursorShapeOf(TCursor cursor) {
    switch (cursor) {
        case crIBeam: return wm::CursorShape::IBeam;
        case crSizeNESW: return wm::CursorShape::SizeNESW;
        case crSizeNS: return wm::CursorShape::SizeNS;
        case crSizeNWSE: return wm::CursorShape::SizeNWSE;
        case crSizeWE: return wm::CursorShape::SizeWE;
        case crHourGlass: return wm::CursorShape::Wait;
        case crSizeAll: return wm::CursorShape::SizeAll;
        case crHandPoint: return wm::CursorShape::Hand;
        default: return wm::CursorShape::Arrow;
    }
}

static bool KeyHeld(int vk) { return (wm::GetKeyState(vk) & 0x8000) != 0; }

TShiftState CurrentShiftState() {
    TShiftState s;
    s.Set(ssShift, KeyHeld(base::VK_SHIFT));
    s.Set(ssCtrl, KeyHeld(base::VK_CONTROL));
    s.Set(ssAlt, KeyHeld(base::VK_MENU));
    s.Set(ssLeft, KeyHeld(wm::VK_LBUTTON));
    s.Set(ssRight, KeyHeld(wm::VK_RBUTTON));
    s.Set(ssMiddle, KeyHeld(wm::VK_MBUTTON));
    return s;
}

TShiftState ShiftStateFromMouseKeys(WPARAM keys) {
    TShiftState s;
    s.Set(ssShift, (keys & wm::MK_SHIFT) != 0);
    s.Set(ssCtrl, (keys & wm::MK_CONTROL) != 0);
    s.Set(ssLeft, (keys & wm::MK_LBUTTON) != 0);
    s.Set(ssRight, (keys & wm::MK_RBUTTON) != 0);
    s.Set(ssMiddle, (keys & wm::MK_MBUTTON) != 0);
    s.Set(ssAlt, KeyHeld(base::VK_MENU));
    return s;
}

}  // namespace vcl
