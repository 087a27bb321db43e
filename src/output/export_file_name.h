#pragma once
// Export files are named by the date-time stamp of the moment they are made.

#include "workspace/services.h"

#include <string>
#include <string_view>

namespace orvane {

// "<dataRoot>/<stamp><extension>" for the first stamp, from the clock's present second on,
// whose file does not exist yet, so that an export never lands in an earlier one's file.
std::string FreeExportPath(FileSystem& files, Clock& clock, std::string_view dataRoot,
                           std::string_view extension);

// Makes the data root when it is missing; true when it is there now.
bool EnsureDataRoot(FileSystem& files, std::string_view dataRoot);

} // namespace orvane
