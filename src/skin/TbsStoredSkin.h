#pragma once
// A skin kept uncompressed: the pictures as bitmaps and the description as lines.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "skin/SkinContainer.h"
#include "skin/TbsSkinSource.h"

namespace skin {

class TbsStoredSkin : public TbsSkinSource {
public:
    TbsStoredSkin() = default;

    const std::string& FileName() const { return fileName_; }
    void SetFileName(std::string name) { fileName_ = std::move(name); }

    // The description's lines, Windows-1252 as in the file.
    const std::vector<std::string>& IniStrings() const { return iniStrings_; }
    void SetIniStrings(std::vector<std::string> lines) { iniStrings_ = std::move(lines); }

    const SkinPictureSet& Pictures() const { return pictures_; }
    SkinPictureSet& Pictures() { return pictures_; }

    // The "Pictures" property: fields 2 to 9 of the container, uncompressed.
    std::vector<uint8_t> PicturesData() const { return WritePictures(pictures_); }
    // Replaces the pictures; damaged data raises its error and keeps the old pictures.
    void SetPicturesData(std::span<const uint8_t> data);

    // Fills the lines and pictures from a description file and the pictures it names
    // (no section check); a picture that cannot be read raises its error and keeps the
    // old contents.
    void ImportFile(const std::string& iniPath);

private:
    std::string fileName_;
    std::vector<std::string> iniStrings_;
    SkinPictureSet pictures_;
};

}  // namespace skin
