#pragma once
// The texts of the About box.

#include "workspace/workspace.h"

#include <string>

namespace orvane {

struct AboutTexts {
    std::string title;   // lblTitle
    std::string version; // lblVersion
    std::string support; // Label1: "Support:" and the contact lines, each after CR LF
};

// Filled afresh each time the box is opened.
AboutTexts Form2_Load(const Workspace& ws);

} // namespace orvane
