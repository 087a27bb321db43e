#pragma once

namespace orvane {

// SIGINT, SIGTERM and SIGHUP end the program the orderly way (settings stored, workspace
// written), as closing the window does. Does nothing where there are no such signals.
void QuitOnTerminationSignals();

} // namespace orvane
