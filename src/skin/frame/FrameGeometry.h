#pragma once
// The skinned frame's geometry at a window size: the [FORMINFO] points and rectangles
// moved with the window's growth over the frame picture, the client insets, the minimum
// size, snapping to the work area, and the hit test of the frame's parts.

#include <functional>
#include <vector>

#include "base/Geometry.h"

namespace skin {

class TbsSkinData;

struct FrameGeometry {
    int width = 0, height = 0;
    TPoint lt, rt, lb, rb;           // corner points
    TRect client;                    // client rectangle, window coordinates
    TRect caption;                   // caption rectangle (empty when the skin has none)
    TRect buttons;                   // buttons rectangle
    bool buttonsOnLeft = false;
    TPoint hitLT, hitRT, hitLB, hitRB;
    TRect maskArea;
};

// The geometry of a window of width x height (W, H) with the skin's frame picture.
FrameGeometry ComputeFrameGeometry(const TbsSkinData& skin, int width, int height);

// The smallest window: the picture's width (or minWidth when larger, not while
// minimized) by the frame's own height (picture height minus client height), or
// minHeight when that is larger and the window is neither rolled up nor minimized.
int MinFrameWidth(const TbsSkinData& skin, int minWidth, bool minimized);
int MinFrameHeight(const TbsSkinData& skin, int minHeight, bool rolledUpOrMinimized);

// Snaps a dragged rectangle's edges to the work area's within `distance` pixels (strictly
// nearer), keeping its size: left, top, right, bottom in this order.
TRect SnapToWorkArea(const TRect& dragged, const TRect& workArea, int distance);

struct FrameHitQuery {
    TPoint point;                       // window coordinates
    bool rolledUpOrMinimized = false;
    bool sizeable = false;              // sizeable border and not maximized
    bool elementHovered = false;        // a frame element is under the pointer
    std::vector<TRect> captions;        // rectangles of the caption elements
    int borderWidth = 0;
    bool hasMask = false;
    // With a mask: whether a window point belongs to the window's shape.
    std::function<bool(TPoint)> opaque;
};

// The hit-test code (HTCLIENT, HTCAPTION, HTOBJECT, the sizing codes) of a point.
int FrameHitTest(const FrameGeometry& g, const FrameHitQuery& q);

}  // namespace skin
