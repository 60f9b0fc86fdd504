#include "ChromeDescription.h"

#include "ChromeLayout.h"
#include "ChromePaint.h"

namespace chromegen {

using namespace layout;

namespace {

std::string R(const TRect& r) {
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
           std::to_string(r.Bottom);
}
std::string P(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
std::string C(TColor c) { return std::to_string(c); }

class Ini {
public:
    void Section(const std::string& name) {
        if (!lines_.empty()) lines_.push_back("");
        lines_.push_back("[" + name + "]");
    }
    void Key(const std::string& key, const std::string& value) { lines_.push_back(key + "=" + value); }
    void Key(const std::string& key, int value) { Key(key, std::to_string(value)); }
    void Font(int height = 14, const std::string& style = "", TColor color = tone::Text) {
        Key("fontname", "Arial");
        Key("fontheight", height);
        Key("fontstyle", style);
        Key("fontcolor", C(color));
    }
    void Corners(TPoint lt, TPoint rt, TPoint lb, TPoint rb) {
        Key("lefttoppoint", P(lt.X, lt.Y));
        Key("righttoppoint", P(rt.X, rt.Y));
        Key("leftbottompoint", P(lb.X, lb.Y));
        Key("rightbottompoint", P(rb.X, rb.Y));
    }
    // Corner points inset by d from the face's edges, and a client rect inset by c.
    void Inset(const TRect& face, int d, int c) {
        int w = face.Width(), h = face.Height();
        Corners({d, d}, {w - d, d}, {d, h - d}, {w - d, h - d});
        Key("clientrect", R({c, c, w - c, h - c}));
    }
    std::vector<std::string> lines_;
};

const TColor kDisabledText = base::RGB(144, 144, 144);
const TColor kWhite = base::RGB(255, 255, 255);

void FrameSections(Ini& ini) {
    ini.Section("VERSION");
    ini.Key("ver", "1");
    ini.Key("skinname", "Chrome");
    ini.Key("skinauthor", "Velmora");
    ini.Key("authoremail", "");
    ini.Key("authorurl", "");
    ini.Key("skincomments", "Brushed silver with a glossy dark caption band and steel-blue accents");

    ini.Section("PICTURES");
    ini.Key("picture", "frame.bmp");
    ini.Key("inactivepicture", "");
    ini.Key("mask", "mask.bmp");
    ini.Key("activepicturescount", 5);
    ini.Key("0", "framebuttons.bmp");
    ini.Key("1", "maxbutton.bmp");
    ini.Key("2", "popup.bmp");
    ini.Key("3", "menu.bmp");
    ini.Key("4", "controls.bmp");

    ini.Section("FORMINFO");
    ini.Corners({40, 30}, {120, 30}, {40, 129}, {120, 129});
    ini.Key("clientrect", R(kClient));
    ini.Key("bgpictureindex", -1);
    ini.Key("mdibgpictureindex", -1);
    ini.Key("leftstretch", 0);
    ini.Key("rightstretch", 0);
    ini.Key("topstretch", 0);
    ini.Key("bottomstretch", 0);
    ini.Key("maskrectarea", R({5, 5, 157, 140}));
    ini.Key("hittestlefttoppoint", P(8, 8));
    ini.Key("hittestrighttoppoint", P(154, 8));
    ini.Key("hittestleftbottompoint", P(8, 132));
    ini.Key("hittestrightbottompoint", P(154, 132));
    ini.Key("buttonsrect", R({}));
    ini.Key("captionrect", R(kCaptionArea));
    ini.Key("buttonsoffset", 1);
    ini.Key("buttonsinleft", 0);
    ini.Key("mainmenupopupup", 0);
    ini.Key("borderwidth", 4);
    ini.Key("autorenderinginactiveimage", 1);
    ini.Key("inactiveeffect", "iebrightness");

    ini.Section("POPUPWINDOW");
    ini.Key("windowpictureindex", kPopup);
    ini.Key("maskpictureindex", -1);
    ini.Corners({3, 3}, {85, 3}, {3, 77}, {85, 77});
    ini.Key("leftstretch", 0);
    ini.Key("rightstretch", 0);
    ini.Key("topstretch", 0);
    ini.Key("bottomstretch", 0);
    ini.Key("itemsrect", R({2, 2, 86, 78}));
    ini.Key("scrollmarkercolor", C(tone::Shadow));
    ini.Key("scrollmarkeractivecolor", C(tone::Accent));

    ini.Section("HINTWINDOW");
    ini.Key("windowpictureindex", -1);
    ini.Key("maskpictureindex", -1);
    ini.Corners({0, 0}, {0, 0}, {0, 0}, {0, 0});
    ini.Key("clientrect", R({}));
    ini.Key("fontname", "Arial");
    ini.Key("fontheight", 14);
    ini.Key("fontstyle", "");
    ini.Key("fontcolor", C(tone::Text));
}

struct FrameButton {
    const char* name;
    const char* command;
    int picture;
    int row;
    const char* hint;
};

void ObjectSections(Ini& ini) {
    const FrameButton buttons[] = {
        {"closebutton", "cmclose", kFrameButtons, kRowClose, "Schlie\xDF" "en"},
        {"maxbutton", "cmmaximize", kMaxButton, 2, "Maximieren"},
        {"minbutton", "cmminimize", kFrameButtons, kRowMin, "Minimieren"},
        {"rollupbutton", "cmrollup", kFrameButtons, kRowRollUp, "Aufrollen"},
        {"traybutton", "cmminimizetotray", kFrameButtons, 0, "Aufrollen"},
        {"sysmenubutton", "cmsysmenu", kFrameButtons, kRowSysMenu, "Systemmen\xFC"},
    };
    std::vector<std::string> entries = {"caption:caption"};
    for (const FrameButton& b : buttons) entries.push_back(std::string(b.name) + ":stdbutton");
    entries.insert(entries.end(), {"custombutton:button", "sizegrip:userobject", "menuitem:menuitem",
                                   "menubaritem:mainmenubaritem", "barclosebutton:mainmenubarbutton",
                                   "barminbutton:mainmenubarbutton", "barmaxbutton:mainmenubarbutton",
                                   "barsysmenubutton:mainmenubarbutton"});
    ini.Section("SKINOBJECTS");
    ini.Key("count", int(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) ini.Key(std::to_string(i), entries[i]);

    ini.Section("caption");
    ini.Key("hint", "");
    ini.Key("activepictureindex", -1);
    ini.Key("skinrectinapicture", 0);
    ini.Key("skinrect", R(kCaptionObject));
    ini.Key("activeskinrect", R({}));
    ini.Key("inactiveskinrect", R({}));
    ini.Key("morphing", 0);
    ini.Key("morphkind", "mkdefault");
    ini.Key("textrect", R({4, 0, kCaptionObject.Width() - 2, kCaptionObject.Height()}));
    ini.Font(15, "fsbold", base::RGB(70, 72, 78));
    ini.Key("activefontcolor", C(base::RGB(244, 246, 250)));
    ini.Key("alignment", "taleftjustify");
    ini.Key("shadow", 1);
    ini.Key("shadowcolor", C(base::RGB(200, 202, 206)));
    ini.Key("activeshadowcolor", C(base::RGB(30, 32, 36)));
    for (const char* k : {"framerect", "activeframerect", "frametextrect"}) ini.Key(k, R({}));
    ini.Key("frameleftoffset", 0);
    ini.Key("framerightoffset", 0);

    for (const FrameButton& b : buttons) {
        const bool tray = std::string(b.name) == "traybutton";
        auto state = [&](int s) { return tray ? TrayState(s) : Button(s, b.row); };
        ini.Section(b.name);
        ini.Key("hint", b.hint);
        ini.Key("activepictureindex", b.picture);
        ini.Key("skinrectinapicture", 1);
        ini.Key("skinrect", R(state(0)));
        ini.Key("activeskinrect", R(state(1)));
        ini.Key("inactiveskinrect", R(state(0)));
        ini.Key("morphing", 1);
        ini.Key("morphkind", "mkdefault");
        ini.Key("downrect", R(state(2)));
        ini.Key("disableskinrsect", R({}));
        ini.Key("command", b.command);
        const bool restores = !tray && std::string(b.command) != "cmclose" && std::string(b.command) != "cmsysmenu";
        ini.Key("restorerect", R(restores ? state(3) : TRect{}));
        ini.Key("restoreactiverect", R(restores ? state(4) : TRect{}));
        ini.Key("restoredownrect", R(restores ? state(5) : TRect{}));
        ini.Key("restoreinactiverect", R({}));
    }

    // Defined for completeness: a plain button object without a place in the frame.
    ini.Section("custombutton");
    ini.Key("activepictureindex", -1);
    ini.Key("skinrect", R({}));
    ini.Key("downrect", R({}));
    ini.Section("sizegrip");
    ini.Key("skinrect", R({150, 135, 162, 140}));

    ini.Section("menuitem");
    ini.Key("activepictureindex", kMenu);
    ini.Key("skinrectinapicture", 1);
    ini.Key("skinrect", R(kMenuItem));
    ini.Key("activeskinrect", R(kMenuItemActive));
    ini.Key("inactiveskinrect", R(kMenuItem));
    ini.Key("morphing", 0);
    ini.Key("morphkind", "mkdefault");
    ini.Key("itemleftoffset", 3);
    ini.Key("itemrightoffset", 3);
    ini.Key("dividerrect", R(kMenuDivider));
    ini.Key("dividerleftoffset", 3);
    ini.Key("dividerrightoffset", 3);
    ini.Key("textrect", R({2, 2, 66, 18}));
    ini.Font(14, "", tone::Text);
    ini.Key("activefontcolor", C(kWhite));
    ini.Key("unenabledfontcolor", C(kDisabledText));

    ini.Section("menubaritem");
    ini.Key("activepictureindex", kMenu);
    ini.Key("skinrectinapicture", 1);
    ini.Key("skinrect", R(kBarItem));
    ini.Key("activeskinrect", R(kBarItemActive));
    ini.Key("inactiveskinrect", R(kBarItem));
    ini.Key("morphing", 0);
    ini.Key("morphkind", "mkdefault");
    ini.Key("itemleftoffset", 4);
    ini.Key("itemrightoffset", 4);
    ini.Key("downrect", R(kBarItemDown));
    ini.Key("textrect", R({5, 2, 56, 18}));
    ini.Font(14, "", tone::Text);
    ini.Key("activefontcolor", C(tone::Text));
    ini.Key("downfontcolor", C(kWhite));
    ini.Key("unenabledfontColor", C(kDisabledText));

    const char* barButtons[] = {"barclosebutton", "barminbutton", "barmaxbutton", "barsysmenubutton"};
    const char* barCommands[] = {"cmclose", "cmminimize", "cmmaximize", "cmsysmenu"};
    for (int n = 0; n < 4; ++n) {
        ini.Section(barButtons[n]);
        ini.Key("activepictureindex", kMenu);
        ini.Key("skinrectinapicture", 1);
        ini.Key("skinrect", R(BarButton(n, false)));
        ini.Key("activeskinrect", R(BarButton(n, true)));
        ini.Key("downrect", R(BarButton(n, true)));
        ini.Key("command", barCommands[n]);
    }
}

// The control records: every kind of the vocabulary, also those no window shows.
void ControlSections(Ini& ini) {
    std::vector<std::string> entries;
    auto add = [&](const std::string& name, const std::string& kind) { entries.push_back(name + ":" + kind); };
    // Every control kind of the vocabulary, the panels under several names.
    for (const char* n : {"panel", "groupbox", "toolpanel", "statusbar", "bigtoolpanel"}) add(n, "panel");
    add("expanel", "expanel");
    add("menubutton", "menubutton");
    add("button", "button");
    add("resizebutton", "button");
    add("checkbox", "checkradio");
    add("radiobox", "checkradio");
    add("gauge", "gauge");
    add("splitter", "splitter");
    add("trackbar", "trackbar");
    add("label", "label");
    add("stdlabel", "stdlabel");
    add("updown", "updown");
    add("grid", "grid");
    add("tab", "tab");
    add("mainmenubar", "mainmenubar");
    add("controlbar", "controlbar");
    add("memo", "memo");
    add("edit", "edit");
    add("checklistbox", "checklistbox");
    add("listbox", "listbox");
    add("combobox", "combobox");
    add("hscrollbar", "scrollbar");
    add("bothhscrollbar", "scrollbar");
    add("vscrollbar", "scrollbar");
    add("spinedit", "spinedit");
    add("scrollbox", "scrollbox");
    add("treeview", "treeview");
    add("bevel", "bevel");
    add("slider", "slider");
    add("listview", "listview");
    add("richedit", "richedit");
    ini.Section("SKINCONTROLS");
    ini.Key("count", int(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) ini.Key(std::to_string(i), entries[i]);

    auto control = [&](const std::string& name, const TRect& face) {
        ini.Section(name);
        ini.Key("pictureindex", kControls);
        ini.Key("maskpictureindex", -1);
        ini.Key("skinrect", R(face));
    };
    auto panel = [&](const std::string& name, const TRect& face, int inset, const TRect& caption,
                     const std::string& alignment) {
        control(name, face);
        ini.Inset(face, inset + 1, inset);
        ini.Key("bgpictureindex", -1);
        ini.Key("captionrect", R(caption));
        ini.Key("alignment", alignment);
        ini.Font(14, "", tone::Text);
        ini.Key("checkimagerect", R({}));
        ini.Key("uncheckimagerect", R({}));
    };
    panel("panel", kPanel, 2, {}, "tacenter");
    control("groupbox", kGroupBox);
    ini.Corners({8, 20}, {50, 21}, {5, 45}, {52, 46});
    ini.Key("clientrect", R({4, 22, 55, 48}));
    ini.Key("bgpictureindex", -1);
    ini.Key("captionrect", R({3, 2, 56, 18}));
    ini.Key("alignment", "tacenter");
    ini.Font(14, "fsbold", tone::Text);
    ini.Key("checkimagerect", R({}));
    ini.Key("uncheckimagerect", R({}));
    panel("toolpanel", kToolPanel, 2, {}, "tacenter");
    panel("statusbar", kStatusBar, 2, {}, "taleftjustify");
    panel("bigtoolpanel", kBigToolPanel, 2, {}, "tacenter");

    control("expanel", kExPanel);
    ini.Corners({10, 21}, {50, 21}, {10, 48}, {50, 48});
    ini.Key("clientrect", R({1, 20, 59, 49}));
    ini.Key("rollhskinrect", R(kExPanelRollH));
    ini.Key("rollvskinrect", R(kExPanelRollV));
    for (const char* k : {"rollleftoffset", "rollrightoffset", "rolltopoffset", "rollbottomoffset"}) ini.Key(k, 4);
    ini.Key("rollvcaptionrect", R({4, 2, 40, 18}));
    ini.Key("rollhcaptionrect", R({2, 20, 18, 46}));
    const char* exButtons[] = {"closebutton", "vrollbutton", "vrestorebutton", "hrollbutton", "hrestorebutton"};
    const int exGlyph[] = {0, 1, 2, 3, 4};
    for (const char* order : {"closebutton", "hrollbutton", "hrestorebutton", "vrollbutton", "vrestorebutton"}) {
        int g = 0;
        for (int i = 0; i < 5; ++i)
            if (std::string(exButtons[i]) == order) g = exGlyph[i];
        std::string base(order);
        base.resize(base.size() - 6);  // without "button"
        ini.Key(base + "buttonrect", R(Glyph14(g * 3)));
        ini.Key(base + "buttonactiverect", R(Glyph14(g * 3 + 1)));
        ini.Key(base + "buttondownrect", R(Glyph14(g * 3 + 2)));
    }
    ini.Key("captionrect", R({4, 2, 40, 18}));
    ini.Font(14, "fsbold", tone::Text);

    auto buttonKeys = [&](const TRect& hot, const TRect& down) {
        ini.Font(14, "", tone::Text);
        ini.Key("activefontcolor", C(base::RGB(20, 20, 24)));
        ini.Key("downfontcolor", C(base::RGB(20, 20, 24)));
        ini.Key("disabledfontcolor", C(kDisabledText));
        ini.Key("activeskinrect", R(hot));
        ini.Key("downskinrect", R(down));
        ini.Key("disabledskinrect", R({}));
        ini.Key("morphing", 0);
        ini.Key("morphkind", "mkdefault");
    };
    control("menubutton", kMenuButton);
    ini.Corners({4, 12}, {24, 12}, {0, 0}, {0, 0});
    ini.Key("clientrect", R({4, 4, 24, 21}));
    buttonKeys(kMenuButtonHot, kMenuButtonDown);
    ini.Key("trackbuttonrect", R({28, 0, 42, 25}));
    control("button", kButton);
    ini.Corners({4, 12}, {24, 13}, {0, 0}, {0, 0});
    ini.Key("clientrect", R({4, 4, 24, 21}));
    buttonKeys(kButtonHot, kButtonDown);
    control("resizebutton", kResize);
    ini.Corners({4, 4}, {24, 4}, {4, 21}, {24, 21});
    ini.Key("clientrect", R({4, 4, 24, 21}));
    buttonKeys(kResizeHot, kResizeDown);

    auto checkRadio = [&](const std::string& name, const TRect& face, bool radio) {
        control(name, face);
        ini.Corners({20, 9}, {30, 9}, {0, 0}, {0, 0});
        ini.Key("clientrect", R({}));
        ini.Font(14, "", tone::Text);
        ini.Key("activefontcolor", C(tone::Text));
        ini.Key("unenabledfontcolor", C(kDisabledText));
        ini.Key("framefontcolor", C(tone::Text));
        ini.Key("activeskinrect", R({}));
        ini.Key("checkimagearea", R({3, 3, 16, 16}));
        ini.Key("textarea", R({20, 3, 30, 16}));
        const char* keys[] = {"checkimagerect", "uncheckimagerect", "activecheckimagerect",
                              "activeuncheckimagerect", "unenabledcheckimagerect", "unenableduncheckimagerect"};
        for (int n = 0; n < 6; ++n) ini.Key(keys[n], R(CheckImage(radio, n)));
        ini.Key("morphing", 0);
        ini.Key("morphkind", "mkdefault");
    };
    checkRadio("checkbox", kCheckBox, false);
    checkRadio("radiobox", kRadioBox, true);

    control("gauge", kGauge);
    ini.Corners({3, 8}, {57, 8}, {0, 0}, {0, 0});
    ini.Key("clientrect", R({2, 2, 58, 14}));
    ini.Key("progressarea", R({2, 2, 58, 14}));
    ini.Key("progressrect", R(kGaugeBar));
    ini.Key("beginoffset", 2);
    ini.Key("endoffset", 2);
    ini.Key("vertical", 0);
    ini.Font(13, "fsbold", tone::Text);
    control("splitter", kSplitter);
    ini.Corners({0, 2}, {0, 0}, {0, 18}, {0, 0});
    control("trackbar", kTrack);
    ini.Corners({4, 0}, {46, 0}, {0, 0}, {0, 0});
    ini.Key("trackarea", R({4, 0, 46, 16}));
    ini.Key("buttonrect", R(kTrackThumb));
    ini.Key("activebuttonrect", R(kTrackThumbHot));
    ini.Key("vertical", 0);
    control("label", kLabel);
    ini.Font(14, "", tone::Text);
    control("stdlabel", kLabel);
    ini.Font(14, "", tone::Text);
    ini.Key("activefontcolor", C(tone::Accent));
    control("updown", {});
    ini.Key("upbuttonrect", R(ScrollPart(4)));
    ini.Key("activeupbuttonrect", R(ScrollPart(4)));
    ini.Key("downupbuttonrect", R(ScrollPart(5)));
    ini.Key("downbuttonrect", R(ScrollPart(6)));
    ini.Key("activedownbuttonrect", R(ScrollPart(6)));
    ini.Key("downdownbuttonrect", R(ScrollPart(7)));
    control("grid", kGridCell);
    ini.Key("fixedcellrect", R(kGridFixed));
    ini.Key("selectcellrect", R(kGridSelect));
    ini.Key("focuscellrect", R(kGridSelect));
    ini.Key("fixedcellleftoffset", 2);
    ini.Key("fixedcellrightoffset", 2);
    ini.Key("fixedcelltextrect", R({3, 2, 27, 16}));
    ini.Key("cellleftoffset", 1);
    ini.Key("cellrightoffset", 1);
    ini.Key("celltextrect", R({3, 2, 27, 16}));
    ini.Key("linescolor", C(base::RGB(200, 200, 204)));
    ini.Key("bgcolor", C(tone::Field));
    ini.Font(14, "", tone::Text);
    ini.Key("selectfontcolor", C(kWhite));
    ini.Key("focusfontcolor", C(kWhite));
    ini.Key("fixedfontname", "Arial");
    ini.Key("fixedfontheight", 14);
    ini.Key("fixedfontstyle", "");
    ini.Key("fixedfontcolor", C(tone::Text));
    control("tab", kTab);
    ini.Key("tabrect", R(kTabItem));
    ini.Key("activetabrect", R(kTabItemActive));
    ini.Key("focustabrect", R(kTabItemActive));
    ini.Key("mouseintabrect", R(kTabItemActive));
    ini.Key("clientrect", R({2, 2, 58, 18}));
    ini.Key("bgpictureindex", -1);
    ini.Inset(kTab, 3, 2);
    ini.Key("tableftoffset", 4);
    ini.Key("tabrightoffset", 4);
    ini.Key("tabsbgrect", R({}));
    ini.Font(14, "", tone::Text);
    ini.Key("activefontcolor", C(tone::Text));
    ini.Key("focusfontcolor", C(tone::Accent));
    ini.Key("mouseinfontcolor", C(tone::Accent));
    ini.Key("updown", "updown");

    ini.Section("mainmenubar");
    ini.Key("pictureindex", kMenu);
    ini.Key("maskpictureindex", -1);
    ini.Key("skinrect", R(kMenuBar));
    ini.Key("itemsrect", R({1, 1, kMenuBar.Width() - 1, 21}));
    ini.Key("menubaritem", "menubaritem");
    ini.Key("closebutton", "barclosebutton");
    ini.Key("minbutton", "barminbutton");
    ini.Key("maxbutton", "barmaxbutton");
    ini.Key("sysmenubutton", "barsysmenubutton");
    ini.Key("trackmarkcolor", C(tone::Shadow));
    ini.Key("trackmarkactivecolor", C(tone::Accent));

    control("controlbar", kControlBar);
    ini.Inset(kControlBar, 3, 2);
    ini.Key("itemrect", R({}));
    ini.Key("bgpictureindex", -1);

    auto edit = [&](const std::string& name, const TRect& face) {
        control(name, face);
        ini.Corners({3, 3}, {54, 3}, {0, 0}, {0, 0});
        ini.Key("clientrect", R({3, 3, 54, 18}));
        ini.Key("activeskinrect", R(kEditActive));
        ini.Font(14, "", tone::Text);
        ini.Key("disabledfontcolor", C(kDisabledText));
        ini.Key("activefontcolor", C(tone::Text));
        for (const char* k : {"buttonrect", "activebuttonrect", "downbuttonrect", "unenabledbuttonrect"}) ini.Key(k, R({}));
    };
    edit("memo", kEdit);
    ini.Key("bgcolor", C(tone::Field));
    ini.Key("activebgcolor", C(tone::Field));
    edit("edit", kEdit);

    auto list = [&](const std::string& name) {
        control(name, kListBox);
        ini.Corners({3, 3}, {37, 3}, {3, 27}, {37, 27});
        ini.Key("clientrect", R({2, 2, 38, 28}));
        ini.Key("itemrect", R(kListItem));
        ini.Key("activeitemrect", R(kListItemActive));
        ini.Key("focusitemrect", R(kListItemFocus));
        ini.Key("itemleftoffset", 2);
        ini.Key("itemrightoffset", 2);
        ini.Key("itemtextrect", R({4, 0, 28, 21}));
        ini.Font(14, "", tone::Text);
        ini.Key("activefontcolor", C(kWhite));
        ini.Key("focusfontcolor", C(kWhite));
        ini.Key("captionrect", R({}));
        ini.Key("captionfontname", "Arial");
        ini.Key("captionfontheight", 14);
        ini.Key("captionfontstyle", "fsbold");
        ini.Key("captionfontcolor", C(tone::Text));
        for (const char* k : {"upbuttonrect", "activeupbuttonrect", "downupbuttonrect", "downbuttonrect",
                              "activedownbuttonrect", "downdownbuttonrect", "checkbuttonrect",
                              "activecheckbuttonrect", "downcheckbuttonrect"})
            ini.Key(k, R({}));
        ini.Key("vscrollbarname", "vscrollbar");
        ini.Key("hscrollbarname", "hscrollbar");
        ini.Key("bothhscrollbarname", "bothhscrollbar");
    };
    list("checklistbox");
    ini.Key("itemcheckrect", R({2, 4, 15, 17}));
    ini.Key("checkimagerect", R(CheckImage(false, 0)));
    ini.Key("uncheckimagerect", R(CheckImage(false, 1)));
    list("listbox");

    control("combobox", kCombo);
    ini.Corners({3, 10}, {40, 10}, {0, 0}, {0, 0});
    ini.Key("clientrect", R({2, 2, 39, 19}));
    ini.Key("itemrect", R(kComboItem));
    ini.Key("focusitemrect", R(kComboFocusItem));
    ini.Key("itemleftoffset", 2);
    ini.Key("itemrightoffset", 2);
    ini.Key("itemtextrect", R({2, 0, 28, 15}));
    ini.Font(14, "", tone::Text);
    ini.Key("focusfontcolor", C(kWhite));
    ini.Key("listboxname", "listbox");
    ini.Key("buttonrect", R({41, 0, 58, 21}));
    ini.Key("activebuttonrect", R({}));
    ini.Key("downbuttonrect", R(kComboDown));
    ini.Key("unenabledbuttonrect", R(kComboDisabled));

    auto scrollbar = [&](const std::string& name, bool vertical) {
        const TRect face = vertical ? kVScroll : kHScroll;
        control(name, face);
        if (vertical) ini.Corners({0, 16}, {0, 0}, {0, 44}, {0, 0});
        else ini.Corners({16, 0}, {44, 0}, {0, 0}, {0, 0});
        ini.Key("clientrect", R({}));
        const int o = vertical ? 4 : 0;
        ini.Key("trackarea", R(vertical ? TRect{0, 16, 16, 44} : TRect{16, 0, 44, 16}));
        ini.Key("upbuttonrect", R(vertical ? TRect{0, 0, 16, 16} : TRect{0, 0, 16, 16}));
        ini.Key("activeupbuttonrect", R(ScrollPart(o + 0)));
        ini.Key("downupbuttonrect", R(ScrollPart(o + 1)));
        ini.Key("downbuttonrect", R(vertical ? TRect{0, 44, 16, 60} : TRect{44, 0, 60, 16}));
        ini.Key("activedownbuttonrect", R(ScrollPart(o + 2)));
        ini.Key("downdownbuttonrect", R(ScrollPart(o + 3)));
        ini.Key("thumbrect", R(vertical ? kVThumb : kHThumb));
        ini.Key("activethumbrect", R(vertical ? kVThumbHot : kHThumbHot));
        ini.Key("downthumbrect", R(vertical ? kVThumbDown : kHThumbDown));
        ini.Key("thumboffset1", 4);
        ini.Key("thumboffset2", 4);
        for (const char* k : {"glyphrect", "activeglyphrect", "downglyphrect"}) ini.Key(k, R({}));
    };
    scrollbar("hscrollbar", false);
    scrollbar("bothhscrollbar", false);
    scrollbar("vscrollbar", true);

    control("spinedit", kSpinEdit);
    ini.Corners({3, 3}, {54, 3}, {0, 0}, {0, 0});
    ini.Key("clientrect", R({3, 3, 40, 18}));
    ini.Font(14, "", tone::Text);
    ini.Key("upbuttonrect", R(ScrollPart(4)));
    ini.Key("activeupbuttonrect", R(ScrollPart(4)));
    ini.Key("downupbuttonrect", R(ScrollPart(5)));
    ini.Key("downbuttonrect", R(ScrollPart(6)));
    ini.Key("activedownbuttonrect", R(ScrollPart(6)));
    ini.Key("downdownbuttonrect", R(ScrollPart(7)));

    control("scrollbox", kScrollBox);
    ini.Inset(kScrollBox, 2, 1);
    ini.Key("bgpictureindex", -1);
    for (const char* name : {"treeview"}) {
        control(name, kListBox);
        ini.Font(14, "", tone::Text);
        ini.Key("bgcolor", C(tone::Field));
    }
    control("bevel", {});
    ini.Key("lightcolor", C(tone::Light));
    ini.Key("darkcolor", C(tone::Shadow));
    control("slider", kTrack);
    ini.Key("bgcolor", C(tone::Face));
    ini.Key("hrulerrect", R({kTrack.Left, kTrack.Top + 6, kTrack.Right, kTrack.Top + 10}));
    ini.Key("hthumbrect", R(kTrackThumb));
    ini.Key("vrulerrect", R({}));
    ini.Key("vthumbrect", R({}));
    ini.Key("edgesize", 2);
    ini.Key("pointscolor", C(tone::Shadow));
    for (const char* name : {"listview", "richedit"}) {
        control(name, kListBox);
        ini.Font(14, "", tone::Text);
        ini.Key("bgcolor", C(tone::Field));
    }
}

}  // namespace

std::vector<std::string> ChromeDescription() {
    Ini ini;
    FrameSections(ini);
    ObjectSections(ini);
    ControlSections(ini);
    return ini.lines_;
}

}  // namespace chromegen
