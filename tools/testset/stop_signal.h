#pragma once
// SIGINT and SIGTERM ask the program to stop; it then cleans up and ends normally.

namespace testset {

void InstallStopHandlers();
// The signal that asked to stop, 0 while none has.
int StopSignal();

} // namespace testset
