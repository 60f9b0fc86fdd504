#pragma once
// Controls whose skin frame lies in the window's non-client area (scroll box, edit): the
// insets the frame takes and the answers to WM_NCCALCSIZE.

#include "base/Geometry.h"
#include "wm/Messages.h"

namespace skin {

struct TbsFrameInsets {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The client rectangle inside a window rectangle.
inline TRect InsetRect(const TRect& r, const TbsFrameInsets& in) {
    return {r.Left + in.left, r.Top + in.top, r.Right - in.right, r.Bottom - in.bottom};
}

// The insets of a skin frame: clientrect's left and top, and what lies right of and below it.
inline TbsFrameInsets SkinFrameInsets(const TRect& skinrect, const TRect& clientrect) {
    return {clientrect.Left, clientrect.Top, skinrect.Width() - clientrect.Right,
            skinrect.Height() - clientrect.Bottom};
}

}  // namespace skin
