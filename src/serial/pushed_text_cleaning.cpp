#include "serial/pushed_text_cleaning.h"

namespace orvane {
namespace {

// ASCII letters only: the bytes above 0x7F are Windows-1252 text and compared as they are.
char FoldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool MatchesAt(std::string_view text, std::size_t at, std::string_view pattern) {
    if (text.size() - at < pattern.size())
        return false;
    for (std::size_t i = 0; i < pattern.size(); ++i)
        if (FoldCase(text[at + i]) != FoldCase(pattern[i]))
            return false;
    return true;
}

constexpr std::string_view SetupWithPitch{"\x1bR\x01\x1b\x32\x0f", 6};
constexpr std::string_view Setup{"\x1bR\x01\x1b\x32", 5};

} // namespace

std::string RemoveIgnoringCase(std::string_view text, std::string_view pattern) {
    if (pattern.empty())
        return std::string(text);
    std::string kept;
    kept.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (MatchesAt(text, at, pattern)) {
            at += pattern.size();
        } else {
            kept += text[at];
            ++at;
        }
    }
    return kept;
}

std::string CleanPushedText(std::string_view chunk) {
    const std::string withoutSetup =
        RemoveIgnoringCase(RemoveIgnoringCase(chunk, SetupWithPitch), Setup);
    std::string cleaned;
    cleaned.reserve(withoutSetup.size() + withoutSetup.size() / 8);
    for (const char c : withoutSetup) {
        if (c == '\n')
            continue;
        cleaned += c;
        if (c == '\r')
            cleaned += '\n';
    }
    return cleaned;
}

} // namespace orvane
