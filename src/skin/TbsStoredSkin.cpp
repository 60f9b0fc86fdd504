#include "skin/TbsStoredSkin.h"

#include "gfx/BmpCodec.h"
#include "skin/SkinImporter.h"

namespace skin {
namespace {

gfx::Bitmap Decode(const std::vector<uint8_t>& bmp) {
    return bmp.empty() ? gfx::Bitmap() : gfx::ReadBmp(bmp);
}

}  // namespace

void TbsStoredSkin::SetPicturesData(std::span<const uint8_t> data) {
    SkinPictureSet pictures;
    SkinContainerReader reader(data);
    reader.ReadPictures(pictures);
    pictures_ = std::move(pictures);
}

void TbsStoredSkin::ImportFile(const std::string& iniPath) {
    SkinSourceFiles files = ReadSkinSourceFiles(iniPath, ReadSkinDescriptionFile(iniPath));
    SkinPictureSet pictures;
    pictures.picture = Decode(files.picture);
    pictures.inactivepicture = Decode(files.inactivepicture);
    pictures.mask = Decode(files.mask);
    for (const auto& bmp : files.activepictures) pictures.activepictures.push_back(Decode(bmp));
    pictures_ = std::move(pictures);
    iniStrings_ = std::move(files.lines);
    fileName_ = FileNameWithoutDirectory(iniPath);
}

}  // namespace skin
