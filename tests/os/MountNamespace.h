#pragma once
// Tests that need real mounts (a tmpfs of known size, a FAT image, a read-only folder)
// run inside a private mount namespace, so nothing they mount is seen outside.
//
// The test program runs itself again under "unshare -m", running only the given
// tests (named DISABLED_... so that normal runs leave them out). Root is needed to
// mount; the outer test skips when it is not root or the namespace is refused.

#include <optional>
#include <string>

namespace testing_support {

struct NamespaceRun {
    int exitCode = -1;
    std::string output;
};

// nullopt when the namespace could not be made; `why` then says why.
std::optional<NamespaceRun> RunInMountNamespace(const std::string& gtestFilter, std::string* why);

// Runs a shell command inside the namespace test; its exit status.
int Shell(const std::string& command);

}  // namespace testing_support

// The outer half of a namespace test: skips or checks the inner run, and passes on the
// inner run's "NOTE:" lines.
#define VELMORA_RUN_IN_MOUNT_NAMESPACE(filter)                                                        \
    do {                                                                                              \
        if (::geteuid() != 0) GTEST_SKIP() << "needs root to mount (CI runs as root)";                \
        std::string why;                                                                              \
        auto run = testing_support::RunInMountNamespace(filter, &why);                                \
        if (!run) GTEST_SKIP() << "no private mount namespace here: " << why;                         \
        for (size_t pos = run->output.find("NOTE:"); pos != std::string::npos;                        \
             pos = run->output.find("NOTE:", pos + 1))                                                \
            std::cout << run->output.substr(pos, run->output.find('\n', pos) - pos) << std::endl;     \
        EXPECT_EQ(run->exitCode, 0) << run->output;                                                   \
        EXPECT_NE(run->output.find("[  PASSED  ] 1 test"), std::string::npos) << run->output;         \
    } while (false)
