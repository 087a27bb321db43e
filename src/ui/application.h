#pragma once

namespace orvane {

// Runs the program: splash, main window, event loop. Returns the exit code.
int RunApplication(int argc, char** argv);

} // namespace orvane
