#include "workspace/data_paths.h"

#include <cstdlib>

namespace orvane {

std::string JoinPath(std::string_view dir, std::string_view name) {
    std::string path(dir);
    if (!path.empty() && path.back() != PathSeparator)
        path += PathSeparator;
    path += name;
    return path;
}

std::string DefaultDataRoot() {
    if (const char* root = std::getenv("KAVREL_DATA_ROOT"); root && *root)
        return root;
#ifdef _WIN32
    return "C:\\PLX";
#else
    const char* home = std::getenv("HOME");
    return JoinPath(home && *home ? home : ".", "PLX");
#endif
}

std::string TargetDirectory(std::string_view dataRoot, std::string_view targetDir) {
    return JoinPath(dataRoot, targetDir);
}

std::string IndexPath(std::string_view dataRoot, std::string_view targetDir) {
    return JoinPath(TargetDirectory(dataRoot, targetDir), std::string(targetDir) + ".ini");
}

std::string TempDocPath(std::string_view dataRoot) {
    return JoinPath(dataRoot, "temp.doc");
}

} // namespace orvane
