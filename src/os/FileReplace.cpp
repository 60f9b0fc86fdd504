#include "os/FileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "os/FileText.h"

namespace os {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    void Reset(int fd) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }
    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    // Closes now, reporting the error close gives (a delayed write failure shows here).
    bool Close() {
        int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view data) {
    size_t done = 0;
    while (done < data.size()) {
        ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

mode_t CurrentUmask() {
    // /proc/self/status tells the mask without changing it (umask() would, for all threads).
    if (std::optional<std::string> status = ReadFileText("/proc/self/status")) {
        size_t pos = status->find("Umask:");
        if (pos != std::string::npos) return static_cast<mode_t>(std::strtoul(status->c_str() + pos + 6, nullptr, 8));
    }
    return 022;
}

bool RewriteInPlace(int fd, std::string_view contents) {
    if (::lseek(fd, 0, SEEK_SET) < 0) return false;
    if (!WriteAll(fd, contents)) return false;
    if (::ftruncate(fd, static_cast<off_t>(contents.size())) != 0) return false;
    return ::fsync(fd) == 0;
}

}  // namespace

std::string ResolveSymlinks(const std::string& path) {
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::optional<std::string> target = ReadLinkTarget(current);
        if (!target) return current;
        current = (!target->empty() && (*target)[0] == '/') ? *target : FolderOf(current) + "/" + *target;
    }
    return current;
}

bool ReplaceFileContents(const std::string& path, std::string_view contents, int* error) {
    auto fail = [error](int code) {
        if (error) *error = code;
        return false;
    };
    std::string target = ResolveSymlinks(path);
    struct stat st {};
    bool exists = ::stat(target.c_str(), &st) == 0;
    if (!exists && errno != ENOENT) return fail(errno);
    if (exists && !S_ISREG(st.st_mode)) return fail(EISDIR);

    // An existing file must accept writing as it is, or the write is refused.
    FileDescriptor existing;
    if (exists) {
        existing.Reset(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
        if (!existing.Valid()) return fail(errno);
    }
    auto rewriteExisting = [&] {
        if (!RewriteInPlace(existing.Get(), contents) || !existing.Close()) return fail(errno);
        return true;
    };
    if (exists && st.st_nlink > 1) return rewriteExisting();

    std::string temp = FolderOf(target) + "/.Velmora-XXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    FileDescriptor out(::mkstemp(name.data()));
    if (!out.Valid()) {
        int code = errno;
        if (exists && code != EROFS && code != ENOSPC && code != EDQUOT) return rewriteExisting();
        return fail(code);
    }
    std::string tempPath(name.data());
    auto abandon = [&](int code) {
        ::unlink(tempPath.c_str());
        return fail(code);
    };
    if (!WriteAll(out.Get(), contents)) return abandon(errno);
    mode_t mode = exists ? (st.st_mode & 07777) : (0666 & ~CurrentUmask());
    if (::fchmod(out.Get(), mode) != 0) return abandon(errno);
    if (exists && (st.st_uid != ::geteuid() || st.st_gid != ::getegid()))
        (void)!::fchown(out.Get(), st.st_uid, st.st_gid);  // only root may; others keep theirs
    if (::fsync(out.Get()) != 0) return abandon(errno);
    if (!out.Close()) return abandon(errno);
    if (::rename(tempPath.c_str(), target.c_str()) != 0) return abandon(errno);
    // Make the rename itself durable.
    FileDescriptor folder(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Valid()) ::fsync(folder.Get());
    return true;
}

}  // namespace os
