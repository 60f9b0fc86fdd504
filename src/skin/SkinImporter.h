#pragma once
// Reading a skin's description file and the BMP files its [PICTURES] section names, and
// packing them into the stored container.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "skin/SkinContainer.h"

namespace skin {

// The description's lines and its pictures' BMP files (empty where a name is empty).
struct SkinSourceFiles {
    std::vector<std::string> lines;
    std::vector<uint8_t> picture, inactivepicture, mask;
    std::vector<std::vector<uint8_t>> activepictures;
};

// True when [VERSION], [PICTURES], [FORMINFO], [SKINOBJECTS] and [SKINCONTROLS] are there.
bool HasRequiredSkinSections(const std::vector<std::string>& lines);

// Reads the description file's lines (raises gfx::ImageFileError when it cannot be read).
std::vector<std::string> ReadSkinDescriptionFile(const std::string& iniPath);
// Reads the pictures named by [PICTURES] from the description's folder. Each is checked
// and written again as a classic BMP file of the same depth; a file that cannot be read
// or is not a BMP raises its gfx error.
SkinSourceFiles ReadSkinSourceFiles(const std::string& iniPath, std::vector<std::string> lines);

// The uncompressed container: version 1, the flagged pictures, the count and further
// pictures, the lines each ended by CR LF.
std::vector<uint8_t> BuildSkinContainer(const SkinSourceFiles& files);

// The whole import: nullopt when a required section is missing, otherwise the container
// compressed at the highest level.
std::optional<std::vector<uint8_t>> ImportCompressedSkin(const std::string& iniPath);

// The file name without its directory.
std::string FileNameWithoutDirectory(const std::string& path);

}  // namespace skin
