#include <gtest/gtest.h>

#include "skin/SkinExtraControlRecords.h"
#include "skin/TbsSkinData.h"
#include "SkinTestSupport.h"

using namespace skin;

namespace {

void Read(TbsSkinData& data, const std::string& text) {
    data.ReadDescription(DescriptionFromCp1252(SplitLines(text)));
}

}  // namespace

TEST(SkinDescription, ObjectListSkipsEntriesWithoutColonOrKnownKind) {
    TbsSkinData data;
    Read(data,
         "[SKINOBJECTS]\ncount=5\n0=caption:caption\n1=nocolon\n2=odd:gizmo\n3=close:stdbutton\n"
         "4=user:userobject\n"
         "[caption]\nskinrect=1,2,3,4\nalignment=taleftjustify\nshadow=1\nfontstyle=fsbold\n"
         "[close]\nskinrect=10,1,22,13\ncommand=cmclose\ndownrect=0,0,12,12\nhint=Schlie\xDF" "en\n"
         "[user]\nskinrect=5,6,7,8\nhint=ignored\n");
    ASSERT_EQ(data.ObjectRecords().size(), 3u);
    auto* caption = dynamic_cast<const TbsDataSkinCaption*>(data.ObjectRecord(0));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->skinrect, TRect(1, 2, 3, 4));  // the parent's key
    EXPECT_EQ(caption->alignment, taLeftJustify);
    EXPECT_TRUE(caption->shadow);
    EXPECT_TRUE(caption->fontstyle.bold);
    EXPECT_EQ(caption->fontname, "Arial");
    EXPECT_EQ(caption->fontheight, 14);
    auto* close = dynamic_cast<const TbsDataSkinStdButton*>(data.ObjectRecord(1));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->command, cmClose);
    EXPECT_EQ(close->downrect, TRect(0, 0, 12, 12));
    EXPECT_EQ(close->activepictureindex, -1);
    EXPECT_EQ(close->hint, "Schließen");  // Windows-1252 in the text, UTF-8 in memory
    auto* user = dynamic_cast<const TbsDataUserObject*>(data.ObjectRecord(2));
    ASSERT_NE(user, nullptr);
    EXPECT_EQ(user->skinrect, TRect(5, 6, 7, 8));
    EXPECT_EQ(user->hint, "");  // a user object reads its rectangle only
    EXPECT_EQ(data.FindObjectRecord("close"), 1);
    EXPECT_EQ(data.FindObjectRecord("odd"), -1);
}

TEST(SkinDescription, FindControlRecordIsExactAndFindsTheFirst) {
    TbsSkinData data;
    Read(data,
         "[SKINCONTROLS]\ncount=4\n0=button:button\n1=panel:panel\n2=button:button\n3=box:nokind\n"
         "[button]\nskinrect=0,0,60,25\nrighttoppoint=24,13\n");
    ASSERT_EQ(data.ControlRecords().size(), 3u);
    EXPECT_EQ(data.FindControlRecord("button"), 0);
    EXPECT_EQ(data.FindControlRecord("Button"), -1);
    EXPECT_EQ(data.FindControlRecord("panel"), 1);
    EXPECT_EQ(data.FindControlRecord("box"), -1);
    EXPECT_EQ(data.ControlRecord(3), nullptr);
    EXPECT_EQ(data.ControlRecord(-1), nullptr);
    // A record whose section is missing gets every default.
    auto* panel = dynamic_cast<const TbsDataSkinPanelControl*>(data.ControlRecord(1));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->pictureindex, -1);
    EXPECT_EQ(panel->bgpictureindex, -1);
    EXPECT_EQ(panel->alignment, taCenter);
    EXPECT_EQ(panel->font.fontname, "Arial");
}

TEST(SkinDescription, ControlRecordsReadParentKeysFirst) {
    TbsSkinData data;
    Read(data,
         "[SKINCONTROLS]\ncount=4\n0=lb:checklistbox\n1=ud:updown\n2=lbl:stdlabel\n3=mb:menubutton\n"
         "[lb]\npictureindex=4\nclientrect=2,2,50,50\nitemrect=0,0,40,21\ncheckimagerect=1,1,14,14\n"
         "[ud]\nlefttoppoint=3,3\nclientrect=1,1,5,5\nupbuttonrect=0,0,9,9\n"
         "[mb]\nskinrect=0,0,70,25\ndisabledfontcolor=8421504\ntrackbuttonrect=55,0,70,25\n");
    auto* lb = dynamic_cast<const TbsDataSkinCheckListBox*>(data.ControlRecord(0));
    ASSERT_NE(lb, nullptr);
    EXPECT_EQ(lb->pictureindex, 4);
    EXPECT_EQ(lb->clientrect, TRect(2, 2, 50, 50));
    EXPECT_EQ(lb->itemrect, TRect(0, 0, 40, 21));
    EXPECT_EQ(lb->checkimagerect, TRect(1, 1, 14, 14));
    EXPECT_EQ(lb->vscrollbarname, "vscrollbar");
    // An up-down record drops its corner points and client rectangle after reading.
    auto* ud = dynamic_cast<const TbsDataSkinUpDownControl*>(data.ControlRecord(1));
    ASSERT_NE(ud, nullptr);
    EXPECT_EQ(ud->lefttoppoint, TPoint());
    EXPECT_EQ(ud->clientrect, TRect());
    EXPECT_EQ(ud->upbuttonrect, TRect(0, 0, 9, 9));
    auto* lbl = dynamic_cast<const TbsDataSkinStdLabelControl*>(data.ControlRecord(2));
    ASSERT_NE(lbl, nullptr);
    EXPECT_EQ(lbl->activefontcolor, 16711680);
    auto* mb = dynamic_cast<const TbsDataSkinMenuButtonControl*>(data.ControlRecord(3));
    ASSERT_NE(mb, nullptr);
    EXPECT_EQ(mb->skinrect, TRect(0, 0, 70, 25));
    EXPECT_EQ(mb->disabledfontcolor, 8421504);
    EXPECT_EQ(mb->trackbuttonrect, TRect(55, 0, 70, 25));
}

TEST(SkinDescription, FormInfoCornerPointsMoveIntoTheClientRect) {
    TbsSkinData data;
    Read(data,
         "[FORMINFO]\nlefttoppoint=2,30\nrighttoppoint=160,3\nleftbottompoint=1,139\n"
         "rightbottompoint=161,138\nclientrect=5,24,157,135\ninactiveeffect=iegrayscale\n");
    const TbsFormInfo& f = data.FormInfo();
    EXPECT_EQ(f.lefttoppoint, TPoint(5, 30));
    EXPECT_EQ(f.righttoppoint, TPoint(157, 24));
    EXPECT_EQ(f.leftbottompoint, TPoint(5, 135));
    EXPECT_EQ(f.rightbottompoint, TPoint(157, 135));
    EXPECT_EQ(f.inactiveeffect, ieGrayscale);
    EXPECT_EQ(f.bgpictureindex, -1);

    // All four points 0,0: right-bottom equals left-top, nothing moves.
    Read(data, "[FORMINFO]\nclientrect=5,24,157,135\n");
    EXPECT_EQ(data.FormInfo().lefttoppoint, TPoint());
    EXPECT_EQ(data.FormInfo().rightbottompoint, TPoint());
    EXPECT_EQ(data.FormInfo().inactiveeffect, ieBrightness);
}

TEST(SkinDescription, EmptyNumberFieldAbortsTheRead) {
    TbsSkinData data;
    EXPECT_THROW(Read(data, "[SKINCONTROLS]\ncount=1\n0=b:button\n[b]\nskinrect=0,,5,5\n"),
                 SkinConvertError);
}

TEST(SkinDescription, PopupAndHintWindowRecords) {
    TbsSkinData data;
    Read(data,
         "[POPUPWINDOW]\nwindowpictureindex=1\nitemsrect=2,2,86,78\nscrollmarkercolor=255\n"
         "[HINTWINDOW]\nfontname=Tahoma\nfontheight=13\nfontstyle=fsbold\n");
    EXPECT_EQ(data.PopupWindowRecord().windowpictureindex, 1);
    EXPECT_EQ(data.PopupWindowRecord().maskpictureindex, -1);
    EXPECT_EQ(data.PopupWindowRecord().itemsrect, TRect(2, 2, 86, 78));
    EXPECT_EQ(data.PopupWindowRecord().scrollmarkercolor, 255);
    EXPECT_EQ(data.HintWindowRecord().fontname, "Tahoma");
    EXPECT_EQ(data.HintWindowRecord().fontheight, 13);
    EXPECT_TRUE(data.HintWindowRecord().fontstyle.bold);
    data.ClearSkin();
    EXPECT_EQ(data.PopupWindowRecord().windowpictureindex, -1);
    EXPECT_EQ(data.HintWindowRecord().fontname, "Tahoma");  // only the index is reset
}

TEST(SkinNotices, OwnerFirstThenEveryOtherFormInOrder) {
    int owner = 0, other1 = 0, other2 = 0;
    skintest::RecordingSink sink;
    sink.owner = &owner;
    sink.forms = {&other1, &owner, &other2};
    TbsSkinData data;
    data.SetNoticeSink(&sink);
    data.NotifySkinForms(WM_SKIN_CHANGED);
    ASSERT_EQ(sink.sent.size(), 3u);
    EXPECT_EQ(sink.sent[0].form, &owner);
    EXPECT_EQ(sink.sent[1].form, &other1);
    EXPECT_EQ(sink.sent[2].form, &other2);
    for (const auto& n : sink.sent) {
        EXPECT_EQ(n.message, 1226u);
        EXPECT_EQ(n.skin, &data);
        EXPECT_EQ(n.lParam, 1000);
    }
    // An owner that is not a form sends nothing.
    sink.owner = nullptr;
    sink.sent.clear();
    data.NotifySkinForms(WM_SKIN_CHANGING);
    EXPECT_TRUE(sink.sent.empty());
}
