#pragma once
// The frame geometry of [FORMINFO] and the two window records [POPUPWINDOW] and
// [HINTWINDOW] of the skin description.

#include <string>

#include "base/Color.h"
#include "base/Geometry.h"
#include "skin/SkinIniFile.h"
#include "skin/SkinValues.h"

namespace skin {

// [FORMINFO]: the window frame. Fields are named after their keys.
struct TbsFormInfo {
    TPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
    TRect clientrect;
    int bgpictureindex = -1;
    bool leftstretch = false, rightstretch = false, topstretch = false, bottomstretch = false;
    TRect maskrectarea;
    TPoint hittestlefttoppoint, hittestrighttoppoint, hittestleftbottompoint,
        hittestrightbottompoint;
    TRect buttonsrect;
    TRect captionrect;
    int buttonsoffset = 0;
    bool buttonsinleft = false;
    bool mainmenupopupup = false;
    int borderwidth = 0;
    bool autorenderinginactiveimage = false;
    TbsInactiveEffect inactiveeffect = ieBrightness;

    // Reads the keys in their order, then moves the corner points into clientrect
    // (unless right-bottom and left-top coincide in x or y).
    void ReadFrom(const SkinIniFile& ini);
};

// Moves the four corner points into the client rectangle; see TbsFormInfo::ReadFrom.
void AdjustCornerPoints(TbsFormInfo& info);

// [POPUPWINDOW]: the frame of popup menu windows (always tiled).
struct TbsDataSkinPopupWindow {
    int windowpictureindex = -1;
    int maskpictureindex = -1;
    TPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
    TRect itemsrect;
    TColor scrollmarkercolor = 0;
    TColor scrollmarkeractivecolor = 0;

    void ReadFrom(const SkinIniFile& ini);
};

// [HINTWINDOW].
struct TbsDataSkinHintWindow {
    int windowpictureindex = -1;
    int maskpictureindex = -1;
    TPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
    TRect clientrect;
    std::string fontname = "Arial";
    int fontheight = 14;
    TFontStyles fontstyle;
    TColor fontcolor = 0;

    void ReadFrom(const SkinIniFile& ini);
};

}  // namespace skin
