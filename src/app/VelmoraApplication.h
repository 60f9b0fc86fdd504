#pragma once
// Start-up: the application titled "Velmora", its four forms created in order (the main
// window first, the others hidden), and the message loop until the main window closes.

namespace app {

// Needs a running window system; returns the exit code.
int RunVelmora();

}  // namespace app
