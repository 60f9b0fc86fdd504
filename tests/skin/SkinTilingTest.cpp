#include <gtest/gtest.h>

#include "skin/FrameBorders.h"
#include "skin/SkinRegions.h"
#include "skin/SkinTiling.h"

using namespace skin;

namespace {

// A picture whose pixel at column x has red = x and green = y, so every destination
// pixel tells where it came from.
gfx::Bitmap Coordinates(int w, int h) {
    gfx::Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, base::RGB(x, y, 200));
    return b;
}

int SourceColumn(const gfx::Bitmap& image, int x, int y = 0) { return base::GetRValue(image.Pixel(x, y)); }
int SourceRow(const gfx::Bitmap& image, int x, int y) { return base::GetGValue(image.Pixel(x, y)); }

}  // namespace

TEST(SkinTiling, TileHorzImageCutsTheMiddleByTheTilingRule) {
    // 35 columns, a = 10, b = 11: middle 14; to 50 columns.
    gfx::Bitmap picture = Coordinates(40, 3);
    gfx::Bitmap image;
    TileHorzImage(image, picture, {5, 0, 40, 3}, 10, 11, 50);
    ASSERT_EQ(image.Width(), 50);
    ASSERT_EQ(image.Height(), 3);
    for (int x = 0; x < 10; ++x) EXPECT_EQ(SourceColumn(image, x), 5 + x);          // left part
    for (int x = 10; x < 24; ++x) EXPECT_EQ(SourceColumn(image, x), 15 + x - 10);   // tile 1
    for (int x = 24; x < 38; ++x) EXPECT_EQ(SourceColumn(image, x), 15 + x - 24);   // tile 2
    EXPECT_EQ(SourceColumn(image, 38), 15);  // tile 3, shortened to its first column
    for (int x = 39; x < 50; ++x) EXPECT_EQ(SourceColumn(image, x), 29 + x - 39);   // right part
}

TEST(SkinTiling, NarrowTargetCopiesBothEndsOverlapping) {
    gfx::Bitmap picture = Coordinates(35, 1);
    gfx::Bitmap image;
    TileHorzImage(image, picture, {0, 0, 35, 1}, 10, 11, 15);
    ASSERT_EQ(image.Width(), 15);
    EXPECT_EQ(SourceColumn(image, 0), 0);
    EXPECT_EQ(SourceColumn(image, 3), 3);   // left part, not yet covered
    EXPECT_EQ(SourceColumn(image, 4), 24);  // right part starts at 15 - 11
    EXPECT_EQ(SourceColumn(image, 14), 34);
}

TEST(SkinTiling, SpanThatIsAMultipleOfTheTileHasNoGapAndNoOverflow) {
    std::vector<std::pair<int, int>> copies;
    ForEachTile(10, 38, 14, [&](int at, int length) { copies.emplace_back(at, length); });
    ASSERT_EQ(copies.size(), 2u);  // the final copy of length 0 copies nothing
    EXPECT_EQ(copies[0], std::make_pair(10, 14));
    EXPECT_EQ(copies[1], std::make_pair(24, 14));
    copies.clear();
    ForEachTile(0, 10, 0, [&](int at, int length) { copies.emplace_back(at, length); });
    EXPECT_TRUE(copies.empty());

    gfx::Bitmap image;
    TileVertImage(image, Coordinates(1, 20), {0, 0, 1, 20}, 2, 3, 2 + 15 * 2 + 3);
    EXPECT_EQ(SourceRow(image, 0, 2), 2);
    EXPECT_EQ(SourceRow(image, 0, 17), 2);  // second tile starts again
    EXPECT_EQ(SourceRow(image, 0, 31), 16);
    EXPECT_EQ(SourceRow(image, 0, 32), 17);  // bottom part
}

TEST(SkinTiling, TileFrameImagePlacesCornersEdgesAndCentre) {
    // A 20 x 20 control picture at (10, 5), corner points at 6 and 14, client 4..16.
    gfx::Bitmap picture = Coordinates(40, 30);
    TbsFrameGeometry src{{6, 6}, {14, 6}, {6, 14}, {14, 14}, {4, 4, 16, 16}};
    TbsFrameGeometry dst{{6, 6}, {34, 6}, {6, 24}, {34, 24}, {4, 4, 36, 26}};
    gfx::Bitmap image;
    TileFrameImage(image, picture, {10, 5, 30, 25}, src, 40, 30, dst, true);
    ASSERT_EQ(image.Width(), 40);
    EXPECT_EQ(SourceColumn(image, 0, 0), 10);             // top-left corner
    EXPECT_EQ(SourceColumn(image, 39, 0), 29);            // top-right corner
    EXPECT_EQ(SourceColumn(image, 6, 0), 16);             // top edge starts at lt.x
    EXPECT_EQ(SourceColumn(image, 14, 0), 16);            // and repeats every 8 columns
    EXPECT_EQ(SourceRow(image, 39, 29), 24);              // bottom-right corner
    EXPECT_EQ(SourceColumn(image, 4, 4), 14);             // centre tile
    EXPECT_EQ(SourceColumn(image, 16, 4), 14);            // next centre tile (12 wide)
    EXPECT_EQ(SourceRow(image, 0, 10), 5 + 10);           // left edge row 10 from lt.y 6 + 4

    gfx::Bitmap noCentre;
    TileFrameImage(noCentre, picture, {10, 5, 30, 25}, src, 40, 30, dst, false);
    EXPECT_EQ(noCentre.Pixel(20, 15), clBlack);
    // Corner points that coincide give the sized but undrawn image.
    TbsFrameGeometry flat = src;
    flat.rb = flat.lt;
    TileFrameImage(noCentre, picture, {10, 5, 30, 25}, flat, 12, 9, dst, true);
    EXPECT_EQ(noCentre.Width(), 12);
    EXPECT_EQ(noCentre.Pixel(0, 0), clBlack);
}

TEST(SkinTiling, FrameBordersStretchOrTileTheMiddle) {
    // A 30 x 20 frame: client 3,8,27,17; corners lt 10,9 rt 20,9 lb 10,16 rb 20,16.
    gfx::Bitmap picture = Coordinates(30, 20);
    TbsFrameGeometry src{{10, 9}, {20, 9}, {10, 16}, {20, 16}, {3, 8, 27, 17}};
    TbsFrameGeometry dst{{10, 9}, {50, 9}, {10, 46}, {50, 46}, {3, 8, 57, 47}};
    TbsFrameBorderImages tiled = BuildFrameBorders(picture, src, {}, 60, 50, dst);
    ASSERT_EQ(tiled.top.Width(), 60);
    ASSERT_EQ(tiled.top.Height(), 8);
    EXPECT_EQ(SourceColumn(tiled.top, 0), 0);    // left piece over the tiles
    EXPECT_EQ(SourceColumn(tiled.top, 10), 10);  // tiles run from column 0: 10 mod 10 + 10
    EXPECT_EQ(SourceColumn(tiled.top, 45), 15);
    EXPECT_EQ(SourceColumn(tiled.top, 50), 20);  // right piece
    EXPECT_EQ(SourceColumn(tiled.top, 59), 29);
    ASSERT_EQ(tiled.left.Width(), 3);
    ASSERT_EQ(tiled.left.Height(), 50 - 8 - 3);
    EXPECT_EQ(SourceRow(tiled.left, 0, 0), 8);    // upper piece
    EXPECT_EQ(SourceRow(tiled.left, 0, 38), 16);  // lower piece, its last row

    TbsFrameStretch all{true, true, true, true};
    TbsFrameBorderImages stretched = BuildFrameBorders(picture, src, all, 60, 50, dst);
    EXPECT_EQ(SourceColumn(stretched.top, 10), 10);
    EXPECT_EQ(SourceColumn(stretched.top, 49), 19);  // 40 columns from 10 sources
    EXPECT_EQ(SourceRow(stretched.right, 0, 37), 15);

    TbsFrameBorderImages forMask = BuildFrameBordersTiled(picture, src, 60, 50, dst);
    EXPECT_EQ(SourceColumn(forMask.top, 10), 10);  // tiles start at the new left corner
    EXPECT_EQ(SourceColumn(forMask.top, 20), 10);
}

TEST(SkinRegions, MaskToRegionFromBlackRuns) {
    gfx::Bitmap white(162, 140);
    white.Fill(clWhite);
    EXPECT_TRUE(MaskToRects(white, 0, 0).empty());
    EXPECT_TRUE(MaskToRegion(white, 0, 0).IsEmpty());

    gfx::Bitmap black(162, 140, gfx::PixelFormat::Mono1);
    black.Fill(clBlack);
    std::vector<TRect> rects = MaskToRects(black, 5, 7);
    ASSERT_EQ(rects.size(), 140u);
    for (int y = 0; y < 140; ++y) EXPECT_EQ(rects[size_t(y)], TRect(5, 7 + y, 167, 8 + y));
    gfx::Region all = MaskToRegion(black, 5, 7);
    EXPECT_EQ(all.Bounds(), TRect(5, 7, 167, 147));
    // Pixman merges equal rows into one band; point tests show the cover.
    EXPECT_TRUE(all.Contains(5, 7));
    EXPECT_TRUE(all.Contains(166, 146));
    EXPECT_FALSE(all.Contains(167, 146));

    // Two runs in one row, the gap stays out.
    gfx::Bitmap runs(10, 1);
    runs.Fill(clWhite);
    for (int x : {1, 2, 3, 7, 8}) runs.SetPixel(x, 0, clBlack);
    gfx::Region r = MaskToRegion(runs, 0, 0);
    EXPECT_TRUE(r.Contains(1, 0));
    EXPECT_FALSE(r.Contains(4, 0));
    EXPECT_TRUE(r.Contains(8, 0));
    EXPECT_FALSE(r.Contains(9, 0));
}

TEST(SkinRegions, MasksWithMoreThanOneBlockOfRunsKeepEveryPixel) {
    // A checkerboard of 200 x 120 has 12,000 runs.
    gfx::Bitmap board(200, 120);
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 200; ++x) board.SetPixel(x, y, (x + y) % 2 ? clWhite : clBlack);
    ASSERT_EQ(MaskToRects(board, 0, 0).size(), 12000u);
    gfx::Region r = MaskToRegion(board, 0, 0);
    EXPECT_TRUE(r.Contains(198, 118));
    EXPECT_FALSE(r.Contains(199, 118));
    EXPECT_TRUE(r.Contains(199, 119));
}

TEST(SkinRegions, TileFrameRegion) {
    // A 20 x 20 mask, black except its top-left pixel (a cut corner).
    gfx::Bitmap mask(20, 20);
    mask.Fill(clBlack);
    mask.SetPixel(0, 0, clWhite);
    TbsFrameGeometry src{{5, 5}, {15, 5}, {5, 15}, {15, 15}, {4, 4, 16, 16}};
    TbsFrameGeometry dst{{5, 5}, {35, 5}, {5, 25}, {35, 25}, {4, 4, 36, 26}};
    auto region = TileFrameRegion(mask, src, 40, 30, dst);
    ASSERT_TRUE(region.has_value());
    EXPECT_FALSE(region->Contains(0, 0));
    EXPECT_TRUE(region->Contains(1, 0));
    EXPECT_TRUE(region->Contains(39, 29));
    EXPECT_TRUE(region->Contains(20, 15));  // the client rectangle

    TbsFrameGeometry emptyClient = dst;
    emptyClient.client = {4, 4, 4, 4};
    auto borders = TileFrameRegion(mask, src, 40, 30, emptyClient);
    ASSERT_TRUE(borders.has_value());
    EXPECT_TRUE(borders->Contains(1, 0));  // the borders still count

    TbsFrameGeometry crossed = dst;
    crossed.rt.X = 2;
    EXPECT_FALSE(TileFrameRegion(mask, src, 40, 30, crossed).has_value());
}
