#include "skin/SkinFormRecords.h"

#include <algorithm>

namespace skin {

void TbsFormInfo::ReadFrom(const SkinIniFile& ini) {
    SkinSectionReader r(ini, "FORMINFO");
    lefttoppoint = r.Point("lefttoppoint");
    righttoppoint = r.Point("righttoppoint");
    leftbottompoint = r.Point("leftbottompoint");
    rightbottompoint = r.Point("rightbottompoint");
    clientrect = r.Rect("clientrect");
    bgpictureindex = r.Integer("bgpictureindex", -1);
    leftstretch = r.Boolean("leftstretch");
    rightstretch = r.Boolean("rightstretch");
    topstretch = r.Boolean("topstretch");
    bottomstretch = r.Boolean("bottomstretch");
    maskrectarea = r.Rect("maskrectarea");
    hittestlefttoppoint = r.Point("hittestlefttoppoint");
    hittestrighttoppoint = r.Point("hittestrighttoppoint");
    hittestleftbottompoint = r.Point("hittestleftbottompoint");
    hittestrightbottompoint = r.Point("hittestrightbottompoint");
    buttonsrect = r.Rect("buttonsrect");
    captionrect = r.Rect("captionrect");
    buttonsoffset = r.Integer("buttonsoffset");
    buttonsinleft = r.Boolean("buttonsinleft");
    mainmenupopupup = r.Boolean("mainmenupopupup");
    borderwidth = r.Integer("borderwidth");
    autorenderinginactiveimage = r.Boolean("autorenderinginactiveimage");
    inactiveeffect = ParseInactiveEffect(ini.ReadString("FORMINFO", "inactiveeffect", ""));
    AdjustCornerPoints(*this);
}

void AdjustCornerPoints(TbsFormInfo& info) {
    if (info.rightbottompoint.X == info.lefttoppoint.X ||
        info.rightbottompoint.Y == info.lefttoppoint.Y)
        return;
    const TRect& c = info.clientrect;
    for (TPoint* p : {&info.lefttoppoint, &info.leftbottompoint}) p->X = std::max(p->X, c.Left);
    for (TPoint* p : {&info.righttoppoint, &info.rightbottompoint}) p->X = std::min(p->X, c.Right);
    for (TPoint* p : {&info.lefttoppoint, &info.righttoppoint}) p->Y = std::max(p->Y, c.Top);
    for (TPoint* p : {&info.leftbottompoint, &info.rightbottompoint})
        p->Y = std::min(p->Y, c.Bottom);
}

void TbsDataSkinPopupWindow::ReadFrom(const SkinIniFile& ini) {
    SkinSectionReader r(ini, "POPUPWINDOW");
    windowpictureindex = r.Integer("windowpictureindex", -1);
    maskpictureindex = r.Integer("maskpictureindex", -1);
    lefttoppoint = r.Point("lefttoppoint");
    righttoppoint = r.Point("righttoppoint");
    leftbottompoint = r.Point("leftbottompoint");
    rightbottompoint = r.Point("rightbottompoint");
    itemsrect = r.Rect("itemsrect");
    scrollmarkercolor = r.Color("scrollmarkercolor");
    scrollmarkeractivecolor = r.Color("scrollmarkeractivecolor");
}

void TbsDataSkinHintWindow::ReadFrom(const SkinIniFile& ini) {
    SkinSectionReader r(ini, "HINTWINDOW");
    windowpictureindex = r.Integer("windowpictureindex", -1);
    maskpictureindex = r.Integer("maskpictureindex", -1);
    lefttoppoint = r.Point("lefttoppoint");
    righttoppoint = r.Point("righttoppoint");
    leftbottompoint = r.Point("leftbottompoint");
    rightbottompoint = r.Point("rightbottompoint");
    clientrect = r.Rect("clientrect");
    fontname = r.String("fontname", "Arial");
    fontheight = r.Integer("fontheight", 14);
    fontstyle = r.FontStyle("fontstyle");
    fontcolor = r.Color("fontcolor");
}

}  // namespace skin
