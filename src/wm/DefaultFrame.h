#pragma once
// The frame of windows without a skin: a 3-pixel raised border and a caption bar with the
// title and a close button (WS_CAPTION; 19 pixels, 15 for tool windows), or a one-pixel
// line (WS_BORDER). Drawn in the classic system colours.

#include <string>

#include "gfx/Canvas.h"
#include "wm/Styles.h"
#include "wm/Types.h"

namespace wm {

struct DefaultFrame {
    static constexpr int kBorder = 3;
    static constexpr int kCaptionHeight = 19;
    static constexpr int kToolCaptionHeight = 15;
    static constexpr int kSizeGrip = 3;  // pixels from the edge that size the window

    static bool HasFrame(WindowStyle style) { return (style & (WS_CAPTION | WS_BORDER)) != 0; }
    static int CaptionHeight(WindowStyle style);
    // The client area inside a window rectangle (any coordinates).
    static TRect ClientRect(WindowStyle style, const TRect& window);
    // Caption bar and close button, window coordinates.
    static TRect CaptionRect(WindowStyle style, int width);
    static TRect CloseButtonRect(WindowStyle style, int width);
    // HTCLIENT, HTCAPTION, HTCLOSE, the sizing codes (with WS_SIZEBOX), HTBORDER or
    // HTNOWHERE for a point in window coordinates.
    static int HitTest(WindowStyle style, const TRect& clientInWindow, int width, int height,
                       TPoint p);
    // The raised 3-pixel border alone (light outer top-left, dark outer bottom-right, face
    // inside), also the border of the skinned frame's look without skin.
    static void PaintRaisedBorder(gfx::Canvas& canvas, int width, int height);
    // Draws the frame on a canvas whose origin is the window's top-left.
    static void Paint(gfx::Canvas& canvas, WindowStyle style, int width, int height,
                      const std::string& title, bool active);
};

}  // namespace wm
