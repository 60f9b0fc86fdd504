#include "skin/TbsCompressedStoredSkin.h"

#include "skin/SkinCompression.h"
#include "skin/SkinImporter.h"

namespace skin {

std::vector<uint8_t> TbsCompressedStoredSkin::Unpack() const { return InflateSkin(compressed_); }

bool TbsCompressedStoredSkin::ImportFile(const std::string& iniPath) {
    // Built aside and swapped in only when complete, so a failed import loses nothing.
    std::optional<std::vector<uint8_t>> packed = ImportCompressedSkin(iniPath);
    if (!packed) return false;
    compressed_ = std::move(*packed);
    fileName_ = FileNameWithoutDirectory(iniPath);
    return true;
}

}  // namespace skin
