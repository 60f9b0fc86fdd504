#include "gfx/ImageError.h"

#include <cstring>

namespace gfx {

ImageFileError::ImageFileError(std::string path, int errorNumber, const std::string& action)
    : ImageError("Die Datei \"" + path + "\" " + action + ": " + std::strerror(errorNumber)),
      path_(std::move(path)),
      errorNumber_(errorNumber) {}

std::string ImageFileError::SystemText() const { return std::strerror(errorNumber_); }

}  // namespace gfx
