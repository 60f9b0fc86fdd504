#include "skin/SkinControlRecords.h"

namespace skin {

void TbsSkinFontGroup::ReadFrom(const SkinSectionReader& r) {
    fontname = r.String("fontname", "Arial");
    fontheight = r.Integer("fontheight", 14);
    fontstyle = r.FontStyle("fontstyle");
    fontcolor = r.Color("fontcolor");
}

void TbsDataSkinControl::ReadFrom(const SkinIniFile& ini) {
    SkinSectionReader r(ini, SectionName);
    pictureindex = r.Integer("pictureindex", -1);
    maskpictureindex = r.Integer("maskpictureindex", -1);
    skinrect = r.Rect("skinrect");
}

void TbsDataSkinCustomControl::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinControl::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    lefttoppoint = r.Point("lefttoppoint");
    righttoppoint = r.Point("righttoppoint");
    leftbottompoint = r.Point("leftbottompoint");
    rightbottompoint = r.Point("rightbottompoint");
    clientrect = r.Rect("clientrect");
}

void TbsDataSkinButtonControl::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinCustomControl::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    font.ReadFrom(r);
    activefontcolor = r.Color("activefontcolor");
    downfontcolor = r.Color("downfontcolor");
    disabledfontcolor = r.Color("disabledfontcolor");
    activeskinrect = r.Rect("activeskinrect");
    downskinrect = r.Rect("downskinrect");
    disabledskinrect = r.Rect("disabledskinrect");
    morphing = r.Boolean("morphing");
    morphkind = r.MorphKind("morphkind");
}

void TbsDataSkinMenuButtonControl::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinButtonControl::ReadFrom(ini);
    trackbuttonrect = SkinSectionReader(ini, SectionName).Rect("trackbuttonrect");
}

void TbsDataSkinPanelControl::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinCustomControl::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    bgpictureindex = r.Integer("bgpictureindex", -1);
    captionrect = r.Rect("captionrect");
    rollupmarkerrect = r.Rect("rollupmarkerrect");
    restoremarkerrect = r.Rect("restoremarkerrect");
    alignment = r.Alignment("alignment");
    font.ReadFrom(r);
    checkimagerect = r.Rect("checkimagerect");
    uncheckimagerect = r.Rect("uncheckimagerect");
}

void TbsDataSkinExPanelControl::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinCustomControl::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    rollhskinrect = r.Rect("rollhskinrect");
    rollvskinrect = r.Rect("rollvskinrect");
    rollleftoffset = r.Integer("rollleftoffset");
    rollrightoffset = r.Integer("rollrightoffset");
    rolltopoffset = r.Integer("rolltopoffset");
    rollbottomoffset = r.Integer("rollbottomoffset");
    rollvcaptionrect = r.Rect("rollvcaptionrect");
    rollhcaptionrect = r.Rect("rollhcaptionrect");
    closebuttonrect = r.Rect("closebuttonrect");
    closebuttonactiverect = r.Rect("closebuttonactiverect");
    closebuttondownrect = r.Rect("closebuttondownrect");
    hrollbuttonrect = r.Rect("hrollbuttonrect");
    hrollbuttonactiverect = r.Rect("hrollbuttonactiverect");
    hrollbuttondownrect = r.Rect("hrollbuttondownrect");
    hrestorebuttonrect = r.Rect("hrestorebuttonrect");
    hrestorebuttonactiverect = r.Rect("hrestorebuttonactiverect");
    hrestorebuttondownrect = r.Rect("hrestorebuttondownrect");
    vrollbuttonrect = r.Rect("vrollbuttonrect");
    vrollbuttonactiverect = r.Rect("vrollbuttonactiverect");
    vrollbuttondownrect = r.Rect("vrollbuttondownrect");
    vrestorebuttonrect = r.Rect("vrestorebuttonrect");
    vrestorebuttonactiverect = r.Rect("vrestorebuttonactiverect");
    vrestorebuttondownrect = r.Rect("vrestorebuttondownrect");
    captionrect = r.Rect("captionrect");
    font.ReadFrom(r);
}

void TbsDataSkinCheckRadioControl::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinCustomControl::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    font.ReadFrom(r);
    activefontcolor = r.Color("activefontcolor");
    unenabledfontcolor = r.Color("unenabledfontcolor");
    framefontcolor = r.Color("framefontcolor");
    activeskinrect = r.Rect("activeskinrect");
    checkimagearea = r.Rect("checkimagearea");
    textarea = r.Rect("textarea");
    checkimagerect = r.Rect("checkimagerect");
    uncheckimagerect = r.Rect("uncheckimagerect");
    activecheckimagerect = r.Rect("activecheckimagerect");
    activeuncheckimagerect = r.Rect("activeuncheckimagerect");
    unenabledcheckimagerect = r.Rect("unenabledcheckimagerect");
    unenableduncheckimagerect = r.Rect("unenableduncheckimagerect");
    morphing = r.Boolean("morphing");
    morphkind = r.MorphKind("morphkind");
}

void TbsDataSkinComboBox::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinCustomControl::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    itemrect = r.Rect("itemrect");
    focusitemrect = r.Rect("focusitemrect");
    itemleftoffset = r.Integer("itemleftoffset");
    itemrightoffset = r.Integer("itemrightoffset");
    itemtextrect = r.Rect("itemtextrect");
    font.ReadFrom(r);
    focusfontcolor = r.Color("focusfontcolor");
    listboxname = r.String("listboxname");
    buttonrect = r.Rect("buttonrect");
    activebuttonrect = r.Rect("activebuttonrect");
    downbuttonrect = r.Rect("downbuttonrect");
    unenabledbuttonrect = r.Rect("unenabledbuttonrect");
}

void TbsDataSkinListBox::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinCustomControl::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    itemrect = r.Rect("itemrect");
    activeitemrect = r.Rect("activeitemrect");
    focusitemrect = r.Rect("focusitemrect");
    itemleftoffset = r.Integer("itemleftoffset");
    itemrightoffset = r.Integer("itemrightoffset");
    itemtextrect = r.Rect("itemtextrect");
    font.ReadFrom(r);
    activefontcolor = r.Color("activefontcolor");
    focusfontcolor = r.Color("focusfontcolor");
    captionrect = r.Rect("captionrect");
    captionfontname = r.String("captionfontname", "Arial");
    captionfontheight = r.Integer("captionfontheight", 14);
    captionfontstyle = r.FontStyle("captionfontstyle");
    captionfontcolor = r.Color("captionfontcolor");
    upbuttonrect = r.Rect("upbuttonrect");
    activeupbuttonrect = r.Rect("activeupbuttonrect");
    downupbuttonrect = r.Rect("downupbuttonrect");
    downbuttonrect = r.Rect("downbuttonrect");
    activedownbuttonrect = r.Rect("activedownbuttonrect");
    downdownbuttonrect = r.Rect("downdownbuttonrect");
    checkbuttonrect = r.Rect("checkbuttonrect");
    activecheckbuttonrect = r.Rect("activecheckbuttonrect");
    downcheckbuttonrect = r.Rect("downcheckbuttonrect");
    vscrollbarname = r.String("vscrollbarname", "vscrollbar");
    hscrollbarname = r.String("hscrollbarname", "hscrollbar");
    bothhscrollbarname = r.String("bothhscrollbarname", "bothhscrollbar");
}

void TbsDataSkinCheckListBox::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinListBox::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    itemcheckrect = r.Rect("itemcheckrect");
    checkimagerect = r.Rect("checkimagerect");
    uncheckimagerect = r.Rect("uncheckimagerect");
}

void TbsDataSkinScrollBarControl::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinCustomControl::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    trackarea = r.Rect("trackarea");
    upbuttonrect = r.Rect("upbuttonrect");
    activeupbuttonrect = r.Rect("activeupbuttonrect");
    downupbuttonrect = r.Rect("downupbuttonrect");
    downbuttonrect = r.Rect("downbuttonrect");
    activedownbuttonrect = r.Rect("activedownbuttonrect");
    downdownbuttonrect = r.Rect("downdownbuttonrect");
    thumbrect = r.Rect("thumbrect");
    activethumbrect = r.Rect("activethumbrect");
    downthumbrect = r.Rect("downthumbrect");
    thumboffset1 = r.Integer("thumboffset1");
    thumboffset2 = r.Integer("thumboffset2");
    glyphrect = r.Rect("glyphrect");
    activeglyphrect = r.Rect("activeglyphrect");
    downglyphrect = r.Rect("downglyphrect");
}

void TbsDataSkinScrollBoxControl::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinCustomControl::ReadFrom(ini);
    bgpictureindex = SkinSectionReader(ini, SectionName).Integer("bgpictureindex", -1);
}

void TbsDataSkinEditControl::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinCustomControl::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    activeskinrect = r.Rect("activeskinrect");
    font.ReadFrom(r);
    disabledfontcolor = r.Color("disabledfontcolor");
    activefontcolor = r.Color("activefontcolor");
    buttonrect = r.Rect("buttonrect");
    activebuttonrect = r.Rect("activebuttonrect");
    downbuttonrect = r.Rect("downbuttonrect");
    unenabledbuttonrect = r.Rect("unenabledbuttonrect");
}

void TbsDataSkinMemoControl::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinEditControl::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    bgcolor = r.Color("bgcolor");
    activebgcolor = r.Color("activebgcolor");
}

void TbsDataSkinMainMenuBar::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinControl::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    itemsrect = r.Rect("itemsrect");
    menubaritem = r.String("menubaritem");
    closebutton = r.String("closebutton");
    minbutton = r.String("minbutton");
    maxbutton = r.String("maxbutton");
    sysmenubutton = r.String("sysmenubutton");
    trackmarkcolor = r.Color("trackmarkcolor");
    trackmarkactivecolor = r.Color("trackmarkactivecolor");
}

}  // namespace skin
