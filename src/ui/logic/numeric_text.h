#pragma once
// Numbers read back from stored settings text.

#include <optional>
#include <string_view>

namespace orvane {

// The number a text begins with, after leading blanks: an optional sign, digits and an
// optional decimal fraction; reading stops at the first other character. A text that does
// not begin with a number is worth 0 ("abc" -> 0, " 2" -> 2, "3x" -> 3, "2.5" -> 2.5).
double NumericValue(std::string_view text);

// The nearest whole number, halves to even; nothing when it lies outside [low, high].
std::optional<int> WholeNumberWithin(double value, int low, int high);

} // namespace orvane
