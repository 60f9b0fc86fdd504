#pragma once
// The preview of a picture file: the picture scaled down (never up) to fit, centred on
// the face colour, or nothing for a file that is not a readable picture.

#include <string>

#include "skin/controls/TbsSkinPanel.h"

namespace skin {

class TbsPicturePreview : public TbsSkinPanel {
public:
    explicit TbsPicturePreview(TComponent* owner);

    // Loads a JPEG or BMP file; an unreadable one clears the preview.
    void LoadFile(const std::string& path);
    void Clear();
    const gfx::Bitmap& Picture() const { return picture_; }
    // Where the picture is drawn (control coordinates).
    TRect PictureRect() const;

protected:
    void DrawDefaultImage(gfx::Bitmap& bitmap) override;
    void DrawSkinImage(gfx::Bitmap& bitmap) override;

private:
    void DrawPicture(gfx::Bitmap& bitmap) const;

    gfx::Bitmap picture_;
};

}  // namespace skin
