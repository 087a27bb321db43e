#pragma once
// The program keeps text as 8-bit Windows-1252 bytes; widgets speak Unicode. These two
// functions are the only crossing point.

#include <QString>

#include <string>
#include <string_view>

namespace orvane {

QString FromCp1252(std::string_view bytes);
// Characters outside Windows-1252 become '?'.
std::string ToCp1252(const QString& text);
// True when every character of `text` has a byte in Windows-1252.
bool IsCp1252(const QString& text);

} // namespace orvane
