#pragma once
// Where the frame's elements (caption, frame buttons, user objects) go in a window of a
// given size: elements drawn in the frame picture follow the picture's corner areas;
// standard buttons with their own pictures line up in the button row; the system-menu
// button sits at the caption's left end. Which buttons exist follows the border icons.

#include <vector>

#include "base/Geometry.h"
#include "skin/SkinValues.h"
#include "skin/frame/FrameGeometry.h"

namespace skin {

class TbsSkinData;

class TbsDataSkinObject;

struct FrameElementSlot {
    const TbsDataSkinObject* record = nullptr;  // the skin object it was made from
    TRect normalRect;         // "skinrect"
    bool inPicture = false;   // "skinrectinapicture": drawn from its own picture
    bool isCaption = false;
    bool isStdButton = false;
    TbsStdCommand command = cmDefault;
    bool visible = true;
    bool enabled = true;
    TRect windowRect;         // the result, window coordinates
};

struct FrameBorderIcons {
    bool systemMenu = true, minimize = true, maximize = true, rollUp = true;
};

// Disables the standard buttons whose command needs an absent icon (roll-up, maximize,
// minimize, system menu); those drawn from their own picture are hidden as well.
void ApplyBorderIcons(std::vector<FrameElementSlot>& elements, const FrameBorderIcons& icons);

// Lays the elements out for the geometry of the skin's frame picture; an element's
// windowRect starts as its normalRect.
void LayoutFrameElements(std::vector<FrameElementSlot>& elements, const TbsSkinData& skin,
                         const FrameGeometry& g);

}  // namespace skin
