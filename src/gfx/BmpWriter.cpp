#include <algorithm>
#include <string>
#include <unordered_map>

#include "gfx/BmpCodec.h"
#include "gfx/ImageError.h"

// Writing BMP files in the classic layout (see BmpCodec.h).

namespace gfx {
namespace {

constexpr uint32_t kHeadersSize = 14 + 40;

[[noreturn]] void Fail(const std::string& detail) {
    throw ImageError("Bitmap kann nicht geschrieben werden: " + detail);
}

class ByteWriter {
public:
    explicit ByteWriter(std::vector<uint8_t>& out) : out_(out) {}
    void U8(uint8_t v) { out_.push_back(v); }
    void U16(uint16_t v) { U8(uint8_t(v)), U8(uint8_t(v >> 8)); }
    void U32(uint32_t v) { U16(uint16_t(v)), U16(uint16_t(v >> 16)); }

private:
    std::vector<uint8_t>& out_;
};

bool IsPaletteDepth(int bits) { return bits == 1 || bits == 4 || bits == 8; }

void CheckDepthAndTable(int bits, size_t tableSize) {
    if (!IsPaletteDepth(bits) && bits != 24)
        Fail(std::to_string(bits) + " Bit pro Pixel werden nicht unterstützt");
    const size_t limit = bits == 24 ? 256 : size_t(1) << bits;
    if (tableSize > limit) Fail("Farbtabelle zu groß für " + std::to_string(bits) + " Bit pro Pixel");
}

// Maps the pixels of a colour bitmap to table indexes, keeping a pixel's recorded index
// while that entry still has the pixel's colour.
class IndexMapper {
public:
    IndexMapper(const std::vector<TColor>& palette, const std::vector<uint8_t>& indexes, int width,
                int height)
        : palette_(palette), width_(width) {
        for (size_t i = 0; i < palette.size(); ++i) firstIndex_.try_emplace(palette[i], uint8_t(i));
        if (indexes.size() == size_t(width) * height) indexes_ = &indexes;
    }
    unsigned IndexOf(int x, int y, TColor color) const {
        if (indexes_) {
            unsigned recorded = (*indexes_)[size_t(y) * width_ + x];
            if (recorded < palette_.size() && palette_[recorded] == color) return recorded;
        }
        auto found = firstIndex_.find(color);
        if (found == firstIndex_.end()) Fail("Farbe fehlt in der Farbtabelle");
        return found->second;
    }

private:
    const std::vector<TColor>& palette_;
    const std::vector<uint8_t>* indexes_ = nullptr;
    int width_;
    std::unordered_map<TColor, uint8_t> firstIndex_;
};

std::vector<uint8_t> Encode(const Bitmap& source, int bits, std::vector<TColor> table,
                            const BmpPicture* extras) {
    CheckDepthAndTable(bits, table.size());
    Bitmap converted;
    const Bitmap* colour = &source;
    if (source.IsMono()) {
        converted = source;
        converted.SetFormat(PixelFormat::Bgr24);
        colour = &converted;
    }
    const int width = colour->Width(), height = colour->Height();
    const std::vector<uint8_t> noIndexes;
    const IndexMapper mapper(table, extras ? extras->indexes : noIndexes, width, height);

    // A palette depth needs at least one entry: biClrUsed 0 would mean a full table.
    bool implicitCount = extras && extras->implicitColorCount && IsPaletteDepth(bits) &&
                         table.size() == (size_t(1) << bits);
    if (IsPaletteDepth(bits) && table.empty()) table.push_back(clBlack);

    const uint64_t stride = (uint64_t(width) * bits + 31) / 32 * 4;
    const uint64_t imageSize = stride * height;
    const uint64_t offBits = kHeadersSize + table.size() * 4;
    const uint64_t fileSize = offBits + imageSize;
    if (fileSize > UINT32_MAX) Fail("Bild zu groß");

    std::vector<uint8_t> out;
    out.reserve(fileSize);
    ByteWriter w(out);
    w.U8('B'), w.U8('M'), w.U32(uint32_t(fileSize)), w.U16(0), w.U16(0), w.U32(uint32_t(offBits));
    w.U32(40), w.U32(uint32_t(width)), w.U32(uint32_t(height)), w.U16(1), w.U16(uint16_t(bits));
    w.U32(0);  // uncompressed
    w.U32(extras && extras->zeroImageSize ? 0 : uint32_t(imageSize));
    w.U32(uint32_t(extras ? extras->xPelsPerMeter : 0));
    w.U32(uint32_t(extras ? extras->yPelsPerMeter : 0));
    w.U32(implicitCount ? 0 : uint32_t(table.size()));
    w.U32(extras ? extras->importantColors : 0);
    for (TColor c : table) {
        w.U8(uint8_t(base::GetBValue(c))), w.U8(uint8_t(base::GetGValue(c)));
        w.U8(uint8_t(base::GetRValue(c))), w.U8(0);
    }

    out.resize(fileSize, 0);  // rows, padding included, start zeroed
    for (int y = 0; y < height; ++y) {
        const uint8_t* src = colour->Row(y);
        uint8_t* dst = out.data() + offBits + uint64_t(height - 1 - y) * stride;
        if (bits == 24) {
            std::copy(src, src + size_t(width) * 3, dst);
            continue;
        }
        const int perByte = 8 / bits;
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = src + x * 3;
            const unsigned index = mapper.IndexOf(x, y, base::RGB(p[2], p[1], p[0]));
            dst[x / perByte] |= uint8_t(index << (8 - bits * (x % perByte + 1)));
        }
    }
    return out;
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const BmpPicture& picture) {
    return Encode(picture.pixels, picture.bitsPerPixel, picture.palette, &picture);
}

std::vector<uint8_t> WriteBmp(const Bitmap& bitmap, int bitsPerPixel) {
    CheckDepthAndTable(bitsPerPixel, 0);
    std::vector<TColor> table;
    if (IsPaletteDepth(bitsPerPixel)) {
        const size_t limit = size_t(1) << bitsPerPixel;
        std::unordered_map<TColor, bool> seen;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x) {
                const TColor c = bitmap.Pixel(x, y);
                if (!seen.try_emplace(c, true).second) continue;
                if (table.size() == limit)
                    Fail("mehr als " + std::to_string(limit) + " Farben für " +
                         std::to_string(bitsPerPixel) + " Bit pro Pixel");
                table.push_back(c);
            }
    }
    return Encode(bitmap, bitsPerPixel, std::move(table), nullptr);
}

}  // namespace gfx
