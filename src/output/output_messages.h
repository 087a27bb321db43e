#pragma once
// The messages of the save, print and export commands.

#include <string>
#include <string_view>

namespace orvane {

inline constexpr std::string_view WordMissingMessage = "Can't find the Microsoft Word in your PC!";
inline constexpr std::string_view ExcelMissingMessage =
    "Can't find the Microsoft Excel in your PC!";
inline constexpr std::string_view PrinterMessage = " Please install a printer! ";

// A file the user asked for could not be written: saying nothing would pass it off as done.
inline std::string CantWriteMessage(std::string_view path) {
    return "Can't write the file " + std::string(path) + "!";
}

} // namespace orvane
