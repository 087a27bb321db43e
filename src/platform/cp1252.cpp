#include "platform/cp1252.h"

#include <algorithm>
#include <array>
#include <optional>

namespace orvane {
namespace {

// Code points of the bytes 0x80..0x9F; the rest of the code page equals Latin-1. The five
// bytes Windows-1252 leaves undefined map to the C1 controls of the same value so that
// every byte survives a round trip.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte of `code`, or nothing when Windows-1252 has none.
std::optional<char> Cp1252Byte(char16_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    for (std::size_t i = 0; i < HighControls.size(); ++i)
        if (HighControls[i] == code)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

} // namespace

QString FromCp1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text += (byte >= 0x80 && byte <= 0x9F) ? QChar(HighControls[byte - 0x80]) : QChar(byte);
    }
    return text;
}

std::string ToCp1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar ch : text)
        bytes += Cp1252Byte(ch.unicode()).value_or('?');
    return bytes;
}

bool IsCp1252(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar ch) { return Cp1252Byte(ch.unicode()).has_value(); });
}

} // namespace orvane
