#pragma once
// Records of [SKINCONTROLS] for the controls Velmora's windows show. Each record reads
// its parent's keys first, then its own, from the section named after it; fields are
// named after their keys. The kinds no window shows are in SkinExtraControlRecords.h.

#include <memory>
#include <string>
#include <string_view>

#include "base/Color.h"
#include "base/Geometry.h"
#include "skin/SkinIniFile.h"
#include "skin/SkinValues.h"

namespace skin {

// "fontname" "Arial", "fontheight" 14, "fontstyle", "fontcolor": read together by many records.
struct TbsSkinFontGroup {
    std::string fontname = "Arial";
    int fontheight = 14;
    TFontStyles fontstyle;
    TColor fontcolor = 0;

    void ReadFrom(const SkinSectionReader& r);
};

class TbsDataSkinControl {
public:
    explicit TbsDataSkinControl(std::string sectionName) : SectionName(std::move(sectionName)) {}
    virtual ~TbsDataSkinControl() = default;
    virtual void ReadFrom(const SkinIniFile& ini);

    std::string SectionName;
    int pictureindex = -1;
    int maskpictureindex = -1;
    TRect skinrect;
};

class TbsDataSkinCustomControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    void ReadFrom(const SkinIniFile& ini) override;

    TPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
    TRect clientrect;
};

class TbsDataSkinButtonControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void ReadFrom(const SkinIniFile& ini) override;

    TbsSkinFontGroup font;  // fontname, fontheight, fontstyle, fontcolor
    TColor activefontcolor = 0, downfontcolor = 0, disabledfontcolor = 0;
    TRect activeskinrect, downskinrect, disabledskinrect;
    bool morphing = false;
    TbsMorphKind morphkind = mkDefault;
};

class TbsDataSkinMenuButtonControl : public TbsDataSkinButtonControl {
public:
    using TbsDataSkinButtonControl::TbsDataSkinButtonControl;
    void ReadFrom(const SkinIniFile& ini) override;

    TRect trackbuttonrect;
};

class TbsDataSkinPanelControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void ReadFrom(const SkinIniFile& ini) override;

    int bgpictureindex = -1;
    TRect captionrect, rollupmarkerrect, restoremarkerrect;
    TAlignment alignment = taCenter;
    TbsSkinFontGroup font;
    TRect checkimagerect, uncheckimagerect;
};

class TbsDataSkinExPanelControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void ReadFrom(const SkinIniFile& ini) override;

    TRect rollhskinrect, rollvskinrect;
    int rollleftoffset = 0, rollrightoffset = 0, rolltopoffset = 0, rollbottomoffset = 0;
    TRect rollvcaptionrect, rollhcaptionrect;
    TRect closebuttonrect, closebuttonactiverect, closebuttondownrect;
    TRect hrollbuttonrect, hrollbuttonactiverect, hrollbuttondownrect;
    TRect hrestorebuttonrect, hrestorebuttonactiverect, hrestorebuttondownrect;
    TRect vrollbuttonrect, vrollbuttonactiverect, vrollbuttondownrect;
    TRect vrestorebuttonrect, vrestorebuttonactiverect, vrestorebuttondownrect;
    TRect captionrect;
    TbsSkinFontGroup font;
};

class TbsDataSkinCheckRadioControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void ReadFrom(const SkinIniFile& ini) override;

    TbsSkinFontGroup font;
    TColor activefontcolor = 0, unenabledfontcolor = 0, framefontcolor = 0;
    TRect activeskinrect, checkimagearea, textarea, checkimagerect, uncheckimagerect,
        activecheckimagerect, activeuncheckimagerect, unenabledcheckimagerect,
        unenableduncheckimagerect;
    bool morphing = false;
    TbsMorphKind morphkind = mkDefault;
};

class TbsDataSkinComboBox : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void ReadFrom(const SkinIniFile& ini) override;

    TRect itemrect, focusitemrect;
    int itemleftoffset = 0, itemrightoffset = 0;
    TRect itemtextrect;
    TbsSkinFontGroup font;
    TColor focusfontcolor = 0;
    std::string listboxname;
    TRect buttonrect, activebuttonrect, downbuttonrect, unenabledbuttonrect;
};

class TbsDataSkinListBox : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void ReadFrom(const SkinIniFile& ini) override;

    TRect itemrect, activeitemrect, focusitemrect;
    int itemleftoffset = 0, itemrightoffset = 0;
    TRect itemtextrect;
    TbsSkinFontGroup font;
    TColor activefontcolor = 0, focusfontcolor = 0;
    TRect captionrect;
    std::string captionfontname = "Arial";
    int captionfontheight = 14;
    TFontStyles captionfontstyle;
    TColor captionfontcolor = 0;
    TRect upbuttonrect, activeupbuttonrect, downupbuttonrect, downbuttonrect,
        activedownbuttonrect, downdownbuttonrect, checkbuttonrect, activecheckbuttonrect,
        downcheckbuttonrect;
    std::string vscrollbarname = "vscrollbar";
    std::string hscrollbarname = "hscrollbar";
    std::string bothhscrollbarname = "bothhscrollbar";
};

class TbsDataSkinCheckListBox : public TbsDataSkinListBox {
public:
    using TbsDataSkinListBox::TbsDataSkinListBox;
    void ReadFrom(const SkinIniFile& ini) override;

    TRect itemcheckrect, checkimagerect, uncheckimagerect;
};

class TbsDataSkinScrollBarControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void ReadFrom(const SkinIniFile& ini) override;

    TRect trackarea, upbuttonrect, activeupbuttonrect, downupbuttonrect, downbuttonrect,
        activedownbuttonrect, downdownbuttonrect, thumbrect, activethumbrect, downthumbrect;
    int thumboffset1 = 0, thumboffset2 = 0;
    TRect glyphrect, activeglyphrect, downglyphrect;
};

class TbsDataSkinScrollBoxControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void ReadFrom(const SkinIniFile& ini) override;

    int bgpictureindex = -1;
};

class TbsDataSkinEditControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void ReadFrom(const SkinIniFile& ini) override;

    TRect activeskinrect;
    TbsSkinFontGroup font;
    TColor disabledfontcolor = 0, activefontcolor = 0;
    TRect buttonrect, activebuttonrect, downbuttonrect, unenabledbuttonrect;
};

class TbsDataSkinMemoControl : public TbsDataSkinEditControl {
public:
    using TbsDataSkinEditControl::TbsDataSkinEditControl;
    void ReadFrom(const SkinIniFile& ini) override;

    TColor bgcolor = 0, activebgcolor = 0;
};

class TbsDataSkinMainMenuBar : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    void ReadFrom(const SkinIniFile& ini) override;

    TRect itemsrect;
    std::string menubaritem, closebutton, minbutton, maxbutton, sysmenubutton;
    TColor trackmarkcolor = 0, trackmarkactivecolor = 0;
};

// The record of a control kind ("panel", "button", ...), or nullptr for a kind the
// vocabulary does not know.
std::unique_ptr<TbsDataSkinControl> CreateControlRecord(std::string_view kind, std::string name);

}  // namespace skin
