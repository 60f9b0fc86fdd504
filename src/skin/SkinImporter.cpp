#include "skin/SkinImporter.h"

#include <string_view>

#include "gfx/BmpCodec.h"
#include "gfx/ImageFile.h"
#include "skin/SkinCompression.h"
#include "skin/SkinIniFile.h"

namespace skin {
namespace {

std::string DirectoryOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The named BMP, checked and written again in the classic layout; empty for no name.
std::vector<uint8_t> LoadPicture(const std::string& directory, const std::string& name) {
    if (name.empty()) return {};
    std::vector<uint8_t> file = gfx::ReadImageFile(directory + name);
    return gfx::EncodeBmp(gfx::DecodeBmp(file));
}

}  // namespace

std::string FileNameWithoutDirectory(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool HasRequiredSkinSections(const std::vector<std::string>& lines) {
    SkinIniFile ini(lines);
    for (std::string_view s : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"})
        if (!ini.SectionExists(s)) return false;
    return true;
}

std::vector<std::string> ReadSkinDescriptionFile(const std::string& iniPath) {
    std::vector<uint8_t> bytes = gfx::ReadImageFile(iniPath);
    return SplitLines(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

SkinSourceFiles ReadSkinSourceFiles(const std::string& iniPath, std::vector<std::string> lines) {
    SkinIniFile ini(lines);
    const std::string dir = DirectoryOf(iniPath);
    SkinSourceFiles files;
    files.picture = LoadPicture(dir, ini.ReadString("PICTURES", "picture", ""));
    files.inactivepicture = LoadPicture(dir, ini.ReadString("PICTURES", "inactivepicture", ""));
    files.mask = LoadPicture(dir, ini.ReadString("PICTURES", "mask", ""));
    int count = ini.ReadInteger("PICTURES", "activepicturescount", 0);
    for (int i = 0; i < count; ++i) {
        std::string name = ini.ReadString("PICTURES", std::to_string(i), "");
        // An unnamed entry would shift every later picture index; refuse it like a
        // file that cannot be opened.
        files.activepictures.push_back(gfx::EncodeBmp(gfx::DecodeBmp(gfx::ReadImageFile(dir + name))));
    }
    files.lines = std::move(lines);
    return files;
}

std::vector<uint8_t> BuildSkinContainer(const SkinSourceFiles& files) {
    std::vector<uint8_t> out;
    AppendInt32(out, kSkinContainerVersion);
    AppendFlaggedBmp(out, files.picture);
    AppendFlaggedBmp(out, files.inactivepicture);
    AppendFlaggedBmp(out, files.mask);
    AppendInt32(out, static_cast<int32_t>(files.activepictures.size()));
    for (const auto& bmp : files.activepictures) out.insert(out.end(), bmp.begin(), bmp.end());
    AppendLines(out, files.lines);
    return out;
}

std::optional<std::vector<uint8_t>> ImportCompressedSkin(const std::string& iniPath) {
    std::vector<std::string> lines = ReadSkinDescriptionFile(iniPath);
    if (!HasRequiredSkinSections(lines)) return std::nullopt;
    return DeflateSkin(BuildSkinContainer(ReadSkinSourceFiles(iniPath, std::move(lines))));
}

}  // namespace skin
