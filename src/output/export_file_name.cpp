#include "output/export_file_name.h"

#include "output/stamps.h"
#include "workspace/data_paths.h"

namespace orvane {
namespace {

// A day's worth of seconds: far more exports than anyone makes, yet a bound.
constexpr int MaxStampSteps = 86400;

} // namespace

std::string FreeExportPath(FileSystem& files, Clock& clock, std::string_view dataRoot,
                           std::string_view extension) {
    const LocalTime now = clock.Now();
    std::string path;
    for (int k = 0; k < MaxStampSteps; ++k) {
        path = JoinPath(dataRoot, DateTimeStamp(clock, now, k) + std::string(extension));
        if (!files.Exists(path))
            break;
    }
    return path;
}

bool EnsureDataRoot(FileSystem& files, std::string_view dataRoot) {
    const std::string root(dataRoot);
    return files.IsDirectory(root) || files.MakeDirectory(root);
}

} // namespace orvane
