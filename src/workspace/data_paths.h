#pragma once
// Where the program keeps its files: the data root, one directory per target family, the
// index of each family and the scratch files.

#include <string>
#include <string_view>

namespace orvane {

#ifdef _WIN32
inline constexpr char PathSeparator = '\\';
#else
inline constexpr char PathSeparator = '/';
#endif

std::string JoinPath(std::string_view dir, std::string_view name);

// KAVREL_DATA_ROOT when set, else C:\PLX on Windows, else $HOME/PLX.
std::string DefaultDataRoot();

std::string TargetDirectory(std::string_view dataRoot, std::string_view targetDir);
// <root>/<TARGET>/<TARGET>.ini
std::string IndexPath(std::string_view dataRoot, std::string_view targetDir);
// <root>/temp.doc
std::string TempDocPath(std::string_view dataRoot);

} // namespace orvane
