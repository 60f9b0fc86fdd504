// Start-up of velmora to its first painted frame, under a virtual X server (Xvfb): from
// the fork until the window is mapped and shows its status bar colour. Also reports the
// time until the window was mapped (counter mapped_ms, mean) and the process's peak
// resident memory (counter peak_rss_kb).
//
// Looks for velmora at $VELMORA_BIN, else beside the build tree (../src/app/velmora
// relative to this program). Needs Xvfb.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace {

constexpr unsigned long kStatusBarPixel = 0xC6CBD6;  // 14076870 as the server's RGB

std::string VelmoraPath() {
    if (const char* path = std::getenv("VELMORA_BIN")) return path;
    auto self = std::filesystem::read_symlink("/proc/self/exe");
    return (self.parent_path().parent_path() / "src/app/velmora").string();
}

struct Server {
    pid_t pid = -1;
    std::string name;
    Server() {
        int fds[2];
        if (pipe(fds) != 0) return;
        pid = fork();
        if (pid == 0) {
            close(fds[0]);
            int devnull = open("/dev/null", O_WRONLY);
            dup2(devnull, 2);
            std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        char c;
        std::string number;
        pollfd p{fds[0], POLLIN, 0};
        while (poll(&p, 1, 15000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number.push_back(c);
        close(fds[0]);
        if (!number.empty()) name = ":" + number;
    }
    ~Server() {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
    }
};

bool IsVelmora(::Display* dpy, Window w) {
    char* name = nullptr;
    bool found = XFetchName(dpy, w, &name) && name && std::string(name) == "Velmora";
    if (name) XFree(name);
    return found;
}

// Waits for the next event from the server, at most until `limit`.
bool NextEvent(::Display* dpy, XEvent& event, std::chrono::steady_clock::time_point limit) {
    while (!XPending(dpy)) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(limit - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd p{ConnectionNumber(dpy), POLLIN, 0};
        poll(&p, 1, static_cast<int>(left.count()));
    }
    XNextEvent(dpy, &event);
    return true;
}

bool ShowsStatusBar(::Display* dpy, Window w) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(dpy, w, &a)) return false;
    XImage* image = XGetImage(dpy, w, 300, a.height - 8, 1, 1, AllPlanes, ZPixmap);
    if (!image) return false;
    bool painted = (XGetPixel(image, 0, 0) & 0xFFFFFF) == kStatusBarPixel;
    XDestroyImage(image);
    return painted;
}

void BM_StartupToFirstFrame(benchmark::State& state) {
    Server server;
    if (server.name.empty()) {
        state.SkipWithError("Xvfb did not start");
        return;
    }
    ::Display* dpy = XOpenDisplay(server.name.c_str());
    if (!dpy) {
        state.SkipWithError("no connection to Xvfb");
        return;
    }
    XSetErrorHandler([](::Display*, XErrorEvent*) { return 0; });  // the window may go meanwhile
    // Without a window manager the program's windows are children of the root: their
    // mapping is reported here, so the bench waits on events instead of asking the
    // server over and over (which would take processor time from the program measured).
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    const std::string velmora = VelmoraPath();
    long peakKb = 0;
    double mappedSeconds = 0;
    for (auto _ : state) {
        XSync(dpy, True);  // events of the previous start
        auto start = std::chrono::steady_clock::now();
        pid_t pid = fork();
        if (pid == 0) {
            setenv("DISPLAY", server.name.c_str(), 1);
            execl(velmora.c_str(), velmora.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        auto limit = start + std::chrono::seconds(10);
        std::optional<Window> window;
        XEvent event;
        while (!window && NextEvent(dpy, event, limit))
            if (event.type == MapNotify && IsVelmora(dpy, event.xmap.window)) window = event.xmap.window;
        auto mapped = std::chrono::steady_clock::now();
        // The first frame: the status bar at the window's bottom has its colour. Asked
        // every half millisecond, one small request each time.
        bool shown = false;
        while (window && !shown && std::chrono::steady_clock::now() < limit) {
            shown = ShowsStatusBar(dpy, *window);
            if (!shown) usleep(500);
        }
        auto now = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(now - start).count());
        mappedSeconds += std::chrono::duration<double>(mapped - start).count();
        kill(pid, SIGTERM);
        int status;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        peakKb = std::max(peakKb, usage.ru_maxrss);
        if (!shown) {
            state.SkipWithError("velmora showed no frame within 10 s");
            break;
        }
    }
    state.counters["peak_rss_kb"] = static_cast<double>(peakKb);
    state.counters["mapped_ms"] = 1000 * mappedSeconds / std::max<double>(1, double(state.iterations()));
    XCloseDisplay(dpy);
}

BENCHMARK(BM_StartupToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3)->ReportAggregatesOnly(false);

}  // namespace

BENCHMARK_MAIN();
