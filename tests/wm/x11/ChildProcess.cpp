#include "ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace x11test {

namespace {
int DecodeStatus(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

std::vector<char*> ArgvOf(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    return args;
}
}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::string& display) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        dup2(fds[1], 1);
        setenv("DISPLAY", display.c_str(), 1);
        auto args = ArgvOf(argv);
        execvp(args[0], args.data());
        _exit(127);
    }
    close(fds[1]);
    out_ = fds[0];
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0 && !exitCode_) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) close(out_);
}

std::optional<std::string> ChildProcess::ReadLine(std::chrono::milliseconds timeout) {
    auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (auto nl = buffer_.find('\n'); nl != std::string::npos) {
            std::string line = buffer_.substr(0, nl);
            buffer_.erase(0, nl + 1);
            return line;
        }
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        if (left.count() <= 0 || out_ < 0) return std::nullopt;
        pollfd p{out_, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
        char chunk[4096];
        ssize_t n = read(out_, chunk, sizeof chunk);
        if (n <= 0) return std::nullopt;
        buffer_.append(chunk, static_cast<size_t>(n));
    }
}

bool ChildProcess::WaitForLine(const std::string& line, std::chrono::milliseconds timeout) {
    auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        auto got = ReadLine(left);
        if (!got) return false;
        if (*got == line) return true;
    }
}

void ChildProcess::Signal(int signal) {
    if (pid_ > 0 && !exitCode_) kill(pid_, signal);
}

std::optional<int> ChildProcess::WaitForExit(std::chrono::milliseconds timeout) {
    if (exitCode_) return exitCode_;
    int status = 0;
    bool done = WaitUntil([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, timeout);
    if (done) exitCode_ = DecodeStatus(status);
    return exitCode_;
}

CommandResult RunCommand(const std::vector<std::string>& argv, const std::string& display, const std::string& input,
                         std::chrono::milliseconds timeout) {
    int in[2], out[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) return {};
    pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        dup2(in[0], 0);
        dup2(out[1], 1);
        setenv("DISPLAY", display.c_str(), 1);
        auto args = ArgvOf(argv);
        execvp(args[0], args.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    // Small inputs fit the pipe; the tests write at most a few kilobytes this way.
    if (!input.empty()) [[maybe_unused]] ssize_t n = write(in[1], input.data(), input.size());
    close(in[1]);
    CommandResult result;
    auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            kill(pid, SIGKILL);
            break;
        }
        pollfd p{out[0], POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
        char chunk[65536];
        ssize_t n = read(out[0], chunk, sizeof chunk);
        if (n <= 0) break;
        result.output.append(chunk, static_cast<size_t>(n));
    }
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    result.exitCode = DecodeStatus(status);
    return result;
}

}  // namespace x11test
