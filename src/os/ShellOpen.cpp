#include "os/ShellOpen.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace os {

bool ShellOpen(const std::string& document) {
    // Fork twice so the opener is nobody's child of ours: it outlives the program, and no
    // zombie is left behind when it ends.
    pid_t middle = fork();
    if (middle < 0) return false;
    if (middle == 0) {
        setsid();
        int devNull = open("/dev/null", O_RDWR);
        if (devNull >= 0) {
            dup2(devNull, STDIN_FILENO);
            dup2(devNull, STDOUT_FILENO);
            dup2(devNull, STDERR_FILENO);
        }
        const char* argv[] = {"xdg-open", document.c_str(), nullptr};
        pid_t opener = 0;
        int rc = posix_spawnp(&opener, "xdg-open", nullptr, nullptr, const_cast<char* const*>(argv), environ);
        _exit(rc == 0 ? 0 : 1);
    }
    int status = 0;
    pid_t waited;
    do {
        waited = waitpid(middle, &status, 0);
    } while (waited < 0 && errno == EINTR);
    if (waited < 0) return true;  // reaped elsewhere (SIGCHLD ignored): it was started
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace os
