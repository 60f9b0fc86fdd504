#include "os/ExecutablePath.h"

#include "os/FileText.h"

namespace os {

std::string ExecutablePath() {
    std::optional<std::string> path = ReadLinkTarget("/proc/self/exe");
    if (!path || path->empty() || (*path)[0] != '/') return {};
    // A program file replaced while running is reported with this suffix.
    constexpr std::string_view kDeleted = " (deleted)";
    if (path->size() > kDeleted.size() && path->compare(path->size() - kDeleted.size(), kDeleted.size(), kDeleted) == 0)
        path->resize(path->size() - kDeleted.size());
    return *path;
}

std::string ExecutableFolder() {
    std::string path = ExecutablePath();
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return "./";
    return path.substr(0, slash + 1);
}

}  // namespace os
