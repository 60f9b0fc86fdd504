// The frame's geometry with the Chrome skin: client insets, minimum size, snapping and
// hit codes.

#include <gtest/gtest.h>

#include <string>

#include "skin/EmbeddedSkin.h"
#include "skin/frame/FrameGeometry.h"
#include "wm/Messages.h"

namespace {

class FrameGeometryTest : public ::testing::Test {
protected:
    skin::TbsSkinData data;
    skin::TbsCompressedStoredSkin chrome;
    void SetUp() override {
        ASSERT_TRUE(skin::LoadEmbeddedChromeSkin(data, chrome, [](const std::string&) {}));
    }
};

}  // namespace

TEST_F(FrameGeometryTest, MainWindowFrameAddsTenByTwentyNineAndHasTheMinimumSize) {
    // The main window: client 742 x 534 plus the frame.
    skin::FrameGeometry g = skin::ComputeFrameGeometry(data, 752, 563);
    EXPECT_EQ(g.client, (TRect{5, 24, 747, 558}));
    EXPECT_EQ(g.client.Width(), 742);
    EXPECT_EQ(g.client.Height(), 534);
    EXPECT_EQ(g.caption, (TRect{16, 4, 747, 21}));
    EXPECT_EQ(g.rt, (TPoint{710, 30}));
    EXPECT_EQ(g.hitRB, (TPoint{744, 555}));
    EXPECT_EQ(g.maskArea, (TRect{5, 5, 747, 563}));
    EXPECT_EQ(skin::MinFrameWidth(data, 0, false), 162);
    EXPECT_EQ(skin::MinFrameHeight(data, 0, false), 29);
    // A larger MinWidth / MinHeight wins, except while minimized or rolled up.
    EXPECT_EQ(skin::MinFrameWidth(data, 300, false), 300);
    EXPECT_EQ(skin::MinFrameWidth(data, 300, true), 162);
    EXPECT_EQ(skin::MinFrameHeight(data, 100, false), 100);
    EXPECT_EQ(skin::MinFrameHeight(data, 100, true), 29);
}

TEST_F(FrameGeometryTest, MagneticSnapsAtFourPixelsAndNotAtFive) {
    const TRect area{0, 0, 800, 560};
    EXPECT_EQ(skin::SnapToWorkArea(TRect::FromSize(4, 100, 200, 150), area, 5).Left, 0);
    EXPECT_EQ(skin::SnapToWorkArea(TRect::FromSize(5, 100, 200, 150), area, 5).Left, 5);
    // Right and bottom edges keep the size.
    TRect r = skin::SnapToWorkArea(TRect::FromSize(597, 407, 200, 150), area, 5);
    EXPECT_EQ(r, (TRect{600, 410, 800, 560}));
}

TEST_F(FrameGeometryTest, HitCodesOfEdgesCaptionObjectsAndClient) {
    skin::FrameGeometry g = skin::ComputeFrameGeometry(data, 400, 300);
    skin::FrameHitQuery q;
    q.sizeable = true;
    q.borderWidth = data.FormInfo().borderwidth;
    q.captions = {TRect{35, 4, 330, 21}};
    auto hit = [&](int x, int y) {
        q.point = {x, y};
        return skin::FrameHitTest(g, q);
    };
    EXPECT_EQ(hit(1, 1), wm::HTTOPLEFT);
    EXPECT_EQ(hit(398, 298), wm::HTBOTTOMRIGHT);
    EXPECT_EQ(hit(200, 1), wm::HTTOP);
    EXPECT_EQ(hit(1, 150), wm::HTLEFT);
    EXPECT_EQ(hit(398, 150), wm::HTRIGHT);
    EXPECT_EQ(hit(200, 298), wm::HTBOTTOM);
    EXPECT_EQ(hit(100, 10), wm::HTCAPTION);
    EXPECT_EQ(hit(200, 150), wm::HTCLIENT);
    EXPECT_EQ(hit(20, 10), wm::HTOBJECT);    // a frame part that is no caption
    q.elementHovered = true;                 // a hovered button answers HTOBJECT
    EXPECT_EQ(hit(390, 10), wm::HTOBJECT);
    q.elementHovered = false;
    // A single border (the options dialog) never answers a sizing code.
    q.sizeable = false;
    for (TPoint p : {TPoint{1, 1}, TPoint{200, 1}, TPoint{1, 150}, TPoint{398, 298}})
        EXPECT_FALSE(wm::IsSizingHitCode(hit(p.X, p.Y))) << p.X << "," << p.Y;
    // Rolled up: the caption moves, everything else is an object.
    q.rolledUpOrMinimized = true;
    EXPECT_EQ(hit(100, 10), wm::HTCAPTION);
    EXPECT_EQ(hit(1, 1), wm::HTOBJECT);
}

TEST_F(FrameGeometryTest, WithAMaskOnlyPointsBesideTheShapeSize) {
    skin::FrameGeometry g = skin::ComputeFrameGeometry(data, 400, 300);
    skin::FrameHitQuery q;
    q.sizeable = true;
    q.borderWidth = 4;
    q.hasMask = true;
    // A shape with its top-left 3 x 3 cut away.
    q.opaque = [](TPoint p) { return p.X >= 0 && p.Y >= 0 && p.X < 400 && p.Y < 300 &&
                                     !(p.X < 3 && p.Y < 3); };
    q.point = {5, 2};   // its left probe falls into the cut corner
    EXPECT_EQ(skin::FrameHitTest(g, q), wm::HTTOPLEFT);
    q.point = {4, 4};   // every probe lies on the shape: no sizing here
    EXPECT_EQ(skin::FrameHitTest(g, q), wm::HTOBJECT);
    q.point = {200, 150};  // inside the mask area: never near the edge
    EXPECT_EQ(skin::FrameHitTest(g, q), wm::HTCLIENT);
}
