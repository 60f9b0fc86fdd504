#pragma once
// Small file helpers for the files the kernel and udev provide (procfs, sysfs, /dev).

#include <cstddef>
#include <optional>
#include <string>

namespace os {

// The whole file, read until end of file (procfs files report size 0), at most maxBytes;
// nullopt when it cannot be opened or read.
std::optional<std::string> ReadFileText(const std::string& path, size_t maxBytes = 1 << 20);

// The first line of a small file without its line end (sysfs attributes).
std::optional<std::string> ReadFirstLine(const std::string& path);

// The target of a symbolic link, or nullopt.
std::optional<std::string> ReadLinkTarget(const std::string& path);

// The last path component ("sda1" of "../../devices/.../sda1").
std::string BaseName(const std::string& path);

// Whether `path` lies at or below the folder `folder` ("/home" holds "/home/x", not "/homes").
bool PathIsAtOrBelow(const std::string& path, const std::string& folder);

}  // namespace os
