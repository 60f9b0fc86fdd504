#pragma once
// A print server of the test's own: cupsd started on a socket in a temporary folder with
// one queue that writes each job to a file. Needs cupsd and root (the spooler drops to
// the lp user for its filters); Available() says whether it runs.

#include <sys/types.h>

#include <string>

#include "os/TempFolder.h"

namespace testing_support {

class PrivatePrintServer {
public:
    // Starts the server; with `defaultQueue` the queue is the server's default.
    explicit PrivatePrintServer(bool defaultQueue = true);
    ~PrivatePrintServer();
    PrivatePrintServer(const PrivatePrintServer&) = delete;
    PrivatePrintServer& operator=(const PrivatePrintServer&) = delete;

    bool Available() const { return pid_ > 0; }
    const std::string& Why() const { return why_; }  // why it is not available
    // Where the queue writes the job it prints.
    std::string OutputFile() const { return folder_.File("out/page.pdf"); }
    // Waits until the output file is complete (the job left the queue), at most `seconds`.
    bool WaitForOutput(double seconds) const;
    // The server's error log, for a failure message.
    std::string Log() const { return ReadBytes(folder_.File("log/error_log")); }

private:
    bool Start(bool defaultQueue);
    bool Admin(const std::string& arguments) const;

    TempFolder folder_;
    std::string socket_;
    pid_t pid_ = -1;
    std::string why_;
};

}  // namespace testing_support
