#pragma once
// Records of [SKINOBJECTS]: the parts of the window frame (caption, frame buttons) and
// the menu items. Each record reads its parent's keys first, then its own, from the
// section named after it; fields are named after their keys.

#include <memory>
#include <string>
#include <string_view>

#include "base/Color.h"
#include "base/Geometry.h"
#include "skin/SkinIniFile.h"
#include "skin/SkinValues.h"

namespace skin {

class TbsDataSkinObject {
public:
    explicit TbsDataSkinObject(std::string sectionName) : SectionName(std::move(sectionName)) {}
    virtual ~TbsDataSkinObject() = default;
    // Reads the record's keys from its section of the description.
    virtual void ReadFrom(const SkinIniFile& ini);

    std::string SectionName;
    std::string hint;
    int activepictureindex = -1;
    bool skinrectinapicture = false;
    TRect skinrect;
    TRect activeskinrect;
    bool morphing = false;
    TbsMorphKind morphkind = mkDefault;
};

// "userobject": a rectangle of the frame picture; reads "skinrect" only.
class TbsDataUserObject : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    void ReadFrom(const SkinIniFile& ini) override;
};

class TbsDataSkinButton : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    void ReadFrom(const SkinIniFile& ini) override;

    TRect downrect;
    TRect disableskinrsect;  // the key is spelled so
};

class TbsDataSkinStdButton : public TbsDataSkinButton {
public:
    using TbsDataSkinButton::TbsDataSkinButton;
    void ReadFrom(const SkinIniFile& ini) override;

    TbsStdCommand command = cmDefault;
    TRect restorerect, restoreactiverect, restoredownrect, restoreinactiverect;
};

class TbsDataSkinMainMenuBarButton : public TbsDataSkinStdButton {
public:
    using TbsDataSkinStdButton::TbsDataSkinStdButton;
};

class TbsDataSkinMenuItem : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    void ReadFrom(const SkinIniFile& ini) override;

    int itemleftoffset = 0;
    int itemrightoffset = 0;
    TRect dividerrect;
    int dividerleftoffset = 0;
    int dividerrightoffset = 0;
    TRect textrect;
    std::string fontname = "Arial";
    int fontheight = 14;
    TFontStyles fontstyle;
    TColor fontcolor = 0;
    TColor activefontcolor = 0;
    TColor unenabledfontcolor = 0;
};

class TbsDataSkinMainMenuItem : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    void ReadFrom(const SkinIniFile& ini) override;

    int itemleftoffset = 0;
    int itemrightoffset = 0;
    TRect downrect;
    TRect textrect;
    std::string fontname = "Arial";
    int fontheight = 14;
    TFontStyles fontstyle;
    TColor fontcolor = 0;
    TColor activefontcolor = 0;
    TColor downfontcolor = 0;
    TColor unenabledfontcolor = 0;  // key "unenabledfontColor"
};

class TbsDataSkinMainMenuBarItem : public TbsDataSkinMainMenuItem {
public:
    using TbsDataSkinMainMenuItem::TbsDataSkinMainMenuItem;
};

class TbsDataSkinCaption : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    void ReadFrom(const SkinIniFile& ini) override;

    TRect textrect;
    std::string fontname = "Arial";
    int fontheight = 14;
    TFontStyles fontstyle;
    TColor fontcolor = 0;
    TColor activefontcolor = 0;
    TAlignment alignment = taCenter;
    bool shadow = false;
    TColor shadowcolor = 0;
    TColor activeshadowcolor = 0;
    TRect framerect;
    TRect activeframerect;
    TRect frametextrect;
    int frameleftoffset = 0;
    int framerightoffset = 0;
};

// The record of an object kind ("menuitem", "button", ...), or nullptr for a kind the
// vocabulary does not know.
std::unique_ptr<TbsDataSkinObject> CreateObjectRecord(std::string_view kind,
                                                      std::string name);

}  // namespace skin
