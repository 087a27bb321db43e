#include "serial/pushed_text_cleaning.h"

namespace orvane {
namespace {

// ASCII letters only: the bytes above 0x7F are Windows-1252 text and compared as they are.
char FoldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The bytes of `text` from `at` on match the pattern's first bytes (all of them, or as many
// as there are).
std::size_t MatchingLength(std::string_view text, std::size_t at, std::string_view pattern) {
    std::size_t length = 0;
    while (length < pattern.size() && at + length < text.size() &&
           FoldCase(text[at + length]) == FoldCase(pattern[length]))
        ++length;
    return length;
}

} // namespace

std::string PatternRemover::Take(std::string_view piece, bool end) {
    held_ += piece;
    std::string kept;
    kept.reserve(held_.size());
    std::size_t at = 0;
    while (at < held_.size()) {
        const std::size_t matching = MatchingLength(held_, at, pattern_);
        if (!pattern_.empty() && matching == pattern_.size()) {
            at += matching;
            continue;
        }
        // The rest may still become the pattern when the stream goes on.
        if (!end && matching > 0 && at + matching == held_.size())
            break;
        kept += held_[at];
        ++at;
    }
    held_.erase(0, at);
    return kept;
}

std::string PushedTextCleaner::Take(std::string_view piece) {
    return Pass(piece, false);
}

std::string PushedTextCleaner::Finish() {
    return Pass({}, true);
}

std::string PushedTextCleaner::Pass(std::string_view piece, bool end) {
    const std::string withoutSetup = setup_.Take(withPitch_.Take(piece, end), end);
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

std::string RemoveIgnoringCase(std::string_view text, std::string_view pattern) {
    return PatternRemover(pattern).Take(text, true);
}

std::string CleanPushedText(std::string_view transmission) {
    PushedTextCleaner cleaner;
    std::string cleaned = cleaner.Take(transmission);
    return cleaned + cleaner.Finish();
}

} // namespace orvane
