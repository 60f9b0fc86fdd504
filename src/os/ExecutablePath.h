#pragma once
// Where the running program's file lies, from /proc/self/exe.

#include <string>

namespace os {

// The executable's full path; empty when the system does not tell.
std::string ExecutablePath();

// Its folder with the trailing "/" ("/opt/velmora/"); "./" when unknown.
std::string ExecutableFolder();

}  // namespace os
