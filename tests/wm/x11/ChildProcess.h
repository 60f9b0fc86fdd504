#pragma once
// A program started for a test, on a given display, with its standard output readable
// line by line and every wait bounded by a timeout. Every process a test starts (this
// one, the X server, the window manager) dies with the test program (PR_SET_PDEATHSIG):
// a test that fails hard leaves nothing running that would hold its output open.

#include <sys/types.h>

#include <chrono>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace x11test {

using namespace std::chrono_literals;

class ChildProcess {
public:
    ChildProcess(const std::vector<std::string>& argv, const std::string& display);
    ~ChildProcess();  // kills the process if it still runs
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t Pid() const { return pid_; }
    // The next line of output (without newline); nullopt on timeout or end of output.
    std::optional<std::string> ReadLine(std::chrono::milliseconds timeout = 10s);
    // Reads lines until one equals `line`; false on timeout.
    bool WaitForLine(const std::string& line, std::chrono::milliseconds timeout = 10s);
    void Signal(int signal);
    // The exit code (128 + signal for a killed process); nullopt on timeout.
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout = 10s);

private:
    pid_t pid_ = -1;
    int out_ = -1;
    std::string buffer_;
    std::optional<int> exitCode_;
};

// Runs a command to its end and returns its standard output (stdin from `input`).
struct CommandResult {
    int exitCode = -1;
    std::string output;
};
CommandResult RunCommand(const std::vector<std::string>& argv, const std::string& display,
                         const std::string& input = "", std::chrono::milliseconds timeout = 10s);

// Polls `condition` until it holds or the timeout passes.
template <typename F>
bool WaitUntil(F condition, std::chrono::milliseconds timeout = 10s) {
    auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        struct timespec pause {0, 5'000'000};
        nanosleep(&pause, nullptr);
    }
    return true;
}

}  // namespace x11test
