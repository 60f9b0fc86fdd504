#include "skin/SkinObjectRecords.h"

namespace skin {

void TbsDataUserObject::ReadFrom(const SkinIniFile& ini) {
    skinrect = SkinSectionReader(ini, SectionName).Rect("skinrect");
}

void TbsDataSkinObject::ReadFrom(const SkinIniFile& ini) {
    SkinSectionReader r(ini, SectionName);
    hint = r.String("hint");
    activepictureindex = r.Integer("activepictureindex", -1);
    skinrectinapicture = r.Boolean("skinrectinapicture");
    skinrect = r.Rect("skinrect");
    activeskinrect = r.Rect("activeskinrect");
    morphing = r.Boolean("morphing");
    morphkind = r.MorphKind("morphkind");
}

void TbsDataSkinButton::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinObject::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    downrect = r.Rect("downrect");
    disableskinrsect = r.Rect("disableskinrsect");
}

void TbsDataSkinStdButton::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinButton::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    command = ParseStdCommand(r.String("command", "cmdefault"));
    restorerect = r.Rect("restorerect");
    restoreactiverect = r.Rect("restoreactiverect");
    restoredownrect = r.Rect("restoredownrect");
    restoreinactiverect = r.Rect("restoreinactiverect");
}

void TbsDataSkinMenuItem::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinObject::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    itemleftoffset = r.Integer("itemleftoffset");
    itemrightoffset = r.Integer("itemrightoffset");
    dividerrect = r.Rect("dividerrect");
    dividerleftoffset = r.Integer("dividerleftoffset");
    dividerrightoffset = r.Integer("dividerrightoffset");
    textrect = r.Rect("textrect");
    fontname = r.String("fontname", "Arial");
    fontheight = r.Integer("fontheight", 14);
    fontstyle = r.FontStyle("fontstyle");
    fontcolor = r.Color("fontcolor");
    activefontcolor = r.Color("activefontcolor");
    unenabledfontcolor = r.Color("unenabledfontcolor");
}

void TbsDataSkinMainMenuItem::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinObject::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    itemleftoffset = r.Integer("itemleftoffset");
    itemrightoffset = r.Integer("itemrightoffset");
    downrect = r.Rect("downrect");
    textrect = r.Rect("textrect");
    fontname = r.String("fontname", "Arial");
    fontheight = r.Integer("fontheight", 14);
    fontstyle = r.FontStyle("fontstyle");
    fontcolor = r.Color("fontcolor");
    activefontcolor = r.Color("activefontcolor");
    downfontcolor = r.Color("downfontcolor");
    unenabledfontcolor = r.Color("unenabledfontColor");
}

void TbsDataSkinCaption::ReadFrom(const SkinIniFile& ini) {
    TbsDataSkinObject::ReadFrom(ini);
    SkinSectionReader r(ini, SectionName);
    textrect = r.Rect("textrect");
    fontname = r.String("fontname", "Arial");
    fontheight = r.Integer("fontheight", 14);
    fontstyle = r.FontStyle("fontstyle");
    fontcolor = r.Color("fontcolor");
    activefontcolor = r.Color("activefontcolor");
    alignment = r.Alignment("alignment");
    shadow = r.Boolean("shadow");
    shadowcolor = r.Color("shadowcolor");
    activeshadowcolor = r.Color("activeshadowcolor");
    framerect = r.Rect("framerect");
    activeframerect = r.Rect("activeframerect");
    frametextrect = r.Rect("frametextrect");
    frameleftoffset = r.Integer("frameleftoffset");
    framerightoffset = r.Integer("framerightoffset");
}

std::unique_ptr<TbsDataSkinObject> CreateObjectRecord(std::string_view kind,
                                                      std::string name) {
    if (kind == "menuitem") return std::make_unique<TbsDataSkinMenuItem>(std::move(name));
    if (kind == "mainmenubaritem")
        return std::make_unique<TbsDataSkinMainMenuBarItem>(std::move(name));
    if (kind == "stdbutton") return std::make_unique<TbsDataSkinStdButton>(std::move(name));
    if (kind == "mainmenubarbutton")
        return std::make_unique<TbsDataSkinMainMenuBarButton>(std::move(name));
    if (kind == "button") return std::make_unique<TbsDataSkinButton>(std::move(name));
    if (kind == "caption") return std::make_unique<TbsDataSkinCaption>(std::move(name));
    if (kind == "userobject") return std::make_unique<TbsDataUserObject>(std::move(name));
    return nullptr;
}

}  // namespace skin
