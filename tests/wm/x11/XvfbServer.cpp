#include "XvfbServer.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "ChildProcess.h"

namespace x11test {

namespace {
void StopProcess(pid_t pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    bool gone = WaitUntil([&] { return waitpid(pid, nullptr, WNOHANG) == pid; }, 5s);
    if (!gone) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}
}  // namespace

XvfbServer::XvfbServer() {
    int fds[2];
    if (pipe(fds) != 0) return;
    server_ = fork();
    if (server_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        close(fds[0]);
        int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, 1);
        dup2(devnull, 2);
        std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
               "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    // Xvfb writes its display number once it accepts connections.
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    auto end = std::chrono::steady_clock::now() + 15s;
    while (std::chrono::steady_clock::now() < end) {
        if (poll(&p, 1, 200) <= 0) continue;
        char c;
        ssize_t n = read(fds[0], &c, 1);
        if (n <= 0 || c == '\n') break;
        number.push_back(c);
    }
    close(fds[0]);
    if (!number.empty()) name_ = ":" + number;
}

XvfbServer::~XvfbServer() {
    StopProcess(windowManager_);
    StopProcess(server_);
    if (!configDir_.empty()) {
        std::string command = "rm -rf '" + configDir_ + "'";
        [[maybe_unused]] int ignored = std::system(command.c_str());
    }
}

bool XvfbServer::StartWindowManager(int topMargin) {
    if (std::system("command -v openbox >/dev/null 2>&1") != 0) return false;
    char dir[] = "/tmp/velmora-openbox-XXXXXX";
    if (!mkdtemp(dir)) return false;
    configDir_ = dir;
    std::ofstream(configDir_ + "/rc.xml")
        << "<?xml version=\"1.0\"?>\n<openbox_config xmlns=\"http://openbox.org/3.4/rc\">\n"
           "<margins><top>" << topMargin << "</top><bottom>0</bottom><left>0</left><right>0</right></margins>\n"
           "<focus><focusNew>yes</focusNew></focus>\n</openbox_config>\n";
    windowManager_ = fork();
    if (windowManager_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        setenv("DISPLAY", name_.c_str(), 1);
        int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, 1);
        dup2(devnull, 2);
        std::string config = configDir_ + "/rc.xml";
        execlp("openbox", "openbox", "--config-file", config.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    // Managing: the work area is published on the root window.
    ::Display* dpy = XOpenDisplay(name_.c_str());
    if (!dpy) return false;
    Atom workArea = XInternAtom(dpy, "_NET_WORKAREA", False);
    bool ready = WaitUntil([&] {
        Atom type;
        int format;
        unsigned long count = 0, after;
        unsigned char* data = nullptr;
        XGetWindowProperty(dpy, DefaultRootWindow(dpy), workArea, 0, 4, False, AnyPropertyType, &type, &format, &count,
                           &after, &data);
        if (data) XFree(data);
        return count >= 4;
    });
    XCloseDisplay(dpy);
    return ready;
}

}  // namespace x11test
