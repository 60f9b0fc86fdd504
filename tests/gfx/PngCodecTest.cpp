#include "gfx/PngCodec.h"

#include <gtest/gtest.h>

#include <string>

#include "gfx/ImageError.h"

namespace gfx {
namespace {

using Bytes = std::vector<uint8_t>;

void PutBig32(Bytes& b, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) b.push_back(uint8_t(v >> shift));
}

uint32_t Crc32(const uint8_t* p, size_t n) {
    uint32_t crc = 0xFFFFFFFF;
    for (size_t i = 0; i < n; ++i) {
        crc ^= p[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
    }
    return ~crc;
}

void Chunk(Bytes& png, const char* type, const Bytes& data) {
    PutBig32(png, uint32_t(data.size()));
    const size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    PutBig32(png, Crc32(png.data() + start, png.size() - start));
}

// A PNG built by hand, its image data in one stored (uncompressed) deflate block, so
// the tests can produce colour types our encoder never writes. Rows are given without
// the filter byte.
Bytes HandMadePng(int width, int height, int depth, int colorType, const std::vector<Bytes>& rows,
                  const Bytes& plte = {}, const Bytes& trns = {}) {
    Bytes raw;
    for (const Bytes& row : rows) {
        raw.push_back(0);  // filter: none
        raw.insert(raw.end(), row.begin(), row.end());
    }
    Bytes z = {0x78, 0x01, 0x01, uint8_t(raw.size()), uint8_t(raw.size() >> 8),
               uint8_t(~raw.size()), uint8_t(~raw.size() >> 8)};
    z.insert(z.end(), raw.begin(), raw.end());
    uint32_t a = 1, b = 0;
    for (uint8_t v : raw) a = (a + v) % 65521, b = (b + a) % 65521;
    PutBig32(z, b << 16 | a);

    Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Bytes ihdr;
    PutBig32(ihdr, uint32_t(width));
    PutBig32(ihdr, uint32_t(height));
    ihdr.insert(ihdr.end(), {uint8_t(depth), uint8_t(colorType), 0, 0, 0});
    Chunk(png, "IHDR", ihdr);
    if (!plte.empty()) Chunk(png, "PLTE", plte);
    if (!trns.empty()) Chunk(png, "tRNS", trns);
    Chunk(png, "IDAT", z);
    Chunk(png, "IEND", {});
    return png;
}

TEST(PngEncode, RgbEightBitRoundTripsExactly) {
    Bitmap b(7, 3);
    b.Fill(base::RGB(10, 20, 30));
    b.SetPixel(6, 0, clRed);               // top-right corner
    b.SetPixel(0, 2, base::RGB(1, 2, 3));  // bottom-left corner
    Bytes png = EncodePng(b);
    ASSERT_GT(png.size(), 26u);
    EXPECT_EQ(png[24], 8);  // IHDR bit depth
    EXPECT_EQ(png[25], 2);  // colour type RGB: no alpha, no palette
    Bitmap back = DecodePng(png);
    EXPECT_EQ(back, b);
    EXPECT_EQ(back.Pixel(6, 0), clRed);
    EXPECT_EQ(back.Pixel(0, 2), base::RGB(1, 2, 3));

    Bitmap mask(9, 2, PixelFormat::Mono1);  // masks are written as black and white colour
    mask.SetPixel(8, 1, clWhite);
    Bitmap fromMask = DecodePng(EncodePng(mask));
    EXPECT_EQ(fromMask.Format(), PixelFormat::Bgr24);
    EXPECT_EQ(fromMask.Pixel(8, 1), clWhite);
    EXPECT_EQ(fromMask.Pixel(7, 1), clBlack);
    EXPECT_THROW(EncodePng(Bitmap()), ImageError);
}

TEST(PngDecode, OtherColourTypesBecomeBgr) {
    // 2-bit palette: indexes 0 1 2 3 packed into one byte.
    Bytes plte = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0};
    Bitmap palette = DecodePng(HandMadePng(4, 1, 2, 3, {{0x1B}}, plte));
    EXPECT_EQ(palette.Pixel(0, 0), clRed);
    EXPECT_EQ(palette.Pixel(2, 0), clBlue);
    EXPECT_EQ(palette.Pixel(3, 0), clYellow);

    // 16-bit gray keeps the high byte.
    Bitmap gray = DecodePng(HandMadePng(2, 1, 16, 0, {{0x12, 0x34, 0xAB, 0xCD}}));
    EXPECT_EQ(gray.Pixel(0, 0), base::RGB(0x12, 0x12, 0x12));
    EXPECT_EQ(gray.Pixel(1, 0), base::RGB(0xAB, 0xAB, 0xAB));

    // Gray with alpha: transparent parts are laid over white.
    Bitmap alpha = DecodePng(HandMadePng(3, 1, 8, 4, {{0, 255, 0, 0, 0, 128}}));
    EXPECT_EQ(alpha.Pixel(0, 0), clBlack);  // opaque black
    EXPECT_EQ(alpha.Pixel(1, 0), clWhite);  // fully transparent
    EXPECT_NEAR(base::GetRValue(alpha.Pixel(2, 0)), 127, 2);  // half over white

    // Palette entry 1 made transparent through tRNS.
    Bitmap keyed = DecodePng(HandMadePng(2, 1, 8, 3, {{0, 1}}, {0, 0, 255, 0, 0, 0}, {255, 0}));
    EXPECT_EQ(keyed.Pixel(0, 0), clBlue);
    EXPECT_EQ(keyed.Pixel(1, 0), clWhite);
}

TEST(PngDecode, DamagedDataRaisesImageError) {
    const Bytes good = HandMadePng(2, 2, 8, 2, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
    ASSERT_EQ(DecodePng(good).Pixel(1, 1), base::RGB(10, 11, 12));  // the intact file reads

    EXPECT_THROW(DecodePng(Bytes{}), ImageError);
    EXPECT_THROW(DecodePng(Bytes{'B', 'M', 1, 2, 3, 4, 5, 6, 7, 8}), ImageError);
    for (size_t n = 8; n < good.size() - 12; n += 7)  // cut anywhere before IEND
        EXPECT_THROW(DecodePng(Bytes(good.begin(), good.begin() + long(n))), ImageError) << n;

    Bytes badCrc = good;
    badCrc[29] ^= 0xFF;  // IHDR's checksum
    EXPECT_THROW(DecodePng(badCrc), ImageError);

    // 100000 x 100000 pixels: refused before anything is allocated.
    Bytes huge = HandMadePng(100000, 100000, 8, 2, {});
    try {
        DecodePng(huge);
        ADD_FAILURE() << "huge picture accepted";
    } catch (const ImageError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Ungültiges PNG", 0), 0u) << e.what();
    }
}

}  // namespace
}  // namespace gfx
