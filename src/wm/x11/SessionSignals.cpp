#include "wm/x11/SessionSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace wm::x11 {

namespace {
int pipeFds[2] = {-1, -1};
struct sigaction previousTerm {};
struct sigaction previousHup {};
struct sigaction previousPipe {};

void OnSignal(int) {
    int saved = errno;
    const char byte = 1;
    [[maybe_unused]] ssize_t n = write(pipeFds[1], &byte, 1);
    errno = saved;
}
}  // namespace

SessionSignals::SessionSignals() {
    if (pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
        pipeFds[0] = pipeFds[1] = -1;
        return;
    }
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, &previousTerm);
    sigaction(SIGHUP, &action, &previousHup);
    // Writing to a server that went away must fail with EPIPE (Xlib's IO error, which
    // ends the session properly) instead of killing the process.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, &previousPipe);
}

SessionSignals::~SessionSignals() {
    if (pipeFds[0] < 0) return;
    sigaction(SIGTERM, &previousTerm, nullptr);
    sigaction(SIGHUP, &previousHup, nullptr);
    sigaction(SIGPIPE, &previousPipe, nullptr);
    close(pipeFds[0]);
    close(pipeFds[1]);
    pipeFds[0] = pipeFds[1] = -1;
}

int SessionSignals::ReadFd() const { return pipeFds[0]; }

bool SessionSignals::TakePending() {
    if (pipeFds[0] < 0) return false;
    char buffer[64];
    bool any = false;
    while (read(pipeFds[0], buffer, sizeof buffer) > 0) any = true;
    return any;
}

}  // namespace wm::x11
