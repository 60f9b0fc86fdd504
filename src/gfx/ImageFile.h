#pragma once
// Whole-file reads and writes for the picture codecs; failures raise ImageFileError.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace gfx {

std::vector<uint8_t> ReadImageFile(const std::string& path);
// Creates or replaces the file. A partly written file is removed again on failure.
void WriteImageFile(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace gfx
