#include "ui/logic/numeric_text.h"

#include <cmath>
#include <cstddef>

namespace orvane {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double NumericValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    double sign = 1.0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        sign = text[i] == '-' ? -1.0 : 1.0;
        ++i;
    }
    double value = 0.0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        value = value * 10.0 + (text[i] - '0');
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && IsDigit(text[i]); ++i, scale /= 10.0)
            value += (text[i] - '0') * scale;
    }
    return sign * value;
}

std::optional<int> WholeNumberWithin(double value, int low, int high) {
    const double whole = std::nearbyint(value); // the default rounding mode rounds halves to even
    if (!(whole >= low && whole <= high))
        return std::nullopt;
    return static_cast<int>(whole);
}

} // namespace orvane
