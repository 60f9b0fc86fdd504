#include "skin/SkinExtraControlRecords.h"

namespace skin {

void TbsDataSkinGaugeControl::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinCustomControl::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    progressarea = r.Rect("progressarea");
    progressrect = r.Rect("progressrect");
    beginoffset = r.Integer("beginoffset");
    endoffset = r.Integer("endoffset");
    vertical = r.Boolean("vertical");
    font.ReadFrom(r);
}

void TbsDataSkinTrackBarControl::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinCustomControl::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    trackarea = r.Rect("trackarea");
    buttonrect = r.Rect("buttonrect");
    activebuttonrect = r.Rect("activebuttonrect");
    vertical = r.Boolean("vertical");
}

void TbsDataSkinLabelControl::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinCustomControl::ReadFrom(ini);
    font.ReadFrom(SkinSectionReader(ini, SectionName));
}

void TbsDataSkinStdLabelControl::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinControl::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    font.ReadFrom(r);
    activefontcolor = r.Color("activefontcolor", 16711680);
}

void TbsDataSkinUpDownControl::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinCustomControl::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    upbuttonrect = r.Rect("upbuttonrect");
    activeupbuttonrect = r.Rect("activeupbuttonrect");
    downupbuttonrect = r.Rect("downupbuttonrect");
    downbuttonrect = r.Rect("downbuttonrect");
    activedownbuttonrect = r.Rect("activedownbuttonrect");
    downdownbuttonrect = r.Rect("downdownbuttonrect");
    lefttoppoint = righttoppoint = leftbottompoint = rightbottompoint = TPoint{};
    clientrect = TRect{};
}

void TbsDataSkinGridControl::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinControl::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    fixedcellrect = r.Rect("fixedcellrect");
    selectcellrect = r.Rect("selectcellrect");
    focuscellrect = r.Rect("focuscellrect");
    fixedcellleftoffset = r.Integer("fixedcellleftoffset");
    fixedcellrightoffset = r.Integer("fixedcellrightoffset");
    fixedcelltextrect = r.Rect("fixedcelltextrect");
    cellleftoffset = r.Integer("cellleftoffset");
    cellrightoffset = r.Integer("cellrightoffset");
    celltextrect = r.Rect("celltextrect");
    linescolor = r.Color("linescolor");
    bgcolor = r.Color("bgcolor");
    font.ReadFrom(r);
    selectfontcolor = r.Color("selectfontcolor");
    focusfontcolor = r.Color("focusfontcolor");
    fixedfontname = r.String("fixedfontname", "Arial");
    fixedfontheight = r.Integer("fixedfontheight", 14);
    fixedfontstyle = r.FontStyle("fixedfontstyle");
    fixedfontcolor = r.Color("fixedfontcolor");
}

void TbsDataSkinTabControl::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinControl::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    tabrect = r.Rect("tabrect");
    activetabrect = r.Rect("activetabrect");
    focustabrect = r.Rect("focustabrect");
    mouseintabrect = r.Rect("mouseintabrect");
    clientrect = r.Rect("clientrect");
    bgpictureindex = r.Integer("bgpictureindex", -1);
    lefttoppoint = r.Point("lefttoppoint");
    righttoppoint = r.Point("righttoppoint");
    leftbottompoint = r.Point("leftbottompoint");
    rightbottompoint = r.Point("rightbottompoint");
    tableftoffset = r.Integer("tableftoffset");
    tabrightoffset = r.Integer("tabrightoffset");
    tabsbgrect = r.Rect("tabsbgrect");
    font.ReadFrom(r);
    activefontcolor = r.Color("activefontcolor");
    focusfontcolor = r.Color("focusfontcolor");
    mouseinfontcolor = r.Color("mouseinfontcolor");
    updown = r.String("updown");
}

void TbsDataSkinControlBar::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinCustomControl::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    itemrect = r.Rect("itemrect");
    bgpictureindex = r.Integer("bgpictureindex", -1);
}

void TbsDataSkinSpinEditControl::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinCustomControl::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    font.ReadFrom(r);
    upbuttonrect = r.Rect("upbuttonrect");
    activeupbuttonrect = r.Rect("activeupbuttonrect");
    downupbuttonrect = r.Rect("downupbuttonrect");
    downbuttonrect = r.Rect("downbuttonrect");
    activedownbuttonrect = r.Rect("activedownbuttonrect");
    downdownbuttonrect = r.Rect("downdownbuttonrect");
}

void TbsDataSkinTextViewControl::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinControl::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    font.ReadFrom(r);
    bgcolor = r.Color("bgcolor");
}

void TbsDataSkinBevel::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinControl::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    lightcolor = r.Color("lightcolor");
    darkcolor = r.Color("darkcolor");
}

void TbsDataSkinSlider::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinControl::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    bgcolor = r.Color("bgcolor");
    hrulerrect = r.Rect("hrulerrect");
    hthumbrect = r.Rect("hthumbrect");
    vrulerrect = r.Rect("vrulerrect");
    vthumbrect = r.Rect("vthumbrect");
    edgesize = r.Integer("edgesize");
    pointscolor = r.Color("pointscolor");
}

}  // namespace skin
