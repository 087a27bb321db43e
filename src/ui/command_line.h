#pragma once
// The program without its window: --export-pdf writes reports as PDF files, --help tells how.

#include <QStringList>
#include <QTextStream>

#include <string>

namespace orvane {

// True when the arguments ask for work without a window; without arguments the window runs.
bool IsCommandLineRun(int argc, char** argv);

// Runs that work on a display-less application object; returns the exit status.
int RunCommandLine(int argc, char** argv);

// Exit statuses: done, a report or file failed, the arguments were wrong.
inline constexpr int ExitDone = 0;
inline constexpr int ExitFailed = 1;
inline constexpr int ExitUsage = 2;

// The request of `arguments` (the program's name first) on the workspaces under `dataRoot`:
// one line per file written on `out`, what went wrong on `err`. Reads the family's index
// and records and writes nothing but the PDF files. Needs a Qt GUI application object.
int RunCommandLine(const QStringList& arguments, const std::string& dataRoot, QTextStream& out,
                   QTextStream& err);

} // namespace orvane
