#include <gtest/gtest.h>

#include "gfx/Bitmap.h"

using gfx::Bitmap;
using gfx::PixelFormat;

TEST(Bitmap, RowsArePaddedToFourBytes) {
    // 24-bit: width * 3 rounded up to a multiple of 4.
    EXPECT_EQ(Bitmap::StrideFor(1, PixelFormat::Bgr24), 4);
    EXPECT_EQ(Bitmap::StrideFor(2, PixelFormat::Bgr24), 8);
    EXPECT_EQ(Bitmap::StrideFor(4, PixelFormat::Bgr24), 12);
    EXPECT_EQ(Bitmap::StrideFor(5, PixelFormat::Bgr24), 16);
    // 1-bit: one bit per pixel, whole 32-bit words.
    EXPECT_EQ(Bitmap::StrideFor(1, PixelFormat::Mono1), 4);
    EXPECT_EQ(Bitmap::StrideFor(33, PixelFormat::Mono1), 8);
}

TEST(Bitmap, PixelsAreStoredBlueGreenRedTopDown) {
    Bitmap b(3, 2);
    b.SetPixel(1, 0, base::RGB(10, 20, 30));
    const uint8_t* row0 = b.Row(0);
    EXPECT_EQ(row0[3], 30);  // blue first
    EXPECT_EQ(row0[4], 20);
    EXPECT_EQ(row0[5], 10);
    EXPECT_EQ(b.Pixel(1, 0), base::RGB(10, 20, 30));
    EXPECT_EQ(b.Pixel(1, 1), clBlack);  // new pixels are black
    // Outside the bitmap: no colour, and writes are ignored.
    EXPECT_EQ(b.Pixel(3, 0), clNone);
    EXPECT_EQ(b.Pixel(-1, 0), clNone);
    b.SetPixel(3, 0, clWhite);
    b.SetPixel(0, -1, clWhite);
}

TEST(Bitmap, SystemColoursAreResolvedWhenSet) {
    Bitmap b(1, 1);
    b.SetPixel(0, 0, clBtnFace);
    EXPECT_EQ(b.Pixel(0, 0), base::ColorToRGB(clBtnFace));
    b.Fill(clInfoBk);
    EXPECT_EQ(b.Pixel(0, 0), base::RGB(255, 255, 225));
}

TEST(Bitmap, MaskMapsColoursToTheNearerOfBlackAndWhite) {
    Bitmap m(10, 1, PixelFormat::Mono1);
    m.Fill(clWhite);
    m.SetPixel(9, 0, clBlack);
    m.SetPixel(0, 0, base::RGB(100, 100, 100));  // dark grey -> black
    m.SetPixel(1, 0, base::RGB(200, 200, 200));  // light grey -> white
    EXPECT_EQ(m.Pixel(0, 0), clBlack);
    EXPECT_EQ(m.Pixel(1, 0), clWhite);
    EXPECT_EQ(m.Pixel(8, 0), clWhite);
    EXPECT_TRUE(m.IsBlack(9, 0));
    EXPECT_EQ(m.Row(0)[1] & 0x40, 0);  // pixel 9 is the second bit of byte 1, cleared
}

TEST(Bitmap, ResizeKeepsTheCommonArea) {
    Bitmap b(2, 2);
    b.Fill(clRed);
    b.SetSize(3, 1);
    EXPECT_EQ(b.Pixel(0, 0), clRed);
    EXPECT_EQ(b.Pixel(1, 0), clRed);
    EXPECT_EQ(b.Pixel(2, 0), clBlack);
    b.SetSize(-5, 4);
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_THROW(b.SetSize(1 << 16, 1 << 16), std::length_error);

    Bitmap m(5, 1, PixelFormat::Mono1);
    m.Fill(clWhite);
    m.SetSize(9, 1);  // the new pixels 5..8 are black, also those in the first byte
    EXPECT_EQ(m.Pixel(4, 0), clWhite);
    EXPECT_EQ(m.Pixel(5, 0), clBlack);
    EXPECT_EQ(m.Pixel(8, 0), clBlack);
}

TEST(Bitmap, WindowSizedPicturesStartBlackAndSurviveResizeCopyAndRelease) {
    // Pictures of a window's size live in memory of their own (whole huge pages): they
    // must behave like small ones, start cleared even when memory is reused, and copy
    // and compare by their pixels.
    for (int round = 0; round < 2; ++round) {
        Bitmap big(800, 600);
        ASSERT_GE(size_t(big.Stride()) * big.Height(), gfx::kHugePixelBlock);
        EXPECT_EQ(big.Pixel(0, 0), clBlack);
        EXPECT_EQ(big.Pixel(799, 599), clBlack);
        big.Fill(clBlue);
        big.SetPixel(799, 599, clRed);
        Bitmap copy = big;
        EXPECT_TRUE(copy == big);
        big.SetSize(1200, 700);  // grows across another huge page
        EXPECT_EQ(big.Pixel(799, 599), clRed);
        EXPECT_EQ(big.Pixel(800, 599), clBlack);
        EXPECT_EQ(big.Pixel(1199, 699), clBlack);
        big.SetSize(10, 10);  // back to the heap
        EXPECT_EQ(big.Pixel(9, 9), clBlue);
        EXPECT_EQ(copy.Pixel(799, 599), clRed);
    }
}

TEST(Bitmap, FormatConversionKeepsBlackAndWhite) {
    Bitmap b(2, 1);
    b.SetPixel(0, 0, clWhite);
    b.SetFormat(PixelFormat::Mono1);
    EXPECT_EQ(b.Pixel(0, 0), clWhite);
    EXPECT_EQ(b.Pixel(1, 0), clBlack);
    b.SetFormat(PixelFormat::Bgr24);
    EXPECT_EQ(b.Pixel(0, 0), clWhite);
}

TEST(Bitmap, StretchCopyUsesNearestNeighbourAndClips) {
    Bitmap src(2, 1);
    src.SetPixel(0, 0, clRed);
    src.SetPixel(1, 0, clBlue);
    Bitmap dst(6, 2);
    gfx::StretchCopy(dst, {0, 0, 4, 2}, src, src.Bounds());
    EXPECT_EQ(dst.Pixel(0, 0), clRed);
    EXPECT_EQ(dst.Pixel(1, 1), clRed);
    EXPECT_EQ(dst.Pixel(2, 0), clBlue);
    EXPECT_EQ(dst.Pixel(3, 1), clBlue);
    EXPECT_EQ(dst.Pixel(4, 0), clBlack);  // right of the destination rectangle
    // Partly outside the destination: the visible part lands, nothing else is touched.
    gfx::Copy(dst, 5, 1, src);
    EXPECT_EQ(dst.Pixel(5, 1), clRed);
    // A source rectangle reaching outside the source leaves those pixels alone.
    Bitmap dst2(3, 1);
    gfx::StretchCopy(dst2, {0, 0, 3, 1}, src, {0, 0, 3, 1});
    EXPECT_EQ(dst2.Pixel(1, 0), clBlue);
    EXPECT_EQ(dst2.Pixel(2, 0), clBlack);
}

TEST(Bitmap, TransparentCopyLeavesTheKeyColourOut) {
    Bitmap src(3, 1);
    src.SetPixel(0, 0, clFuchsia);
    src.SetPixel(1, 0, clRed);
    src.SetPixel(2, 0, clFuchsia);
    Bitmap dst(3, 1);
    dst.Fill(clWhite);
    gfx::CopyTransparent(dst, 0, 0, src, src.Bounds(), clFuchsia);
    EXPECT_EQ(dst.Pixel(0, 0), clWhite);
    EXPECT_EQ(dst.Pixel(1, 0), clRed);
    EXPECT_EQ(dst.Pixel(2, 0), clWhite);
}
