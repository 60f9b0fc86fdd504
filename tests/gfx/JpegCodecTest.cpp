#include "gfx/JpegCodec.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "gfx/ImageError.h"
#include "gfx/ImageFile.h"

namespace gfx {
namespace {

using Bytes = std::vector<uint8_t>;

// The marker segments before the first scan: (marker, payload) pairs.
std::vector<std::pair<int, Bytes>> HeaderSegments(const Bytes& jpeg) {
    std::vector<std::pair<int, Bytes>> segments;
    size_t at = 2;  // after SOI
    while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF) {
        const int marker = jpeg[at + 1];
        const size_t length = size_t(jpeg[at + 2]) << 8 | jpeg[at + 3];
        segments.emplace_back(marker, Bytes(jpeg.begin() + long(at + 4), jpeg.begin() + long(at + 2 + length)));
        if (marker == 0xDA) break;  // start of scan: entropy-coded data follows
        at += 2 + length;
    }
    return segments;
}

// Every 8-bit quantization value of every DQT table.
std::vector<int> QuantizationValues(const Bytes& jpeg) {
    std::vector<int> values;
    for (const auto& [marker, payload] : HeaderSegments(jpeg)) {
        if (marker != 0xDB) continue;
        for (size_t t = 0; t + 65 <= payload.size(); t += 65) {
            EXPECT_EQ(payload[t] >> 4, 0) << "8-bit table";
            values.insert(values.end(), payload.begin() + long(t + 1), payload.begin() + long(t + 65));
        }
    }
    return values;
}

// Four flat 16 x 16 quarters, so that chroma subsampling has no edges inside a block.
Bitmap Quarters() {
    Bitmap b(32, 32);
    b.Fill(clRed);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (x >= 16 && y < 16) b.SetPixel(x, y, clWhite);
            if (x < 16 && y >= 16) b.SetPixel(x, y, base::RGB(30, 90, 200));
            if (x >= 16 && y >= 16) b.SetPixel(x, y, clBlack);
        }
    return b;
}

void ExpectNear(TColor actual, TColor expected, int tolerance) {
    EXPECT_NEAR(base::GetRValue(actual), base::GetRValue(expected), tolerance);
    EXPECT_NEAR(base::GetGValue(actual), base::GetGValue(expected), tolerance);
    EXPECT_NEAR(base::GetBValue(actual), base::GetBValue(expected), tolerance);
}

TEST(JpegEncode, BaselineWithAllOnesQuantizationAtQuality100) {
    Bytes jpeg = EncodeJpeg(Quarters());
    ASSERT_GE(jpeg.size(), 4u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
    bool baseline = false, progressive = false;
    for (const auto& [marker, payload] : HeaderSegments(jpeg)) {
        baseline |= marker == 0xC0;
        progressive |= marker == 0xC2;
    }
    EXPECT_TRUE(baseline);
    EXPECT_FALSE(progressive);
    std::vector<int> q = QuantizationValues(jpeg);
    EXPECT_EQ(q.size(), 128u);  // luminance and chrominance tables
    for (int v : q) EXPECT_EQ(v, 1);

    // The quality reaches the tables: at 50 they are no longer all ones.
    std::vector<int> q50 = QuantizationValues(EncodeJpeg(Quarters(), 50));
    EXPECT_GT(*std::max_element(q50.begin(), q50.end()), 1);
}

TEST(JpegEncode, DecodedPixelsStayCloseToTheInput) {
    Bitmap decoded = DecodeJpeg(EncodeJpeg(Quarters()));
    ASSERT_EQ(decoded.Width(), 32);
    ASSERT_EQ(decoded.Height(), 32);
    // Centres and corners of the four flat quarters.
    ExpectNear(decoded.Pixel(8, 8), clRed, 4);
    ExpectNear(decoded.Pixel(0, 0), clRed, 4);
    ExpectNear(decoded.Pixel(24, 8), clWhite, 4);
    ExpectNear(decoded.Pixel(8, 24), base::RGB(30, 90, 200), 4);
    ExpectNear(decoded.Pixel(31, 31), clBlack, 4);

    Bitmap mask(16, 8, PixelFormat::Mono1);  // mono pictures are written as colour
    mask.Fill(clWhite);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) mask.SetPixel(x, y, clBlack);
    Bitmap fromMask = DecodeJpeg(EncodeJpeg(mask));
    ExpectNear(fromMask.Pixel(3, 3), clBlack, 4);
    ExpectNear(fromMask.Pixel(12, 3), clWhite, 4);
}

TEST(JpegDecode, GrayscaleAndCmykBecomeColour) {
    Bitmap gray = LoadJpeg(VELMORA_TEST_DATA "/gray_16x8.jpg");
    ASSERT_EQ(gray.Width(), 16);
    ExpectNear(gray.Pixel(3, 4), base::RGB(40, 40, 40), 3);     // left half: level 40
    ExpectNear(gray.Pixel(12, 4), base::RGB(200, 200, 200), 3);  // right half: level 200

    Bitmap cmyk = LoadJpeg(VELMORA_TEST_DATA "/cmyk_16x8.jpg");
    ExpectNear(cmyk.Pixel(3, 4), clRed, 6);    // magenta + yellow
    ExpectNear(cmyk.Pixel(12, 4), clBlue, 6);  // cyan + magenta
}

TEST(JpegDecode, DamagedDataRaisesImageError) {
    const Bytes good = EncodeJpeg(Quarters());
    EXPECT_THROW(DecodeJpeg(Bytes{}), ImageError);
    EXPECT_THROW(DecodeJpeg(Bytes{'B', 'M', 0, 0}), ImageError);
    for (size_t n : {size_t(2), size_t(20), size_t(100)})  // cut inside the headers
        EXPECT_THROW(DecodeJpeg(Bytes(good.begin(), good.begin() + long(n))), ImageError) << n;

    // A frame header claiming 65535 x 65535 pixels: refused before anything is allocated.
    Bytes huge = good;
    for (size_t i = 2; i + 8 < huge.size(); ++i)
        if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {
            huge[i + 5] = huge[i + 6] = huge[i + 7] = huge[i + 8] = 0xFF;
            break;
        }
    EXPECT_THROW(DecodeJpeg(huge), ImageError);

    // Cut inside the scan data: libjpeg pads the rest, the picture keeps its size.
    Bitmap cut = DecodeJpeg(Bytes(good.begin(), good.end() - 40));
    EXPECT_EQ(cut.Width(), 32);
}

TEST(JpegFile, SaveWritesTheFileAndReportsWhereItCannot) {
    const std::string path = testing::TempDir() + "/velmora_jpeg_test.jpg";
    SaveJpeg(Quarters(), path);
    ExpectNear(LoadJpeg(path).Pixel(24, 8), clWhite, 4);
    std::filesystem::remove(path);

    const std::string missing = testing::TempDir() + "/velmora-no-such-folder/chart.jpg";
    try {
        SaveJpeg(Quarters(), missing);
        ADD_FAILURE() << "saved into a missing folder";
    } catch (const ImageFileError& e) {
        EXPECT_EQ(e.Path(), missing);
        EXPECT_EQ(e.ErrorNumber(), ENOENT);
        EXPECT_NE(std::string(e.what()).find(missing), std::string::npos);
    }
    EXPECT_THROW(LoadJpeg(missing), ImageFileError);
    EXPECT_THROW(EncodeJpeg(Bitmap()), ImageError);  // nothing to save
}

}  // namespace
}  // namespace gfx
