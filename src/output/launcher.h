#pragma once
// Hands an exported file to the user's word processor or spreadsheet program.

#include <string>

namespace orvane {

class Launcher {
  public:
    virtual ~Launcher() = default;
    // Starts the word processor on the file; false when none could be started.
    virtual bool OpenInWordProcessor(const std::string& path) = 0;
    // True when a spreadsheet program is installed.
    virtual bool HasSpreadsheet() = 0;
    virtual bool OpenInSpreadsheet(const std::string& path) = 0;
};

} // namespace orvane
