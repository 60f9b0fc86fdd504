#include "os/FileText.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace os {

std::optional<std::string> ReadFileText(const std::string& path, size_t maxBytes) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    std::string text;
    char buffer[8192];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        size_t take = std::min(static_cast<size_t>(n), maxBytes - text.size());
        text.append(buffer, take);
        if (text.size() >= maxBytes) break;
    }
    ::close(fd);
    return text;
}

std::optional<std::string> ReadFirstLine(const std::string& path) {
    std::optional<std::string> text = ReadFileText(path, 4096);
    if (!text) return std::nullopt;
    size_t end = text->find('\n');
    if (end != std::string::npos) text->resize(end);
    return text;
}

std::optional<std::string> ReadLinkTarget(const std::string& path) {
    std::vector<char> buffer(4096);
    ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (n < 0 || static_cast<size_t>(n) >= buffer.size()) return std::nullopt;
    return std::string(buffer.data(), static_cast<size_t>(n));
}

std::string BaseName(const std::string& path) {
    size_t end = path.find_last_not_of('/');
    if (end == std::string::npos) return {};
    size_t slash = path.rfind('/', end);
    return path.substr(slash == std::string::npos ? 0 : slash + 1,
                       end - (slash == std::string::npos ? 0 : slash + 1) + 1);
}

bool PathIsAtOrBelow(const std::string& path, const std::string& folder) {
    if (folder == "/") return !path.empty() && path[0] == '/';
    if (path.compare(0, folder.size(), folder) != 0) return false;
    return path.size() == folder.size() || path[folder.size()] == '/';
}

}  // namespace os
