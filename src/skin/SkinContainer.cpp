#include "skin/SkinContainer.h"

#include <string_view>

#include "gfx/BmpCodec.h"
#include "skin/SkinIniFile.h"

namespace skin {

int32_t SkinContainerReader::ReadInt32() {
    if (data_.size() - pos_ < 4) throw SkinStreamError();
    uint32_t v = uint32_t(data_[pos_]) | uint32_t(data_[pos_ + 1]) << 8 |
                 uint32_t(data_[pos_ + 2]) << 16 | uint32_t(data_[pos_ + 3]) << 24;
    pos_ += 4;
    return static_cast<int32_t>(v);
}

uint8_t SkinContainerReader::ReadByte() {
    if (pos_ >= data_.size()) throw SkinStreamError();
    return data_[pos_++];
}

gfx::Bitmap SkinContainerReader::ReadBmp() {
    size_t used = 0;
    gfx::Bitmap bitmap = gfx::ReadBmp(data_.subspan(pos_), &used);
    // The reader never consumes more than it was given; the check keeps that promise local.
    if (used > data_.size() - pos_) throw SkinStreamError();
    pos_ += used;
    return bitmap;
}

gfx::Bitmap SkinContainerReader::ReadFlaggedBmp() {
    return ReadByte() == 0 ? ReadBmp() : gfx::Bitmap();
}

void SkinContainerReader::ReadPictures(SkinPictureSet& into) {
    into.picture = ReadFlaggedBmp();
    into.inactivepicture = ReadFlaggedBmp();
    into.mask = ReadFlaggedBmp();
    int32_t count = ReadInt32();
    // A damaged count cannot run away: every picture consumes at least its headers, and
    // the stream ends long before.
    for (int32_t i = 0; i < count; ++i) {
        into.activepictures.emplace_back();
        into.activepictures.back() = ReadBmp();
    }
}

std::vector<std::string> SkinContainerReader::ReadLines() {
    std::string_view rest(reinterpret_cast<const char*>(data_.data()) + pos_, data_.size() - pos_);
    pos_ = data_.size();
    return SplitLines(rest);
}

void AppendInt32(std::vector<uint8_t>& out, int32_t value) {
    uint32_t v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void AppendFlaggedBmp(std::vector<uint8_t>& out, std::span<const uint8_t> bmpFile) {
    out.push_back(bmpFile.empty() ? 1 : 0);
    out.insert(out.end(), bmpFile.begin(), bmpFile.end());
}

void AppendLines(std::vector<uint8_t>& out, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        out.insert(out.end(), line.begin(), line.end());
        out.push_back('\r');
        out.push_back('\n');
    }
}

std::vector<uint8_t> WritePictures(const SkinPictureSet& pictures) {
    auto bmp = [](const gfx::Bitmap& b) {
        return b.IsEmpty() ? std::vector<uint8_t>{} : gfx::WriteBmp(b, b.IsMono() ? 1 : 24);
    };
    std::vector<uint8_t> out;
    AppendFlaggedBmp(out, bmp(pictures.picture));
    AppendFlaggedBmp(out, bmp(pictures.inactivepicture));
    AppendFlaggedBmp(out, bmp(pictures.mask));
    AppendInt32(out, static_cast<int32_t>(pictures.activepictures.size()));
    for (const gfx::Bitmap& b : pictures.activepictures) {
        std::vector<uint8_t> file = gfx::WriteBmp(b, b.IsMono() ? 1 : 24);
        out.insert(out.end(), file.begin(), file.end());
    }
    return out;
}

}  // namespace skin
