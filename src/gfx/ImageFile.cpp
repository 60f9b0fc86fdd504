#include "gfx/ImageFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "gfx/ImageError.h"

namespace gfx {

namespace {
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;
}  // namespace

std::vector<uint8_t> ReadImageFile(const std::string& path) {
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) throw ImageFileError(path, errno, "kann nicht geöffnet werden");
    std::vector<uint8_t> bytes;
    uint8_t chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    if (std::ferror(file.get())) throw ImageFileError(path, errno ? errno : EIO, "kann nicht gelesen werden");
    return bytes;
}

void WriteImageFile(const std::string& path, std::span<const uint8_t> bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) throw ImageFileError(path, errno, "kann nicht erstellt werden");
    errno = 0;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    int writeError = errno;
    bool closed = std::fclose(file) == 0;
    if (!closed && writeError == 0) writeError = errno;
    if (!written || !closed) {
        std::remove(path.c_str());
        throw ImageFileError(path, writeError ? writeError : EIO, "kann nicht geschrieben werden");
    }
}

}  // namespace gfx
