#include "os/NetworkName.h"

#include <array>

namespace os {
namespace {

// "a/b//c/" -> "a\b\c": path separators become backslashes, empty parts vanish.
std::string BackslashPath(std::string_view path) {
    std::string out;
    size_t pos = 0;
    while (pos < path.size()) {
        size_t end = path.find('/', pos);
        if (end == std::string_view::npos) end = path.size();
        if (end > pos) {
            out += '\\';
            out.append(path.substr(pos, end - pos));
        }
        pos = end + 1;
    }
    return out;
}

}  // namespace

std::string NetworkNameFromSource(std::string_view source) {
    if (source.size() > 2 && (source.substr(0, 2) == "//" || source.substr(0, 2) == "\\\\")) {
        std::string unified(source.substr(2));
        for (char& c : unified)
            if (c == '\\') c = '/';
        size_t slash = unified.find('/');
        std::string server = unified.substr(0, slash);
        if (server.empty()) return {};
        return "\\\\" + server + (slash == std::string::npos ? "" : BackslashPath(std::string_view(unified).substr(slash)));
    }
    std::string_view host;
    std::string_view path;
    if (!source.empty() && source[0] == '[') {
        size_t close = source.find("]:");
        if (close == std::string_view::npos) return {};
        host = source.substr(1, close - 1);
        path = source.substr(close + 2);
    } else {
        size_t colon = source.find(':');
        if (colon == std::string_view::npos || colon == 0) return {};
        host = source.substr(0, colon);
        path = source.substr(colon + 1);
        if (host.find('/') != std::string_view::npos) return {};
    }
    size_t at = host.rfind('@');
    if (at != std::string_view::npos) host = host.substr(at + 1);
    if (host.empty()) return {};
    return "\\\\" + std::string(host) + BackslashPath(path);
}

bool IsNetworkFileSystem(std::string_view fsType) {
    static constexpr std::array<std::string_view, 18> kTypes = {
        "nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs", "ceph", "glusterfs", "9p",
        "fuse.sshfs", "sshfs", "fuse.glusterfs", "fuse.davfs2", "davfs", "fuse.rclone",
        "fuse.s3fs", "fuse.curlftpfs"};
    for (std::string_view type : kTypes)
        if (fsType == type) return true;
    return false;
}

}  // namespace os
