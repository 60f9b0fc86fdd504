#include "os/MountNamespace.h"

#include <stdio.h>
#include <sys/wait.h>

#include <cstdlib>

#include "os/ExecutablePath.h"

namespace testing_support {

std::optional<NamespaceRun> RunInMountNamespace(const std::string& gtestFilter, std::string* why) {
    std::string command = "unshare -m --propagation private '" + os::ExecutablePath() +
                          "' --gtest_also_run_disabled_tests --gtest_filter='" + gtestFilter + "' 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        *why = "popen failed";
        return std::nullopt;
    }
    NamespaceRun run;
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
    int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    // The test program never started: unshare itself was refused.
    if (run.output.find("[==========]") == std::string::npos) {
        *why = run.output;
        return std::nullopt;
    }
    return run;
}

int Shell(const std::string& command) {
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace testing_support
