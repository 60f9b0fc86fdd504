#include "os/print/PrivatePrintServer.h"

#include <cups/cups.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace testing_support {
namespace {

bool Exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

// Polls `ready` every 20 ms for at most `seconds`.
template <typename Ready>
bool WaitUntil(double seconds, Ready ready) {
    auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!ready()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

}  // namespace

PrivatePrintServer::PrivatePrintServer(bool defaultQueue) {
    if (!Start(defaultQueue) && pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
}

PrivatePrintServer::~PrivatePrintServer() {
    cupsSetServer(nullptr);
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
}

bool PrivatePrintServer::Start(bool defaultQueue) {
    if (::geteuid() != 0) return why_ = "the print server needs root", false;
    if (!Exists("/usr/sbin/cupsd")) return why_ = "cupsd is not installed", false;
    const std::string root = folder_.Path().string();
    // The spooler's filters run as lp and must reach the folder.
    ::chmod(root.c_str(), 0755);
    for (const char* sub : {"spool", "cache", "state", "log", "out"})
        std::filesystem::create_directories(folder_.File(sub));
    ::chmod(folder_.File("out").c_str(), 0777);
    socket_ = folder_.File("cups.sock");
    WriteBytes(folder_.File("cupsd.conf"),
               "Listen " + socket_ + "\nLogLevel info\n<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
               "<Location /admin>\nOrder allow,deny\nAllow all\n</Location>\n");
    WriteBytes(folder_.File("cups-files.conf"),
               "ServerRoot " + root + "\nRequestRoot " + root + "/spool\nCacheDir " + root +
                   "/cache\nStateDir " + root + "/state\nTempDir " + root + "/spool\nErrorLog " + root +
                   "/log/error_log\nAccessLog " + root + "/log/access_log\nPageLog " + root +
                   "/log/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\nFileDevice Yes\n"
                   "User lp\nGroup lp\n");
    pid_ = ::fork();
    if (pid_ == 0) {
        std::string conf = folder_.File("cupsd.conf"), files = folder_.File("cups-files.conf");
        ::execl("/usr/sbin/cupsd", "cupsd", "-f", "-c", conf.c_str(), "-s", files.c_str(), nullptr);
        ::_exit(127);
    }
    if (pid_ < 0) return why_ = "fork failed", false;
    if (!WaitUntil(10, [&] { return Exists(socket_); })) return why_ = "cupsd did not start", false;

    // Every call of this process (the library under test included) goes to this server; a
    // user's own default queue must not interfere.
    cupsSetServer(socket_.c_str());
    ::setenv("CUPS_SERVER", socket_.c_str(), 1);
    ::setenv("HOME", root.c_str(), 1);
    if (!Admin("-p VelmoraTest -E -v file://" + OutputFile() + " -P " VELMORA_TEST_PPD))
        return why_ = "the test queue could not be set up", false;
    if (defaultQueue && !Admin("-d VelmoraTest")) return why_ = "no default queue", false;
    return true;
}

bool PrivatePrintServer::Admin(const std::string& arguments) const {
    std::string command = "lpadmin -h " + socket_ + " " + arguments + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

bool PrivatePrintServer::WaitForOutput(double seconds) const {
    // The job is done when the queue has no job left and the file has content.
    return WaitUntil(seconds, [&] {
        cups_job_t* jobs = nullptr;
        int active = cupsGetJobs(&jobs, "VelmoraTest", 0, CUPS_WHICHJOBS_ACTIVE);
        cupsFreeJobs(active, jobs);
        struct stat st {};
        return active == 0 && ::stat(OutputFile().c_str(), &st) == 0 && st.st_size > 0;
    });
}

}  // namespace testing_support
