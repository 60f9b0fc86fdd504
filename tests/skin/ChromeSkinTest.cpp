// The embedded Chrome skin loads and keeps the geometry the program relies on.

#include <gtest/gtest.h>

#include "skin/EmbeddedSkin.h"
#include "skin/SkinExtraControlRecords.h"
#include "skin/SkinRegions.h"
#include "SkinTestSupport.h"

using namespace skin;

namespace {

class ChromeSkin : public ::testing::Test {
protected:
    TbsSkinData data;
    TbsCompressedStoredSkin chrome;
    void SetUp() override {
        ASSERT_TRUE(LoadEmbeddedChromeSkin(data, chrome, [](const std::string& e) { FAIL() << e; }));
    }
    template <typename Record>
    const Record& Control(const char* name) {
        auto* r = dynamic_cast<const Record*>(data.ControlRecord(data.FindControlRecord(name)));
        EXPECT_NE(r, nullptr) << name;
        static Record none("");
        return r ? *r : none;
    }
    template <typename Record>
    const Record& Object(const char* name) {
        auto* r = dynamic_cast<const Record*>(data.ObjectRecord(data.FindObjectRecord(name)));
        EXPECT_NE(r, nullptr) << name;
        static Record none("");
        return r ? *r : none;
    }
};

bool Corners(const TbsDataSkinCustomControl& r) { return r.rightbottompoint.X != 0 && r.rightbottompoint.Y != 0; }
bool Horizontal(const TbsDataSkinCustomControl& r) {
    return !Corners(r) && (r.righttoppoint.X != 0 || r.righttoppoint.Y != 0);
}
bool Vertical(const TbsDataSkinCustomControl& r) {
    return !Corners(r) && !Horizontal(r) && (r.leftbottompoint.X != 0 || r.leftbottompoint.Y != 0);
}

}  // namespace

TEST_F(ChromeSkin, ContainerAndFrame) {
    std::vector<uint8_t> c = chrome.Unpack();
    EXPECT_EQ(chrome.CompressedData()[1], 0xDA);
    EXPECT_EQ(c[0], 1);
    EXPECT_EQ(data.Picture().Width(), 162);
    EXPECT_EQ(data.Picture().Height(), 140);
    EXPECT_TRUE(data.InactivePicture().IsEmpty());
    EXPECT_EQ(data.Mask().Width(), 162);
    EXPECT_FALSE(data.Mask().IsBlack(0, 0));  // rounded top corners cut away
    EXPECT_TRUE(data.Mask().IsBlack(0, 139));

    const TbsFormInfo& f = data.FormInfo();
    EXPECT_EQ(f.clientrect, TRect(5, 24, 157, 135));
    for (TPoint p : {f.lefttoppoint, f.righttoppoint, f.leftbottompoint, f.rightbottompoint}) {
        EXPECT_GE(p.X, 5);
        EXPECT_LE(p.X, 157);
        EXPECT_GE(p.Y, 24);
        EXPECT_LE(p.Y, 135);
    }
    // The frame alone: 162 x (140 - 111) = 162 x 29.
    EXPECT_EQ(data.Picture().Height() - f.clientrect.Height(), 29);
    EXPECT_FALSE(f.maskrectarea.IsEmpty());
    EXPECT_GT(f.borderwidth, 0);
    EXPECT_NE(f.hittestrightbottompoint, TPoint());
    EXPECT_TRUE(f.autorenderinginactiveimage);
    EXPECT_FALSE(f.captionrect.IsEmpty());

    EXPECT_GE(data.FindObjectRecord("caption"), 0);
    const int rollup = data.FindObjectRecord("rollupbutton");
    const int tray = data.FindObjectRecord("traybutton");
    EXPECT_GT(tray, rollup);
    auto& t = Object<TbsDataSkinStdButton>("traybutton");
    EXPECT_EQ(t.command, cmRollUp);
    EXPECT_EQ(t.skinrect, TRect(1, 9, 15, 23));
    EXPECT_GE(f.captionrect.Left, t.skinrect.Right);  // the system menu button cannot cover it
    EXPECT_EQ(Object<TbsDataSkinStdButton>("closebutton").command, cmClose);
    EXPECT_EQ(Object<TbsDataSkinStdButton>("minbutton").command, cmMinimize);
    EXPECT_EQ(Object<TbsDataSkinStdButton>("sysmenubutton").command, cmSysMenu);
    auto& max = Object<TbsDataSkinStdButton>("maxbutton");
    EXPECT_EQ(max.command, cmMaximize);
    EXPECT_NE(max.activepictureindex, Object<TbsDataSkinStdButton>("closebutton").activepictureindex);

    // The window shape: the mask turns into a region without the corner pixels.
    auto region = TileFrameRegion(data.Mask(), {f.lefttoppoint, f.righttoppoint, f.leftbottompoint,
                                                f.rightbottompoint, f.clientrect},
                                  162, 140, {f.lefttoppoint, f.righttoppoint, f.leftbottompoint,
                                             f.rightbottompoint, f.clientrect});
    ASSERT_TRUE(region.has_value());
    EXPECT_FALSE(region->Contains(0, 0));
    EXPECT_TRUE(region->Contains(80, 0));
}

TEST_F(ChromeSkin, ControlGeometry) {
    auto& button = Control<TbsDataSkinButtonControl>("button");
    EXPECT_EQ(button.skinrect.Height(), 25);
    EXPECT_EQ(button.righttoppoint, TPoint(24, 13));
    EXPECT_EQ(button.rightbottompoint, TPoint(0, 0));
    EXPECT_TRUE(Horizontal(button));
    EXPECT_TRUE(button.disabledskinrect.IsEmpty());
    EXPECT_FALSE(button.morphing);
    EXPECT_NE(button.disabledfontcolor, button.font.fontcolor);
    EXPECT_TRUE(Corners(Control<TbsDataSkinButtonControl>("resizebutton")));

    for (const char* name : {"panel", "groupbox", "toolpanel", "statusbar", "bigtoolpanel"}) {
        auto& p = Control<TbsDataSkinPanelControl>(name);
        EXPECT_TRUE(Corners(p)) << name;
        EXPECT_TRUE(p.rollupmarkerrect.IsEmpty()) << name;
        EXPECT_TRUE(p.checkimagerect.IsEmpty()) << name;
    }
    auto& panel = Control<TbsDataSkinPanelControl>("panel");
    EXPECT_EQ(panel.clientrect, TRect(2, 2, panel.skinrect.Width() - 2, panel.skinrect.Height() - 2));
    auto& group = Control<TbsDataSkinPanelControl>("groupbox");
    EXPECT_EQ(group.skinrect.Width(), 59);
    EXPECT_EQ(group.skinrect.Height(), 52);
    EXPECT_EQ(group.lefttoppoint, TPoint(8, 20));
    EXPECT_EQ(group.righttoppoint, TPoint(50, 21));
    EXPECT_EQ(group.leftbottompoint, TPoint(5, 45));
    EXPECT_EQ(group.rightbottompoint, TPoint(52, 46));
    EXPECT_EQ(group.captionrect, TRect(3, 2, 56, 18));
    EXPECT_EQ(group.alignment, taCenter);

    auto& ex = Control<TbsDataSkinExPanelControl>("expanel");
    EXPECT_TRUE(Corners(ex));
    EXPECT_EQ(ex.clientrect, TRect(1, 20, ex.skinrect.Width() - 1, ex.skinrect.Height() - 1));
    EXPECT_EQ(ex.rollvskinrect.Height(), 20);
    EXPECT_EQ(ex.rollhskinrect.Width(), 20);
    auto& box = Control<TbsDataSkinScrollBoxControl>("scrollbox");
    EXPECT_TRUE(Corners(box));
    EXPECT_EQ(box.clientrect, TRect(1, 1, box.skinrect.Width() - 1, box.skinrect.Height() - 1));

    auto& combo = Control<TbsDataSkinComboBox>("combobox");
    EXPECT_EQ(combo.skinrect.Width(), 58);
    EXPECT_EQ(combo.skinrect.Height(), 21);
    EXPECT_EQ(combo.buttonrect, TRect(41, 0, 58, 21));
    EXPECT_EQ(combo.clientrect, TRect(2, 2, 39, 19));
    EXPECT_TRUE(Horizontal(combo));
    EXPECT_TRUE(combo.activebuttonrect.IsEmpty());
    EXPECT_EQ(combo.listboxname, "listbox");
    auto& list = Control<TbsDataSkinListBox>("listbox");
    EXPECT_EQ(list.itemrect.Height(), 21);
    EXPECT_EQ(8 * 21 + list.skinrect.Height() - list.clientrect.Height(), 172);

    auto& radio = Control<TbsDataSkinCheckRadioControl>("radiobox");
    EXPECT_TRUE(Horizontal(radio));
    EXPECT_TRUE(Horizontal(Control<TbsDataSkinCheckRadioControl>("checkbox")));
    EXPECT_EQ(radio.skinrect.Width(), 33);
    EXPECT_EQ(radio.skinrect.Height(), 19);
    EXPECT_EQ(radio.checkimagearea, TRect(3, 3, 16, 16));
    EXPECT_EQ(radio.textarea, TRect(20, 3, 30, 16));
    EXPECT_EQ(radio.checkimagerect.Width(), 13);
    EXPECT_EQ(radio.checkimagerect.Height(), 13);

    EXPECT_TRUE(Horizontal(Control<TbsDataSkinScrollBarControl>("hscrollbar")));
    EXPECT_TRUE(Horizontal(Control<TbsDataSkinScrollBarControl>("bothhscrollbar")));
    EXPECT_TRUE(Vertical(Control<TbsDataSkinScrollBarControl>("vscrollbar")));
    auto& edit = Control<TbsDataSkinEditControl>("edit");
    EXPECT_EQ(edit.skinrect.Width(), 57);
    EXPECT_EQ(edit.skinrect.Height(), 21);
    EXPECT_EQ(edit.clientrect, TRect(3, 3, 54, 18));
}

TEST_F(ChromeSkin, MenusAndEveryKind) {
    auto& bar = Control<TbsDataSkinMainMenuBar>("mainmenubar");
    EXPECT_EQ(bar.skinrect.Height(), 22);
    EXPECT_EQ(bar.itemsrect, TRect(1, 1, bar.skinrect.Width() - 1, 21));
    auto& barItem = Object<TbsDataSkinMainMenuBarItem>(bar.menubaritem.c_str());
    EXPECT_EQ(barItem.skinrect.Width(), 61);
    EXPECT_EQ(barItem.textrect.Width(), 51);
    EXPECT_EQ(barItem.skinrect.Height(), 20);
    auto& item = Object<TbsDataSkinMenuItem>("menuitem");
    EXPECT_EQ(item.skinrect.Width(), 67);
    EXPECT_EQ(item.skinrect.Height(), 20);
    EXPECT_EQ(item.dividerrect.Height(), 5);
    EXPECT_EQ(item.textrect, TRect(2, 2, 66, 18));
    EXPECT_FALSE(item.morphing);
    for (const std::string& name : {bar.closebutton, bar.minbutton, bar.maxbutton, bar.sysmenubutton})
        EXPECT_GE(data.FindObjectRecord(name), 0) << name;

    const auto& popup = data.PopupWindowRecord();
    const gfx::Bitmap* window = data.ActivePicture(popup.windowpictureindex);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Width(), 88);
    EXPECT_EQ(window->Height(), 80);
    EXPECT_EQ(popup.itemsrect, TRect(2, 2, 86, 78));
    EXPECT_FALSE(data.HintWindowRecord().fontname.empty());

    // A record of every control kind and every object kind.
    const std::vector<std::string> kinds = {
        "panel", "expanel", "menubutton", "button", "checkradio", "gauge", "splitter", "trackbar",
        "label", "stdlabel", "updown", "grid", "tab", "mainmenubar", "controlbar", "memo", "edit",
        "checklistbox", "listbox", "combobox", "scrollbar", "spinedit", "scrollbox", "treeview",
        "bevel", "slider", "listview", "richedit"};
    for (const std::string& kind : kinds) {
        auto probe = CreateControlRecord(kind, "");
        const auto& probeRecord = *probe;
        bool found = false;
        for (const auto& r : data.ControlRecords()) {
            const auto& record = *r;
            found |= typeid(record) == typeid(probeRecord);
        }
        EXPECT_TRUE(found) << kind;
    }
    for (const char* kind : {"menuitem", "mainmenubaritem", "stdbutton", "mainmenubarbutton", "button",
                             "caption", "userobject"}) {
        auto probe = CreateObjectRecord(kind, "");
        const auto& probeRecord = *probe;
        bool found = false;
        for (const auto& r : data.ObjectRecords()) {
            const auto& record = *r;
            found |= typeid(record) == typeid(probeRecord);
        }
        EXPECT_TRUE(found) << kind;
    }
    // Every picture index of a control points into the picture list.
    for (const auto& r : data.ControlRecords())
        if (!r->skinrect.IsEmpty()) {
            EXPECT_NE(data.ActivePicture(r->pictureindex), nullptr) << r->SectionName;
        }
}

TEST(SkinStartUp, AFailingSkinIsReportedOnceAndLeavesTheLooksWithoutSkin) {
    int owner = 0;
    skintest::RecordingSink sink;
    sink.owner = &owner;
    sink.forms = {&owner};
    TbsSkinData data;
    data.SetNoticeSink(&sink);
    TbsCompressedStoredSkin stored;
    std::vector<std::string> reports;
    const std::vector<uint8_t> junk = {0x78, 0xDA, 1, 2, 3, 4, 5};
    EXPECT_FALSE(LoadSkinAtStartUp(data, stored, junk, [&](const std::string& e) { reports.push_back(e); }));
    EXPECT_EQ(reports, std::vector<std::string>{"compression error"});
    EXPECT_TRUE(data.Empty());
    EXPECT_EQ(sink.Messages(), (std::vector<unsigned>{WM_SKIN_CHANGING, WM_SKIN_CHANGED, WM_SKIN_REFIT}));
}
