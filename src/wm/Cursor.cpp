#include "wm/Cursor.h"

#include "wm/Messages.h"

namespace wm {

CursorShape CursorForHitCode(int hit) {
    switch (hit) {
        case HTLEFT:
        case HTRIGHT: return CursorShape::SizeWE;
        case HTTOP:
        case HTBOTTOM: return CursorShape::SizeNS;
        case HTTOPLEFT:
        case HTBOTTOMRIGHT: return CursorShape::SizeNWSE;
        case HTTOPRIGHT:
        case HTBOTTOMLEFT: return CursorShape::SizeNESW;
        default: return CursorShape::Arrow;
    }
}

}  // namespace wm
