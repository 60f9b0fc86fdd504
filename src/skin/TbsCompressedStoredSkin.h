#pragma once
// A skin kept as one zlib-compressed container (see SkinContainer.h). This is how
// Velmora carries its skin inside the program.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "skin/TbsSkinSource.h"

namespace skin {

class TbsCompressedStoredSkin : public TbsSkinSource {
public:
    TbsCompressedStoredSkin() = default;

    // The file name, without directory, of the description last imported; informational.
    const std::string& FileName() const { return fileName_; }
    void SetFileName(std::string name) { fileName_ = std::move(name); }

    // The compressed bytes exactly as kept ("CompressedData").
    std::span<const uint8_t> CompressedData() const { return compressed_; }
    void SetCompressedData(std::vector<uint8_t> data) { compressed_ = std::move(data); }

    bool IsEmpty() const { return compressed_.empty(); }
    // The inflated container; raises DecompressionError for damaged data.
    std::vector<uint8_t> Unpack() const;

    // Replaces the container with one built from a description file and the pictures it
    // names, and stores the file's name without directory. Returns false, keeping the old
    // container, when a section is missing; a picture that cannot be read raises its error
    // and also keeps the old container.
    bool ImportFile(const std::string& iniPath);

private:
    std::string fileName_;
    std::vector<uint8_t> compressed_;
};

}  // namespace skin
