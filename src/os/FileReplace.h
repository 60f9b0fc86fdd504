#pragma once
// Replaces a small file's contents so that no reader ever sees half of it: the new text
// goes into a temporary file beside the target, which is then renamed over it.
//
// The write is refused exactly where writing the file itself would be refused: an existing
// file must open for writing (a read-only file or file system refuses, whoever we are), and
// a missing one needs a writable folder. Where the folder refuses the temporary file but
// the file itself is writable (a read-only folder holding a writable file), and for a file
// with several hard links (a rename would split them), the file is rewritten in place.
// The file keeps its mode (and its owner, where we may set it); a symbolic link is
// followed, and its target is replaced.

#include <string>
#include <string_view>

namespace os {

// False when the file could not be written; `error` then holds errno.
bool ReplaceFileContents(const std::string& path, std::string_view contents, int* error = nullptr);

// The final target of a chain of symbolic links (the path itself when it is none).
std::string ResolveSymlinks(const std::string& path);

}  // namespace os
