#pragma once
// Records of the control kinds that no window of Velmora shows (gauges, track bars,
// grids, tabs ...). They are read all the same, so every skin's description loads
// whole and a later control finds its record.

#include "skin/SkinControlRecords.h"

namespace skin {

class TbsDataSkinGaugeControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void ReadFrom(const SkinIniFile& ini) override;

    TRect progressarea, progressrect;
    int beginoffset = 0, endoffset = 0;
    bool vertical = false;
    TbsSkinFontGroup font;
};

// No keys of its own.
class TbsDataSkinSplitterControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
};

class TbsDataSkinTrackBarControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void ReadFrom(const SkinIniFile& ini) override;

    TRect trackarea, buttonrect, activebuttonrect;
    bool vertical = false;
};

class TbsDataSkinLabelControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void ReadFrom(const SkinIniFile& ini) override;

    TbsSkinFontGroup font;
};

class TbsDataSkinStdLabelControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    void ReadFrom(const SkinIniFile& ini) override;

    TbsSkinFontGroup font;
    TColor activefontcolor = 16711680;  // blue
};

class TbsDataSkinUpDownControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    // Reads the buttons, then drops the corner points and client rectangle: an up-down
    // control is always drawn from its button pictures alone.
    void ReadFrom(const SkinIniFile& ini) override;

    TRect upbuttonrect, activeupbuttonrect, downupbuttonrect, downbuttonrect,
        activedownbuttonrect, downdownbuttonrect;
};

class TbsDataSkinGridControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    void ReadFrom(const SkinIniFile& ini) override;

    TRect fixedcellrect, selectcellrect, focuscellrect;
    int fixedcellleftoffset = 0, fixedcellrightoffset = 0;
    TRect fixedcelltextrect;
    int cellleftoffset = 0, cellrightoffset = 0;
    TRect celltextrect;
    TColor linescolor = 0, bgcolor = 0;
    TbsSkinFontGroup font;
    TColor selectfontcolor = 0, focusfontcolor = 0;
    std::string fixedfontname = "Arial";
    int fixedfontheight = 14;
    TFontStyles fixedfontstyle;
    TColor fixedfontcolor = 0;
};

class TbsDataSkinTabControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    void ReadFrom(const SkinIniFile& ini) override;

    TRect tabrect, activetabrect, focustabrect, mouseintabrect, clientrect;
    int bgpictureindex = -1;
    TPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
    int tableftoffset = 0, tabrightoffset = 0;
    TRect tabsbgrect;
    TbsSkinFontGroup font;
    TColor activefontcolor = 0, focusfontcolor = 0, mouseinfontcolor = 0;
    std::string updown;
};

class TbsDataSkinControlBar : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void ReadFrom(const SkinIniFile& ini) override;

    TRect itemrect;
    int bgpictureindex = -1;
};

class TbsDataSkinSpinEditControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void ReadFrom(const SkinIniFile& ini) override;

    TbsSkinFontGroup font;
    TRect upbuttonrect, activeupbuttonrect, downupbuttonrect, downbuttonrect,
        activedownbuttonrect, downdownbuttonrect;
};

// Tree views, list views and rich edits share one layout: a font and a background.
class TbsDataSkinTextViewControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    void ReadFrom(const SkinIniFile& ini) override;

    TbsSkinFontGroup font;
    TColor bgcolor = 0;
};

class TbsDataSkinTreeView : public TbsDataSkinTextViewControl {
public:
    using TbsDataSkinTextViewControl::TbsDataSkinTextViewControl;
};

class TbsDataSkinListView : public TbsDataSkinTextViewControl {
public:
    using TbsDataSkinTextViewControl::TbsDataSkinTextViewControl;
};

class TbsDataSkinRichEdit : public TbsDataSkinTextViewControl {
public:
    using TbsDataSkinTextViewControl::TbsDataSkinTextViewControl;
};

class TbsDataSkinBevel : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    void ReadFrom(const SkinIniFile& ini) override;

    TColor lightcolor = 0, darkcolor = 0;
};

class TbsDataSkinSlider : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    void ReadFrom(const SkinIniFile& ini) override;

    TColor bgcolor = 0;
    TRect hrulerrect, hthumbrect, vrulerrect, vthumbrect;
    int edgesize = 0;
    TColor pointscolor = 0;
};

}  // namespace skin
