#pragma once
// A virtual X server for one test: Xvfb on a display number it picks itself
// (-displayfd), so tests can run in parallel. Optionally with a window manager.

#include <sys/types.h>

#include <string>

namespace x11test {

class XvfbServer {
public:
    XvfbServer();   // starts the server and waits until it accepts connections
    ~XvfbServer();  // ends the window manager and the server
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    bool Running() const { return !name_.empty(); }
    const std::string& Name() const { return name_; }  // ":N"
    // Starts openbox with a top margin, so the work area differs from the screen, and
    // waits until it manages the screen. False when openbox is not installed.
    bool StartWindowManager(int topMargin);

private:
    pid_t server_ = -1;
    pid_t windowManager_ = -1;
    std::string name_;
    std::string configDir_;
};

}  // namespace x11test
