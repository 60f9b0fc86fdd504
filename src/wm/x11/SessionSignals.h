#pragma once
// SIGTERM and SIGHUP end the session; SIGPIPE is ignored, so a server that went away
// shows as Xlib's IO error (a lost connection) rather than killing the process. The signal handler only writes a byte into a pipe;
// the display polls the pipe's read end together with the X connection, so the session
// end runs on the user interface thread like any other event.

namespace wm::x11 {

class SessionSignals {
public:
    SessionSignals();   // installs the handlers
    ~SessionSignals();  // restores the previous ones
    SessionSignals(const SessionSignals&) = delete;
    SessionSignals& operator=(const SessionSignals&) = delete;

    int ReadFd() const;
    // True (once per signal) when a session-ending signal arrived; drains the pipe.
    bool TakePending();
};

}  // namespace wm::x11
