#include "skin/controls/TbsPicturePreview.h"

#include <algorithm>

#include "gfx/BmpCodec.h"
#include "gfx/ImageFile.h"
#include "gfx/JpegCodec.h"

namespace skin {

TbsPicturePreview::TbsPicturePreview(TComponent* owner) : TbsSkinPanel(owner) {
    SetBorderStyle(bvLowered);
}

void TbsPicturePreview::LoadFile(const std::string& path) {
    picture_ = {};
    try {
        std::vector<uint8_t> bytes = gfx::ReadImageFile(path);
        if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8)
            picture_ = gfx::DecodeJpeg(bytes);
        else if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
            picture_ = gfx::DecodeBmp(bytes).pixels;
    } catch (const std::exception&) {
        picture_ = {};  // not a picture we can show: an empty preview says so
    }
    Invalidate();
}

void TbsPicturePreview::Clear() {
    picture_ = {};
    Invalidate();
}

TRect TbsPicturePreview::PictureRect() const {
    if (picture_.IsEmpty()) return {};
    int aw = Width() - 8, ah = Height() - 8;
    double scale = std::min({1.0, static_cast<double>(aw) / picture_.Width(),
                             static_cast<double>(ah) / picture_.Height()});
    int w = std::max(1, static_cast<int>(picture_.Width() * scale));
    int h = std::max(1, static_cast<int>(picture_.Height() * scale));
    return TRect::FromSize((Width() - w) / 2, (Height() - h) / 2, w, h);
}

void TbsPicturePreview::DrawPicture(gfx::Bitmap& bitmap) const {
    if (picture_.IsEmpty()) return;
    gfx::Canvas c(bitmap);
    c.CopyRect(PictureRect(), picture_, picture_.Bounds());
}

void TbsPicturePreview::DrawDefaultImage(gfx::Bitmap& bitmap) {
    TbsSkinPanel::DrawDefaultImage(bitmap);
    DrawPicture(bitmap);
}

void TbsPicturePreview::DrawSkinImage(gfx::Bitmap& bitmap) {
    TbsSkinPanel::DrawSkinImage(bitmap);
    DrawPicture(bitmap);
}

}  // namespace skin
