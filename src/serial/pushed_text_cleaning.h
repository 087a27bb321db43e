#pragma once
// The cleaning a pushed text chunk gets before it is shown and stored: the printer set-up
// sequences go, LF is dropped and every CR becomes CR LF.

#include <string>
#include <string_view>

namespace orvane {

// Removes every occurrence of `pattern` in one left-to-right pass; letters match whatever
// their case, other bytes exactly. Joined remains are not searched again.
std::string RemoveIgnoringCase(std::string_view text, std::string_view pattern);

// ESC R 01 ESC 2 SI, then ESC R 01 ESC 2, then LF removed; CR -> CR LF. Works on the chunk
// alone: a sequence split over two chunks stays.
std::string CleanPushedText(std::string_view chunk);

} // namespace orvane
