#pragma once
// Errors of the picture readers and writers. The texts are shown to users, so they are
// German; a reader's message starts with a fixed phrase (for example "Ungültiges Bitmap")
// and may add the particular fault after a colon.

#include <stdexcept>
#include <string>

namespace gfx {

class ImageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A picture file that could not be opened, read or written. Keeps the path and the
// system's reason apart, so a caller can compose its own message.
class ImageFileError : public ImageError {
public:
    ImageFileError(std::string path, int errorNumber, const std::string& action);

    const std::string& Path() const { return path_; }
    int ErrorNumber() const { return errorNumber_; }
    // The system's text for the error number (strerror).
    std::string SystemText() const;

private:
    std::string path_;
    int errorNumber_;
};

}  // namespace gfx
