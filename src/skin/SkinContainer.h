#pragma once
// The stored skin's byte layout (the inflated container), all integers little-endian:
//   int32 version (1); for picture, inactive picture and mask a flag byte (0: a BMP file
//   follows, otherwise none) and the BMP; int32 count and count BMP files; then the
//   description text, lines ended by CR LF, to the end of the stream.
// Every BMP is a whole file whose bfSize says where the next field starts.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"

namespace skin {

constexpr int32_t kSkinContainerVersion = 1;

// The container (or the stored skin's picture data) ends inside a field.
class SkinStreamError : public std::runtime_error {
public:
    SkinStreamError() : std::runtime_error("Stream-Lesefehler") {}
};

// The pictures of a skin: fields 2 to 9 of the container.
struct SkinPictureSet {
    gfx::Bitmap picture;
    gfx::Bitmap inactivepicture;
    gfx::Bitmap mask;
    std::vector<gfx::Bitmap> activepictures;
};

// Reads the container's fields in order, never past its end.
class SkinContainerReader {
public:
    explicit SkinContainerReader(std::span<const uint8_t> data) : data_(data) {}

    size_t Position() const { return pos_; }
    int32_t ReadInt32();
    uint8_t ReadByte();
    // One BMP file; an invalid one raises gfx::ImageError.
    gfx::Bitmap ReadBmp();
    // A flag byte and, when it is 0, the BMP after it (else an empty bitmap).
    gfx::Bitmap ReadFlaggedBmp();
    // Fields 2 to 9. The list of further pictures grows as they are read, so `into`
    // keeps those read before a failure.
    void ReadPictures(SkinPictureSet& into);
    // The rest of the stream as lines (CR LF, LF or CR; a last line without an end counts).
    std::vector<std::string> ReadLines();

private:
    std::span<const uint8_t> data_;
    size_t pos_ = 0;
};

// Writers of the same layout.
void AppendInt32(std::vector<uint8_t>& out, int32_t value);
void AppendFlaggedBmp(std::vector<uint8_t>& out, std::span<const uint8_t> bmpFile);
void AppendLines(std::vector<uint8_t>& out, const std::vector<std::string>& lines);
// Fields 2 to 9 from bitmaps: 1-bit bitmaps at 1 bit per pixel, the others at 24.
std::vector<uint8_t> WritePictures(const SkinPictureSet& pictures);

}  // namespace skin
