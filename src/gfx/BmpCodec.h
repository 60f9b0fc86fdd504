#pragma once
// Windows bitmap files (BMP).
//
// Reading accepts the 12-byte core header and the 40/52/56/108/124-byte info headers;
// 1, 4, 8 and 24 bits per pixel uncompressed, and 16 and 32 bits uncompressed or with
// bit-field masks. Run-length compressed files are refused ("nicht unterstützt").
// Rows may be stored bottom-up (positive height) or top-down (negative height).
//
// Writing always produces the classic layout: 14-byte file header, 40-byte info header,
// colour table (blue, green, red, 0 per entry), bottom-up rows padded to 4 bytes, with
// bfSize the length of the whole file. A file read and written again is the same file
// when it had that layout (bfOffBits right after the table).
//
// Decisions for unusual files:
// - bfSize counts: the reader consumes exactly bfSize bytes, so several files can lie
//   back to back. bfSize smaller than headers + table + pixels, or larger than the data
//   given, is an error.
// - A width or height of 0 with an otherwise valid header reads as a 0 x 0 bitmap.
// - A pixel whose palette index lies beyond the colour table is an error.
// - More than 2^bits table entries (biClrUsed), a negative width, biPlanes other than 1,
//   or more than Bitmap::kMaxPixels pixels are errors.
// Every read error is an ImageError whose text starts with "Ungültiges Bitmap".

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "gfx/Bitmap.h"

namespace gfx {

// A BMP file's picture with what is needed to write the same file again.
struct BmpPicture {
    Bitmap pixels;  // always Bgr24, top-down
    // The depth written back: 1, 4, 8 or 24. 16- and 32-bit files read as 24.
    int bitsPerPixel = 24;
    // The colour table (for 24 bits usually empty). Writing maps each pixel to the first
    // entry of its colour, unless `indexes` says otherwise.
    std::vector<TColor> palette;
    // The palette index each pixel had in the file (row by row, top-down), so tables
    // with repeated colours survive a round trip. Ignored where a pixel's colour no
    // longer matches its entry, or when the size does not fit.
    std::vector<uint8_t> indexes;
    // Info-header fields kept unchanged through a round trip.
    int32_t xPelsPerMeter = 0;
    int32_t yPelsPerMeter = 0;
    uint32_t importantColors = 0;
    bool implicitColorCount = false;  // biClrUsed was 0: the table has 2^bits entries
    bool zeroImageSize = false;       // biSizeImage was 0 (allowed for uncompressed files)
};

// Reads one BMP file from the start of `data`. `bytesUsed` receives bfSize.
BmpPicture DecodeBmp(std::span<const uint8_t> data, size_t* bytesUsed = nullptr);
// Writes the picture. Throws ImageError for a depth other than 1, 4, 8, 24, a table too
// large for the depth, or a pixel colour missing from the table.
std::vector<uint8_t> EncodeBmp(const BmpPicture& picture);

// The pixels only.
Bitmap ReadBmp(std::span<const uint8_t> data, size_t* bytesUsed = nullptr);
// Writes a bitmap at the given depth. For 1, 4 and 8 bits the table holds the colours
// present, in order of first appearance (rows top-down); more colours than the depth
// can hold is an ImageError.
std::vector<uint8_t> WriteBmp(const Bitmap& bitmap, int bitsPerPixel = 24);

}  // namespace gfx
