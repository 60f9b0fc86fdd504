#pragma once
// Opening a document with the desktop's program for it (xdg-open), as a double click in a
// file manager would. The opener runs detached; whether it succeeds is not looked at.

#include <string>

namespace os {

// Starts the opener for `document` (a path, relative to the current directory, or a URL)
// and returns at once. False only when no process could be started.
bool ShellOpen(const std::string& document);

}  // namespace os
