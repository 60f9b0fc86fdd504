#include "gfx/BmpCodec.h"

#include <gtest/gtest.h>

#include <string>

#include "gfx/ImageError.h"

namespace gfx {
namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, size_t at, uint32_t v) {
    b[at] = uint8_t(v), b[at + 1] = uint8_t(v >> 8);
}
void Put32(Bytes& b, size_t at, uint32_t v) {
    Put16(b, at, v & 0xFFFF), Put16(b, at + 2, v >> 16);
}

// A file in the classic layout, built by hand: rows are given in file order (bottom-up
// for a positive height) without padding.
struct FileSpec {
    int width = 0;
    int height = 0;
    int bits = 24;
    std::vector<TColor> palette;
    uint32_t colorsUsed = 0;  // the biClrUsed field as written
    std::vector<Bytes> rows;
};

Bytes Build(const FileSpec& s) {
    const size_t stride = (size_t(s.width) * s.bits + 31) / 32 * 4;
    const size_t offBits = 54 + s.palette.size() * 4;
    Bytes b(offBits + stride * s.rows.size(), 0);
    b[0] = 'B', b[1] = 'M';
    Put32(b, 2, uint32_t(b.size()));
    Put32(b, 10, uint32_t(offBits));
    Put32(b, 14, 40);
    Put32(b, 18, uint32_t(s.width));
    Put32(b, 22, uint32_t(s.height));
    Put16(b, 26, 1);
    Put16(b, 28, uint32_t(s.bits));
    Put32(b, 34, uint32_t(stride * s.rows.size()));
    Put32(b, 46, s.colorsUsed);
    for (size_t i = 0; i < s.palette.size(); ++i) {
        b[54 + i * 4] = uint8_t(base::GetBValue(s.palette[i]));
        b[55 + i * 4] = uint8_t(base::GetGValue(s.palette[i]));
        b[56 + i * 4] = uint8_t(base::GetRValue(s.palette[i]));
    }
    for (size_t r = 0; r < s.rows.size(); ++r)
        std::copy(s.rows[r].begin(), s.rows[r].end(), b.begin() + long(offBits + r * stride));
    return b;
}

// 8 bits, 3 x 2, a three-entry table whose last entry repeats the first.
FileSpec EightBitSpec() {
    FileSpec s;
    s.width = 3, s.height = 2, s.bits = 8;
    s.palette = {clRed, clLime, clRed};
    s.colorsUsed = 3;
    s.rows = {{0, 1, 2}, {1, 1, 0}};  // bottom row first
    return s;
}

void ExpectInvalid(const Bytes& file, const std::string& why) {
    try {
        DecodeBmp(file);
        ADD_FAILURE() << "accepted: " << why;
    } catch (const ImageError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Ungültiges Bitmap", 0), 0u) << e.what();
    }
}

TEST(BmpDecode, PaletteDepthsReadBottomUpAndRoundTripByteForByte) {
    FileSpec mono;  // 10 x 2: a row needs two bytes, MSB is the leftmost pixel
    mono.width = 10, mono.height = 2, mono.bits = 1;
    mono.palette = {clBlack, clWhite};
    mono.rows = {{0x80, 0x40}, {0x00, 0x00}};
    Bytes monoFile = Build(mono);
    BmpPicture monoPic = DecodeBmp(monoFile);
    EXPECT_EQ(monoPic.bitsPerPixel, 1);
    EXPECT_EQ(monoPic.pixels.Format(), PixelFormat::Bgr24);
    EXPECT_EQ(monoPic.pixels.Pixel(0, 1), clWhite);  // first stored row is the bottom one
    EXPECT_EQ(monoPic.pixels.Pixel(9, 1), clWhite);  // bit 6 of the second byte
    EXPECT_EQ(monoPic.pixels.Pixel(8, 1), clBlack);
    EXPECT_EQ(monoPic.pixels.Pixel(0, 0), clBlack);
    EXPECT_EQ(EncodeBmp(monoPic), monoFile);

    FileSpec nibble;  // 3 x 1: high nibble first, the last byte half used
    nibble.width = 3, nibble.height = 1, nibble.bits = 4;
    nibble.palette = {clBlack, clNavy, clOlive, clTeal};
    nibble.colorsUsed = 4;
    nibble.rows = {{0x12, 0x30}};
    Bytes nibbleFile = Build(nibble);
    BmpPicture nibblePic = DecodeBmp(nibbleFile);
    EXPECT_EQ(nibblePic.pixels.Pixel(0, 0), clNavy);
    EXPECT_EQ(nibblePic.pixels.Pixel(1, 0), clOlive);
    EXPECT_EQ(nibblePic.pixels.Pixel(2, 0), clTeal);
    EXPECT_EQ(EncodeBmp(nibblePic), nibbleFile);

    // Index 2 repeats index 0's colour: the recorded indexes keep the file exact.
    Bytes eightFile = Build(EightBitSpec());
    BmpPicture eightPic = DecodeBmp(eightFile);
    EXPECT_EQ(eightPic.palette.size(), 3u);
    EXPECT_EQ(eightPic.pixels.Pixel(2, 1), clRed);
    EXPECT_EQ(eightPic.pixels.Pixel(0, 0), clLime);
    EXPECT_EQ(EncodeBmp(eightPic), eightFile);
}

TEST(BmpDecode, TwentyFourBitRowsAreBlueGreenRedWithPadding) {
    FileSpec s;
    s.width = 3, s.height = 2;
    s.rows = {{1, 2, 3, 4, 5, 6, 7, 8, 9}, {10, 11, 12, 13, 14, 15, 16, 17, 18}};
    Bytes file = Build(s);
    BmpPicture pic = DecodeBmp(file);
    EXPECT_EQ(pic.bitsPerPixel, 24);
    EXPECT_EQ(pic.pixels.Pixel(0, 1), base::RGB(3, 2, 1));     // bottom-left: first bytes
    EXPECT_EQ(pic.pixels.Pixel(2, 0), base::RGB(18, 17, 16));  // top-right: last pixel
    EXPECT_EQ(EncodeBmp(pic), file);
}

TEST(BmpDecode, NegativeHeightStoresRowsTopDown) {
    FileSpec s = EightBitSpec();
    Bytes file = Build(s);
    Put32(file, 22, uint32_t(-2));
    Bitmap b = ReadBmp(file);
    EXPECT_EQ(b.Height(), 2);
    EXPECT_EQ(b.Pixel(2, 0), clRed);   // first stored row {0, 1, 2} is now the top
    EXPECT_EQ(b.Pixel(0, 1), clLime);  // second stored row {1, 1, 0} the bottom
}

TEST(BmpDecode, CoreHeaderHasThreeBytePaletteEntries) {
    // 12-byte header, 1 bit, 2 entries of 3 bytes, one row of 2 pixels.
    Bytes b(14 + 12 + 6 + 4, 0);
    b[0] = 'B', b[1] = 'M';
    Put32(b, 2, uint32_t(b.size()));
    Put32(b, 10, 32);
    Put32(b, 14, 12);
    Put16(b, 18, 2), Put16(b, 20, 1), Put16(b, 22, 1), Put16(b, 24, 1);
    b[26] = 0xFF;         // entry 0: blue
    b[31] = 0xFF;         // entry 1: red
    b[32] = 0x40;         // pixels 0, 1
    BmpPicture pic = DecodeBmp(b);
    EXPECT_EQ(pic.pixels.Pixel(0, 0), clBlue);
    EXPECT_EQ(pic.pixels.Pixel(1, 0), clRed);
    // Written back in the classic layout, which reads to the same pixels.
    EXPECT_EQ(ReadBmp(EncodeBmp(pic)), pic.pixels);
}

TEST(BmpDecode, SixteenAndThirtyTwoBitsBecomeTwentyFour) {
    FileSpec s;
    s.width = 2, s.height = 1, s.bits = 16;
    s.rows = {{0x00, 0x7C, 0x1F, 0x00}};  // 5-5-5: pure red, pure blue
    BmpPicture pic = DecodeBmp(Build(s));
    EXPECT_EQ(pic.bitsPerPixel, 24);
    EXPECT_EQ(pic.pixels.Pixel(0, 0), clRed);
    EXPECT_EQ(pic.pixels.Pixel(1, 0), clBlue);

    s.bits = 32;
    s.rows = {{0x10, 0x20, 0x30, 0xFF, 0, 0, 0, 0}};  // blue, green, red, unused
    EXPECT_EQ(ReadBmp(Build(s)).Pixel(0, 0), base::RGB(0x30, 0x20, 0x10));

    // Bit fields after a 40-byte header: 5-6-5, all green bits set.
    s.bits = 16;
    s.rows = {{0xE0, 0x07, 0, 0}};
    Bytes b = Build(s);
    b.insert(b.begin() + 54, 12, 0);
    Put32(b, 2, uint32_t(b.size()));
    Put32(b, 10, 66);
    Put32(b, 30, 3);
    Put32(b, 54, 0xF800), Put32(b, 58, 0x07E0), Put32(b, 62, 0x001F);
    EXPECT_EQ(ReadBmp(b).Pixel(0, 0), clLime);
}

TEST(BmpDecode, ConsumesExactlyBfSizeFromAStream) {
    Bytes first = Build(EightBitSpec());
    FileSpec second;
    second.width = 1, second.height = 1;
    second.rows = {{0, 0, 0xFF}};
    Bytes stream = first;
    Bytes secondFile = Build(second);
    stream.insert(stream.end(), secondFile.begin(), secondFile.end());

    size_t used = 0;
    EXPECT_EQ(ReadBmp(stream, &used).Pixel(0, 0), clLime);
    EXPECT_EQ(used, first.size());
    Bitmap next = ReadBmp(std::span(stream).subspan(used), &used);
    EXPECT_EQ(next.Pixel(0, 0), clRed);
    EXPECT_EQ(used, secondFile.size());
}

TEST(BmpDecode, ZeroSizedPictureIsEmpty) {
    FileSpec s;
    s.width = 0, s.height = 0, s.bits = 8;
    s.palette = {clBlack};
    s.colorsUsed = 1;
    size_t used = 0;
    Bytes file = Build(s);
    EXPECT_TRUE(ReadBmp(file, &used).IsEmpty());
    EXPECT_EQ(used, file.size());

    // Found by fuzzing: width 0 with 2^28 rows walked every empty row when reading and
    // writing. Such a picture is now 0 x 0 on both sides.
    Put32(file, 22, 1u << 28);
    Bitmap tall = ReadBmp(file);
    EXPECT_EQ(tall.Width(), 0);
    EXPECT_EQ(tall.Height(), 0);
    EXPECT_EQ(WriteBmp(tall, 8).size(), 54u + 4);  // one table entry, no rows
}

TEST(BmpDecode, DamagedFilesRaiseInvalidBitmap) {
    const Bytes good = Build(EightBitSpec());
    // Every truncation: bfSize then claims more than there is (or the header is cut).
    for (size_t n = 0; n < good.size(); ++n) {
        Bytes cut(good.begin(), good.begin() + long(n));
        ExpectInvalid(cut, "cut");
        if (n >= 6) Put32(cut, 2, uint32_t(n));  // and with bfSize saying so
        ExpectInvalid(cut, "cut, bfSize adjusted");
    }

    auto with = [&](size_t at, uint32_t value, bool wide = true) {
        Bytes b = good;
        if (wide) Put32(b, at, value);
        else Put16(b, at, value);
        return b;
    };
    ExpectInvalid(with(0, 'B' | 'A' << 8, false), "magic");
    ExpectInvalid(with(2, uint32_t(good.size() - 1)), "bfSize short of the pixels");
    ExpectInvalid(with(10, 60), "bfOffBits inside the table");
    ExpectInvalid(with(10, uint32_t(good.size() - 4)), "bfOffBits leaves no room for the rows");
    ExpectInvalid(with(10, 0xFFFFFFF0), "bfOffBits far beyond");
    ExpectInvalid(with(14, 20), "unknown header size");
    ExpectInvalid(with(14, 0xFFFFFFFF), "absurd header size");
    ExpectInvalid(with(18, uint32_t(-3)), "negative width");
    ExpectInvalid(with(22, 0x80000000), "most negative height");
    ExpectInvalid(with(26, 2, false), "two planes");
    ExpectInvalid(with(28, 7, false), "7 bits");
    ExpectInvalid(with(30, 1), "RLE8");
    ExpectInvalid(with(30, 3), "bit fields at 8 bits");
    ExpectInvalid(with(46, 257), "table larger than 8 bits address");
    ExpectInvalid(with(46, 0xFFFFFFFF), "absurd biClrUsed");
    ExpectInvalid(with(46, 2), "index 2 beyond a two-entry table");
    // Sizes: too large for a bitmap at all, or more rows than the data holds.
    Bytes huge = with(18, 100000);
    Put32(huge, 22, 100000);
    ExpectInvalid(huge, "beyond kMaxPixels");
    ExpectInvalid(with(22, 4000), "more rows than data");
}

TEST(BmpEncode, ClassicLayoutAndFirstAppearancePalette) {
    Bitmap b(5, 2);
    b.Fill(clNavy);
    b.SetPixel(3, 0, clYellow);
    b.SetPixel(0, 1, clRed);
    Bytes file = WriteBmp(b, 4);
    EXPECT_EQ(file.size(), 54u + 3 * 4 + 2 * 4);  // 3 entries, rows of 3 bytes padded to 4
    EXPECT_EQ(file[2] | file[3] << 8, int(file.size()));
    EXPECT_EQ(file[10], 54 + 12);  // bfOffBits right after the table
    EXPECT_EQ(file[14], 40);
    EXPECT_EQ(file[46], 3);        // biClrUsed: the colours present
    // Table order = first appearance, rows top-down: navy, yellow, red.
    EXPECT_EQ(file[54], 0x80);                    // navy's blue
    EXPECT_EQ(file[58 + 1], 0xFF);                // yellow's green
    EXPECT_EQ(file[62 + 2], 0xFF);                // red's red
    EXPECT_EQ(file[66], 0x20);                    // bottom row stored first: red, navy
    EXPECT_EQ(file[70 + 1], 0x01);                // top row: pixel 3 is yellow (index 1)
}

TEST(BmpEncode, PixelsRoundTripAtEveryDepth) {
    Bitmap b(13, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 13; ++x) b.SetPixel(x, y, (x + y) % 2 ? clWhite : clBlack);
    for (int bits : {1, 4, 8, 24}) EXPECT_EQ(ReadBmp(WriteBmp(b, bits)), b) << bits << " bits";

    Bitmap colours(16, 16);  // 256 colours: a full 8-bit table
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) colours.SetPixel(x, y, base::RGB(x * 16, y * 16, 7));
    EXPECT_EQ(ReadBmp(WriteBmp(colours, 8)), colours);
    colours.SetSize(17, 16);  // the new column's black makes 257
    EXPECT_THROW(WriteBmp(colours, 8), ImageError);
}

TEST(BmpEncode, RefusesWhatTheDepthCannotHold) {
    Bitmap three(3, 1);
    three.SetPixel(1, 0, clRed), three.SetPixel(2, 0, clBlue);
    EXPECT_THROW(WriteBmp(three, 1), ImageError);
    EXPECT_THROW(WriteBmp(three, 16), ImageError);

    BmpPicture pic = DecodeBmp(Build(EightBitSpec()));
    pic.pixels.SetPixel(0, 0, clBlue);  // not in the table
    EXPECT_THROW(EncodeBmp(pic), ImageError);
}

TEST(BmpEncode, MonoBitmapWritesBlackAndWhite) {
    Bitmap mask(9, 1, PixelFormat::Mono1);
    mask.SetPixel(8, 0, clWhite);
    Bitmap back = ReadBmp(WriteBmp(mask, 1));
    EXPECT_EQ(back.Pixel(0, 0), clBlack);
    EXPECT_EQ(back.Pixel(8, 0), clWhite);  // last pixel, in the row's second byte
}

}  // namespace
}  // namespace gfx
