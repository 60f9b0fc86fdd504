#include "gfx/BmpCodec.h"

#include <algorithm>
#include <bit>
#include <string>

#include "gfx/ImageError.h"

// Reading. Writing is in BmpWriter.cpp.

namespace gfx {
namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kCompressionNone = 0;
constexpr uint32_t kCompressionRle8 = 1;
constexpr uint32_t kCompressionRle4 = 2;
constexpr uint32_t kCompressionBitFields = 3;

[[noreturn]] void Fail(const std::string& detail) {
    throw ImageError("Ungültiges Bitmap: " + detail);
}

// Little-endian fields of the file; every access is checked against the file's length.
class FileBytes {
public:
    explicit FileBytes(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    size_t Size() const { return bytes_.size(); }
    uint8_t U8(uint64_t at) const {
        if (at >= bytes_.size()) Fail("Datei zu kurz");
        return bytes_[at];
    }
    uint16_t U16(uint64_t at) const { return uint16_t(U8(at) | U8(at + 1) << 8); }
    uint32_t U32(uint64_t at) const { return uint32_t(U16(at)) | uint32_t(U16(at + 2)) << 16; }
    int32_t I32(uint64_t at) const { return static_cast<int32_t>(U32(at)); }
    const uint8_t* At(uint64_t at) const { return bytes_.data() + at; }

private:
    std::span<const uint8_t> bytes_;
};

struct InfoHeader {
    uint32_t size = 0;
    int64_t width = 0;
    int64_t height = 0;  // negative: rows stored top-down
    int planes = 0;
    int bitsPerPixel = 0;
    uint32_t compression = kCompressionNone;
    uint32_t sizeImage = 0;
    int32_t xPelsPerMeter = 0;
    int32_t yPelsPerMeter = 0;
    uint32_t colorsUsed = 0;
    uint32_t colorsImportant = 0;
    uint32_t masks[3] = {0, 0, 0};  // red, green, blue bit fields
    uint64_t tableStart = 0;        // where the colour table (if any) begins
    int tableEntrySize = 4;
};

InfoHeader ReadInfoHeader(const FileBytes& file) {
    InfoHeader h;
    h.size = file.U32(kFileHeaderSize);
    const uint64_t at = kFileHeaderSize;
    if (h.size == kCoreHeaderSize) {
        h.width = file.U16(at + 4);
        h.height = file.U16(at + 6);
        h.planes = file.U16(at + 8);
        h.bitsPerPixel = file.U16(at + 10);
        h.tableEntrySize = 3;
        h.tableStart = at + h.size;
        return h;
    }
    if (h.size != 40 && h.size != 52 && h.size != 56 && h.size != 108 && h.size != 124)
        Fail("Kopfformat mit " + std::to_string(h.size) + " Bytes nicht unterstützt");
    if (at + h.size > file.Size()) Fail("Datei zu kurz");
    h.width = file.I32(at + 4);
    h.height = file.I32(at + 8);
    h.planes = file.U16(at + 12);
    h.bitsPerPixel = file.U16(at + 14);
    h.compression = file.U32(at + 16);
    h.sizeImage = file.U32(at + 20);
    h.xPelsPerMeter = file.I32(at + 24);
    h.yPelsPerMeter = file.I32(at + 28);
    h.colorsUsed = file.U32(at + 32);
    h.colorsImportant = file.U32(at + 36);
    h.tableStart = at + h.size;
    if (h.compression == kCompressionBitFields) {
        // The masks are part of the larger headers; after a 40-byte header they follow it.
        uint64_t masksAt = at + kInfoHeaderSize;
        if (h.size == kInfoHeaderSize) h.tableStart += 12;
        for (int i = 0; i < 3; ++i) h.masks[i] = file.U32(masksAt + 4 * uint64_t(i));
    }
    return h;
}

void CheckFormat(const InfoHeader& h) {
    if (h.planes != 1) Fail("Ebenenzahl ist nicht 1");
    if (h.width < 0) Fail("negative Breite");
    if (h.compression == kCompressionRle8 || h.compression == kCompressionRle4)
        Fail("komprimierte Bitmaps werden nicht unterstützt");
    const int bits = h.bitsPerPixel;
    const bool plain = bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 16 || bits == 32;
    if (!plain) Fail(std::to_string(bits) + " Bit pro Pixel werden nicht unterstützt");
    if (h.compression == kCompressionBitFields) {
        if (bits != 16 && bits != 32) Fail("Bitmasken nur bei 16 und 32 Bit pro Pixel");
    } else if (h.compression != kCompressionNone) {
        Fail("Kompressionsart " + std::to_string(h.compression) + " wird nicht unterstützt");
    }
    int64_t height = h.height < 0 ? -h.height : h.height;
    if (h.width > Bitmap::kMaxPixels || height > Bitmap::kMaxPixels ||
        h.width * height > Bitmap::kMaxPixels)
        Fail("Bild zu groß");
}

uint32_t TableEntries(const InfoHeader& h) {
    if (h.size == kCoreHeaderSize) return h.bitsPerPixel <= 8 ? 1u << h.bitsPerPixel : 0;
    const uint32_t limit = h.bitsPerPixel <= 8 ? 1u << h.bitsPerPixel : 256;
    if (h.colorsUsed > limit) Fail("Farbtabelle zu groß (" + std::to_string(h.colorsUsed) + ")");
    if (h.colorsUsed == 0 && h.bitsPerPixel <= 8) return limit;
    return h.colorsUsed;
}

// One colour channel of a 16- or 32-bit pixel, scaled to 0..255.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;
    explicit Channel(uint32_t m) : mask(m) {
        if (mask == 0) return;
        shift = std::countr_zero(mask);
        max = mask >> shift;
    }
    int Extract(uint32_t pixel) const {
        if (max == 0) return 0;
        return static_cast<int>((uint64_t(pixel & mask) >> shift) * 255 / max);
    }
};

void DecodeRows(const FileBytes& file, uint64_t pixelsAt, uint64_t stride, const InfoHeader& h,
                BmpPicture& picture) {
    Bitmap& out = picture.pixels;
    const int width = out.Width(), height = out.Height();
    const int bits = h.bitsPerPixel;
    const size_t colors = picture.palette.size();
    uint32_t masks[3] = {h.masks[0], h.masks[1], h.masks[2]};
    if (h.compression == kCompressionNone && bits == 16) {
        masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    } else if (h.compression == kCompressionNone && bits == 32) {
        masks[0] = 0xFF0000, masks[1] = 0x00FF00, masks[2] = 0x0000FF;
    }
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
    if (bits <= 8) picture.indexes.resize(size_t(width) * height);

    for (int y = 0; y < height; ++y) {
        const int fileRow = h.height < 0 ? y : height - 1 - y;
        const uint8_t* src = file.At(pixelsAt + uint64_t(fileRow) * stride);
        uint8_t* dst = out.Row(y);
        if (bits == 24) {
            std::copy(src, src + size_t(width) * 3, dst);
            continue;
        }
        for (int x = 0; x < width; ++x) {
            uint8_t* p = dst + x * 3;
            if (bits <= 8) {
                const int perByte = 8 / bits;
                const int shift = 8 - bits * (x % perByte + 1);
                const unsigned index = (src[x / perByte] >> shift) & ((1u << bits) - 1);
                if (index >= colors) Fail("Farbindex " + std::to_string(index) + " außerhalb der Farbtabelle");
                picture.indexes[size_t(y) * width + x] = uint8_t(index);
                const TColor c = picture.palette[index];
                p[0] = uint8_t(base::GetBValue(c));
                p[1] = uint8_t(base::GetGValue(c));
                p[2] = uint8_t(base::GetRValue(c));
                continue;
            }
            uint32_t value = bits == 16 ? uint32_t(src[x * 2] | src[x * 2 + 1] << 8)
                                        : uint32_t(src[x * 4]) | uint32_t(src[x * 4 + 1]) << 8 |
                                              uint32_t(src[x * 4 + 2]) << 16 | uint32_t(src[x * 4 + 3]) << 24;
            p[0] = uint8_t(blue.Extract(value));
            p[1] = uint8_t(green.Extract(value));
            p[2] = uint8_t(red.Extract(value));
        }
    }
}

}  // namespace

BmpPicture DecodeBmp(std::span<const uint8_t> data, size_t* bytesUsed) {
    if (data.size() < kFileHeaderSize) Fail("Datei zu kurz");
    if (data[0] != 'B' || data[1] != 'M') Fail("keine BMP-Datei");
    const uint32_t fileSize = FileBytes(data).U32(2);
    if (fileSize > data.size()) Fail("Datei kürzer als im Kopf angegeben");
    const FileBytes file(data.first(fileSize));  // nothing beyond bfSize belongs to this file
    const uint32_t pixelsAt = file.U32(10);

    const InfoHeader h = ReadInfoHeader(file);
    CheckFormat(h);
    const uint32_t entries = TableEntries(h);
    const uint64_t tableEnd = h.tableStart + uint64_t(entries) * h.tableEntrySize;
    if (tableEnd > pixelsAt) Fail("Bildpunkte beginnen vor dem Ende der Farbtabelle");

    const int width = static_cast<int>(h.width);
    const int height = static_cast<int>(h.height < 0 ? -h.height : h.height);
    const uint64_t stride = (uint64_t(width) * h.bitsPerPixel + 31) / 32 * 4;
    if (pixelsAt + stride * height > fileSize) Fail("Bildpunkte reichen über das Dateiende");

    BmpPicture picture;
    picture.bitsPerPixel = h.bitsPerPixel <= 8 ? h.bitsPerPixel : 24;
    picture.palette.reserve(entries);
    for (uint32_t i = 0; i < entries; ++i) {
        const uint64_t at = h.tableStart + uint64_t(i) * h.tableEntrySize;
        picture.palette.push_back(base::RGB(file.U8(at + 2), file.U8(at + 1), file.U8(at)));
    }
    picture.xPelsPerMeter = h.xPelsPerMeter;
    picture.yPelsPerMeter = h.yPelsPerMeter;
    picture.importantColors = h.colorsImportant;
    picture.implicitColorCount = h.size != kCoreHeaderSize ? h.colorsUsed == 0 : true;
    picture.zeroImageSize = h.size != kCoreHeaderSize && h.sizeImage == 0;
    // No pixels at all reads as a 0 x 0 bitmap, whatever the other side claims.
    if (width > 0 && height > 0) {
        picture.pixels = Bitmap(width, height);
        DecodeRows(file, pixelsAt, stride, h, picture);
    }

    if (bytesUsed) *bytesUsed = fileSize;
    return picture;
}

Bitmap ReadBmp(std::span<const uint8_t> data, size_t* bytesUsed) {
    return DecodeBmp(data, bytesUsed).pixels;
}

}  // namespace gfx
